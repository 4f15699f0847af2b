// Geometry of the window is kept in twips, the unit its layout was drawn in:
// 1440 to the inch, so 15 twips make one pixel at 96 dpi. Qt's device pixel
// ratio takes care of denser screens.
#pragma once

#include <QRect>
#include <QSize>

namespace talmiroc {

inline constexpr int twips_por_pixel = 15;

// Pixels of a length in twips, rounded to the nearest pixel (halves go up).
constexpr int Pixeles(int twips) {
    return (2 * twips + twips_por_pixel) / (2 * twips_por_pixel);
}

// Box (Left, Top, Width, Height) in twips to a rectangle in pixels.
constexpr QRect Rect_twips(int left, int top, int width, int height) {
    return QRect(Pixeles(left), Pixeles(top), Pixeles(width), Pixeles(height));
}

// The window's frame and title bar take 90 twips of its outer width and 375
// of its outer height; what remains is the client area the controls live in.
inline constexpr int marco_ancho = 90;
inline constexpr int marco_alto = 375;

constexpr QSize Tamano_cliente(int ancho_exterior, int alto_exterior) {
    return QSize(Pixeles(ancho_exterior - marco_ancho), Pixeles(alto_exterior - marco_alto));
}

}  // namespace talmiroc
