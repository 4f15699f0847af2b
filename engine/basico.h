// What every part of the engine shares: the one bounds policy of table
// reads, and numbers written into texts. No Qt.
#pragma once

#include <array>
#include <charconv>
#include <cstdint>
#include <string>

namespace talmiroc {

// The one bounds policy of every table read: an index outside the table
// reads entry 0, each table's sentinel ("Error", "ERROR", "Sol" for the seal
// tables, "" for the thirteen-moon names), never memory beyond it.
// En(tonos_m, 14) == "Error".
template <typename T, std::size_t N>
constexpr T En(const std::array<T, N>& tabla, int i) {
    return (i >= 0 && static_cast<std::size_t>(i) < N) ? tabla[static_cast<std::size_t>(i)]
                                                       : tabla[0];
}

// Appends `n` in decimal, without a temporary string: (s = "Kin ", 46) -> "Kin 46".
inline std::string& Añadir_numero(std::string& s, std::int64_t n) {
    char cifras[20];  // any int64, sign included
    const auto r = std::to_chars(cifras, cifras + sizeof cifras, n);
    return s.append(cifras, r.ptr);
}

// `n` in decimal: Numero(46) == "46".
inline std::string Numero(std::int64_t n) {
    std::string s;
    return Añadir_numero(s, n);
}

}  // namespace talmiroc
