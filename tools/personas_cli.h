// `tzolkin --personas`: the people book listed read-only (name, birth date,
// birth kin, next return) in every format, and in iCalendar their next kin
// returns, one event each, "Kin 46 · Ana". It never writes the book. No Qt.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "regresos.h"
#include "tzolkin.h"

namespace talmiroc::cli {

struct Formato;
struct Entorno;

// What --personas asks for besides the format.
struct Peticion_personas {
    Fecha desde;                 // the returns from this date on
    std::int64_t cuantas = 10;   // returns a person, in iCalendar
    std::optional<Fecha> hasta;  // none after it
};

// Lists the book at `e.libro` in `formato`; returns the exit status.
int Listar_personas(const Peticion_personas& p, const Formato& formato, Entorno& e);

}  // namespace talmiroc::cli
