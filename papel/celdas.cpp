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

void Marca_hoy(QPainter& p, const QRectF& caja, const QFont& letra, const QString& texto) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(caja, 3, 3);
    p.setBrush(Qt::NoBrush);
    p.setPen(Qt::white);
    p.setFont(letra);
    p.drawText(caja, Qt::AlignCenter, texto);
}

namespace {

// `texto` on one line of `caja`, in `letra` or smaller when it would not fit.
void Una_linea(QPainter& p, const QRectF& caja, Qt::Alignment alineacion, const QString& texto,
               QFont letra) {
    const qreal ancho = QFontMetricsF(letra).horizontalAdvance(texto);
    if (ancho > caja.width() && ancho > 0)
        letra.setPointSizeF(letra.pointSizeF() * caja.width() / ancho);
    p.setFont(letra);
    p.drawText(caja, alineacion | Qt::AlignVCenter | Qt::TextSingleLine, texto);
}

}  // namespace

void Pintar_dia(QPainter& p, const QRectF& r, const QFont& letra_kin, const Celda_dia& c) {
    p.fillRect(r, Qt::white);
    if (c.marcas & marca_portal) Anillo_portal(p, r);

    const QRectF dentro = r.adjusted(6, 6, -8, -6);
    QFont letra = letra_kin;
    letra.setBold(true);
    const QFontMetricsF m(letra);
    QFont pequeña = letra_kin;
    pequeña.setPointSizeF(letra_kin.pointSizeF() * 0.85);
    // The texts one under the other from the top left, in reading order (the
    // number and the date, the month's or the special day's name, the kin),
    // so that a PDF reader copies a cell whole and apart from its
    // neighbours; the glyphs under them in a band that is the same in every
    // cell of a grid (cells of one size, one `lineas_kin`), so that they are
    // all of one size and no text crosses them.
    const QRectF arriba(dentro.left(), dentro.top(), dentro.width(), m.height());
    const qreal ancho_numero =
        c.numero.isEmpty() ? 0 : m.horizontalAdvance(c.numero) + m.averageCharWidth();
    if (c.marcas & marca_hoy && !c.numero.isEmpty()) {
        Marca_hoy(p, QRectF(arriba.left() - 2, arriba.top(), ancho_numero + 2, m.height()), letra,
                  c.numero);
    } else {
        p.setPen(Qt::black);
        p.setFont(letra);
        p.drawText(QPointF(arriba.left(), arriba.top() + m.ascent()), c.numero);
    }
    // On the number's baseline: one line for a reader. A special day, with
    // no number, is today by its date.
    const qreal x_fecha =
        arriba.left() + (c.numero.isEmpty() ? 0 : ancho_numero + m.averageCharWidth());
    if (c.marcas & marca_hoy && c.numero.isEmpty()) {
        Marca_hoy(p,
                  QRectF(x_fecha - 2, arriba.top(),
                         QFontMetricsF(pequeña).horizontalAdvance(c.fecha) + 6, m.height()),
                  pequeña, c.fecha);
    } else {
        p.setPen(Qt::black);
        p.setFont(pequeña);
        p.drawText(QPointF(x_fecha, arriba.top() + m.ascent()), c.fecha);
    }
    qreal y = arriba.bottom();
    if (!c.mes.isEmpty()) {
        // The month's name on its first day; a special day's own name.
        const bool especial = c.marcas & marca_especial;
        QFont mes = especial ? letra : pequeña;
        mes.setBold(true);
        p.setPen(especial ? violeta_onda : QColor(0x8e, 0x24, 0x24));
        Una_linea(p, QRectF(dentro.left(), y, dentro.width(), m.height()), Qt::AlignLeft, c.mes,
                  mes);
        y += m.height();
    }
    const QFontMetricsF mk(letra_kin);
    const qreal alto_kin = mk.lineSpacing() * qMax(1, c.lineas_kin);
    const QRectF kin(dentro.left(), y, dentro.width(), alto_kin);
    QFont letra_k = letra_kin;
    // A name longer than its lines, in a smaller face: never over the glyphs.
    for (int i = 0; i < 4; ++i) {
        const QRectF necesita = QFontMetricsF(letra_k).boundingRect(
            kin, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, c.kin);
        if (necesita.height() <= kin.height() + 0.5 && necesita.width() <= kin.width() + 0.5) break;
        letra_k.setPointSizeF(letra_k.pointSizeF() * 0.9);
    }
    p.setFont(letra_k);
    p.setPen(Qt::black);
    p.drawText(kin, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, c.kin);
    // The glyphs' band: under the texts' room, whether the month's line is
    // used or not. The tone's numeral above the seal, sharing its height.
    const qreal tope = arriba.bottom() + m.height() + alto_kin + 2;
    const qreal alto = qMax<qreal>(dentro.bottom() - tope, 8);
    const qreal alto_tono = alto * 0.25;
    Pintar_recurso(p, QRectF(dentro.left(), tope, dentro.width(), alto_tono), c.tono);
    Pintar_recurso(
        p, QRectF(dentro.left(), tope + alto_tono + 2, dentro.width(), alto - alto_tono - 2),
        c.sello);
}

void Pintar_kin_modulo(QPainter& p, const QRectF& r, const QFont& letra_kin,
                       const Celda_modulo& c) {
    const int marcas = c.marcas;
    p.fillRect(r, c.relleno);
    if (marcas & marca_portal) p.fillRect(r.adjusted(3, 3, -3, -3), verde_portal);
    if (marcas & marca_onda)
        p.fillRect(QRectF(r.left(), r.bottom() - 4, r.width(), 4), violeta_onda);
    const QString socio =
        marcas & marca_guia       ? QCoreApplication::translate("talmiroc::Ventana_tiempo", "Gu")
        : marcas & marca_antipoda ? QCoreApplication::translate("talmiroc::Ventana_tiempo", "Ap")
        : marcas & marca_analogo  ? QCoreApplication::translate("talmiroc::Ventana_tiempo", "An")
        : marcas & marca_oculto   ? QCoreApplication::translate("talmiroc::Ventana_tiempo", "Oc")
                                  : QString();
    // The oracle's tag at the left, the number in the room beside it: one
    // never covers the other.
    QRectF numero = r.adjusted(2, 3, -2, -4);
    if (!socio.isEmpty()) {
        QFont pequeña = letra_kin;
        pequeña.setPointSizeF(letra_kin.pointSizeF() * 0.75);
        pequeña.setBold(true);
        const QFontMetricsF mp(pequeña);
        const QRectF caja(r.left() + 2, r.top() + (r.height() - mp.height()) / 2,
                          mp.horizontalAdvance(socio) + 4, mp.height());
        p.fillRect(caja, violeta_onda);
        p.setPen(Qt::white);
        p.setFont(pequeña);
        p.drawText(caja, Qt::AlignCenter, socio);
        numero.setLeft(caja.right() + 1);
    }
    QFont letra = letra_kin;
    letra.setBold(marcas & (marca_hoy | marca_seleccion));
    const QString texto = QString::number(c.kin);
    const QFontMetricsF m(letra);
    if (marcas & marca_hoy) {
        // Today: its number white on black, found at a glance.
        const qreal ancho = qMin(numero.width(), m.horizontalAdvance(texto) + 6);
        const QRectF caja(numero.center().x() - ancho / 2, numero.center().y() - m.height() / 2,
                          ancho, m.height());
        Marca_hoy(p, caja, letra, texto);
    } else {
        p.setFont(letra);
        p.setPen(marcas & marca_portal ? Qt::white : Qt::black);
        p.drawText(numero, Qt::AlignCenter, texto);
    }
    if (marcas & marca_central) {
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.drawLine(r.topRight(), r.bottomRight());
    }
}

}  // namespace talmiroc
