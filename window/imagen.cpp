#include "imagen.h"

#include <atomic>
#include <chrono>
#include <exception>
#include <future>
#include <memory>
#include <utility>
#include <vector>

#include <QEvent>
#include <QHash>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QSvgRenderer>

#include "twips.h"

namespace talmiroc {

namespace {

QString Clave(const QString& recurso, QSize tam, qreal dpr) {
    return QStringLiteral("%1|%2x%3@%4").arg(recurso).arg(tam.width()).arg(tam.height()).arg(dpr);
}

// Any thread may render: only the result becomes a pixmap, in the GUI thread.
QImage Renderizar(const QString& recurso, QSize tam, qreal dpr) {
    QImage imagen(tam * dpr, QImage::Format_ARGB32_Premultiplied);
    imagen.setDevicePixelRatio(dpr);
    imagen.fill(Qt::transparent);
    QSvgRenderer svg(recurso);
    if (svg.isValid()) {
        QPainter pintor(&imagen);
        pintor.setRenderHint(QPainter::Antialiasing);
        svg.render(&pintor, QRectF(QPointF(0, 0), QSizeF(tam)));
    }
    return imagen;
}

// A rendering asked for ahead of its paint. Whoever takes it first renders
// it: the helper thread, or the image that needs it before the helper got
// to it.
struct Encargo {
    Encargo(QString r, QSize t, qreal d) : recurso(std::move(r)), tam(t), dpr(d) {}

    const QString recurso;
    const QSize tam;
    const qreal dpr;
    std::atomic<bool> tomado{false};
    std::promise<QImage> promesa;
    std::future<QImage> futuro = promesa.get_future();
};

struct Cache {
    QHash<QString, QPixmap> pixmaps;
    QHash<QString, std::shared_ptr<Encargo>> encargos;
    std::vector<std::future<void>> ayudantes;
    int renderizados = 0;

    ~Cache() { Esperar_ayudantes(); }

    void Esperar_ayudantes() {
        for (std::future<void>& a : ayudantes) a.wait();
        ayudantes.clear();
    }
};

Cache& Cache_compartida() {
    static Cache cache;
    return cache;
}

// Watches a window's paint events and has the pictures its images are about
// to need rendered ahead.
class Adelanto final : public QObject {
public:
    using QObject::QObject;
    ~Adelanto() override { Cache_compartida().Esperar_ayudantes(); }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::Paint) return false;
        // Every visible image: the window's own paint region leaves out what
        // its opaque children cover (the big glyph and the tone lie on the
        // opaque Label9), and a visible image without its picture is about to
        // be painted anyway.
        Cache& cache = Cache_compartida();
        std::vector<std::shared_ptr<Encargo>> nuevos;
        for (QObject* hijo : objeto->children()) {
            const auto* imagen = qobject_cast<const Imagen*>(hijo);
            if (!imagen || !imagen->isVisible()) continue;
            const qreal dpr = imagen->devicePixelRatioF();
            const QString clave = Clave(imagen->Recurso(), imagen->size(), dpr);
            if (cache.pixmaps.contains(clave) || cache.encargos.contains(clave)) continue;
            auto encargo = std::make_shared<Encargo>(imagen->Recurso(), imagen->size(), dpr);
            cache.encargos.insert(clave, encargo);
            ++cache.renderizados;
            nuevos.push_back(std::move(encargo));
        }
        if (nuevos.empty()) return false;
        std::erase_if(cache.ayudantes, [](const std::future<void>& a) {
            return a.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
        });
        // The window paints its images in the order of `nuevos`: the helper
        // starts from the other end.
        cache.ayudantes.push_back(std::async(std::launch::async, [nuevos] {
            for (auto it = nuevos.rbegin(); it != nuevos.rend(); ++it) {
                Encargo& e = **it;
                if (e.tomado.exchange(true)) continue;
                try {
                    e.promesa.set_value(Renderizar(e.recurso, e.tam, e.dpr));
                } catch (...) {
                    e.promesa.set_exception(std::current_exception());
                }
            }
        }));
        return false;
    }
};

}  // namespace

QPixmap Cache_svg::Pixmap(const QString& recurso, QSize tam, qreal dpr) {
    Cache& cache = Cache_compartida();
    const QString clave = Clave(recurso, tam, dpr);
    if (auto it = cache.pixmaps.constFind(clave); it != cache.pixmaps.constEnd()) return *it;

    QImage imagen;
    if (const std::shared_ptr<Encargo> encargo = cache.encargos.take(clave)) {
        imagen =
            encargo->tomado.exchange(true) ? encargo->futuro.get() : Renderizar(recurso, tam, dpr);
    } else {
        imagen = Renderizar(recurso, tam, dpr);
        ++cache.renderizados;
    }
    const QPixmap pixmap = QPixmap::fromImage(std::move(imagen));
    cache.pixmaps.insert(clave, pixmap);
    return pixmap;
}

int Cache_svg::Renderizados() {
    return Cache_compartida().renderizados;
}

void Cache_svg::Vaciar() {
    Cache& cache = Cache_compartida();
    cache.Esperar_ayudantes();
    cache.pixmaps.clear();
    cache.encargos.clear();
    cache.renderizados = 0;
}

void Cache_svg::Adelantar_en(QWidget& ventana) {
    ventana.installEventFilter(new Adelanto(&ventana));
}

Imagen::Imagen(QWidget* parent, const QString& nombre, const QString& recurso)
    : QWidget(parent), recurso_(recurso) {
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
