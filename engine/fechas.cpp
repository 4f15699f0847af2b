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
