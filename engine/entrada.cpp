#include "entrada.h"

#include <limits>

namespace talmiroc {

namespace {

constexpr bool Es_blanco(char c) {
    return c == ' ' || c == '\t';
}
constexpr bool Es_digito(char c) {
    return c >= '0' && c <= '9';
}

// Reads an optional sign and digits from `i`, saturating at the int64 range.
// Returns false if no digit follows the sign.
bool Leer_numero(std::string_view t, std::size_t& i, std::int64_t& valor) {
    bool negativo = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        negativo = t[i] == '-';
        ++i;
    }
    if (i >= t.size() || !Es_digito(t[i])) return false;
    constexpr std::int64_t tope = std::numeric_limits<std::int64_t>::max();
    std::int64_t v = 0;
    for (; i < t.size() && Es_digito(t[i]); ++i) {
        const int d = t[i] - '0';
        v = (v > (tope - d) / 10) ? tope : v * 10 + d;
    }
    valor = negativo ? -v : v;
    return true;
}

}  // namespace

std::int64_t Lectura_inicial(std::string_view texto) {
    std::size_t i = 0;
    while (i < texto.size() && Es_blanco(texto[i])) ++i;
    std::int64_t v = 0;
    return Leer_numero(texto, i, v) ? v : 0;
}

bool Lectura_completa(std::string_view texto, std::int64_t& valor) {
    std::size_t i = 0;
    while (i < texto.size() && Es_blanco(texto[i])) ++i;
    std::int64_t v = 0;
    if (!Leer_numero(texto, i, v)) return false;
    while (i < texto.size() && Es_blanco(texto[i])) ++i;
    if (i != texto.size()) return false;
    valor = v;
    return true;
}

Veredicto Comprobar_fecha(std::string_view dia, std::string_view mes, std::string_view año,
                          const Palabras& p) {
    const Rechazo fecha_incorrecta{p.mensaje_fecha, Icono::informacion};
    const auto vacio = [](std::string_view t) { return t.empty() || t == " "; };
    if (vacio(dia) || vacio(mes) || vacio(año)) return fecha_incorrecta;

    std::int64_t d = 0;
    std::int64_t m = 0;
    if (!Lectura_completa(dia, d) || !Lectura_completa(mes, m)) return fecha_incorrecta;
    if (m == 2 && d > 29) return fecha_incorrecta;

    const std::int64_t a = Lectura_inicial(año);
    if (a < 38) return Rechazo{p.mensaje_año, Icono::error};

    if (m < 1 || m > 12 || d < 1 || d > 31 || a > año_maximo) return fecha_incorrecta;
    return Fecha{static_cast<int>(d), static_cast<int>(m), a};
}

}  // namespace talmiroc
