#include "apoyo_qt.h"

#include <cmath>
#include <future>
#include <memory>
#include <utility>

#include <QCache>
#include <QCoreApplication>
#include <QHash>
#include <QImage>
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
    // Renderings begun on another thread (Adelantar), by their keys.
    std::future<QList<std::pair<QString, QImage>>> adelantadas;
    bool espera_registrada = false;
};

Cache& Cache_compartida() {
    static Cache cache;
    return cache;
}

QString Clave(const QString& recurso, QSize tam, qreal dpr) {
    return QStringLiteral("%1|%2x%3@%4").arg(recurso).arg(tam.width()).arg(tam.height()).arg(dpr);
}

// Where a picture of `natural` size lands in `caja`: the whole box, or for
// KeepAspectRatio the largest box of its proportions, centred. A box off the
// picture's proportions by less than a pixel, as a layout rounds a height
// for a width, is the picture's own.
QRectF Destino(const QRectF& caja, QSize natural, Qt::AspectRatioMode ajuste) {
    QRectF destino = caja;
    if (ajuste == Qt::IgnoreAspectRatio) return destino;
    const QSizeF ajustada = QSizeF(natural).scaled(caja.size(), ajuste);
    if (std::abs(ajustada.width() - caja.width()) >= 1 ||
        std::abs(ajustada.height() - caja.height()) >= 1) {
        destino.setSize(ajustada);
        destino.moveCenter(caja.center());
    }
    return destino;
}

// The picture drawn at `tam` logical pixels for `dpr`, stretched; on any
// thread, with a parse of its own or the cache's.
QImage Renderizar(QSvgRenderer& svg, QSize tam, qreal dpr) {
    QImage imagen(tam * dpr, QImage::Format_ARGB32_Premultiplied);
    imagen.setDevicePixelRatio(dpr);
    imagen.fill(Qt::transparent);
    if (svg.isValid()) {
        QPainter pintor(&imagen);
        pintor.setRenderHint(QPainter::Antialiasing);
        svg.render(&pintor, QRectF(QPointF(0, 0), QSizeF(tam)));
    }
    return imagen;
}

// Takes in what another thread has rendered, waiting for it if need be.
void Recoger_adelantadas(Cache& cache) {
    if (!cache.adelantadas.valid()) return;
    for (auto& [clave, imagen] : cache.adelantadas.get()) {
        if (cache.pixmaps.contains(clave)) continue;
        const qsizetype kib = imagen.sizeInBytes() / 1024;
        cache.pixmaps.insert(clave, new QPixmap(QPixmap::fromImage(std::move(imagen))), kib);
        ++cache.renderizados;
    }
}

QSvgRenderer& Svg(const QString& recurso) {
    std::shared_ptr<QSvgRenderer>& svg = Cache_compartida().svgs[recurso];
    if (!svg) svg = std::make_shared<QSvgRenderer>(recurso);
    return *svg;
}

// Renderings still under way when the application ends are waited for and
// dropped there, while Qt's painting is still whole.
void Dejar_adelantadas() {
    Cache& cache = Cache_compartida();
    if (cache.adelantadas.valid()) cache.adelantadas.wait();
    cache.adelantadas = {};
    cache.espera_registrada = false;
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
    Recoger_adelantadas(cache);
    const QString clave = Clave(recurso, tam, dpr);
    if (const QPixmap* guardada = cache.pixmaps.object(clave)) return *guardada;

    QPixmap pixmap = QPixmap::fromImage(Renderizar(Svg(recurso), tam, dpr));
    ++cache.renderizados;
    const qsizetype kib = qsizetype(pixmap.width()) * pixmap.height() * pixmap.depth() / 8 / 1024;
    cache.pixmaps.insert(clave, new QPixmap(pixmap), kib);  // not kept if larger than the limit
    return pixmap;
}

void Cache_svg::Adelantar(QList<Pedido> pedidos) {
    Cache& cache = Cache_compartida();
    Recoger_adelantadas(cache);
    if (!QCoreApplication::instance()) return;  // rendered when painted, as without this
    if (!cache.espera_registrada) {
        qAddPostRoutine(Dejar_adelantadas);
        cache.espera_registrada = true;
    }
    cache.adelantadas = std::async(std::launch::async, [pedidos = std::move(pedidos)] {
        QList<std::pair<QString, QImage>> hechas;
        QHash<QString, std::shared_ptr<QSvgRenderer>> svgs;  // this thread's own parses
        for (const Pedido& p : pedidos) {
            std::shared_ptr<QSvgRenderer>& svg = svgs[p.recurso];
            if (!svg) svg = std::make_shared<QSvgRenderer>(p.recurso);
            const QSize natural = svg->isValid() ? svg->defaultSize() : QSize();
            if (p.caja.isEmpty() || (p.ajuste != Qt::IgnoreAspectRatio && natural.isEmpty()))
                continue;
            const QSize tam = Destino(p.caja, natural, p.ajuste).toRect().size();
            hechas.append({Clave(p.recurso, tam, p.dpr), Renderizar(*svg, tam, p.dpr)});
        }
        return hechas;
    });
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
    if (cache.adelantadas.valid()) cache.adelantadas.wait();
    cache.adelantadas = {};
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
        destino = Destino(caja, natural, ajuste);
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
