#include "descripcion_tiempo.h"

#include "descripcion.h"

namespace talmiroc {

std::string Fecha_escrita(const Fecha& f, const Palabras& p) {
    std::string s;
    return Añadir_fecha(s, p.fecha_escrita, f.dia, f.mes, f.año, p);
}

std::string Fecha_corta(const Fecha& f, const Palabras& p) {
    std::string s = Numero(f.dia);
    return s.append(" ").append(En(p.meses_cortos, f.mes));
}

std::string Titulo_kin(Kin k, const Palabras& p) {
    std::string s(p.kin);
    s.append("\u00a0");  // never broken from its number where a caption wraps
    Añadir_numero(s, k.valor).append(" ").append(Nombre_kin(k, p));
    if (Es_portal(k)) s.append(p.marca_portal);
    return s;
}

std::string_view Nombre_especial(const Dia_de_luna& d, const Palabras& p) {
    return Nombre_dia_especial(d.especial, p);
}

Lectura_luna Describir_luna(Luna_del_año l, const Palabras& p) {
    Lectura_luna r;
    r.luna = l;
    const Fecha primero = Fecha_de_luna(l, 1);
    const Fecha ultimo = Fecha_de_luna(l, 28);
    const Fecha_trece_lunas t = Calculo_trece_lunas(primero.dia, primero.mes, primero.año);
    r.nombre = Nombre_trece_lunas(t, p);
    r.ns = "NS";
    Añadir_numero(r.ns, t.ciclo).push_back('.');
    Añadir_numero(r.ns, t.año_ciclo).push_back('.');
    Añadir_numero(r.ns, t.luna);
    r.periodo = Fecha_corta(primero, p);
    if (primero.año != ultimo.año) Añadir_numero(r.periodo.append(" "), primero.año);
    r.periodo.append(p.separador_periodo).append(Fecha_corta(ultimo, p)).append(" ");
    Añadir_numero(r.periodo, ultimo.año);
    r.titulo = r.nombre;
    r.titulo.append(p.separador_titulo).append(r.ns).append(p.separador_titulo).append(r.periodo);

    const auto dia = [&p](const Fecha& f, Dia_especial especial, int n) {
        Dia_de_luna d;
        d.fecha = f;
        d.especial = especial;
        d.dia = n;
        d.plasma = n == 0 ? 0 : (n - 1) % 7 + 1;
        d.kin = Kin_fecha(f);
        d.portal = Es_portal(d.kin);
        d.fecha_corta = Fecha_corta(f, p);
        if (f.dia == 1) d.mes = En(p.meses, f.mes);
        switch (especial) {
            case Dia_especial::ninguno:
                d.numero = Numero(n);
                d.nombre.append(p.dia_luna).append(d.numero).append(", ");
                d.nombre.append(En(p.plasmas, d.plasma));
                break;
            case Dia_especial::hunab_ku:
                d.numero = "0.0";
                d.nombre = p.nombre_hunab_ku;
                break;
            case Dia_especial::fuera_del_tiempo:
                d.nombre = p.nombre_fuera_del_tiempo;
                break;
        }
        d.nombre.append(", ").append(Fecha_escrita(f, p)).append(", ").append(Titulo_kin(d.kin, p));
        d.kin_nombre.assign(p.kin).append("\u00a0");
        Añadir_numero(d.kin_nombre, d.kin.valor).append(p.separador_titulo);
        d.kin_nombre.append(Nombre_kin(d.kin, p));
        return d;
    };
    r.dias.reserve(29);
    for (int n = 1; n <= 28; ++n) {
        r.dias.push_back(dia(Fecha_de_luna(l, n), Dia_especial::ninguno, n));
        if (l.luna == 8 && n == 22) {
            if (const std::optional<Fecha> h = Hunab_ku(l.año))
                r.dias.push_back(dia(*h, Dia_especial::hunab_ku, 0));
        }
    }
    if (l.luna == 13)
        r.dias.push_back(dia(Fuera_del_tiempo(l.año), Dia_especial::fuera_del_tiempo, 0));
    return r;
}

Lectura_año Describir_año(std::int64_t año, const Palabras& p) {
    Lectura_año r;
    r.año = año;
    r.portador = Kin_portador(año);
    r.nombre = Antes_de(p.año_de, r.portador.sello(), p);
    r.nombre.append(Nombre_kin_tras_apertura(r.portador, p));
    const Fecha_trece_lunas t = Calculo_trece_lunas(26, 7, año);
    r.ns = "NS";
    Añadir_numero(r.ns, t.ciclo).push_back('.');
    Añadir_numero(r.ns, t.año_ciclo);
    const Fecha fin = Fuera_del_tiempo(año);
    r.periodo = Fecha_corta({26, 7, año}, p);
    Añadir_numero(r.periodo.append(" "), año).append(p.separador_periodo);
    Añadir_numero(r.periodo.append(Fecha_corta(fin, p)).append(" "), fin.año);
    return r;
}

Lectura_onda Describir_onda(Kin k, const Fecha& dentro, const Palabras& p) {
    Lectura_onda r;
    const std::array<Kin, 13> onda = Onda_de(k);
    r.sello = onda[0].sello();
    r.titulo = Antes_de(p.titulo_onda, r.sello, p);
    r.titulo.append(p.tras_apertura != nullptr ? En(p.tras_apertura->sellos, r.sello.valor)
                                               : Nombre_sello(r.sello, p));
    Fecha f = Fecha_en_ciclo(onda[0], dentro);
    for (std::size_t i = 0; i < onda.size(); ++i) {
        while (Kin_fecha(f) != onda[i]) f = Siguiente(f);
        Kin_de_onda& d = r.kines[i];
        d.kin = onda[i];
        d.tono = En(p.tonos_m, onda[i].tono().valor);  // the tone itself, not the kin's
        d.fecha = f;
        d.cuando = Fecha_escrita(f, p);
        d.nombre = Titulo_kin(onda[i], p);
    }
    return r;
}

}  // namespace talmiroc
