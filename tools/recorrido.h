// Walks over real calendar dates for `tzolkin`: the days of a range, and the
// dates on which a kin falls.
//
// "Real" is the Gregorian calendar: 29 February in leap years only, no 31st
// in April, June, September or November. The entry accepts a few dates that
// are not real (31 April, 29 February 2003: the count reads them as 1 May and
// 28 February); a walk never yields one.
#pragma once

#include <cstdint>
#include <optional>

#include "tzolkin.h"

namespace talmiroc::cli {

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

// Calendar order: Antes({31, 4, 2003}, {1, 5, 2003}).
constexpr bool Antes(const Fecha& a, const Fecha& b) {
    if (a.año != b.año) return a.año < b.año;
    if (a.mes != b.mes) return a.mes < b.mes;
    return a.dia < b.dia;
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

}  // namespace talmiroc::cli
