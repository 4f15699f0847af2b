#include "apoyo_qt.h"

#include <cmath>
#include <memory>

#include <QCache>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QSvgRenderer>

#include "fuentes.h"

namespace talmiroc {

namespace {

// Renderings are kept up to 64 MiB, the least recently used given up
// first: a window resized through many sizes would otherwise keep them all.
constexpr qsizetype limite_kib = 64 * 1024;

struct Cache {
    QCache<QString, QPixmap> pixmaps{limite_kib};
    QHash<QString, QSize> tamanos;
    // Each picture parsed once: its size, its renderings at every size and a
    // page, which draws its paths at every use, all read the same parse.
    QHash<QString, std::shared_ptr<QSvgRenderer>> svgs;
    int renderizados = 0;
};

Cache& Cache_compartida() {
    static Cache cache;
    return cache;
}

QSvgRenderer& Svg(const QString& recurso) {
    std::shared_ptr<QSvgRenderer>& svg = Cache_compartida().svgs[recurso];
    if (!svg) svg = std::make_shared<QSvgRenderer>(recurso);
    return *svg;
}

}  // namespace

QFont Qfont(const Fuente& f) {
    const QStringList caras = Caras_pedidas(QString::fromLatin1(f.familia));
    QFont fuente(caras.first());
    if (caras.size() > 1) fuente.setFamilies(caras);
    fuente.setPointSizeF(f.puntos);
    fuente.setWeight(f.peso);
    return fuente;
}

QPixmap Cache_svg::Pixmap(const QString& recurso, QSize tam, qreal dpr) {
    Cache& cache = Cache_compartida();
    const QString clave =
        QStringLiteral("%1|%2x%3@%4").arg(recurso).arg(tam.width()).arg(tam.height()).arg(dpr);
    if (const QPixmap* guardada = cache.pixmaps.object(clave)) return *guardada;

    QPixmap pixmap(tam * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    if (QSvgRenderer& svg = Svg(recurso); svg.isValid()) {
        QPainter pintor(&pixmap);
        pintor.setRenderHint(QPainter::Antialiasing);
        svg.render(&pintor, QRectF(QPointF(0, 0), QSizeF(tam)));
    }
    ++cache.renderizados;
    const qsizetype kib = qsizetype(pixmap.width()) * pixmap.height() * pixmap.depth() / 8 / 1024;
    cache.pixmaps.insert(clave, new QPixmap(pixmap), kib);  // not kept if larger than the limit
    return pixmap;
}

QSize Cache_svg::Tamano(const QString& recurso) {
    Cache& cache = Cache_compartida();
    if (auto it = cache.tamanos.constFind(recurso); it != cache.tamanos.constEnd()) return *it;
    const QSvgRenderer& svg = Svg(recurso);
    const QSize tam = svg.isValid() ? svg.defaultSize() : QSize();
    cache.tamanos.insert(recurso, tam);
    return tam;
}

int Cache_svg::Renderizados() {
    return Cache_compartida().renderizados;
}

void Cache_svg::Vaciar() {
    Cache& cache = Cache_compartida();
    cache.pixmaps.clear();
    cache.tamanos.clear();
    cache.svgs.clear();
    cache.renderizados = 0;
}

void Pintar_recurso(QPainter& pintor, const QRectF& caja, const QString& recurso,
                    Qt::AspectRatioMode ajuste) {
    if (!pintor.isActive() || recurso.isEmpty() || caja.isEmpty()) return;
    QRectF destino = caja;
    if (ajuste != Qt::IgnoreAspectRatio) {
        const QSize natural = Cache_svg::Tamano(recurso);
        if (natural.isEmpty()) return;
        // A box off the picture's proportions by less than a pixel, as a
        // layout rounds a height for a width, is the picture's own.
        const QSizeF ajustada = QSizeF(natural).scaled(caja.size(), ajuste);
        if (std::abs(ajustada.width() - caja.width()) >= 1 ||
            std::abs(ajustada.height() - caja.height()) >= 1) {
            destino.setSize(ajustada);
            destino.moveCenter(caja.center());
        }
    }
    // The device the painting lands on: the backing store, an image, a page.
    const QPaintDevice* dispositivo = pintor.paintEngine()->paintDevice();
    if (dynamic_cast<const QPagedPaintDevice*>(dispositivo) ||
        pintor.paintEngine()->type() == QPaintEngine::SVG) {
        Svg(recurso).render(&pintor, destino);
        return;
    }
    const QRect entera = destino.toRect();
    pintor.drawPixmap(entera.topLeft(),
                      Cache_svg::Pixmap(recurso, entera.size(), dispositivo->devicePixelRatioF()));
}

}  // namespace talmiroc
