#include "recorrido.h"

namespace talmiroc::cli {

namespace {

// Place 0..364 of a date in its year's 365-day count; 29 February shares
// 28 February's place, as it shares its kin.
int Lugar(const Fecha& f) {
    return dias_antes_mes[static_cast<std::size_t>(f.mes)] +
           (f.mes == 2 && f.dia == 29 ? 28 : f.dia) - 1;
}

// The date at place 0..364 of a year: never 29 February.
Fecha Fecha_en(int lugar, std::int64_t año) {
    int mes = 12;
    while (dias_antes_mes[static_cast<std::size_t>(mes)] > lugar) --mes;
    return {lugar - dias_antes_mes[static_cast<std::size_t>(mes)] + 1, mes, año};
}

}  // namespace

Busqueda_kin::Busqueda_kin(Kin kin, const Fecha& desde)
    : desde_(Primera_real(desde)), año_(desde_.año), lugar_(Lugar(desde_)) {
    // Forward to the first place of the count that carries the kin.
    const int actual = Calculo_kin(desde_.dia, desde_.mes, desde_.año).kin.valor;
    lugar_ += ((kin.valor - actual) % 260 + 260) % 260;
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
            lugar_ += 260;
            if (lugar_ >= 365) {
                lugar_ -= 365;
                ++año_;
            }
        }
        // Only the first place can fall before the start: 28 February when
        // the search starts on the 29th.
        if (!Antes(f, desde_)) return f;
    }
}

}  // namespace talmiroc::cli
