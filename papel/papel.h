// The count over time on paper: a moon on one page, a whole thirteen-moon
// year (a cover, the year on one page and its thirteen moons, in order), the
// harmonic module on one page, a wavespell on one page. Pages are drawn as vectors in points: text
// stays text in embedded fonts, glyphs are drawn from their SVG as paths, and nothing is an image
// or transparent, so every print system keeps the page as drawn.
#pragma once

#include <optional>
#include <string>

#include <QPageSize>
#include <QString>

#include "tzolkin.h"

class QLocale;
class QPdfWriter;

namespace talmiroc {

enum class Hojas {
    luna,    // the moon of the date, landscape
    año,     // the thirteen-moon year of the date, landscape: 15 pages (a cover,
             // the year on one page, the thirteen moons)
    modulo,  // the harmonic module, portrait
    onda,    // the wavespell of the date's kin, landscape
};

struct Pedido_hojas {
    Hojas hojas;
    Fecha fecha;           // the moon or the year that holds it; the module's highlighted kin
    bool resaltar = true;  // the module: highlight the date's kin, its oracle and wavespell
};

// The paper of the place: Letter where the locale measures in inches (the
// United States and its neighbours in that), A4 everywhere else.
// Papel_del_lugar(QLocale(QLocale::English, QLocale::UnitedStates)) == Letter.
QPageSize Papel_del_lugar(const QLocale& lugar);

// The paper for a page saved from the window: Letter when the locale or the
// default printer's paper says so, A4 otherwise.
QPageSize Papel_predeterminado();

// "a4" and "carta", as the command line names them; empty for anything else.
std::optional<QPageSize> Papel_de_nombre(const QString& nombre);

// The document's title: "Talmiroc: Luna Magnética del Murciélago · NS1.40.1 ·
// 26 jul – 22 ago 2027", "Talmiroc: Año del Mago Solar Blanco · NS1.40",
// "Talmiroc: Módulo armónico".
QString Titulo_hojas(const Pedido_hojas& pedido);

// Draws the pages on `pdf` in paper `papel`, with margins every office
// printer prints: false when the writer cannot be painted on.
bool Pintar_hojas(QPdfWriter& pdf, const Pedido_hojas& pedido, const QPageSize& papel);

// Writes the pages as a PDF to `ruta` (a name as bytes, or "-" for standard
// output) through the one writer of files: first beside it, then renamed
// over it once complete, so a failure leaves neither a partial file nor a
// changed one. Empty when written; otherwise the message, naming the file
// and why: "No se pudo escribir el archivo a.pdf: No queda espacio en el
// dispositivo".
QString Escribir_pdf(const std::string& ruta, const Pedido_hojas& pedido, const QPageSize& papel);
// The same for a name from a window (a file dialog's).
QString Escribir_pdf(const QString& archivo, const Pedido_hojas& pedido, const QPageSize& papel);

}  // namespace talmiroc
