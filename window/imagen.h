// A picture of the window: an SVG resource stretched to fill its box.
//
// The SVG is rendered once per resource, pixel size and device pixel ratio
// into a pixmap kept in a cache shared by every image, and only when an image
// is first painted: most of the window's 73 images stay hidden, and the ones
// that show share their renderings (the centre and the oracle glyph of a seal
// are the same small picture).
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
