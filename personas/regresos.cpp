#include "regresos.h"

#include <algorithm>

#include "formatos.h"

namespace talmiroc::personas {

std::vector<const Persona*> Regresan_el(std::span<const Persona> personas, const Fecha& dia) {
    std::vector<const Persona*> v;
    for (const Persona& p : personas) {
        if (Regresa_el(p.nacimiento, dia)) v.push_back(&p);
    }
    return v;
}

std::vector<Regreso> Proximos_regresos(std::span<const Persona> personas, const Fecha& desde,
                                       std::int64_t cuantas, std::optional<Fecha> hasta) {
    std::vector<Regreso> v;
    for (const Persona& p : personas) {
        const Kin kin = Calculo_kin(p.nacimiento.dia, p.nacimiento.mes, p.nacimiento.año).kin;
        const Fecha tras_nacer = Siguiente(Ultima_real(p.nacimiento));
        Busqueda_kin busqueda(kin, std::max(desde, tras_nacer));
        for (std::int64_t n = 0; n < cuantas; ++n) {
            const Fecha f = busqueda.Siguiente();
            if (f.año > año_maximo || (hasta && *hasta < f)) break;
            v.push_back({&p, kin, f});
        }
    }
    std::stable_sort(v.begin(), v.end(),
                     [](const Regreso& a, const Regreso& b) { return a.fecha < b.fecha; });
    return v;
}

std::string Uid_regreso(const Persona& p, Kin kin, const Fecha& dia) {
    // FNV-1a over the name and the birth date: the same on every machine.
    std::uint64_t h = 14695981039346656037ull;
    std::string clave = p.nombre;
    clave.push_back('\0');
    Añadir_numero(clave, p.nacimiento.dia).push_back('-');
    Añadir_numero(clave, p.nacimiento.mes).push_back('-');
    Añadir_numero(clave, p.nacimiento.año);
    for (const unsigned char c : clave) h = (h ^ c) * 1099511628211ull;
    std::string s = "kin-";
    Añadir_numero(s, kin.valor).push_back('-');
    const auto cifras = [&s](std::int64_t n, int ancho) {
        std::string c = std::to_string(n);
        if (static_cast<int>(c.size()) < ancho) s.append(static_cast<std::size_t>(ancho) - c.size(), '0');
        s.append(c);
    };
    cifras(dia.año, 4);
    cifras(dia.mes, 2);
    cifras(dia.dia, 2);
    char hex[17];
    for (int i = 15; i >= 0; --i, h >>= 4) hex[i] = "0123456789abcdef"[h & 0xF];
    return s.append("-").append(hex, 16);
}

std::string Calendario_regresos(std::span<const Regreso> regresos, std::int64_t ahora,
                                const Palabras& p) {
    std::string s;
    if (regresos.empty()) return s;
    cli::Añadir_inicio_ics(s, "Tzolkin · Personas");
    for (const Regreso& r : regresos) {
        std::string resumen(p.kin);
        resumen.append(" ");
        Añadir_numero(resumen, r.kin.valor).append(" · ").append(r.persona->nombre);
        cli::Añadir_evento_ics(
            s, {Uid_regreso(*r.persona, r.kin, r.fecha), r.fecha, resumen, Titulo_kin(r.kin, p)},
            ahora);
    }
    cli::Añadir_fin_ics(s);
    return s;
}

}  // namespace talmiroc::personas
