// A kin as a small picture: its tone's numeral over its seal's glyph, drawn
// from our own pictures on a white tile, at whatever size and density it is
// asked for (a tray's 16 to 64 pixels, at a pixel ratio of 1 or 2).
#pragma once

#include <QIcon>
#include <QImage>

#include "tzolkin.h"

namespace talmiroc {

// An icon that paints the kin anew at each size asked for, from the shared
// cache of renderings: Icono_kin(Kin{46}).pixmap(22) is sharp at 22 pixels.
QIcon Icono_kin(Kin kin);

// The kin on a square of `lado` logical pixels at pixel ratio `dpr`.
QImage Imagen_kin(Kin kin, int lado, qreal dpr = 1.0);

}  // namespace talmiroc
