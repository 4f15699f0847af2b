#include "trece_lunas.h"

#include <charconv>

namespace talmiroc {

namespace {

// Bounds an index into a name table, so that a hand-made value with a field
// out of range reads the empty entry 0 instead of memory beyond the table.
template <std::size_t N>
constexpr std::string_view En(const std::array<std::string_view, N>& tabla, int i) {
    return (i >= 0 && static_cast<std::size_t>(i) < N) ? tabla[static_cast<std::size_t>(i)]
                                                       : tabla[0];
}

// Appends a number in decimal without a temporary string; 20 characters hold
// any int64, sign included.
void Añadir(std::string& s, std::int64_t n) {
    char cifras[20];
    const auto r = std::to_chars(cifras, cifras + sizeof cifras, n);
    s.append(cifras, r.ptr);
}

// "NS" cycle "." year "." moon "." day, appended to `s`.
void Añadir_ns(std::string& s, const Fecha_trece_lunas& f) {
    s.append("NS");
    Añadir(s, f.ciclo);
    s.push_back('.');
    Añadir(s, f.año_ciclo);
    s.push_back('.');
    Añadir(s, f.luna);
    s.push_back('.');
    Añadir(s, f.dia);
}

}  // namespace

std::string_view Nombre_trece_lunas(const Fecha_trece_lunas& f) {
    switch (f.especial) {
        case Dia_especial::fuera_del_tiempo:
            return nombre_fuera_del_tiempo;
        case Dia_especial::hunab_ku:
            return nombre_hunab_ku;
        case Dia_especial::ninguno:
            break;
    }
    return En(lunas, f.luna);
}

std::string_view Plasma_trece_lunas(const Fecha_trece_lunas& f) {
    return f.especial == Dia_especial::ninguno ? En(plasmas, f.plasma) : std::string_view{};
}

std::string Notacion_ns(const Fecha_trece_lunas& f) {
    std::string s;
    if (f.especial == Dia_especial::ninguno) Añadir_ns(s, f);
    return s;
}

std::string Linea_trece_lunas(const Fecha_trece_lunas& f) {
    std::string s;
    s.reserve(96);
    s.append("13 Lunas: ");
    if (f.especial != Dia_especial::ninguno) return s.append(Nombre_trece_lunas(f));
    s.append(Plasma_trece_lunas(f)).push_back(' ');
    Añadir(s, f.dia);
    s.append(", ").append(Nombre_trece_lunas(f)).append(" (");
    Añadir_ns(s, f);
    s.push_back(')');
    return s;
}

}  // namespace talmiroc
