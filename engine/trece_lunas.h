// The thirteen-moon date of a day: 13 moons of 28 days from 26 July, the Day
// Out of Time on 25 July, "0.0 Hunab Ku" on 29 February, and the NS notation.
//
// Everything here is a pure function of its arguments or a constant table,
// with no Qt. Texts are UTF-8.
//
// Days are counted as the kin counts them (see Calculo_kin in tzolkin.h):
// 365-day years, 29 February outside the count, and the 31st of a 30-day month
// read as the 1st of the next month. So a date's thirteen-moon day and its
// kin advance together, day by day.
//
// Ranges used throughout:
//   luna     1..13   moon
//   dia      1..28   day of the moon
//   heptada  1..4    week of the moon
//   plasma   1..7    Dali .. Silio
//   0 in any of these four means "no moon": 25 July and 29 February.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "basico.h"

namespace talmiroc {

// Moon 1..13; entry 0 is empty, the name of no moon.
inline constexpr std::array<std::string_view, 14> lunas = {"",
                                                           "Luna Magnética del Murciélago",
                                                           "Luna Lunar del Escorpión",
                                                           "Luna Eléctrica del Venado",
                                                           "Luna Autoexistente del Búho",
                                                           "Luna Entonada del Pavo Real",
                                                           "Luna Rítmica de la Lagartija",
                                                           "Luna Resonante del Mono",
                                                           "Luna Galáctica del Halcón",
                                                           "Luna Solar del Jaguar",
                                                           "Luna Planetaria del Perro",
                                                           "Luna Espectral de la Serpiente",
                                                           "Luna Cristal del Conejo",
                                                           "Luna Cósmica de la Tortuga"};

// Plasma 1..7, the day of the heptad; entry 0 is empty, the plasma of no day.
inline constexpr std::array<std::string_view, 8> plasmas = {"",     "Dali", "Seli", "Gamma",
                                                            "Kali", "Alfa", "Limi", "Silio"};

inline constexpr std::string_view nombre_fuera_del_tiempo = "Día fuera del tiempo";
inline constexpr std::string_view nombre_hunab_ku = "0.0 Hunab Ku";

// Days before month 1..12 in a 365-day year (entry 0 unused). The kin's month
// codes are these plus 54, mod 260.
inline constexpr std::array<int, 13> dias_antes_mes = {0,   0,   31,  59,  90,  120, 151,
                                                       181, 212, 243, 273, 304, 334};

// Place 0..364 of a date in the kin's 365-day count: 29 February shares
// 28 February's place, and a 31st of a 30-day month lands on the 1st of the
// next month. Lugar_en_cuenta(26, 7) == 206.
constexpr int Lugar_en_cuenta(int dia, int mes) {
    return dias_antes_mes[static_cast<std::size_t>(mes)] + (mes == 2 && dia == 29 ? 28 : dia) - 1;
}

// Place of 26 July, where the thirteen-moon year begins.
inline constexpr int inicio_trece_lunas = Lugar_en_cuenta(26, 7);

// The NS count starts with the thirteen-moon year that begins on 26 July 1987.
inline constexpr std::int64_t año_ns = 1987;

// Year of the latest 26 July on or before the date: the year of the
// thirteen-moon year and of its year bearer. Año_portador(9, 4, 2003) == 2002.
constexpr std::int64_t Año_portador(int dia, int mes, std::int64_t año) {
    return (mes > 7 || (mes == 7 && dia >= 26)) ? año : año - 1;
}

enum class Dia_especial { ninguno, fuera_del_tiempo, hunab_ku };

struct Fecha_trece_lunas {
    Dia_especial especial;
    // Year of the latest 26 July on or before the date (the year bearer's
    // year), 37..999'999'999'999'999'999 for accepted dates. Set on the
    // special days too: 25 July ends year `año`, 29 February lies inside it.
    std::int64_t año;
    std::int64_t ciclo;  // 1 + floor((año - 1987) / 52); -37 for año 37
    int año_ciclo;       // 0..51: (año - 1987) mod 52, never negative
    // Valid when especial == ninguno; all 0 on the special days.
    int luna;     // 1..13
    int dia;      // 1..28
    int heptada;  // 1..4
    int plasma;   // 1..7, index into `plasmas`
    friend constexpr bool operator==(const Fecha_trece_lunas&, const Fecha_trece_lunas&) = default;
};

// Accepted date: day 1..31, month 1..12 (at most 29 in February), any year
// from 38 to 999'999'999'999'999'999; no step can overflow in that range.
// 29 February is Hunab Ku in every year, as the entry accepts it in every year.
// Calculo_trece_lunas(13, 11, 2013) ==
//     {Dia_especial::ninguno, 2013, 1, 26, 4, 27, 4, 6}   (NS1.26.4.27, Limi).
constexpr Fecha_trece_lunas Calculo_trece_lunas(int dia, int mes, std::int64_t año) {
    Fecha_trece_lunas f{};
    f.año = Año_portador(dia, mes, año);
    // Floor division by 52 with a remainder in 0..51, for years before 1987 too.
    const std::int64_t desde_ns = f.año - año_ns;
    std::int64_t ciclos = desde_ns / 52;
    std::int64_t resto = desde_ns % 52;
    if (resto < 0) {
        resto += 52;
        --ciclos;
    }
    f.ciclo = 1 + ciclos;
    f.año_ciclo = static_cast<int>(resto);

    if (mes == 2 && dia == 29) {
        f.especial = Dia_especial::hunab_ku;
        return f;
    }
    // n is 0..363 from 26 July, 364 on 25 July.
    const int n = (Lugar_en_cuenta(dia, mes) - inicio_trece_lunas + 365) % 365;
    if (n == 364) {
        f.especial = Dia_especial::fuera_del_tiempo;
        return f;
    }
    f.especial = Dia_especial::ninguno;
    f.luna = n / 28 + 1;
    f.dia = n % 28 + 1;
    f.heptada = (f.dia - 1) / 7 + 1;
    f.plasma = (f.dia - 1) % 7 + 1;
    return f;
}

// The moon's name, or the special day's: "Luna Autoexistente del Búho" for
// 13 November 2013, "Día fuera del tiempo" for 25 July, "0.0 Hunab Ku" for
// 29 February. A moon outside 1..13 reads "".
std::string_view Nombre_trece_lunas(const Fecha_trece_lunas& f);

// The plasma's name, "" on the special days: "Limi" for 13 November 2013.
std::string_view Plasma_trece_lunas(const Fecha_trece_lunas& f);

// "NS" cycle "." year "." moon "." day: "NS1.26.4.27" for 13 November 2013,
// "NS-37.26.6.20" for 1 January 38. "" on the special days.
std::string Notacion_ns(const Fecha_trece_lunas& f);

// "13 Lunas: Limi 27, Luna Autoexistente del Búho (NS1.26.4.27)";
// "13 Lunas: Día fuera del tiempo" and "13 Lunas: 0.0 Hunab Ku" on the
// special days.
std::string Linea_trece_lunas(const Fecha_trece_lunas& f);

}  // namespace talmiroc
