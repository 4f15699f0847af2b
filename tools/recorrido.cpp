#include "recorrido.h"

namespace talmiroc::cli {

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
        if (!Antes(f, desde_)) return f;
    }
}

}  // namespace talmiroc::cli
