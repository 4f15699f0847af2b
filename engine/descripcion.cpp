#include "descripcion.h"

#include "descripcion_tiempo.h"

namespace talmiroc {

namespace {

constexpr std::string_view salto = "\r\n";

std::string& operator<<(std::string& s, std::string_view v) {
    return s.append(v);
}
std::string& operator<<(std::string& s, std::int64_t n) {
    return Añadir_numero(s, n);
}

// A kin's seal, tone and colour in the language's order, the tone and the
// colour in the seal's gender; `antes_del_color` sets the colour off. After
// an opening (`tras_apertura`), in the forms the language declines them to.
std::string& Añadir_nombre(std::string& s, Kin kin, const Palabras& p,
                           std::string_view antes_del_color = " ", bool tras_apertura = false) {
    const Tono t = kin.tono();
    const Sello c = kin.sello();
    std::string_view sello = Nombre_sello(c, p);
    std::string_view tono = Nombre_tono(t, c, p);
    std::string_view color = Palabra_color(c, p);
    if (tras_apertura && p.tras_apertura != nullptr) {
        const Formas_nombre& f = *p.tras_apertura;
        const Genero g = Genero_sello(c, p);
        const Palabras_color pc = f.colores[static_cast<std::size_t>(Color_sello(c))];
        sello = En(f.sellos, c.valor);
        tono = En_genero(g, En(f.tonos_m, t.valor), En(f.tonos_f, t.valor), En(f.tonos_n, t.valor));
        color = En_genero(g, pc.m, pc.f, pc.n);
    }
    switch (p.orden) {
        case Orden_nombre::sello_tono_color:
            return s << sello << " " << tono << antes_del_color << color;
        case Orden_nombre::color_tono_sello:
            return s << color << antes_del_color << tono << " " << sello;
    }
    return s;
}

// A seal's name after an opening: Russian "Волна Дракона".
std::string_view Sello_tras_apertura(Sello s, const Palabras& p) {
    return p.tras_apertura != nullptr ? En(p.tras_apertura->sellos, s.valor) : Nombre_sello(s, p);
}

// " <Cimi Uuk> ": the Maya day and numeral after a line break.
std::string& Añadir_maya(std::string& s, Kin kin) {
    return s << salto << " <" << Dia_maya(kin.sello()) << " " << Numero_maya(kin.tono()) << "> ";
}

}  // namespace

std::string Linea_nombre(Kin kin, const Palabras& p) {
    std::string l;
    l.reserve(80);
    l << "* " << p.kin << " " << std::int64_t{kin.valor} << p.tras_kin;
    Añadir_nombre(l, kin, p, p.antes_del_color);
    return Añadir_maya(l, kin);
}

std::string Nombre_kin(Kin kin, const Palabras& p) {
    std::string s;
    return Añadir_nombre(s, kin, p);
}

std::string& Añadir_fecha(std::string& s, std::string_view forma, int dia, int mes,
                          std::int64_t año, const Palabras& p) {
    for (std::size_t i = 0; i < forma.size(); ++i) {
        if (forma[i] != '%' || i + 1 == forma.size()) {
            s += forma[i];
            continue;
        }
        switch (forma[++i]) {
            case 'd':
                s << std::int64_t{dia};
                break;
            case 'm':
                s << std::int64_t{mes};
                break;
            case 'M': {
                const std::string_view declinado = En(p.meses_en_fecha, mes);
                s << (declinado.empty() ? En(p.meses, mes) : declinado);
                break;
            }
            case 'a':
                s << año;
                break;
            default:
                s += forma[i];
        }
    }
    return s;
}

std::string Nombre_kin_tras_apertura(Kin kin, const Palabras& p) {
    std::string s;
    return Añadir_nombre(s, kin, p, " ", true);
}

std::string Linea_fecha(int dia, int mes, std::int64_t año, const Palabras& p) {
    std::string s(p.fecha);
    return Añadir_fecha(s, p.forma_fecha, dia, mes, año, p);
}

std::string Lineas_onda(Sello sello_onda, const Palabras& p) {
    std::string t(Antes_de(p.onda, sello_onda, p));
    t << Sello_tras_apertura(sello_onda, p) << salto << Castillo(sello_onda, p);
    return t;
}

std::string Lineas_portador(Kin portador, const Palabras& p) {
    std::string l(Antes_de(p.portador, portador.sello(), p));
    Añadir_nombre(l, portador, p, " ", true) << " " << p.kin << " " << std::int64_t{portador.valor};
    return Añadir_maya(l, portador);
}

std::string Texto_meditacion(Kin kin, const Palabras& p) {
    const int tono = kin.tono().valor;
    const int sello = kin.sello().valor;
    const Sello guia = Calculo_oraculo(kin.sello(), kin.tono()).guia;
    const int cuarteto = (kin.valor + 3) / 4;
    const int fila = (cuarteto - 1) % 20 + 1;
    std::string s;
    s.reserve(320);
    s << En(p.verbo_tono, tono) << Antes_de(p.con_el_fin_de, kin.sello(), p)
      << En(p.fin_sello, sello) << salto;
    s << En(p.gerundio_tono, tono) << " " << En(p.objeto_sello, sello) << salto;
    s << p.sello_etapa << En(p.etapa_cuarteto, fila) << " " << En(p.poder_sello, sello) << salto;
    const std::string_view tono_declinado = En(p.tonos_afirmacion, tono);
    s << p.con_el_tono << (tono_declinado.empty() ? En(p.tonos_m, tono) : tono_declinado)
      << p.tras_el_tono << En(p.complemento_tono, tono)
      << salto;
    if (tono == 1 || tono == 6 || tono == 11) {
        s << p.guia_propia << salto;
    } else {
        s << p.guia_poder << En(p.poder_sello, guia.valor) << salto;
    }
    if (Es_polar(kin)) {
        s << p.kin_polar << En(p.verbo_polar, tono)
          << En(p.espectro_polar, static_cast<int>(Color_sello(kin.sello()))) << salto;
    }
    if (Es_portal(kin)) s << p.linea_portal;
    return s;
}

std::string_view Nombre_dia_especial(Dia_especial d, const Palabras& p) {
    switch (d) {
        case Dia_especial::fuera_del_tiempo:
            return p.nombre_fuera_del_tiempo;
        case Dia_especial::hunab_ku:
            return p.nombre_hunab_ku;
        case Dia_especial::ninguno:
            break;
    }
    return {};
}

std::string_view Nombre_trece_lunas(const Fecha_trece_lunas& f, const Palabras& p) {
    if (f.especial != Dia_especial::ninguno) return Nombre_dia_especial(f.especial, p);
    return En(p.lunas, f.luna);
}

std::string_view Plasma_trece_lunas(const Fecha_trece_lunas& f, const Palabras& p) {
    return f.especial == Dia_especial::ninguno ? En(p.plasmas, f.plasma) : std::string_view{};
}

std::string Linea_trece_lunas(const Fecha_trece_lunas& f, const Palabras& p) {
    std::string s;
    s.reserve(96);
    s << p.trece_lunas;
    if (f.especial != Dia_especial::ninguno) return s << Nombre_trece_lunas(f, p);
    s << Plasma_trece_lunas(f, p) << " " << std::int64_t{f.dia} << ", " << Nombre_trece_lunas(f, p)
      << " (";
    Añadir_ns(s, f);
    return s << ")";
}

Lectura_dia Describir_dia(const Fecha& f, const Palabras& p) {
    const Cuenta_kin c = Calculo_kin(f.dia, f.mes, f.año);
    Lectura_dia l{};
    l.palabras = &p;
    l.entrada = f;
    l.kin = c.kin;
    l.sello_onda = Sello_onda(c.sello, c.tono);
    l.oraculo = Calculo_oraculo(c.sello, c.tono);
    l.portador = Kin_portador(Año_portador(f.dia, f.mes, f.año));
    l.nombre = Linea_nombre(c.kin, p);
    l.fecha = Linea_fecha(f.dia, f.mes, f.año, p);
    l.onda_encantada = Lineas_onda(l.sello_onda, p);
    l.a_maya = Lineas_portador(l.portador, p);
    l.inter = Texto_meditacion(c.kin, p);
    l.color = Color_etiqueta(c.sello);
    l.dia_fuera_del_tiempo = Dia_fuera_del_tiempo(f.dia, f.mes);
    l.trece_lunas = Calculo_trece_lunas(f.dia, f.mes, f.año);
    l.linea_trece_lunas = Linea_trece_lunas(l.trece_lunas, p);
    Añadir_nombre(l.nombre_kin, c.kin, p);
    l.palabra_color = Palabras_de(Color_sello(c.sello), p).m;
    if (Es_portal(c.kin)) l.portal = p.categoria_portal;
    l.familia_terrestre = En(p.familias, static_cast<int>(Familia_de(c.sello)));
    l.nombre_sello << p.glifo_sello << Nombre_sello(c.sello, p);
    l.nombre_tono << p.glifo_tono << std::int64_t{c.tono.valor} << ", "
                  << En(p.tonos_m, c.tono.valor);
    l.nombre_centro << p.centro_oraculo << ", " << Nombre_sello(c.sello, p);
    const std::array<Sello, 4> socios = l.oraculo.socios();
    for (std::size_t i = 0; i < socios.size(); ++i) {
        l.nombres_oraculo[i] << p.lugares_oraculo[i] << ", " << Nombre_sello(socios[i], p);
    }
    l.anuncio << p.kin << " " << std::int64_t{c.kin.valor} << ", " << l.nombre_kin;
    if (l.dia_fuera_del_tiempo) l.anuncio << ". " << p.fuera_del_tiempo;
    return l;
}

std::string Para_oir(std::string_view caption) {
    std::string oido;
    bool espacio = false;      // a space is owed before the next word
    bool inicio_linea = true;  // nothing but spaces yet on this line
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const char c = caption[i];
        // A colon that ends a label is a pause, heard as a comma: a screen
        // reader would otherwise say the colon itself ("dos puntos").
        if (c == ':' && (i + 1 == caption.size() || caption[i + 1] == ' ' ||
                         caption[i + 1] == '\r' || caption[i + 1] == '\n')) {
            // French sets its colon off with a no-break space: no blank
            // before the comma.
            if (oido.ends_with("\u00a0")) oido.resize(oido.size() - 2);
            if (!inicio_linea) oido += ',';
            continue;
        }
        if (c == '\r' || c == '\n') {
            if (!inicio_linea && oido.back() != ',') oido += ',';
            espacio = !oido.empty();
            inicio_linea = true;
            continue;
        }
        if (c == ' ' || c == '<' || c == '>' || (c == '*' && inicio_linea)) {
            espacio = !oido.empty();
            continue;
        }
        if (espacio && oido.back() != ' ') oido += ' ';
        espacio = false;
        inicio_linea = false;
        oido += c;
    }
    if (!oido.empty() && oido.back() == ',') oido.pop_back();
    return oido;
}

std::string Texto_dia(const Lectura_dia& l) {
    const Palabras& p = *l.palabras;
    std::string s;
    s.reserve(640);
    const auto linea = [&s](std::string_view texto) {
        // Captions break their lines with CR LF; the text uses LF alone.
        for (std::size_t i = 0; i < texto.size(); ++i) {
            if (texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') continue;
            s += texto[i];
        }
        if (s.empty() || s.back() != '\n') s += '\n';
    };
    linea(l.fecha);
    linea(l.linea_trece_lunas);
    linea(l.nombre);
    linea(l.a_maya);
    linea(l.onda_encantada);
    const std::array<Sello, 4> socios = l.oraculo.socios();
    for (std::size_t i = 0; i < socios.size(); ++i) {
        s << p.rotulos_oraculo[i] << p.tras_rotulo << Nombre_sello(socios[i], p) << "\n";
    }
    linea(l.inter);
    if (l.dia_fuera_del_tiempo) linea(p.fuera_del_tiempo);
    return s;
}

std::string Frase_dia(const Lectura_dia& l) {
    std::string s;
    s.reserve(640);
    const auto parte = [&s](std::string_view caption) {
        if (!s.empty()) s << "; ";
        s << Para_oir(caption);
    };
    parte(l.nombre);
    parte(l.fecha);
    parte(l.linea_trece_lunas);
    parte(l.onda_encantada);
    for (const std::string& socio : l.nombres_oraculo) parte(socio);
    parte(l.a_maya);
    parte(l.inter);
    if (l.dia_fuera_del_tiempo) parte(l.palabras->fuera_del_tiempo);
    return s << ".";
}

std::string Linea_kin(const Lectura_dia& l) {
    std::string s(l.palabras->kin);
    s << " ";
    return s << std::int64_t{l.kin.valor} << " · " << l.nombre_kin;
}

std::string Linea_estado(const Lectura_dia& l) {
    std::string s = Linea_kin(l);
    s << " · ";
    const Fecha_trece_lunas& f = l.trece_lunas;
    if (f.especial != Dia_especial::ninguno) return s << Nombre_dia_especial(f.especial, *l.palabras);
    s << Plasma_trece_lunas(f, *l.palabras) << " " << std::int64_t{f.dia} << " · ";
    return s << Notacion_ns(f);
}

std::string Oido_dia(const Lectura_dia& l) {
    std::string s(l.palabras->kin);
    s << " " << std::int64_t{l.kin.valor} << ": " << l.nombre_kin << salto << l.linea_trece_lunas;
    return Para_oir(s);
}

std::vector<std::string> Lo_especial(const Lectura_dia& l, std::span<const Vuelta> vueltas) {
    const Palabras& p = *l.palabras;
    std::vector<std::string> lineas;
    for (const Vuelta& v : vueltas) {
        std::string s(p.vuelve_kin[0]);
        s << v.nombre << p.vuelve_kin[1] << p.kin << " " << std::int64_t{v.kin.valor};
        lineas.push_back(std::move(s));
    }
    const Fecha_trece_lunas& f = l.trece_lunas;
    if (f.especial == Dia_especial::ninguno && f.dia == 1) {
        std::string s(p.primer_dia);
        lineas.push_back(s << Nombre_trece_lunas(f, p));
    }
    // 29 February repeats 28 February's kin: no wavespell begins on it.
    if (f.especial != Dia_especial::hunab_ku && l.kin.tono().valor == 1) {
        std::string s(p.primer_dia);
        lineas.push_back(s << Describir_onda(l.kin, Primera_real(l.entrada), p).titulo);
    }
    if (!l.portal.empty()) lineas.emplace_back(l.portal);
    return lineas;
}

}  // namespace talmiroc
