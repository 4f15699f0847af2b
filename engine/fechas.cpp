#include "fechas.h"

namespace talmiroc {

namespace {

// The date at place 0..364 of a year: never 29 February.
Fecha Fecha_en(int lugar, std::int64_t año) {
    int mes = 12;
    while (dias_antes_mes[static_cast<std::size_t>(mes)] > lugar) --mes;
    return {lugar - dias_antes_mes[static_cast<std::size_t>(mes)] + 1, mes, año};
}

}  // namespace

Busqueda_kin::Busqueda_kin(Kin kin, const Fecha& desde)
    : desde_(Primera_real(desde)),
      año_(desde_.año),
      lugar_(Lugar_en_cuenta(desde_.dia, desde_.mes)) {
    // Forward to the first place of the count that carries the kin.
    const int actual = Calculo_kin(desde_.dia, desde_.mes, desde_.año).kin.valor;
    Avanzar(((kin.valor - actual) % 260 + 260) % 260);
}

void Busqueda_kin::Avanzar(int dias) {
    lugar_ += dias;
    if (lugar_ >= 365) {
        lugar_ -= 365;
        ++año_;
    }
}

Fecha Busqueda_kin::Siguiente() {
    for (;;) {
        Fecha f{};
        if (pendiente_) {
            f = *pendiente_;
            pendiente_.reset();
        } else {
            f = Fecha_en(lugar_, año_);
            if (f.mes == 2 && f.dia == 28 && Es_bisiesto(f.año)) pendiente_ = Fecha{29, 2, f.año};
            Avanzar(260);
        }
        // Only the first place can fall before the start: 28 February when
        // the search starts on the 29th.
        if (f >= desde_) return f;
    }
}

Fecha Fecha_en_ciclo(Kin k, const Fecha& dentro) {
    // Back to the first day of kin 1, then forward to the kin: at most 261
    // days each way, 29 February repeating 28 February's kin.
    const auto kin = [](const Fecha& f) { return Calculo_kin(f.dia, f.mes, f.año).kin; };
    Fecha f = dentro;
    while (kin(f) != 1 || kin(Anterior(f)) == 1) f = Anterior(f);
    while (kin(f) != k) f = Siguiente(f);
    return f;
}

Luna_del_año Luna_de(const Fecha& f) {
    if (f.dia == 29 && f.mes == 2) return {f.año - 1, 8};
    const Fecha_trece_lunas t = Calculo_trece_lunas(f.dia, f.mes, f.año);
    return {t.año, t.especial == Dia_especial::fuera_del_tiempo ? 13 : t.luna};
}

Luna_del_año Luna_mas(Luna_del_año l, int paso) {
    // Moons from moon 1 of the year, floor-divided into whole years.
    const int n = l.luna - 1 + paso;
    int años = n / 13;
    int luna = n % 13;
    if (luna < 0) {
        luna += 13;
        --años;
    }
    return {l.año + años, luna + 1};
}

Fecha Fecha_de_luna(Luna_del_año l, int dia) {
    const int lugar = (inicio_trece_lunas + (l.luna - 1) * 28 + dia - 1) % 365;
    return Fecha_en(lugar, lugar >= inicio_trece_lunas ? l.año : l.año + 1);
}

Fecha Primer_dia_luna(const Fecha& f) {
    return Fecha_de_luna(Luna_de(f), 1);
}

Fecha Ultimo_dia_luna(const Fecha& f) {
    return Fecha_de_luna(Luna_de(f), 28);
}

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

std::string Notacion_ns(const Fecha_trece_lunas& f) {
    std::string s;
    if (f.especial == Dia_especial::ninguno) Añadir_ns(s, f);
    return s;
}

}  // namespace talmiroc
