// The count over time: the days of a thirteen-moon month and the dates they
// fall on, the harmonic module of the 260 kins, and the wavespell of a kin
// with its dates.
//
// Everything here is a pure function of its arguments or a constant table,
// with no Qt. Texts are UTF-8.
//
// The thirteen-moon year `año` is the one that begins on 26 July of `año`
// (see Calculo_trece_lunas in fechas.h): moon 1 is 26 Jul - 22 Aug,
// moon 2 23 Aug - 19 Sep, ..., moon 13 27 Jun - 24 Jul of año + 1; 25 July
// of año + 1 ends the year, out of time; 29 February, when año + 1 has one,
// lies between day 22 (28 February) and day 23 (1 March) of moon 8 and
// carries 28 February's kin.
//
// Dates here are real Gregorian dates (29 February in leap years only, no
// 31 April). Years run 38..año_maximo - 1, so that a moon's last day and the
// day after any date stay in range.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fechas.h"
#include "tzolkin.h"

namespace talmiroc {

// ---------------------------------------------------------------------------
// Words. Every Spanish word of this file stands here, in one place, so that
// a later catalogue of languages takes them together.

// Month 1..12; entry 0 is empty.
inline constexpr std::array<std::string_view, 13> meses = {
    "",      "enero",  "febrero",    "marzo",   "abril",     "mayo",     "junio",
    "julio", "agosto", "septiembre", "octubre", "noviembre", "diciembre"};
inline constexpr std::array<std::string_view, 13> meses_cortos = {
    "", "ene", "feb", "mar", "abr", "may", "jun", "jul", "ago", "sep", "oct", "nov", "dic"};

inline constexpr std::string_view palabra_portal = "portal";
inline constexpr std::string_view palabra_dia = "Día";
inline constexpr std::string_view palabra_kin = "Kin";
inline constexpr std::string_view palabra_de = "de";
inline constexpr std::string_view separador_titulo = " · ";
inline constexpr std::string_view separador_periodo = " – ";
inline constexpr std::string_view onda_masculina = "Onda encantada del ";
inline constexpr std::string_view onda_femenina = "Onda encantada de la ";

// ---------------------------------------------------------------------------
// Real dates, one day at a time

// Gregorian leap year, any year: Bisiesto(2000), !Bisiesto(1900).
constexpr bool Bisiesto(std::int64_t año) {
    return año % 4 == 0 && (año % 100 != 0 || año % 400 == 0);
}

// Days 28..31 of month 1..12: Dias_del_mes(2, 2004) == 29.
constexpr int Dias_del_mes(int mes, std::int64_t año) {
    constexpr std::array<int, 12> dias = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mes == 2 && Bisiesto(año) ? 29 : dias[static_cast<std::size_t>((mes + 11) % 12)];
}

// Dia_siguiente({31, 12, 2003}) == {1, 1, 2004}; Dia_anterior undoes it.
constexpr Fecha Dia_siguiente(const Fecha& f) {
    if (f.dia < Dias_del_mes(f.mes, f.año)) return {f.dia + 1, f.mes, f.año};
    if (f.mes < 12) return {1, f.mes + 1, f.año};
    return {1, 1, f.año + 1};
}
constexpr Fecha Dia_anterior(const Fecha& f) {
    if (f.dia > 1) return {f.dia - 1, f.mes, f.año};
    if (f.mes > 1) return {Dias_del_mes(f.mes - 1, f.año), f.mes - 1, f.año};
    return {31, 12, f.año - 1};
}

// Calendar order: Antes_de({31, 12, 2003}, {1, 1, 2004}).
constexpr bool Antes_de(const Fecha& a, const Fecha& b) {
    if (a.año != b.año) return a.año < b.año;
    if (a.mes != b.mes) return a.mes < b.mes;
    return a.dia < b.dia;
}

// ---------------------------------------------------------------------------
// The thirteen-moon count, backwards

// A moon 1..13 of the thirteen-moon year that begins on 26 July of `año`.
struct Luna_del_año {
    std::int64_t año;
    int luna;  // 1..13
    friend constexpr bool operator==(const Luna_del_año&, const Luna_del_año&) = default;
};

// The moon a date lies in. 29 February lies in moon 8; 25 July, which
// belongs to no moon, is shown after moon 13 and so reads as moon 13 of the
// year it ends. Luna_de({13, 11, 2013}) == {2013, 4}; Luna_de({25, 7, 2014})
// == {2013, 13}.
Luna_del_año Luna_de(const Fecha& f);

// The moon `paso` moons after (before, when negative) a moon, across years:
// Luna_mas({2013, 13}, 1) == {2014, 1}.
Luna_del_año Luna_mas(Luna_del_año l, int paso);

// The date of day 1..28 of a moon: Fecha_de_luna({2013, 4}, 27) == {13, 11, 2013};
// Fecha_de_luna({2013, 1}, 1) == {26, 7, 2013}; Fecha_de_luna({2015, 8}, 23)
// == {1, 3, 2016}.
Fecha Fecha_de_luna(Luna_del_año l, int dia);

// The first and last day of a date's moon: for 13 November 2013,
// 18 October and 14 November 2013.
Fecha Primer_dia_luna(const Fecha& f);
Fecha Ultimo_dia_luna(const Fecha& f);

// 25 July that ends the thirteen-moon year `año`: Fuera_del_tiempo(2013)
// == {25, 7, 2014}.
constexpr Fecha Fuera_del_tiempo(std::int64_t año) {
    return {25, 7, año + 1};
}

// 29 February inside the thirteen-moon year `año`, when it has one:
// Hunab_ku(2015) == {29, 2, 2016}; Hunab_ku(2013) is empty.
constexpr std::optional<Fecha> Hunab_ku(std::int64_t año) {
    if (!Bisiesto(año + 1)) return std::nullopt;
    return Fecha{29, 2, año + 1};
}

// ---------------------------------------------------------------------------
// The harmonic module: 13 columns of 20 kins, kin 1 at the top left, each
// row one seal.

// Column 1..13: Columna_modulo(Kin{153}) == 8. Row 1..20, the seal:
// Fila_modulo(Kin{153}) == 13.
constexpr int Columna_modulo(Kin k) {
    return (k.valor - 1) / 20 + 1;
}
constexpr int Fila_modulo(Kin k) {
    return (k.valor - 1) % 20 + 1;
}
// Kin_en_modulo(8, 13) == Kin{153}.
constexpr Kin Kin_en_modulo(int columna, int fila) {
    return Kin((columna - 1) * 20 + fila);
}

// The central column, the seventh: kins 121..140.
inline constexpr int columna_central = 7;
constexpr bool En_columna_central(Kin k) {
    return Columna_modulo(k) == columna_central;
}

// The kin of a seal 1..20 and a tone 1..13: Kin_de(Sello{13}, Tono{10}) == Kin{153}.
constexpr Kin Kin_de(Sello s, Tono t) {
    // k = s (mod 20) and k = t (mod 13): 40 is 0 mod 20 and 1 mod 13, 221 the reverse.
    return Kin((40 * t.valor + 221 * s.valor + 259) % 260 + 1);
}

// The oracle as kins: the guide, antipode and analog share the kin's tone,
// the occult's tone is 14 minus it. Kines_oraculo(Kin{153}).oculto == Kin{108}.
struct Kines_oraculo {
    Kin guia, antipoda, analogo, oculto;
    friend constexpr bool operator==(const Kines_oraculo&, const Kines_oraculo&) = default;
};
constexpr Kines_oraculo Oraculo_en_kines(Kin k) {
    const Oraculo_kin o = Calculo_oraculo(k.sello(), k.tono());
    const Tono t = k.tono();
    return {Kin_de(o.guia, t), Kin_de(o.antipoda, t), Kin_de(o.analogo, t),
            Kin_de(o.oculto, Tono(14 - t.valor))};
}

// ---------------------------------------------------------------------------
// The wavespell: 13 kins from a kin of tone 1.

// Onda_de(Kin{153})[0] == Kin{144}, [12] == Kin{156}.
constexpr std::array<Kin, 13> Onda_de(Kin k) {
    std::array<Kin, 13> onda{};
    const int primero = k.valor - k.tono().valor + 1;
    for (int i = 0; i < 13; ++i) onda[static_cast<std::size_t>(i)] = Kin(primero + i);
    return onda;
}

// The first date of kin `k` in the round of 260 counted days (kin 1 to kin
// 260) that holds the real date `dentro`: Fecha_en_ciclo(Kin{164},
// {1, 8, 2013}) == {26, 7, 2013}. Where 28 and 29 February share the kin,
// 28 February.
Fecha Fecha_en_ciclo(Kin k, const Fecha& dentro);

// ---------------------------------------------------------------------------
// Texts

// "13 de noviembre de 2013"; short "13 nov".
std::string Fecha_escrita(const Fecha& f);
std::string Fecha_corta(const Fecha& f);

// "Kin 153 Caminante del Cielo Planetario Rojo", and ", portal" after it on a
// portal day: Kin_y_nombre(Kin{1}) == "Kin 1 Dragon Magnético Rojo, portal".
std::string Kin_y_nombre(Kin k);

// ---------------------------------------------------------------------------
// Descriptions, for the window to show as they are

// One day of a moon, or one of its two special days.
struct Dia_de_luna {
    Fecha fecha;
    Dia_especial especial;  // hunab_ku on 29 February, fuera_del_tiempo on 25 July
    int dia;                // 1..28; 0 on the special days
    int plasma;             // 1..7; 0 on the special days
    Kin kin;                // 29 February carries 28 February's
    bool portal;
    std::string numero;       // "27", "0.0" for Hunab Ku, "" out of time
    std::string fecha_corta;  // "13 nov"
    std::string mes;          // "noviembre" on the 1st of a month, else ""
    // For screen readers: "Día 27, Limi, 13 de noviembre de 2013, Kin 14 Mago
    // Magnético Blanco"; "0.0 Hunab Ku, 29 de febrero de 2016, Kin ...";
    // "Día fuera del tiempo, 25 de julio de 2014, Kin ...". ", portal" ends it
    // on a portal day.
    std::string nombre;
    std::string kin_nombre;  // "Kin 14 · Mago Magnético Blanco"
};

struct Lectura_luna {
    Luna_del_año luna;
    std::string nombre;   // "Luna Autoexistente del Búho"
    std::string ns;       // "NS1.26.4"
    std::string periodo;  // "18 oct – 14 nov 2013"; "13 dic 2015 – 9 ene 2016" across a year
    std::string titulo;   // the three joined by " · "
    // Days 1..28 in order; 29 February after day 22 of moon 8 when the year
    // has one; 25 July after day 28 of moon 13.
    std::vector<Dia_de_luna> dias;
};

// Describir_luna({2013, 4}).titulo ==
//     "Luna Autoexistente del Búho · NS1.26.4 · 18 oct – 14 nov 2013".
Lectura_luna Describir_luna(Luna_del_año l);

// A thirteen-moon year, named after its bearer, the kin of its 26 July.
struct Lectura_año {
    std::int64_t año;  // of its 26 July, 38..año_maximo - 1
    Kin portador;
    std::string nombre;   // "Año de la Luna Planetaria Roja"
    std::string ns;       // "NS1.40"
    std::string periodo;  // "26 jul 2027 – 25 jul 2028"
};

// Describir_año(2027).nombre == "Año de la Luna Planetaria Roja";
// Describir_año(2013).ns == "NS1.26".
Lectura_año Describir_año(std::int64_t año);

struct Kin_de_onda {
    Kin kin;
    std::string tono;    // "Magnético", in the seal's gender
    Fecha fecha;         // in the round that holds the date the wavespell was asked for
    std::string cuando;  // "25 de julio de 2003"
    std::string nombre;  // Kin_y_nombre
};

struct Lectura_onda {
    Sello sello;         // the seal of tone 1
    std::string titulo;  // "Onda encantada de la Mano"
    std::array<Kin_de_onda, 13> kines;
};

// The wavespell of kin `k`, its days dated in the round that holds `dentro`:
// Describir_onda(Kin{153}, {25, 7, 2003}).kines[9].fecha == {25, 7, 2003}.
Lectura_onda Describir_onda(Kin k, const Fecha& dentro);

}  // namespace talmiroc
