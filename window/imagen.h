// A picture of the window: an SVG resource stretched to fill its box.
//
// The SVG is rendered once per resource, pixel size and device pixel ratio
// into a pixmap kept in a cache shared by every image, and only when an image
// is first painted: most of the window's 73 images stay hidden, and the ones
// that show share their renderings (the centre and the oracle glyph of a seal
// are the same small picture).
//
// A window can have its images' renderings started as soon as it starts
// painting: a helper thread renders them while the window paints the
// controls that lie under them, its labels above all (see Adelantar_en).
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

namespace talmiroc {

class Cache_svg {
public:
    // The resource rendered at `tam` logical pixels for `dpr`, stretched.
    static QPixmap Pixmap(const QString& recurso, QSize tam, qreal dpr);

    // How many renderings the cache has made since the program started.
    static int Renderizados();

    // Forgets every rendering and the count (for tests).
    static void Vaciar();

    // From now on, whenever `ventana` is about to paint, the pictures of its
    // visible images (direct children) that are not in the cache yet are
    // rendered on a helper thread, last painted first.
    // An image that comes to paint before its picture is ready renders it
    // itself, or waits for it when the helper has begun it.
    static void Adelantar_en(QWidget& ventana);
};

class Imagen : public QWidget {
    Q_OBJECT

public:
    Imagen(QWidget* parent, const QString& nombre, const QString& recurso);

    const QString& Recurso() const { return recurso_; }

    // Moves the box's top-left corner, in twips.
    void Mover(int left, int top);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QString recurso_;
};

}  // namespace talmiroc
