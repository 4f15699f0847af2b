// `tzolkin --personas`: the people book listed read-only (name, birth date,
// birth kin, next return) in every format, and in iCalendar their next kin
// returns, one event each, "Kin 46 · Ana". It never writes the book. No Qt.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "libro.h"
#include "tzolkin.h"

namespace talmiroc::cli {

struct Formato;
struct Entorno;

// One all-day event of iCalendar, written as a day's event is (folded
// lines, escaped text, DTSTAMP from `sello_utc`).
struct Evento_ics {
    std::string uid;  // before "@talmiroc"
    Fecha fecha;      // a real date of year 38..9999
    std::string resumen;
    std::string descripcion;
};
void Añadir_evento_ics(std::string& s, const Evento_ics& e, std::int64_t sello_utc);

// A person's return as an event: UID from Uid_regreso, summary "Kin 46 ·
// Ana", description the kin's title in language `p`.
Evento_ics Evento_regreso(const personas::Regreso& r, const Palabras& p);

// The calendar of returns: its opening named "Tzolkin · Personas", one
// event each, its closing. Empty when there is no return.
std::string Calendario_regresos(std::span<const personas::Regreso> regresos, std::int64_t ahora,
                                const Palabras& p);

// What --personas asks for besides the format.
struct Peticion_personas {
    Fecha desde;                 // the returns from this date on
    std::int64_t cuantas = 10;   // returns a person, in iCalendar
    std::optional<Fecha> hasta;  // none after it
};

// Lists the book at `e.libro` in `formato`; returns the exit status.
int Listar_personas(const Peticion_personas& p, const Formato& formato, Entorno& e);

}  // namespace talmiroc::cli
