// The people's kin returns: who has one on a date (for the tray's morning
// notice and the moon page), each person's next ones (for a calendar), and
// those as an iCalendar file written with tzolkin's own iCalendar writer
// (salida/formatos.h). No Qt.
//
// A return is a date after the birth whose kin is the birth kin; it comes
// every 260 counted days (the engine's kin search, Busqueda_kin).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "libro.h"
#include "tzolkin.h"

namespace talmiroc::personas {

// The people of `personas` whose birth kin returns on `dia` (its kin is
// theirs and it comes after their birth), in the book's order:
// Regresan_el(libro.Personas(), {28, 6, 2027}) holds Ana, born 9 April 2003.
std::vector<const Persona*> Regresan_el(std::span<const Persona> personas, const Fecha& dia);

// A person's kin return.
struct Regreso {
    const Persona* persona;
    Kin kin;
    Fecha fecha;
};

// Each person's next `cuantas` returns from `desde` on (itself included),
// none after `hasta` when given, all in date order (the book's order on one
// date). A person born after `desde` counts from the day after the birth.
std::vector<Regreso> Proximos_regresos(std::span<const Persona> personas, const Fecha& desde,
                                       std::int64_t cuantas, std::optional<Fecha> hasta);

// A stable identifier for a person's return on `dia`, for calendar UIDs:
// the same person and date always give the same text, whatever the order
// of the book. "kin-46-20261214-3f2a9c0d17b5e864".
std::string Uid_regreso(const Persona& p, Kin kin, const Fecha& dia);

// The returns as an iCalendar file named "Tzolkin · Personas": one all-day
// event each, summary "Kin 46 · Ana", description the kin's title in
// language `p`, UID from Uid_regreso; DTSTAMP `ahora` (seconds since 1970
// UTC). Empty when there is no return (a calendar must hold an event).
std::string Calendario_regresos(std::span<const Regreso> regresos, std::int64_t ahora,
                                const Palabras& p);

}  // namespace talmiroc::personas
