// The painter of the count over time's cells: a day of the moon, a kin of
// the module, a kin of the wavespell, each from its model's roles.
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QStyledItemDelegate>

#include "apoyo_qt.h"
#include "celdas.h"
#include "celdas_tiempo.h"
#include "ventana_tiempo.h"

namespace talmiroc {

class Pintor_celdas final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& op, const QModelIndex& i) const override {
        const auto forma = static_cast<Forma>(i.data(rol_forma).toInt());
        const int marcas = i.data(rol_marcas).toInt();
        const bool actual = op.state & QStyle::State_HasFocus;
        p->save();
        // Rectangles, lines and pictures on whole pixels: no antialiasing needed.
        const QRectF r(op.rect);
        switch (forma) {
            case Forma::luna:
                Dia(p, op, i, r, marcas);
                break;
            case Forma::modulo:
                Kin_modulo(p, op, i, r, marcas);
                break;
            case Forma::kin_onda:
                Kin_onda(p, op, i, r);
                break;
            default:
                if (!(i.flags() & Qt::ItemIsEnabled)) {
                    p->fillRect(r, op.palette.color(QPalette::Window));
                    break;
                }
                p->restore();
                QStyledItemDelegate::paint(p, op, i);
                p->save();
                break;
        }
        // Where the keyboard is: a black frame of two pixels at the cell's
        // edge, the selection's blue frame inside it.
        if ((marcas & marca_seleccion) || (op.state & QStyle::State_Selected)) {
            const qreal dentro = actual ? 3.5 : 1.5;
            p->setPen(QPen(azul_seleccion, 3));
            p->setBrush(Qt::NoBrush);
            p->drawRect(r.adjusted(dentro, dentro, -dentro, -dentro));
        }
        if (actual) {
            p->setPen(QPen(Qt::black, 2));
            p->setBrush(Qt::NoBrush);
            p->drawRect(r.adjusted(1, 1, -1, -1));
        }
        p->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& op, const QModelIndex& i) const override {
        switch (static_cast<Forma>(i.data(rol_forma).toInt())) {
            case Forma::luna:
                return QSize(96, 96);
            case Forma::modulo:
                return QSize(44, 24);
            case Forma::kin_onda:
                return QSize(360, 40);
            default:
                return QStyledItemDelegate::sizeHint(op, i);
        }
    }

private:
    static void Dia(QPainter* p, const QStyleOptionViewItem& op, const QModelIndex& i,
                    const QRectF& r, int marcas) {
        Pintar_dia(*p, r, op.font,
                   {i.data(Qt::DisplayRole).toString(), i.data(rol_fecha).toString(),
                    i.data(rol_mes).toString(),
                    Ventana_tiempo::tr("Kin %1").arg(i.data(Qt::UserRole).toInt()),
                    i.data(rol_sello).toString(), i.data(rol_tono).toString(), marcas});
        if (marcas & marca_regreso) {
            // A person's kin returns: an orange dot with a white ring, top right.
            const qreal lado = qMax<qreal>(8, qMin(r.width(), r.height()) * 0.13);
            const QRectF punto(r.right() - lado - 5, r.top() + 5, lado, lado);
            p->setRenderHint(QPainter::Antialiasing);
            p->setPen(QPen(Qt::white, 1.5));
            p->setBrush(naranja_regreso);
            p->drawEllipse(punto);
            p->setRenderHint(QPainter::Antialiasing, false);
        }
    }

    static void Kin_modulo(QPainter* p, const QStyleOptionViewItem& op, const QModelIndex& i,
                           const QRectF& r, int marcas) {
        Pintar_kin_modulo(*p, r, op.font,
                          {i.data(Qt::DisplayRole).toInt(),
                           Relleno(static_cast<Color>(i.data(rol_color).toInt())), marcas});
    }

    static void Kin_onda(QPainter* p, const QStyleOptionViewItem& op, const QModelIndex& i,
                         const QRectF& r) {
        p->fillRect(r, Qt::white);
        const int marcas = i.data(rol_marcas).toInt();
        if (marcas & marca_portal) Anillo_portal(*p, r);
        if (marcas & marca_hoy) {
            // Today: a black band before its glyphs and its name in bold.
            p->fillRect(QRectF(r.left() + 4, r.top() + 4, 6, r.height() - 8), Qt::black);
        }
        const qreal alto = r.height() - 6;
        Pintar_recurso(*p, QRectF(r.left() + 14, r.top() + 3, alto * 1.4, alto),
                       i.data(rol_tono).toString());
        Pintar_recurso(*p, QRectF(r.left() + 18 + alto * 1.4, r.top() + 3, alto, alto),
                       i.data(rol_sello).toString());
        p->setPen(Qt::black);
        QFont letra = op.font;
        letra.setBold(marcas & marca_hoy);
        p->setFont(letra);
        p->drawText(r.adjusted(24 + alto * 2.4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                    i.data(Qt::DisplayRole).toString());
    }
};

}  // namespace talmiroc
