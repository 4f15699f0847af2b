// How two kins stand to each other, in words: each relation that
// Relaciones (cuenta.h) finds, named, with the rule that gives it. And what
// a birth date holds for a person: the birth kin's facts, its next returns,
// the kins of the coming birthdays and the year of the 52-year cycle.
//
// The relations come from the count and the oracle alone (cuenta.h); this
// file only puts them in a language's words. Texts are UTF-8.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cuenta.h"
#include "fechas.h"
#include "palabras.h"

namespace talmiroc {

// ---------------------------------------------------------------------------
// Relations

struct Relacion_descrita {
    Relacion relacion;
    std::string_view nombre;  // "Kin guía"
    std::string regla;        // "El kin 153 es el guía del kin 153: ..."
};

// What kin `b` is to kin `a`, in the order of Relacion, each with its rule:
// Describir_relaciones(Kin{153}, Kin{108}, palabras_es)[0].nombre == "Kin oculto".
// Empty when nothing relates them.
std::vector<Relacion_descrita> Describir_relaciones(Kin a, Kin b, const Palabras& p);

// The family's name: Nombre_familia(Familia_terrestre::central, palabras_en) == "Core".
std::string_view Nombre_familia(Familia_terrestre f, const Palabras& p);

// ---------------------------------------------------------------------------
// A person's birth date

// A birthday of the person and its kin.
struct Cumpleaños {
    Fecha fecha;  // 29 February reads as 28 February in a year without it
    Kin kin;
};

struct Lectura_nacimiento {
    Fecha nacimiento;
    Kin kin;
    Kines_oraculo oraculo;        // guide, antipode, analog, occult as kins
    Familia_terrestre familia;    // of the birth kin's seal
    std::vector<Fecha> regresos;  // the next dates with the birth kin, from `hoy` on
    // This year's birthday and next year's (the years of `hoy`), and which
    // year of a 52-year cycle the person lives on `hoy`: at birth year 1 of
    // cycle 1, and on the 52nd birthday the birth kin returns on the
    // birthday itself, year 1 of cycle 2.
    std::array<Cumpleaños, 2> cumpleaños;
    std::int64_t ciclo;  // 1..
    int año_ciclo;       // 1..52
    Kin kin_hoy;
    Relaciones_kin hoy;  // what today's kin is to the birth kin
};

// `nacimiento` an accepted date, `hoy` real, `regresos` dates to list:
// Describir_nacimiento({9, 4, 2003}, {10, 12, 2026}, 3).regresos[0] ==
// {14, 12, 2026}, .kin == Kin{46}.
Lectura_nacimiento Describir_nacimiento(const Fecha& nacimiento, const Fecha& hoy, int regresos);

// Whether a person born on `nacimiento` has a kin return on `dia`: the
// kin of `dia` is the birth kin and `dia` comes after the birth.
// Regresa_el({9, 4, 2003}, {14, 12, 2026}).
bool Regresa_el(const Fecha& nacimiento, const Fecha& dia);

}  // namespace talmiroc
