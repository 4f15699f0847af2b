#include "imagen.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QSvgRenderer>

#include "twips.h"

namespace talmiroc {

namespace {

struct Cache {
    QHash<QString, QPixmap> pixmaps;
    int renderizados = 0;
};

Cache& Cache_compartida() {
    static Cache cache;
    return cache;
}

// To a screen reader an image is a picture ("image" in AT-SPI) with the
// name and description the window gives it, not an unnamed filler.
QAccessibleInterface* Acceso_imagen(const QString& clase, QObject* objeto) {
    if (clase == QLatin1String(Imagen::staticMetaObject.className()) && objeto->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(objeto), QAccessible::Graphic);
    return nullptr;
}

}  // namespace

QPixmap Cache_svg::Pixmap(const QString& recurso, QSize tam, qreal dpr) {
    Cache& cache = Cache_compartida();
    const QString clave =
        QStringLiteral("%1|%2x%3@%4").arg(recurso).arg(tam.width()).arg(tam.height()).arg(dpr);
    if (auto it = cache.pixmaps.constFind(clave); it != cache.pixmaps.constEnd()) return *it;

    QPixmap pixmap(tam * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QSvgRenderer svg(recurso);
    if (svg.isValid()) {
        QPainter pintor(&pixmap);
        pintor.setRenderHint(QPainter::Antialiasing);
        svg.render(&pintor, QRectF(QPointF(0, 0), QSizeF(tam)));
    }
    ++cache.renderizados;
    cache.pixmaps.insert(clave, pixmap);
    return pixmap;
}

int Cache_svg::Renderizados() {
    return Cache_compartida().renderizados;
}

void Cache_svg::Vaciar() {
    Cache_compartida() = Cache{};
}

Imagen::Imagen(QWidget* parent, const QString& nombre, const QString& recurso)
    : QWidget(parent), recurso_(recurso) {
    static const bool acceso_instalado = (QAccessible::installFactory(Acceso_imagen), true);
    (void)acceso_instalado;
    setObjectName(nombre);
    setFocusPolicy(Qt::NoFocus);
}

void Imagen::Mover(int left, int top) {
    move(Pixeles(left), Pixeles(top));
}

void Imagen::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    // On a page (a printer, a PDF) the screen's pixmap would print blurred:
    // the picture is drawn from its SVG at the page's own resolution.
    if (dynamic_cast<const QPagedPaintDevice*>(pintor.paintEngine()->paintDevice())) {
        QSvgRenderer(recurso_).render(&pintor, QRectF(rect()));
        return;
    }
    pintor.drawPixmap(QPoint(0, 0), Cache_svg::Pixmap(recurso_, size(), devicePixelRatioF()));
}

}  // namespace talmiroc
