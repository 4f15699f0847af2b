// The cells of the count over time, painted alike on a screen and on paper:
// a day of a moon and a kin of the harmonic module. The window's grids and
// the printed pages fill them from the engine's descriptions.
//
// Sizes are in the painter's units: the window paints in pixels, a page in
// points, and a cell is drawn the same in either, about 100 units a side for
// a day and 40 by 24 for a kin.
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace talmiroc {

// What a cell shows besides its text; combined as flags.
enum Marca : int {
    marca_hoy = 1 << 0,
    marca_portal = 1 << 1,
    marca_central = 1 << 2,
    marca_onda = 1 << 3,
    marca_guia = 1 << 4,
    marca_antipoda = 1 << 5,
    marca_analogo = 1 << 6,
    marca_oculto = 1 << 7,
    marca_especial = 1 << 8,
    marca_seleccion = 1 << 9,
    marca_regreso = 1 << 10,  // a person's birth kin returns (the window only)
};

// Dark enough to stay apart from black, white and each other in grey.
inline const QColor verde_portal(0x1b, 0x6e, 0x20);
inline const QColor azul_seleccion(0x0d, 0x47, 0xa1);
inline const QColor violeta_onda(0x6a, 0x1b, 0x9a);
inline const QColor naranja_regreso(0xe6, 0x51, 0x00);

// A day of a moon.
struct Celda_dia {
    QString numero;      // "27"; empty on the special days
    QString fecha;       // "13 nov"
    QString mes;         // "noviembre" on the 1st of a month; a special day's name
    QString kin;         // "Kin 14", or "Kin 14 · Mago Magnético Blanco", wrapped to fit
    QString sello;       // the seal's picture (Recurso_sello)
    QString tono;        // the tone's numeral (Recurso_tono)
    int marcas;          // marca_portal, marca_especial, marca_hoy
    int lineas_kin = 1;  // the kin's lines at the bottom, the same for every cell of a grid
};

// On white, the day's number and date at the top, the month's or the special
// day's name under them, the tone's numeral above the seal, the kin at the
// bottom; a green frame on a portal day, today's number white on black.
// `letra` is the kin's face. Each part has its band, so that the glyphs of
// one grid (cells of one size, one `lineas_kin`) are of one size.
void Pintar_dia(QPainter& p, const QRectF& r, const QFont& letra, const Celda_dia& c);

// A kin of the harmonic module.
struct Celda_modulo {
    int kin;         // 1..260
    QColor relleno;  // its seal's colour
    int marcas;      // every Marca but especial
};

// The fill, a green inner square on a portal, the wavespell's bar at the
// bottom, the kin's number (white on black today), the oracle's place ("Gu",
// "Ap", "An", "Oc") at the left beside it, and the central column's two lines.
void Pintar_kin_modulo(QPainter& p, const QRectF& r, const QFont& letra, const Celda_modulo& c);

// Today's mark: `texto` white on a black rounded box.
void Marca_hoy(QPainter& p, const QRectF& caja, const QFont& letra, const QString& texto);

// The portal's green frame, inside `r`.
void Anillo_portal(QPainter& p, const QRectF& r);

}  // namespace talmiroc
