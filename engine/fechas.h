// Dates: an accepted date and its order, walking over real calendar dates
// (the days of a range, the dates on which a kin falls), a date's place in
// the thirteen-moon year and, backwards, the date of a moon's day.
//
// "Real" is the Gregorian calendar: 29 February in leap years only, no 31st
// in April, June, September or November. The entry accepts a few dates that
// are not real (31 April, 29 February 2003: the count reads them as 1 May and
// 28 February); a walk never yields one.
//
// The thirteen-moon year has 13 moons of 28 days from 26 July, the Day Out
// of Time on 25 July and 29 February outside it ("0.0 Hunab Ku"). Its days
// are counted as the kin counts them (see Calculo_kin in cuenta.h): 365-day
// years, 29 February outside the count, and the 31st of a 30-day month read
// as the 1st of the next month. So a date's thirteen-moon day and its kin
// advance together, day by day. Ranges used throughout:
//   luna     1..13   moon
//   dia      1..28   day of the moon
//   heptada  1..4    week of the moon
//   plasma   1..7    Dali .. Silio
//   0 in any of these four means "no moon": 25 July and 29 February.
//
// No words: the moons' and plasmas' names are palabras.h's.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

#include "cuenta.h"

namespace talmiroc {

// Largest year the entry accepts: any run of up to 18 digits.
inline constexpr std::int64_t año_maximo = 999'999'999'999'999'999;

// A date the entry accepted.
struct Fecha {
    int dia;           // 1..31
    int mes;           // 1..12
    std::int64_t año;  // 38..año_maximo
    friend constexpr bool operator==(const Fecha&, const Fecha&) = default;
    // Calendar order: Fecha{31, 4, 2003} < Fecha{1, 5, 2003}.
    friend constexpr std::strong_ordering operator<=>(const Fecha& a, const Fecha& b) {
        if (a.año != b.año) return a.año <=> b.año;
        if (a.mes != b.mes) return a.mes <=> b.mes;
        return a.dia <=> b.dia;
    }
};

// ---------------------------------------------------------------------------
// Real dates

// Gregorian leap year, any year: Es_bisiesto(2000), !Es_bisiesto(1900).
constexpr bool Es_bisiesto(std::int64_t año) {
    return año % 4 == 0 && (año % 100 != 0 || año % 400 == 0);
}

// Days 28..31 of month 1..12 in a year: Dias_mes(2, 2004) == 29.
constexpr int Dias_mes(int mes, std::int64_t año) {
    constexpr int dias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mes == 2 && Es_bisiesto(año) ? 29 : dias[(mes - 1) % 12];
}

// Whether an accepted date is real: !Es_real({31, 4, 2003}).
constexpr bool Es_real(const Fecha& f) {
    return f.dia <= Dias_mes(f.mes, f.año);
}

// The day after a real date: Siguiente({31, 12, 2003}) == {1, 1, 2004}.
constexpr Fecha Siguiente(const Fecha& f) {
    if (f.dia < Dias_mes(f.mes, f.año)) return {f.dia + 1, f.mes, f.año};
    if (f.mes < 12) return {1, f.mes + 1, f.año};
    return {1, 1, f.año + 1};
}

// The day before a real date, undoing Siguiente: Anterior({1, 1, 2004}) ==
// {31, 12, 2003}.
constexpr Fecha Anterior(const Fecha& f) {
    if (f.dia > 1) return {f.dia - 1, f.mes, f.año};
    if (f.mes > 1) return {Dias_mes(f.mes - 1, f.año), f.mes - 1, f.año};
    return {31, 12, f.año - 1};
}

// An accepted date that is not real stands between two real days: a walk
// from it starts on the next one, a walk to it ends on the one before.
// Primera_real({31, 4, 2003}) == {1, 5, 2003}; Ultima_real(...) == {30, 4, 2003}.
constexpr Fecha Primera_real(const Fecha& f) {
    return Es_real(f) ? f : Fecha{1, f.mes + 1, f.año};
}
constexpr Fecha Ultima_real(const Fecha& f) {
    return Es_real(f) ? f : Fecha{Dias_mes(f.mes, f.año), f.mes, f.año};
}

// The real dates whose kin is `kin`, in order, from `desde` on (itself
// included). It jumps 260 counted days at a time and never scans: the count
// has 365 days a year and leaves 29 February out, giving it 28 February's
// kin, so in a leap year both days match when that kin is sought.
// Busqueda_kin(Kin{164}, {26, 7, 2012}).Siguiente() == {8, 11, 2012}; the
// next is {26, 7, 2013}, then {12, 4, 2014}.
class Busqueda_kin {
public:
    Busqueda_kin(Kin kin, const Fecha& desde);
    // The next date; its year grows past año_maximo only after every
    // earlier date, so a caller stops there.
    Fecha Siguiente();

private:
    void Avanzar(int dias);  // 0..364 places further in the count

    Fecha desde_;
    std::int64_t año_;
    int lugar_;                       // 0..364 in the year's 365-day count
    std::optional<Fecha> pendiente_;  // 29 February after a matching 28th
};

// The first date of kin `k` in the round of 260 counted days (kin 1 to kin
// 260) that holds the real date `dentro`: Fecha_en_ciclo(Kin{164},
// {1, 8, 2013}) == {26, 7, 2013}. Where 28 and 29 February share the kin,
// 28 February.
Fecha Fecha_en_ciclo(Kin k, const Fecha& dentro);

// ---------------------------------------------------------------------------
// The thirteen-moon count

// Place of 26 July, where the thirteen-moon year begins.
inline constexpr int inicio_trece_lunas = Lugar_en_cuenta(26, 7);

// The NS count starts with the thirteen-moon year that begins on 26 July 1987.
inline constexpr std::int64_t año_ns = 1987;

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
    int plasma;   // 1..7
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

// ---------------------------------------------------------------------------
// The thirteen-moon count, backwards: from a moon and its day to the date.
// Year `año` is the thirteen-moon year that begins on 26 July of `año`:
// moon 1 is 26 Jul - 22 Aug, ..., moon 13 27 Jun - 24 Jul of año + 1; 25 July
// of año + 1 ends it; 29 February, when año + 1 has one, lies between day 22
// (28 February) and day 23 (1 March) of moon 8. Years run 38..año_maximo - 1,
// so that a moon's last day and the day after any date stay in range.

// A moon 1..13 of the thirteen-moon year `año`.
struct Luna_del_año {
    std::int64_t año;
    int luna;  // 1..13
    friend constexpr bool operator==(const Luna_del_año&, const Luna_del_año&) = default;
};

// The moon a real date lies in. 29 February lies in moon 8; 25 July, which
// belongs to no moon, is shown after moon 13 and so reads as moon 13 of the
// year it ends. Luna_de({13, 11, 2013}) == {2013, 4}; Luna_de({25, 7, 2014})
// == {2013, 13}.
Luna_del_año Luna_de(const Fecha& f);

// The moon `paso` moons after (before, when negative) a moon, across years:
// Luna_mas({2013, 13}, 1) == {2014, 1}.
Luna_del_año Luna_mas(Luna_del_año l, int paso);

// The date of day 1..28 of a moon: Fecha_de_luna({2013, 4}, 27) == {13, 11, 2013};
// Fecha_de_luna({2015, 8}, 23) == {1, 3, 2016}.
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
    if (!Es_bisiesto(año + 1)) return std::nullopt;
    return Fecha{29, 2, año + 1};
}

// "NS" cycle "." year "." moon "." day: "NS1.26.4.27" for 13 November 2013,
// "NS-37.26.6.20" for 1 January 38. "" on the special days.
std::string Notacion_ns(const Fecha_trece_lunas& f);

// Appends the notation of a day with a moon, as Notacion_ns writes it.
void Añadir_ns(std::string& s, const Fecha_trece_lunas& f);

}  // namespace talmiroc
