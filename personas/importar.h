// People brought into the book from an address book: contacts exported as
// vCard (versions 3.0 and 4.0) or a table as CSV. No Qt.
//
// A vCard file holds one card or more, BEGIN:VCARD to END:VCARD; long lines
// are folded (a line break followed by a space or a tab). Of each card the
// name is FN (N, given name first, when there is no FN) and the birth date
// BDAY: "2003-04-09", "20030409", or either with a time after "T". A BDAY
// without a year ("--0409", "--04-09", or the year of X-APPLE-OMIT-YEAR) can
// give no kin: the card is skipped, and said so.
//
// A CSV file has one person a line: name, day, month, year, separated by
// commas (or semicolons, when the first line has no comma). A name may be
// quoted, "Pérez, Ana", with "" for a quote inside. A first line whose day,
// month and year hold no digit (nombre,dia,mes,año) is a header.
//
// Every person goes through the book's own checks (Limpiar_nombre, and the
// day window's checks of a date); one refused is skipped with the reason. A
// person with the same name and birth date as one before in the file, or as
// one in the book, is not added again.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "libro.h"

namespace talmiroc::personas {

// Why a card or a line of the file gives nobody.
enum class Motivo {
    sin_nombre,       // no FN nor N; an empty name field
    nombre_malo,      // refused by Limpiar_nombre (detalle: the name as read)
    sin_fecha,        // no BDAY; empty day, month and year
    sin_año,          // a birth date without its year (detalle: as written)
    fecha_ilegible,   // a BDAY that is not a whole date (detalle: as written)
    fecha_rechazada,  // refused by the day window's checks (detalle: its message)
    campos,           // a CSV line that is not name, day, month, year (detalle: how many)
    codificacion,     // a card in another charset, or quoted-printable (detalle: which)
    repetida,         // same name and date as one before it in the file
    ya_en_libro,      // same name and date as one in the book
};

struct Omitida {
    std::size_t tarjeta = 0;  // 1.. the card in the file; 0 in a CSV file
    std::size_t linea = 0;    // 1.. the line where the card or row begins
    std::string nombre;       // as read; may be empty
    Motivo motivo;
    std::string detalle;
};

// Why a whole file cannot be imported: nothing of it is added.
enum class Fallo {
    ninguno,
    no_se_lee,         // the system refused to read it (detalle: its reason)
    demasiado_grande,  // over tamaño_maximo_importar bytes
    no_utf8,           // not UTF-8 text (linea: where)
    vacio,             // no card and no line with anybody
    tarjeta_abierta,   // a BEGIN:VCARD with no END:VCARD (linea: the BEGIN)
    fuera_de_tarjeta,  // text in a vCard file outside every card (linea: where)
    comillas,          // a CSV quote opened and never closed (linea: where)
};

inline constexpr std::size_t tamaño_maximo_importar = 16u << 20;  // no address book is larger

enum class Formato_importar { vcard, csv };

struct Importacion {
    Fallo fallo = Fallo::ninguno;
    std::size_t linea = 0;  // where the failure is; 0 when no line is meant
    std::string detalle;
    Formato_importar formato = Formato_importar::csv;
    std::vector<Persona> nuevas;    // to add, in the file's order
    std::vector<std::pair<std::size_t, std::size_t>> lugares;  // each one's card and line
    std::vector<Omitida> omitidas;  // in the file's order, each once
    bool ok() const { return fallo == Fallo::ninguno; }
};

// Reads a file's text, vCard when its first line is BEGIN:VCARD (in any
// case), otherwise CSV; the date messages in language `p`. Repetitions
// within the file are found here; against a book by Descartar_del_libro.
// Leer_importacion("Ana,9,4,2003\n", palabras_es).nuevas ==
//     {{"Ana", Fecha{9, 4, 2003}}}.
Importacion Leer_importacion(std::string_view texto, const Palabras& p);

// Reads the file at `ruta` (at most tamaño_maximo_importar bytes) as above.
Importacion Leer_archivo_importacion(const std::string& ruta, const Palabras& p);

// Moves out of `i.nuevas` everybody already in `libro`, as ya_en_libro,
// keeping the omitted in the file's order.
void Descartar_del_libro(Importacion& i, std::span<const Persona> libro);

// Adds the people of `i` to `libro` in one save, under the book's lock and
// on the book as it is on disk then: those already there are moved to the
// omitted first. A failed import or a read-only book adds nobody.
Libro::Resultado Importar(Libro& libro, Importacion& i);

}  // namespace talmiroc::personas
