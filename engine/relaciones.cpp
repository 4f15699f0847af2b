#include "relaciones.h"

#include "descripcion.h"
#include "descripcion_tiempo.h"

namespace talmiroc {

namespace {

// "144–156": the first and last kin of a run.
std::string Tramo(int primero, int ultimo) {
    return Numero(primero).append("–").append(Numero(ultimo));
}

// What {5} names in each relation's rule.
std::string Detalle(Relacion r, Kin a, const Palabras& p) {
    const Sello s = a.sello();
    const Tono t = a.tono();
    switch (r) {
        case Relacion::mismo_kin:
            return Nombre_kin(a, p);
        case Relacion::kin_guia: {
            const int guia = Calculo_oraculo(s, t).guia.valor;
            return Numero((guia - s.valor + 20) % 20);
        }
        case Relacion::kin_analogo:
        case Relacion::sello_analogo:
            return Numero(s.valor + Calculo_oraculo(s, t).analogo.valor);
        case Relacion::sello_guia:
            return Numero(t.valor);
        case Relacion::mismo_tono:
            return Numero(t.valor).append(", ").append(Nombre_tono(t, s, p));
        case Relacion::mismo_color:
            return std::string(Palabras_de(Color_sello(s), p).m);
        case Relacion::misma_onda: {
            const int primero = Numero_onda(a) * 13 + 1;
            return Describir_onda(a, {1, 1, 2000}, p).titulo + " (" +
                   Tramo(primero, primero + 12) + ")";
        }
        case Relacion::mismo_castillo: {
            std::string_view castillo = Castillo(Sello_onda(s, t), p);
            if (castillo.starts_with("* ")) castillo.remove_prefix(2);
            const int primero = Numero_onda(a) / 4 * 52 + 1;
            return std::string(castillo) + " (" + Tramo(primero, primero + 51) + ")";
        }
        case Relacion::misma_familia: {
            const Familia_terrestre f = Familia_de(s);
            std::string texto(Nombre_familia(f, p));
            const std::array<Sello, 4> sellos = Sellos_familia(f);
            for (std::size_t i = 0; i < sellos.size(); ++i) {
                texto.append(i == 0 ? ": " : ", ").append(Nombre_sello(sellos[i], p));
            }
            return texto;
        }
        default:
            return {};
    }
}

}  // namespace

std::string_view Nombre_familia(Familia_terrestre f, const Palabras& p) {
    return En(p.familias, static_cast<int>(f));
}

std::vector<Relacion_descrita> Describir_relaciones(Kin a, Kin b, const Palabras& p) {
    std::vector<Relacion_descrita> v;
    const Relaciones_kin r = Relaciones(a, b);
    for (int i = 0; i < numero_relaciones; ++i) {
        const auto x = static_cast<Relacion>(i);
        if (!r.Tiene(x)) continue;
        const std::string ka = Numero(a.valor), kb = Numero(b.valor), detalle = Detalle(x, a, p);
        v.push_back({x, En(p.relaciones, i),
                     Componer(En(p.reglas_relacion, i), {ka, kb, Nombre_sello(a.sello(), p),
                                                         Nombre_sello(b.sello(), p), detalle})});
    }
    return v;
}

Lectura_nacimiento Describir_nacimiento(const Fecha& nacimiento, const Fecha& hoy, int regresos) {
    Lectura_nacimiento l{};
    l.nacimiento = nacimiento;
    l.kin = Kin_fecha(nacimiento);
    l.oraculo = Oraculo_en_kines(l.kin);
    l.familia = Familia_de(l.kin.sello());
    Busqueda_kin busqueda(l.kin, std::max(hoy, Siguiente(Ultima_real(nacimiento))));
    for (int i = 0; i < regresos; ++i) {
        const Fecha f = busqueda.Siguiente();
        if (f.año > año_maximo) break;
        l.regresos.push_back(f);
    }
    for (std::size_t i = 0; i < 2; ++i) {
        const std::int64_t año = hoy.año + static_cast<std::int64_t>(i);
        Fecha f{nacimiento.dia, nacimiento.mes, año};
        if (!Es_real(f)) f = Ultima_real(f);
        l.cumpleaños[i] = {f, Kin_fecha(f)};
    }
    // Whole years lived on `hoy`: the birthday counts from its own date.
    std::int64_t edad = hoy.año - nacimiento.año;
    if (std::pair(hoy.mes, hoy.dia) < std::pair(nacimiento.mes, nacimiento.dia)) --edad;
    if (edad < 0) edad = 0;
    l.ciclo = edad / 52 + 1;
    l.año_ciclo = static_cast<int>(edad % 52) + 1;
    l.kin_hoy = Kin_fecha(hoy);
    l.hoy = Relaciones(l.kin, l.kin_hoy);
    return l;
}

bool Regresa_el(const Fecha& nacimiento, const Fecha& dia) {
    return nacimiento < dia && Kin_fecha(nacimiento) == Kin_fecha(dia);
}

}  // namespace talmiroc
