// What a cell of the count over time carries besides its text, for the
// painter: the roles its models answer and the shapes the painter draws.
#pragma once

#include <QColor>
#include <Qt>

#include "tzolkin.h"

namespace talmiroc {

// What a cell carries besides its text, for the painter.
enum Rol : int {
    rol_forma = Qt::UserRole + 1,  // Forma
    rol_sello,                     // resource of the seal's picture
    rol_tono,                      // resource of the tone's numeral
    rol_fecha,                     // "13 nov"
    rol_mes,                       // "noviembre" on the 1st
    rol_marcas,                    // Marca flags
    rol_color,                     // the seal's Color, as int
};

enum class Forma { luna = 1, modulo, kin_onda };

// The seal colours as cell fills, light enough for black text.
inline QColor Relleno(Color c) {
    switch (c) {
        case Color::rojo:
            return QColor(0xf4, 0xa3, 0xa3);
        case Color::blanco:
            return QColor(0xff, 0xff, 0xff);
        case Color::azul:
            return QColor(0xa8, 0xc8, 0xf0);
        case Color::amarillo:
            return QColor(0xf5, 0xe8, 0x7c);
    }
    return Qt::white;
}

}  // namespace talmiroc
