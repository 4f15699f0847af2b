#include "celdas.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include "apoyo_qt.h"

namespace talmiroc {

void Anillo_portal(QPainter& p, const QRectF& r) {
    p.setPen(QPen(verde_portal, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
}

void Pintar_dia(QPainter& p, const QRectF& r, const QFont& letra_kin, const Celda_dia& c) {
    p.fillRect(r, Qt::white);
    if (c.marcas & marca_portal) Anillo_portal(p, r);

    const QRectF dentro = r.adjusted(6, 4, -6, -4);
    QFont letra = letra_kin;
    letra.setBold(true);
    p.setFont(letra);
    p.setPen(Qt::black);
    const QFontMetricsF m(letra);
    p.drawText(dentro, Qt::AlignLeft | Qt::AlignTop, c.numero);
    QFont pequeña = letra_kin;
    pequeña.setPointSizeF(letra_kin.pointSizeF() * 0.85);
    p.setFont(pequeña);
    p.drawText(dentro, Qt::AlignRight | Qt::AlignTop, c.fecha);
    qreal arriba = dentro.top() + m.height();
    if (!c.mes.isEmpty()) {
        // The month's name on its first day; a special day's own name, first.
        const bool especial = c.marcas & marca_especial;
        pequeña.setBold(true);
        p.setFont(especial ? letra : pequeña);
        p.setPen(especial ? violeta_onda : QColor(0x8e, 0x24, 0x24));
        const QRectF linea(dentro.left(), arriba, dentro.width(), dentro.height() / 3);
        QRectF usada;
        p.drawText(linea, (especial ? Qt::AlignLeft : Qt::AlignRight) | Qt::TextWordWrap, c.mes,
                   &usada);
        arriba = qMax(dentro.top() + m.height(), usada.bottom());
    }
    p.setFont(letra_kin);
    p.setPen(Qt::black);
    QRectF kin;
    p.drawText(dentro, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap, c.kin, &kin);
    const qreal abajo = qMin(kin.top(), dentro.bottom() - m.height());
    // The tone's numeral above the seal, sharing the height between them.
    const qreal alto = qMax<qreal>(abajo - arriba - 2, 8);
    const qreal alto_tono = alto * 0.25;
    Pintar_recurso(p, QRectF(dentro.left(), arriba, dentro.width(), alto_tono), c.tono);
    Pintar_recurso(
        p, QRectF(dentro.left(), arriba + alto_tono + 2, dentro.width(), alto - alto_tono - 2),
        c.sello);
}

void Pintar_kin_modulo(QPainter& p, const QRectF& r, const QFont& letra_kin,
                       const Celda_modulo& c) {
    const int marcas = c.marcas;
    p.fillRect(r, c.relleno);
    if (marcas & marca_portal) p.fillRect(r.adjusted(3, 3, -3, -3), verde_portal);
    if (marcas & marca_onda)
        p.fillRect(QRectF(r.left(), r.bottom() - 4, r.width(), 4), violeta_onda);
    QFont letra = letra_kin;
    letra.setBold(marcas & (marca_hoy | marca_seleccion));
    p.setFont(letra);
    p.setPen(marcas & marca_portal ? Qt::white : Qt::black);
    p.drawText(r, Qt::AlignCenter, QString::number(c.kin));
    const QString socio =
        marcas & marca_guia       ? QCoreApplication::translate("talmiroc::Ventana_tiempo", "Gu")
        : marcas & marca_antipoda ? QCoreApplication::translate("talmiroc::Ventana_tiempo", "Ap")
        : marcas & marca_analogo  ? QCoreApplication::translate("talmiroc::Ventana_tiempo", "An")
        : marcas & marca_oculto   ? QCoreApplication::translate("talmiroc::Ventana_tiempo", "Oc")
                                  : QString();
    if (!socio.isEmpty()) {
        QFont pequeña = letra_kin;
        pequeña.setPointSizeF(letra_kin.pointSizeF() * 0.75);
        pequeña.setBold(true);
        p.setFont(pequeña);
        const QRectF caja(r.left() + 2, r.top() + 2,
                          QFontMetricsF(pequeña).horizontalAdvance(QStringLiteral("Gu")) + 4,
                          QFontMetricsF(pequeña).height());
        p.fillRect(caja, violeta_onda);
        p.setPen(Qt::white);
        p.drawText(caja, Qt::AlignCenter, socio);
    }
    if (marcas & marca_central) {
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.drawLine(r.topRight(), r.bottomRight());
    }
}

}  // namespace talmiroc
