#include "imagen.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

#include "twips.h"

namespace talmiroc {

namespace {

// To a screen reader an image is a picture ("image" in AT-SPI) with the
// name and description the window gives it, not an unnamed filler.
QAccessibleInterface* Acceso_imagen(const QString& clase, QObject* objeto) {
    if (clase == QLatin1String(Imagen::staticMetaObject.className()) && objeto->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(objeto), QAccessible::Graphic);
    return nullptr;
}

}  // namespace

Imagen::Imagen(QWidget* parent, const QString& nombre, const QString& recurso,
               Qt::AspectRatioMode ajuste)
    : QWidget(parent), recurso_(recurso), ajuste_(ajuste) {
    static const bool acceso_instalado = (QAccessible::installFactory(Acceso_imagen), true);
    (void)acceso_instalado;
    setObjectName(nombre);
    setFocusPolicy(Qt::NoFocus);
}

void Imagen::Mover(int left, int top) {
    move(Pixeles(left), Pixeles(top));
}

QSize Imagen::sizeHint() const {
    const QSize natural = Cache_svg::Tamano(recurso_);
    return natural.isEmpty() ? QWidget::sizeHint() : natural;
}

bool Imagen::hasHeightForWidth() const {
    return !Cache_svg::Tamano(recurso_).isEmpty();
}

int Imagen::heightForWidth(int ancho) const {
    const QSize natural = Cache_svg::Tamano(recurso_);
    if (natural.isEmpty()) return -1;
    return qRound(qreal(ancho) * natural.height() / natural.width());
}

void Imagen::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    Pintar_recurso(pintor, QRectF(rect()), recurso_, ajuste_);
}

}  // namespace talmiroc
