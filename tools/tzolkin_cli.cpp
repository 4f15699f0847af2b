#include "tzolkin_cli.h"

#include <array>
#include <charconv>
#include <istream>
#include <optional>
#include <ostream>
#include <streambuf>

#include "formatos.h"
#include "personas_cli.h"

namespace talmiroc::cli {

namespace {

// The calendar's name, and a search's: "Tzolkin · Kin 164".
constexpr std::string_view nombre_calendario = "Tzolkin";

// The last second that iCalendar's four-digit years can stamp: 9999-12-31
// 23:59:59 UTC.
constexpr std::int64_t ultimo_segundo_ics = 253'402'300'799;

using Tres = std::array<std::string, 3>;

// What the arguments ask for.
struct Peticion {
    const Formato* formato = nullptr;  // null: none named, the default
    std::vector<std::string> fecha;    // the loose values: a date, or the search's start
    std::optional<Tres> desde, hasta;
    std::optional<std::int64_t> kin, cuantas;
    bool personas = false;
};

// The dates the command walks over.
enum class Recorrido {
    una_fecha,  // the loose date, or today
    lote,       // one date a line of standard input
    rango,      // --desde .. --hasta
    busqueda,   // the dates of --kin
};

// A usage error: one line naming what was wrong, and where to read more.
int Uso(Entorno& e, std::string_view que) {
    e.errores << "tzolkin: " << que << Textos_de(*e.palabras).ver_ayuda << '\n';
    return salida_uso;
}

// A usage error of a pattern: Uso(e, t.repetida, {"--kin"}).
int Uso(Entorno& e, std::string_view patron, std::initializer_list<std::string_view> valores) {
    return Uso(e, Componer(patron, valores));
}

// Words listed as the language lists them: "texto, json, csv e ics" (in
// Spanish "e" before an "i" sound, "y" otherwise).
std::string Lista(const std::vector<std::string_view>& palabras, const Textos_tzolkin& t) {
    std::string s;
    for (std::size_t i = 0; i < palabras.size(); ++i) {
        const std::string_view p = palabras[i];
        if (i > 0 && i + 1 < palabras.size()) s.append(", ");
        if (i > 0 && i + 1 == palabras.size()) {
            s.append(t.y[p.starts_with('i') || p.starts_with("hi") ? 1 : 0]);
        }
        s.append(p);
    }
    return s;
}

// The names of the formats --formato takes, or the titles of those that
// write real dates only.
std::vector<std::string_view> Nombres_formatos(bool solo_reales = false) {
    std::vector<std::string_view> v;
    for (const Formato& f : Formatos()) {
        if (!solo_reales) v.push_back(f.nombre);
        if (solo_reales && f.fecha_real) v.push_back(f.titulo);
    }
    return v;
}

void Ayuda(Entorno& e) {
    const Textos_tzolkin& t = Textos_de(*e.palabras);
    e.salida << t.uso << t.salida;
    for (const std::string_view nombre : Nombres_formatos()) {
        e.salida << (nombre == Formatos().front().nombre ? "" : "|") << nombre;
    }
    e.salida << t.tras_formatos;
    for (const Palabras* p : idiomas) e.salida << (p == idiomas.front() ? "" : "|") << p->idioma;
    e.salida << t.tras_idiomas << t.uso_hoy;
}

// Reports a refused date as a single date does: in the output when the
// format writes refusals, or the window's message on standard error.
int Rechazar(Entorno& e, const Rechazo& r, const Formato& formato) {
    if (formato.rechazo) {
        std::string s;
        formato.rechazo(s, r);
        e.salida << s;
    } else {
        e.errores << e.palabras->titulo_fecha << ": " << r.mensaje << '\n';
    }
    return salida_rechazada;
}

// Why a format cannot write an accepted date, "" when it can: a date that is
// not real in CSV and iCalendar, a year past 9999 in iCalendar.
// No_cabe({31, 4, 2003}, csv, tzolkin_es) == "31-4-2003 no es una fecha del calendario; ...".
std::string No_cabe(const Fecha& f, const Formato& formato, const Textos_tzolkin& t) {
    if (formato.fecha_real && !Es_real(f)) {
        const std::string fecha = Numero(f.dia) + "-" + Numero(f.mes) + "-" + Numero(f.año);
        return Componer(t.no_es_real, {fecha, Lista(Nombres_formatos(true), t)});
    }
    if (f.año > formato.año_maximo) {
        return Componer(t.años_hasta, {formato.titulo, Numero(formato.año_maximo)});
    }
    return {};
}

// Writes the days one after another in one format, as they come. The
// opening waits for the first day: a format whose opening cannot stand
// alone writes nothing at all when no day comes.
class Escritor {
public:
    Escritor(const Formato& formato, const Entorno& e, std::string_view nombre = nombre_calendario)
        : formato_(formato), palabras_(*e.palabras), salida_(e.salida), ahora_(e.ahora) {
        if (formato_.inicio) formato_.inicio(texto_, nombre);
    }
    // Whether the output still takes more.
    bool Dia(const Fecha& f) {
        formato_.dia(texto_, Describir_dia(f, palabras_), dias_++, ahora_);
        return Volcar();
    }
    // A refused date, in a format that writes refusals.
    bool Rechazada(const Rechazo& r) {
        formato_.rechazo(texto_, r);
        return Volcar();
    }
    std::int64_t Dias() const { return dias_; }
    bool Fin() {
        if (dias_ > 0 && formato_.fin) formato_.fin(texto_);
        if (dias_ == 0 && !formato_.inicio_solo) texto_.clear();
        Volcar();
        salida_.flush();
        return salida_.good();
    }

private:
    bool Volcar() {
        salida_.write(texto_.data(), static_cast<std::streamsize>(texto_.size()));
        texto_.clear();
        return salida_.good();
    }
    const Formato& formato_;
    const Palabras& palabras_;
    std::ostream& salida_;
    std::int64_t ahora_;
    std::string texto_;
    std::int64_t dias_ = 0;
};

// Reads the values of an option that takes `n` of them from argumentos[i+1..].
// Returns false when one is missing or reads as an option.
bool Valores(const std::vector<std::string>& a, std::size_t& i, std::size_t n, std::string* v) {
    for (std::size_t k = 0; k < n; ++k) {
        if (i + 1 >= a.size() || Parece_opcion(a[i + 1])) return false;
        v[k] = a[++i];
    }
    return true;
}

// The date of three typed values, or the refusal that Rechazar reports.
Veredicto Leer(const Tres& t, const Entorno& e) {
    return Comprobar_fecha(t[0], t[1], t[2], *e.palabras);
}

// The codes --idioma takes, as Lista lists them.
std::vector<std::string_view> Codigos_idiomas() {
    std::vector<std::string_view> v;
    for (const Palabras* p : idiomas) v.push_back(p->idioma);
    return v;
}

// Reads the arguments into `p`. Returns the exit status when they settle the
// command by themselves (--help, a usage error), nothing otherwise.
std::optional<int> Leer_opciones(const std::vector<std::string>& argumentos, Peticion& p,
                                 Entorno& e) {
    // The language first, so that every message is in it, even one about
    // a word before --idioma.
    for (std::size_t i = 0; i + 1 < argumentos.size() && argumentos[i] != "--"; ++i) {
        if (argumentos[i] != "--idioma") continue;
        if (const Palabras* idioma = Palabras_idioma(argumentos[i + 1])) e.palabras = idioma;
    }
    const Textos_tzolkin& t = Textos_de(*e.palabras);
    bool opciones = true;
    const auto elegir = [&p, &e, &t](const Formato* f) -> std::optional<int> {
        if (p.formato && p.formato != f) return Uso(e, t.dos_formatos);
        p.formato = f;
        return std::nullopt;
    };
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if (!opciones || !Parece_opcion(a)) {
            p.fecha.push_back(a);
        } else if (a == "--") {
            opciones = false;
        } else if (a == "--json") {
            if (const auto estado = elegir(Buscar_formato("json"))) return estado;
        } else if (a == "--personas") {
            if (p.personas) return Uso(e, t.repetida, {a});
            p.personas = true;
        } else if (a == "--help" || a == "-h") {
            Ayuda(e);
            return salida_aceptada;
        } else if (a == "--formato") {
            std::string v;
            if (!Valores(argumentos, i, 1, &v)) return Uso(e, t.falta_formato);
            const Formato* f = Buscar_formato(v);
            if (!f) {
                return Uso(e, t.formato_desconocido, {v, Lista(Nombres_formatos(), t)});
            }
            if (const auto estado = elegir(f)) return estado;
        } else if (a == "--idioma") {
            std::string v;
            if (!Valores(argumentos, i, 1, &v)) return Uso(e, t.falta_idioma);
            const Palabras* idioma = Palabras_idioma(v);
            if (!idioma) {
                return Uso(e, t.idioma_desconocido, {v, Lista(Codigos_idiomas(), t)});
            }
            e.palabras = idioma;
        } else if (a == "--desde" || a == "--hasta") {
            std::optional<Tres>& fecha = a == "--desde" ? p.desde : p.hasta;
            if (fecha) return Uso(e, t.repetida, {a});
            fecha.emplace();
            if (!Valores(argumentos, i, 3, fecha->data())) {
                return Uso(e, t.faltan_fecha, {a});
            }
        } else if (a == "--kin" || a == "--cuantas") {
            std::optional<std::int64_t>& n = a == "--kin" ? p.kin : p.cuantas;
            if (n) return Uso(e, t.repetida, {a});
            std::string v;
            if (!Valores(argumentos, i, 1, &v)) return Uso(e, t.falta_numero, {a});
            std::int64_t x = 0;
            if (a == "--kin" && !(Lectura_completa(v, x) && x >= 1 && x <= 260)) {
                return Uso(e, t.kin_fuera, {v});
            }
            if (a == "--cuantas" && !(Lectura_completa(v, x) && x >= 1)) {
                return Uso(e, t.cuantas_no_positivo, {v});
            }
            n = x;
        } else {
            return Uso(e, t.desconocida, {a});
        }
    }
    return std::nullopt;
}

// Whether the options fit together, and which walk they ask for; today's
// date stands in for a missing one. Returns the exit status of a usage
// error, nothing otherwise.
std::optional<int> Comprobar_opciones(Peticion& p, Entorno& e, Recorrido& r) {
    const Textos_tzolkin& t = Textos_de(*e.palabras);
    if (p.personas) {
        if (p.kin || p.desde) return Uso(e, t.personas_sin_kin);
        if (!p.fecha.empty() && p.fecha.size() != 3) {
            return Uso(e, t.tres_tras_personas);
        }
        if ((p.cuantas || p.hasta) && !(p.formato && p.formato->nombre == "ics")) {
            return Uso(e, t.personas_solo_ics);
        }
        if (p.fecha.empty()) {
            p.fecha = {std::to_string(e.dia_hoy), std::to_string(e.mes_hoy),
                       std::to_string(e.año_hoy)};
        }
        return std::nullopt;
    }
    const bool busqueda = p.kin.has_value();
    const bool rango = !busqueda && (p.desde || p.hasta);
    if (busqueda && p.desde) return Uso(e, t.desde_con_kin);
    if (rango && !p.desde) return Uso(e, t.hasta_sin_desde);
    if (rango && !p.hasta) return Uso(e, t.desde_sin_hasta);
    if (rango && !p.fecha.empty()) return Uso(e, t.sobra_fecha);
    if (!busqueda && p.cuantas) return Uso(e, t.cuantas_sin_kin);
    if (busqueda && !p.fecha.empty() && p.fecha.size() != 3) {
        return Uso(e, t.tres_tras_kin);
    }
    r = busqueda ? Recorrido::busqueda : rango ? Recorrido::rango : Recorrido::una_fecha;
    if (r == Recorrido::una_fecha) {
        if (!p.fecha.empty() && p.fecha.size() != 3) {
            return Uso(e, t.tres_valores);
        }
        // No date given: a batch when standard input is a pipe or a file.
        if (p.fecha.empty() && !e.entrada_sin_lote) r = Recorrido::lote;
    }
    if (p.fecha.empty()) {
        p.fecha = {std::to_string(e.dia_hoy), std::to_string(e.mes_hoy), std::to_string(e.año_hoy)};
    }
    return std::nullopt;
}

// SOURCE_DATE_EPOCH, as the reproducible-builds convention reads it: whole
// seconds since 1970, digits only, up to the last second iCalendar can
// stamp. Sets e.ahora, or returns the status of a bad value.
std::optional<int> Leer_sello_fijo(Entorno& e) {
    const std::string_view v = e.source_date_epoch;
    const auto malo = [&e, v](std::string_view por_que) {
        // One line whatever the value holds: its control bytes as C escapes.
        std::string visible;
        for (const char c : v) {
            const auto b = static_cast<unsigned char>(c);
            if (c == '\n') {
                visible += "\\n";
            } else if (c == '\t') {
                visible += "\\t";
            } else if (c == '\r') {
                visible += "\\r";
            } else if (b < 0x20 || b == 0x7f) {
                static constexpr char cifras[] = "0123456789abcdef";
                visible.append("\\x").push_back(cifras[b >> 4]);
                visible.push_back(cifras[b & 15]);
            } else {
                visible.push_back(c);
            }
        }
        e.errores << "tzolkin: SOURCE_DATE_EPOCH=\"" << visible << "\" " << por_que << '\n';
        return salida_uso;
    };
    if (v.empty() || v.find_first_not_of("0123456789") != std::string_view::npos) {
        return malo(Textos_de(*e.palabras).sello_no_numero);
    }
    std::int64_t s = 0;
    const auto [fin, error] = std::from_chars(v.data(), v.data() + v.size(), s);
    if (error != std::errc{} || s > ultimo_segundo_ics) {
        return malo(Textos_de(*e.palabras).sello_pasado);
    }
    e.ahora = s;
    return std::nullopt;
}

// The longest batch line kept: far more than any date can take. A longer
// line is refused as that line's error, and reading it keeps no more than
// this in memory, however long it runs.
constexpr std::size_t linea_maxima = 4096;

// Reads one line (without its '\n') into `linea`, its first linea_maxima
// bytes when `larga`. False at the end of the input.
bool Leer_linea(std::istream& entrada, std::string& linea, bool& larga) {
    linea.clear();
    larga = false;
    std::streambuf& b = *entrada.rdbuf();
    for (;;) {
        const auto c = b.sbumpc();
        if (std::char_traits<char>::eq_int_type(c, std::char_traits<char>::eof())) {
            entrada.setstate(std::ios::eofbit);
            return !linea.empty() || larga;
        }
        if (c == '\n') return true;
        if (linea.size() < linea_maxima) {
            linea.push_back(std::char_traits<char>::to_char_type(c));
        } else {
            larga = true;
        }
    }
}

// One date a line; a refused line is reported as a single date's refusal
// is, in the output or on standard error with its line number.
int Lote(const Formato& formato, Entorno& e) {
    const Textos_tzolkin& t = Textos_de(*e.palabras);
    Escritor w(formato, e);
    bool todas = true;
    std::string linea;
    bool larga = false;
    bool sigue = true;
    for (std::int64_t n = 1; sigue && Leer_linea(e.entrada, linea, larga); ++n) {
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        std::string d, m, a;
        const Veredicto v = !larga && Campos_linea(linea, d, m, a)
                                ? Comprobar_fecha(d, m, a, *e.palabras)
                                : Veredicto{Rechazo{e.palabras->mensaje_fecha, Icono::informacion}};
        const auto* r = std::get_if<Rechazo>(&v);
        const std::string no_cabe = r ? std::string() : No_cabe(std::get<Fecha>(v), formato, t);
        todas = todas && !r && no_cabe.empty();
        if (r && formato.rechazo) {
            sigue = w.Rechazada(*r);
        } else if (r || !no_cabe.empty()) {
            e.errores << "tzolkin: " << Componer(t.linea, {Numero(n)}) << (r ? r->mensaje : no_cabe)
                      << '\n';
        } else {
            sigue = w.Dia(std::get<Fecha>(v));
        }
    }
    const bool escrita = w.Fin();
    if (w.Dias() == 0 && formato.inicio && !formato.inicio_solo) {
        e.errores << "tzolkin: " << t.ninguna_valida << '\n';
        return salida_rechazada;
    }
    return escrita && todas ? salida_aceptada : salida_rechazada;
}

int Una_fecha(const Peticion& p, const Formato& formato, Entorno& e) {
    const Veredicto v = Leer({p.fecha[0], p.fecha[1], p.fecha[2]}, e);
    if (const auto* r = std::get_if<Rechazo>(&v)) return Rechazar(e, *r, formato);
    const Fecha f = std::get<Fecha>(v);
    if (const std::string no_cabe = No_cabe(f, formato, Textos_de(*e.palabras)); !no_cabe.empty()) {
        e.errores << "tzolkin: " << no_cabe << '\n';
        return salida_rechazada;
    }
    Escritor w(formato, e);
    w.Dia(f);
    return w.Fin() ? salida_aceptada : salida_rechazada;
}

// The days of a range or the dates of a kin, from the window's checks of
// the dates given through to the last day written.
int Recorrer(const Peticion& p, bool busqueda, const Formato& formato, Entorno& e) {
    const Textos_tzolkin& t = Textos_de(*e.palabras);
    const Veredicto inicio =
        Leer(busqueda ? Tres{p.fecha[0], p.fecha[1], p.fecha[2]} : *p.desde, e);
    if (const auto* r = std::get_if<Rechazo>(&inicio)) return Rechazar(e, *r, formato);
    std::optional<Fecha> fin;
    if (p.hasta) {
        const Veredicto v = Leer(*p.hasta, e);
        if (const auto* r = std::get_if<Rechazo>(&v)) return Rechazar(e, *r, formato);
        fin = std::get<Fecha>(v);
        if (*fin < std::get<Fecha>(inicio)) {
            return Uso(e, busqueda ? t.hasta_antes_de_partida : t.hasta_antes_de_desde);
        }
        fin = Ultima_real(*fin);
    }
    const Fecha primera = Primera_real(std::get<Fecha>(inicio));
    const std::int64_t cuantas = p.cuantas.value_or(p.hasta ? -1 : 5);  // -1: no limit

    // Calls `dia` with each date of the walk until it returns false.
    const auto recorrer = [&](auto&& dia) {
        if (!busqueda) {
            for (Fecha f = primera; f <= *fin; f = Siguiente(f)) {
                if (!dia(f)) return;
            }
            return;
        }
        Busqueda_kin b(Kin(static_cast<int>(*p.kin)), primera);
        for (std::int64_t n = 0; n != cuantas; ++n) {
            const Fecha f = b.Siguiente();
            if (f.año > año_maximo || (fin && *fin < f) || !dia(f)) return;
        }
    };
    if (formato.año_maximo < año_maximo) {
        // A date past the format's last year is refused before anything is
        // written, so that a file is never left half-made. The walk is cheap
        // without descriptions, and it stops at the first such date.
        bool cabe = busqueda || fin->año <= formato.año_maximo || *fin < primera;
        if (busqueda) {
            recorrer(
                [&cabe, &formato](const Fecha& f) { return cabe = f.año <= formato.año_maximo; });
        }
        if (!cabe) {
            e.errores << "tzolkin: "
                      << Componer(t.años_hasta, {formato.titulo, Numero(formato.año_maximo)})
                      << (busqueda ? t.acotar_busqueda : "") << '\n';
            return salida_rechazada;
        }
    }
    std::string nombre(nombre_calendario);
    if (busqueda) nombre.append(" · Kin ").append(std::to_string(*p.kin));
    Escritor w(formato, e, nombre);
    recorrer([&w](const Fecha& f) { return w.Dia(f); });
    const bool escrita = w.Fin();
    if (w.Dias() == 0) {
        e.errores << "tzolkin: " << t.ninguna_coincide << '\n';
        return salida_rechazada;
    }
    return escrita ? salida_aceptada : salida_rechazada;
}

// --personas: the book from the date given or today, up to --hasta.
int Personas(const Peticion& p, const Formato& formato, Entorno& e) {
    const Veredicto desde = Leer({p.fecha[0], p.fecha[1], p.fecha[2]}, e);
    if (const auto* r = std::get_if<Rechazo>(&desde)) return Rechazar(e, *r, formato);
    Peticion_personas pedido{Primera_real(std::get<Fecha>(desde)), p.cuantas.value_or(10), {}};
    if (p.hasta) {
        const Veredicto v = Leer(*p.hasta, e);
        if (const auto* r = std::get_if<Rechazo>(&v)) return Rechazar(e, *r, formato);
        if (std::get<Fecha>(v) < pedido.desde) {
            return Uso(e, Textos_de(*e.palabras).hasta_antes_de_partida);
        }
        pedido.hasta = Ultima_real(std::get<Fecha>(v));
    }
    return Listar_personas(pedido, formato, e);
}

}  // namespace

bool Campos_linea(std::string_view linea, std::string& dia, std::string& mes, std::string& año) {
    std::string* campos[] = {&dia, &mes, &año};
    for (auto* c : campos) c->clear();
    std::size_t n = 0;
    std::size_t i = 0;
    const auto separador = [](char c) { return c == ' ' || c == '\t' || c == '/'; };
    while (i < linea.size()) {
        while (i < linea.size() && separador(linea[i])) ++i;
        if (i == linea.size()) break;
        if (n == 3) return false;
        const std::size_t inicio = i;
        while (i < linea.size() && !separador(linea[i])) ++i;
        campos[n++]->assign(linea.substr(inicio, i - inicio));
    }
    return true;
}

int Ejecutar(const std::vector<std::string>& argumentos, Entorno& e) {
    Peticion p;
    if (const auto estado = Leer_opciones(argumentos, p, e)) return *estado;
    // tzolkin writes the spellings its callers have always read.
    e.palabras = &Palabras_dia(*e.palabras);
    Recorrido r{};
    if (const auto estado = Comprobar_opciones(p, e, r)) return *estado;
    const Formato& formato = p.formato ? *p.formato : Formatos().front();
    if (formato.sellado && e.source_date_epoch) {
        if (const auto estado = Leer_sello_fijo(e)) return *estado;
    }
    if (p.personas) return Personas(p, formato, e);
    switch (r) {
        case Recorrido::una_fecha:
            return Una_fecha(p, formato, e);
        case Recorrido::lote:
            return Lote(formato, e);
        case Recorrido::rango:
        case Recorrido::busqueda:
            break;
    }
    return Recorrer(p, r == Recorrido::busqueda, formato, e);
}

}  // namespace talmiroc::cli
