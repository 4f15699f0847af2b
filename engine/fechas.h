// Dates: an accepted date and its order, walking over real calendar dates
// (the days of a range, the dates on which a kin falls), and a date's place
// in the thirteen-moon year.
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

// "NS" cycle "." year "." moon "." day: "NS1.26.4.27" for 13 November 2013,
// "NS-37.26.6.20" for 1 January 38. "" on the special days.
std::string Notacion_ns(const Fecha_trece_lunas& f);

// Appends the notation of a day with a moon, as Notacion_ns writes it.
void Añadir_ns(std::string& s, const Fecha_trece_lunas& f);

}  // namespace talmiroc
