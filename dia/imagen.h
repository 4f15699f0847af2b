// A picture of a window: an SVG resource drawn into its box.
//
// The day window places its pictures in twips and each is stretched over
// its box, as the layout was drawn. In a Qt layout a picture asks for its
// own size and keeps its proportions (height for width). Either way it is
// rendered through the cache of apoyo_qt.h, only when first painted: most
// of the day window's 73 pictures stay hidden, and the ones that show share
// their renderings (the centre and the oracle glyph of a seal are the same
// small picture).
#pragma once

#include <QString>
#include <QWidget>

#include "apoyo_qt.h"

namespace talmiroc {

class Imagen : public QWidget {
    Q_OBJECT

public:
    // `ajuste`: IgnoreAspectRatio stretches the picture over the box, for a
    // box drawn to its measure; KeepAspectRatio fits it whole and centred in
    // whatever box a layout gives it.
    Imagen(QWidget* parent, const QString& nombre, const QString& recurso,
           Qt::AspectRatioMode ajuste = Qt::IgnoreAspectRatio);

    const QString& Recurso() const { return recurso_; }

    // The rendering its next paint at `dpr` asks the cache for.
    Cache_svg::Pedido Pedido(qreal dpr) const { return {recurso_, QRectF(rect()), ajuste_, dpr}; }

    // Moves the box's top-left corner, in twips.
    void Mover(int left, int top);

    // In a layout: the picture's own size, and its proportions at any width
    // (a seal is as tall as it is wide). A box placed by hand ignores both.
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int ancho) const override;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QString recurso_;
    Qt::AspectRatioMode ajuste_;
};

}  // namespace talmiroc
