// What every part of the engine shares: the one bounds policy of table
// reads, and numbers written into texts. No Qt.
#pragma once

#include <array>
#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

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

// The pattern with each {1}..{9} replaced by the value in that place ("" for
// a place past the last value): Componer("línea {1}: ", {"2"}) == "línea 2: ".
// Any other brace is kept as it is.
inline std::string Componer(std::string_view patron, std::initializer_list<std::string_view> valores) {
    std::string s;
    for (std::size_t i = 0; i < patron.size(); ++i) {
        const char c = i + 2 < patron.size() && patron[i] == '{' && patron[i + 2] == '}'
                           ? patron[i + 1]
                           : '\0';
        if (c >= '1' && c <= '9') {
            const auto n = static_cast<std::size_t>(c - '1');
            if (n < valores.size()) s.append(*(valores.begin() + n));
            i += 2;
        } else {
            s.push_back(patron[i]);
        }
    }
    return s;
}

}  // namespace talmiroc
