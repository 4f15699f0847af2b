// The checks of a typed date: three texts as the window's boxes hold them
// (any bytes), read as numbers and accepted as a date or refused with the
// message the window shows.
#pragma once

#include <cstdint>
#include <string_view>
#include <variant>

#include "fechas.h"
#include "palabras.h"

namespace talmiroc {

enum class Icono { informacion, error };

struct Rechazo {
    std::string_view mensaje;  // the language's mensaje_fecha or mensaje_año
    Icono icono;
    friend constexpr bool operator==(const Rechazo&, const Rechazo&) = default;
};

using Veredicto = std::variant<Fecha, Rechazo>;

// Readings of a typed number. Blanks are space and tab.
//
// Leading-number reading: blanks, an optional sign, the digits that follow;
// a text that does not begin so reads 0. Lectura_inicial(" 12ab") == 12.
// Digit runs beyond the int64 range saturate, so they stay out of range.
std::int64_t Lectura_inicial(std::string_view texto);

// Full-number reading: the whole text must be blanks, an optional sign, at
// least one ASCII digit, blanks. Lectura_completa("07", v) sets v = 7.
bool Lectura_completa(std::string_view texto, std::int64_t& valor);

// A command-line word that reads as an option rather than a date value: a
// dash and then no digit. Parece_opcion("--luna") is true, Parece_opcion("-5")
// and Parece_opcion("-") are false.
constexpr bool Parece_opcion(std::string_view a) {
    return a.size() > 1 && a[0] == '-' && !(a[1] >= '0' && a[1] <= '9');
}

// The checks of a typed date, first failing check speaks:
// empty -> form -> February -> year -> ranges. Any bytes are accepted.
// Comprobar_fecha("09", "04", "2003") == Fecha{9, 4, 2003}.
Veredicto Comprobar_fecha(std::string_view dia, std::string_view mes, std::string_view año,
                          const Palabras& p);

}  // namespace talmiroc
