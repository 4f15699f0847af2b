#include "cuenta_tiempo.h"

namespace talmiroc {

namespace {

Kin Kin_fecha(const Fecha& f) {
    return Calculo_kin(f.dia, f.mes, f.año).kin;
}

// Month and day of place 0..364 of the 365-day count (29 February has none).
Fecha Fecha_de_lugar(int lugar, std::int64_t año) {
    int mes = 12;
    while (mes > 1 && dias_antes_mes[static_cast<std::size_t>(mes)] > lugar) --mes;
    return {lugar - dias_antes_mes[static_cast<std::size_t>(mes)] + 1, mes, año};
}

std::string Numero(std::int64_t n) {
    std::string s;
    return Añadir_numero(s, n);
}

}  // namespace

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
    return Fecha_de_lugar(lugar, lugar >= inicio_trece_lunas ? l.año : l.año + 1);
}

Fecha Primer_dia_luna(const Fecha& f) {
    return Fecha_de_luna(Luna_de(f), 1);
}

Fecha Ultimo_dia_luna(const Fecha& f) {
    return Fecha_de_luna(Luna_de(f), 28);
}

Fecha Fecha_en_ciclo(Kin k, const Fecha& dentro) {
    // Back to the first day of kin 1, then forward to the kin: at most 261
    // days each way, 29 February repeating 28 February's kin.
    Fecha f = dentro;
    while (Kin_fecha(f) != 1 || Kin_fecha(Dia_anterior(f)) == 1) f = Dia_anterior(f);
    while (Kin_fecha(f) != k) f = Dia_siguiente(f);
    return f;
}

std::string Fecha_escrita(const Fecha& f) {
    std::string s = Numero(f.dia);
    s.append(" ").append(palabra_de).append(" ").append(En(meses, f.mes));
    s.append(" ").append(palabra_de).append(" ");
    return Añadir_numero(s, f.año);
}

std::string Fecha_corta(const Fecha& f) {
    std::string s = Numero(f.dia);
    return s.append(" ").append(En(meses_cortos, f.mes));
}

std::string Kin_y_nombre(Kin k) {
    std::string s(palabra_kin);
    s.push_back(' ');
    Añadir_numero(s, k.valor);
    const Sello sello = k.sello();
    s.append(" ").append(Nombre_sello(sello)).append(" ").append(Nombre_tono(k.tono(), sello));
    s.append(" ").append(Palabra_color(sello));
    if (Es_portal(k)) s.append(", ").append(palabra_portal);
    return s;
}

Lectura_luna Describir_luna(Luna_del_año l) {
    Lectura_luna r;
    r.luna = l;
    const Fecha primero = Fecha_de_luna(l, 1);
    const Fecha ultimo = Fecha_de_luna(l, 28);
    const Fecha_trece_lunas t = Calculo_trece_lunas(primero.dia, primero.mes, primero.año);
    r.nombre = Nombre_trece_lunas(t);
    r.ns = "NS";
    Añadir_numero(r.ns, t.ciclo).push_back('.');
    Añadir_numero(r.ns, t.año_ciclo).push_back('.');
    Añadir_numero(r.ns, t.luna);
    r.periodo = Fecha_corta(primero);
    if (primero.año != ultimo.año) Añadir_numero(r.periodo.append(" "), primero.año);
    r.periodo.append(separador_periodo).append(Fecha_corta(ultimo)).append(" ");
    Añadir_numero(r.periodo, ultimo.año);
    r.titulo = r.nombre;
    r.titulo.append(separador_titulo).append(r.ns).append(separador_titulo).append(r.periodo);

    const auto dia = [](const Fecha& f, Dia_especial especial, int n) {
        Dia_de_luna d;
        d.fecha = f;
        d.especial = especial;
        d.dia = n;
        d.plasma = n == 0 ? 0 : (n - 1) % 7 + 1;
        d.kin = Kin_fecha(f);
        d.portal = Es_portal(d.kin);
        d.fecha_corta = Fecha_corta(f);
        if (f.dia == 1) d.mes = En(meses, f.mes);
        switch (especial) {
            case Dia_especial::ninguno:
                d.numero = Numero(n);
                d.nombre.append(palabra_dia).append(" ").append(d.numero).append(", ");
                d.nombre.append(En(palabras_es.plasmas, d.plasma));
                break;
            case Dia_especial::hunab_ku:
                d.numero = "0.0";
                d.nombre = palabras_es.nombre_hunab_ku;
                break;
            case Dia_especial::fuera_del_tiempo:
                d.nombre = palabras_es.nombre_fuera_del_tiempo;
                break;
        }
        d.nombre.append(", ").append(Fecha_escrita(f)).append(", ").append(Kin_y_nombre(d.kin));
        d.kin_nombre = palabra_kin;
        Añadir_numero(d.kin_nombre.append(" "), d.kin.valor);
        d.kin_nombre.append(separador_titulo).append(Nombre_kin(d.kin));
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

Lectura_año Describir_año(std::int64_t año) {
    Lectura_año r;
    r.año = año;
    r.portador = Kin_portador(año);
    r.nombre = palabras_es.año_de[Es_masculino(r.portador.sello()) ? 0 : 1];
    r.nombre.append(Nombre_kin(r.portador));
    const Fecha_trece_lunas t = Calculo_trece_lunas(26, 7, año);
    r.ns = "NS";
    Añadir_numero(r.ns, t.ciclo).push_back('.');
    Añadir_numero(r.ns, t.año_ciclo);
    const Fecha fin = Fuera_del_tiempo(año);
    r.periodo = Fecha_corta({26, 7, año});
    Añadir_numero(r.periodo.append(" "), año).append(separador_periodo);
    Añadir_numero(r.periodo.append(Fecha_corta(fin)).append(" "), fin.año);
    return r;
}

Lectura_onda Describir_onda(Kin k, const Fecha& dentro) {
    Lectura_onda r;
    const std::array<Kin, 13> onda = Onda_de(k);
    r.sello = onda[0].sello();
    r.titulo = Es_masculino(r.sello) ? onda_masculina : onda_femenina;
    r.titulo.append(Nombre_sello(r.sello));
    Fecha f = Fecha_en_ciclo(onda[0], dentro);
    for (std::size_t i = 0; i < onda.size(); ++i) {
        while (Kin_fecha(f) != onda[i]) f = Dia_siguiente(f);
        Kin_de_onda& d = r.kines[i];
        d.kin = onda[i];
        d.tono = Nombre_tono(onda[i].tono(), onda[i].sello());
        d.fecha = f;
        d.cuando = Fecha_escrita(f);
        d.nombre = Kin_y_nombre(onda[i]);
    }
    return r;
}

}  // namespace talmiroc
