#include "trece_lunas.h"

namespace talmiroc {

namespace {

// "NS" cycle "." year "." moon "." day, appended to `s`.
void Añadir_ns(std::string& s, const Fecha_trece_lunas& f) {
    s.append("NS");
    Añadir_numero(s, f.ciclo);
    s.push_back('.');
    Añadir_numero(s, f.año_ciclo);
    s.push_back('.');
    Añadir_numero(s, f.luna);
    s.push_back('.');
    Añadir_numero(s, f.dia);
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
    Añadir_numero(s, f.dia);
    s.append(", ").append(Nombre_trece_lunas(f)).append(" (");
    Añadir_ns(s, f);
    s.push_back(')');
    return s;
}

}  // namespace talmiroc
