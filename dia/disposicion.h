// The window's stored layout: where each control sits and how big the two
// views are, in twips (see twips.h). The window builds its controls from the
// tables in disposicion.cpp; the places and sizes below are also what tests
// and benchmarks measure the window against.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "twips.h"

namespace talmiroc::disposicion {

// Outer sizes of the two views, frame and title bar included.
inline constexpr QSize principal_exterior(11460, 7005);
inline constexpr QSize creditos_exterior(6270, 6675);

// Their client areas, in pixels: 758 x 442 and 412 x 420.
inline constexpr QSize principal = Tamano_cliente(11460, 7005);
inline constexpr QSize creditos = Tamano_cliente(6270, 6675);

// The seal images (Left, Top, Width, Height): element 0 the large glyph,
// element 1 the centre of the oracle cross, element 2 the oracle glyph,
// which waits at the guide's place and is moved to its partner's place.
inline constexpr QRect caja_grande(480, 2280, 2475, 2175);
inline constexpr QRect caja_centro(8280, 3960, 1005, 1005);
inline constexpr QRect caja_guia(8280, 2760, 1005, 1005);

// The places of the oracle cross: top-left corners of the partners' glyphs.
inline constexpr QPoint lugar_guia = caja_guia.topLeft();
inline constexpr QPoint lugar_antipoda(6840, 3960);
inline constexpr QPoint lugar_analogo(9720, 3960);
inline constexpr QPoint lugar_oculto(8280, 5160);

// A box in twips to pixels.
constexpr QRect Pixeles(const QRect& twips) {
    return Rect_twips(twips.x(), twips.y(), twips.width(), twips.height());
}
constexpr QPoint Pixeles(const QPoint& twips) {
    return QPoint(talmiroc::Pixeles(twips.x()), talmiroc::Pixeles(twips.y()));
}

// Tone numerals 1..13 share Left 960, Width 1575 and the bottom edge 2175;
// the height follows the rows of the numeral: one, two or three bars' worth.
constexpr QRect Caja_tono(int tono) {
    const int alto = tono <= 5 ? 375 : tono <= 10 ? 495 : 615;
    return QRect(960, 2175 - alto, 1575, alto);
}

}  // namespace talmiroc::disposicion
