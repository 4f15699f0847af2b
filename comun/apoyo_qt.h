// What every window shares to show the calendar with Qt: engine texts and
// colours as Qt holds them, the window's faces, the resource name of each
// seal's and tone's picture, and those pictures drawn into any box from one
// cache of renderings.
//
// Light on purpose: nothing here parses or renders a picture until a glyph
// is first painted or a layout asks for its size.
#pragma once

#include <string_view>

#include <QColor>
#include <QFont>
#include <QList>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>

#include "tzolkin.h"

class QPainter;
class QRectF;

namespace talmiroc {

// An engine text (UTF-8) as Qt holds it: Texto("Año") == QStringLiteral("Año").
inline QString Texto(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// An engine colour: Qcolor(Rgb{255, 0, 0}) == QColor(Qt::red).
inline QColor Qcolor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// A face as the window's layout names it: a Windows face, its size in
// points and its weight.
struct Fuente {
    const char* familia;
    double puntos;
    QFont::Weight peso;
};

// The font for `f`, asking for the installed faces that stand in for the
// Windows face (see Caras_pedidas in fuentes.h):
// Qfont({"Times New Roman", 12, QFont::Bold}).family() == "Liberation Serif".
QFont Qfont(const Fuente& f);

// The picture of a seal 0..20 (0 reads as 20, like every seal table):
// Recurso_sello(Sello{6}) == ":/sellos/Enlazador_mundos.svg". Empty outside
// 0..20, which draws nothing.
inline QString Recurso_sello(Sello s) {
    if (s.valor < 0 || s.valor > 20) return {};
    return QStringLiteral(":/sellos/%1.svg")
        .arg(Texto(arreglos_sello[static_cast<std::size_t>(s.valor)]));
}

// The bar-and-dot numeral of a tone 1..13: Recurso_tono(Tono{7}) ==
// ":/tonos/7.svg". Empty outside 1..13, which draws nothing.
inline QString Recurso_tono(Tono t) {
    return t.ok() ? QStringLiteral(":/tonos/%1.svg").arg(t.valor) : QString();
}

// The renderings of SVG resources, shared by every picture painted through
// Pintar_recurso: one per resource, pixel size and device pixel ratio, up to
// 64 MiB of them.
class Cache_svg {
public:
    // The resource rendered at `tam` logical pixels for `dpr`, stretched.
    static QPixmap Pixmap(const QString& recurso, QSize tam, qreal dpr);

    // The resource's own size in pixels (a seal's is 256 x 256, a tone's
    // 133 wide); empty for a resource that is not an SVG picture.
    static QSize Tamano(const QString& recurso);

    // How many renderings the cache has made since the program started.
    static int Renderizados();

    // Forgets every rendering, every size and the count (for tests).
    static void Vaciar();

    // One picture to be painted into `caja` (logical pixels, as
    // Pintar_recurso is given it) at `dpr`.
    struct Pedido {
        QString recurso;
        QRectF caja;
        Qt::AspectRatioMode ajuste;
        qreal dpr;
    };

    // Starts rendering these pictures on another thread, exactly as Pixmap
    // would, and returns at once: a window about to show lays out and draws
    // its text meanwhile, and its first paint finds them made. A rendering
    // is taken into the cache (and counted) when first asked for; one asked
    // for before the thread is done waits for it. Adelantar({{":/sellos/Dragon.svg",
    // {0, 0, 67, 67}, Qt::IgnoreAspectRatio, 1.0}}) then Pixmap of that
    // resource at 67 x 67 and 1.0 renders nothing more.
    static void Adelantar(QList<Pedido> pedidos);
};

// Paints the resource into `caja`, in the painter's logical coordinates.
// IgnoreAspectRatio stretches it over the box; KeepAspectRatio fits it
// whole, centred, in its own proportions. On a screen or an image the
// picture comes from the cache at the device's pixel ratio, on whole pixels,
// so it is as sharp at 2 as at 1; on a page (a printer, a PDF) or an SVG
// file it is drawn from its SVG, as paths.
void Pintar_recurso(QPainter& pintor, const QRectF& caja, const QString& recurso,
                    Qt::AspectRatioMode ajuste = Qt::KeepAspectRatio);

}  // namespace talmiroc
