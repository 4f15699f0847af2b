// talmiroc's command line as a table: each option's name, its value, what
// it asks for and which other options it needs or excludes. The reading,
// --help and the usage errors all follow the table, so a new option is one
// row (opciones.cpp) plus what the program does with it (main.cpp).
//
// The line is read as tzolkin reads its own: the date wherever it stands,
// `--` before values that start with a dash, an option's value never
// another option, and every unknown or repeated word a usage error. Qt's own
// options (-platform, -style, -display, ...) pass to Qt.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <QPageSize>
#include <QString>

#include "papel.h"
#include "tarjeta.h"
#include "tzolkin.h"

namespace talmiroc {

enum class Pagina_tiempo : int;  // paginas.h

// What the options ask for, as their actions fill it in.
struct Pedido_programa {
    const Palabras* idioma = nullptr;     // --idioma's, or the system's
    std::optional<Pagina_tiempo> pagina;  // a page of the count over time
    std::optional<Hojas> hojas;           // what that page is on paper, when it has paper
    std::vector<std::string> fecha;       // the loose values: DÍA MES AÑO
    std::optional<std::string> pdf;       // the file, as bytes; "-" standard output
    std::optional<QPageSize> papel;
    bool tarjeta = false;                 // the kin card of the date
    std::optional<std::string> png, svg;  // its files, as bytes; "-" standard output
    Forma_tarjeta forma = Forma_tarjeta::cuadrada;
    bool ayuda = false;
    bool bandeja = false;  // today in the desktop's tray
    std::optional<std::string> importar;  // a vCard or CSV file for the people book, as bytes
};

// A usage error: a text of the "main" context (with %1, %2 when given) to
// say in the chosen language. Status 2.
struct Error_uso {
    const char* texto;
    QString a1 = {}, a2 = {};
};

// What an option takes after its name.
enum class Valor {
    ninguno,  // --help
    fecha,    // the loose values, wherever they stand: none or DÍA MES AÑO
    palabra,  // the next word, which must not read as an option
};

// What an option is, for the needs and exclusions of the others.
enum Marca : unsigned {
    marca_pagina = 1,  // a page: one at most
    marca_hojas = 2,   // a page that has paper
    marca_pdf = 4,     // writes a PDF
    marca_tarjeta = 8,  // the kin card
    marca_imagen = 16,  // writes the card
    marca_bandeja = 32,  // sits in the tray
    marca_personas = 64,  // the people book
    marca_importar = 128, // adds to it from a file
};

struct Opcion {
    std::string_view nombre;  // "--luna"
    Valor valor;
    const char* muestra;  // the value as --help shows it ("ARCHIVO"), translated
    const char* ayuda;    // its lines in --help, translated ("main"); null: not listed
    unsigned es;          // its marks
    unsigned pide;        // marks of which one must also be on the line, or 0
    const char* sin_lo_que_pide;  // the usage error when none is
    // Fills in the request; `valor` is null for an option without one, and
    // for a missing value (last on the line, or followed by an option).
    std::optional<Error_uso> (*accion)(Pedido_programa& p, const Opcion& o,
                                       const std::string* valor);
    bool antes = false;  // read before every other (the language the errors are said in)
    unsigned excluye = 0;  // marks of which none may be on the line
    const char* con_lo_que_excluye = nullptr;  // the usage error when one is
};

// Every option, in --help's order (the unlisted ones last).
std::span<const Opcion> Opciones();

// The options' codes of languages: "es|en|pt".
QString Codigos_idiomas();

// Reads the arguments (program name excluded) into `p`; stops at --help.
// Qt's own options and their values are skipped. The usage error, if any.
// Leer_programa({"--luna", "--pdf", "l.pdf", "13", "11", "2013"}, p) fills
// pagina, hojas, pdf and fecha.
std::optional<Error_uso> Leer_programa(const std::vector<std::string>& argumentos,
                                       Pedido_programa& p);

// --help: the synopsis, one line or more a row, and what no option means.
QString Ayuda_programa(const Palabras& idioma);

}  // namespace talmiroc
