#include "etiqueta.h"

#include <QFontMetrics>
#include <QPalette>

#include "tzolkin.h"

namespace talmiroc {

Etiqueta::Etiqueta(QWidget* parent, const QString& nombre, Autoajuste autoajuste)
    : QLabel(parent), autoajuste_(autoajuste) {
    setObjectName(nombre);
    setTextFormat(Qt::PlainText);
    setWordWrap(autoajuste == Autoajuste::no);
    setAutoFillBackground(false);
}

void Etiqueta::Fijar_caption(const QString& caption) {
    caption_ = caption;
    QString mostrado = caption;
    mostrado.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setText(mostrado);
    // Heard without the marks that only dress the caption for the eye.
    // Only a change is told: a reader flooded with events drops some.
    const QString oido = QString::fromStdString(Para_oir(caption.toStdString()));
    if (oido != accessibleName()) setAccessibleName(oido);
    if (autoajuste_ == Autoajuste::no) return;
    if (isHidden()) {
        ajuste_pendiente_ = true;
    } else {
        Ajustar_tamano();
    }
}

QColor Etiqueta::Color() const {
    return palette().color(QPalette::WindowText);
}

void Etiqueta::Fijar_color(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void Etiqueta::Fijar_fondo_opaco(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

void Etiqueta::Fijar_caja(const QRect& caja) {
    setGeometry(caja);
    centro_x_ = caja.x() + caja.width() / 2.0;
    ajuste_pendiente_ = false;  // the stored box holds until the caption changes...
    // ...unless the caption, a translation, is wider than the box drawn for it.
    if (autoajuste_ != Autoajuste::no && !text().isEmpty() && sizeHint().width() > caja.width())
        Ajustar_tamano();
}

void Etiqueta::setVisible(bool visible) {
    if (visible && ajuste_pendiente_) {
        ajuste_pendiente_ = false;
        Ajustar_tamano();
    }
    QLabel::setVisible(visible);
}

void Etiqueta::Ajustar_tamano() {
    // An empty caption keeps the height of one line, like an empty auto-size box.
    const QSize tam = text().isEmpty() ? QSize(0, QFontMetrics(font()).height()) : sizeHint();
    if (autoajuste_ == Autoajuste::centro) {
        setGeometry(qRound(centro_x_ - tam.width() / 2.0), y(), tam.width(), tam.height());
    } else {
        resize(tam);
    }
}

}  // namespace talmiroc
