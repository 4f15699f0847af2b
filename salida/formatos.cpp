#include "formatos.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <type_traits>
#include <variant>

namespace talmiroc::cli {

namespace {

// n with at least `ancho` digits, zeros in front: (7, 2) -> "07".
void Añadir_cifras(std::string& s, std::int64_t n, int ancho) {
    for (std::int64_t tope = 10; ancho > 1; --ancho, tope *= 10) {
        if (n < tope) s.push_back('0');
    }
    Añadir_numero(s, n);
}

// "key": in the JSON object being written; `primera` opens it.
std::string& Clave(std::string& s, std::string_view clave, bool primera = false) {
    s.push_back(primera ? '{' : ',');
    s.push_back('"');
    s.append(clave).append("\":");
    return s;
}

// The bytes a TEXT value escapes: '\' ';' ',' CR and LF.
constexpr std::array<bool, 256> especial_ics = [] {
    std::array<bool, 256> t{};
    for (const unsigned char c : std::string_view("\\;,\r\n")) t[c] = true;
    return t;
}();

// ---------------------------------------------------------------------------
// A day's fields

// Which outputs carry a field.
enum class Salidas { json_y_csv, solo_json, solo_csv };

// A field's value: absent (JSON null, an empty CSV field), a text, a whole
// number, true or false, or a date (2003-04-09).
using Valor =
    std::variant<std::monostate, std::string_view, std::string, std::int64_t, bool, Fecha>;

struct Campo {
    // The CSV column; the JSON key, where a dot nests it: "oraculo.guia" is
    // "guia" in the object "oraculo". One dot at most.
    std::string_view nombre;
    Salidas salidas;
    Valor (*leer)(const Lectura_dia& l);
};

// The moon's numbers and names are absent on the two special days.
bool Con_luna(const Lectura_dia& l) {
    return l.trece_lunas.especial == Dia_especial::ninguno;
}

// Every field of a day, in the order of the CSV columns; JSON writes its
// keys in alphabetical order.
constexpr auto campos_dia = std::to_array<Campo>({
    {"fecha_iso", Salidas::solo_csv, [](const Lectura_dia& l) -> Valor { return l.entrada; }},
    {"kin", Salidas::json_y_csv,  // 1..260
     [](const Lectura_dia& l) -> Valor { return std::int64_t{l.kin.valor}; }},
    {"sello", Salidas::json_y_csv,  // 1..20
     [](const Lectura_dia& l) -> Valor { return std::int64_t{l.kin.sello().valor}; }},
    {"tono", Salidas::json_y_csv,  // 1..13
     [](const Lectura_dia& l) -> Valor { return std::int64_t{l.kin.tono().valor}; }},
    {"nombre_kin", Salidas::json_y_csv,  // Enlazador de Mundos Resonante Blanco
     [](const Lectura_dia& l) -> Valor { return std::string_view(l.nombre_kin); }},
    // The captions, line breaks (CR LF) kept.
    {"nombre", Salidas::json_y_csv,
     [](const Lectura_dia& l) -> Valor { return std::string_view(l.nombre); }},
    {"fecha", Salidas::json_y_csv,
     [](const Lectura_dia& l) -> Valor { return std::string_view(l.fecha); }},
    {"onda_encantada", Salidas::json_y_csv,
     [](const Lectura_dia& l) -> Valor { return std::string_view(l.onda_encantada); }},
    {"a_maya", Salidas::json_y_csv,
     [](const Lectura_dia& l) -> Valor { return std::string_view(l.a_maya); }},
    {"inter", Salidas::json_y_csv,
     [](const Lectura_dia& l) -> Valor { return std::string_view(l.inter); }},
    {"dia_fuera_del_tiempo", Salidas::json_y_csv,
     [](const Lectura_dia& l) -> Valor { return l.dia_fuera_del_tiempo; }},
    // The oracle's seals 1..20.
    {"oraculo.guia", Salidas::json_y_csv,
     [](const Lectura_dia& l) -> Valor { return std::int64_t{l.oraculo.guia.valor}; }},
    {"oraculo.antipoda", Salidas::json_y_csv,
     [](const Lectura_dia& l) -> Valor { return std::int64_t{l.oraculo.antipoda.valor}; }},
    {"oraculo.analogo", Salidas::json_y_csv,
     [](const Lectura_dia& l) -> Valor { return std::int64_t{l.oraculo.analogo.valor}; }},
    {"oraculo.oculto", Salidas::json_y_csv,
     [](const Lectura_dia& l) -> Valor { return std::int64_t{l.oraculo.oculto.valor}; }},
    {"portador", Salidas::json_y_csv,  // the year bearer's kin
     [](const Lectura_dia& l) -> Valor { return std::int64_t{l.portador.valor}; }},
    {"linea_trece_lunas", Salidas::json_y_csv,  // 13 Lunas: Limi 6, Luna Planetaria del Perro (...)
     [](const Lectura_dia& l) -> Valor { return std::string_view(l.linea_trece_lunas); }},
    {"trece_lunas.ns", Salidas::json_y_csv,
     [](const Lectura_dia& l) -> Valor {
         return Con_luna(l) ? Valor(Notacion_ns(l.trece_lunas)) : Valor();
     }},
    {"trece_lunas.luna", Salidas::json_y_csv,
     [](const Lectura_dia& l) -> Valor {
         return Con_luna(l) ? Valor(std::int64_t{l.trece_lunas.luna}) : Valor();
     }},
    {"trece_lunas.nombre",
     Salidas::json_y_csv,  // the special day's name on 25 July and 29 February
     [](const Lectura_dia& l) -> Valor { return Nombre_trece_lunas(l.trece_lunas, *l.palabras); }},
    {"trece_lunas.dia", Salidas::json_y_csv,
     [](const Lectura_dia& l)
         -> Valor { return Con_luna(l) ? Valor(std::int64_t{l.trece_lunas.dia}) : Valor(); }},
    {"trece_lunas.heptada", Salidas::json_y_csv,
     [](const Lectura_dia& l)
         -> Valor { return Con_luna(l) ? Valor(std::int64_t{l.trece_lunas.heptada}) : Valor(); }},
    {"trece_lunas.plasma", Salidas::json_y_csv,
     [](const Lectura_dia& l)
         -> Valor { return Con_luna(l) ? Valor(Plasma_trece_lunas(l.trece_lunas, *l.palabras)) : Valor(); }},
    // Last, so that every earlier column keeps its place.
    {"familia_terrestre", Salidas::json_y_csv,  // Señal
     [](const Lectura_dia& l) -> Valor { return l.familia_terrestre; }},
});

// The JSON fields in key order. A dot sorts before every letter, digit and
// '_', so sorting the dotted names sorts each object's keys and keeps a
// nested object's fields together.
constexpr auto orden_json = [] {
    struct {
        std::array<std::size_t, campos_dia.size()> campo{};
        std::size_t n = 0;
    } orden;
    for (std::size_t i = 0; i < campos_dia.size(); ++i) {
        if (campos_dia[i].salidas != Salidas::solo_csv) orden.campo[orden.n++] = i;
    }
    std::sort(
        orden.campo.begin(), orden.campo.begin() + static_cast<std::ptrdiff_t>(orden.n),
        [](std::size_t a, std::size_t b) { return campos_dia[a].nombre < campos_dia[b].nombre; });
    return orden;
}();

static_assert(std::all_of(campos_dia.begin(), campos_dia.end(),
                          [](const Campo& c) {
                              const auto punto = c.nombre.find('.');
                              return c.nombre.find_first_not_of("abcdefghijklmnopqrstuvwxyz_.") ==
                                         std::string_view::npos &&
                                     (punto == std::string_view::npos ||
                                      c.nombre.find('.', punto + 1) == std::string_view::npos);
                          }),
              "field names are lower-case ASCII and '_', with one dot at most");

}  // namespace

// ---------------------------------------------------------------------------
// JSON

void Añadir_json(std::string& s, std::string_view texto) {
    constexpr char hex[] = "0123456789abcdef";
    const auto escapa = [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\';
    };
    s.push_back('"');
    while (!texto.empty()) {
        // The run that goes as it is, then one escaped character.
        std::size_t n = 0;
        while (n < texto.size() && !escapa(texto[n])) ++n;
        s.append(texto.substr(0, n));
        if (n == texto.size()) break;
        const char c = texto[n];
        texto.remove_prefix(n + 1);
        // '"' and '\' after a backslash; \b \f \n \r \t; the rest as \u00XX.
        constexpr std::string_view cortos = "\"\\\b\f\n\r\t", letras = "\"\\bfnrt";
        if (const std::size_t k = cortos.find(c); k != std::string_view::npos) {
            s.append({'\\', letras[k]});
        } else {
            const auto u = static_cast<unsigned char>(c);
            s.append("\\u00").append({hex[u >> 4], hex[u & 0xf]});
        }
    }
    s.push_back('"');
}

std::size_t Claves_json_dia() {
    std::size_t n = 0;
    std::string_view anterior;  // the last top-level key counted
    for (std::size_t k = 0; k < orden_json.n; ++k) {
        const std::string_view nombre = campos_dia[orden_json.campo[k]].nombre;
        const std::string_view clave = nombre.substr(0, nombre.find('.'));
        if (clave != anterior) ++n;
        anterior = clave;
    }
    return n;
}

void Añadir_json(std::string& s, const Lectura_dia& l) {
    std::string_view objeto;  // the nested object open, "" for none
    bool abre = true;         // the next key opens an object
    for (std::size_t k = 0; k < orden_json.n; ++k) {
        const Campo& c = campos_dia[orden_json.campo[k]];
        const std::size_t punto = c.nombre.find('.');
        const std::string_view de =
            punto == std::string_view::npos ? "" : c.nombre.substr(0, punto);
        if (de != objeto) {
            if (!objeto.empty()) s.push_back('}');
            if (!de.empty()) {
                Clave(s, de, abre);
                abre = true;
            }
            objeto = de;
        }
        Clave(s, c.nombre.substr(punto == std::string_view::npos ? 0 : punto + 1), abre);
        abre = false;
        std::visit(
            [&s](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::monostate>) {
                    s.append("null");
                } else if constexpr (std::is_same_v<T, bool>) {
                    s.append(v ? "true" : "false");
                } else if constexpr (std::is_same_v<T, std::int64_t>) {
                    Añadir_numero(s, v);
                } else if constexpr (std::is_same_v<T, Fecha>) {
                    s.push_back('"');
                    Añadir_fecha_iso(s, v);
                    s.push_back('"');
                } else {
                    Añadir_json(s, std::string_view(v));
                }
            },
            c.leer(l));
    }
    if (!objeto.empty()) s.push_back('}');
    s.push_back('}');
}

void Añadir_json(std::string& s, const Rechazo& r) {
    Añadir_json(Clave(s, "error", true), r.mensaje);
    Añadir_json(Clave(s, "icono"), r.icono == Icono::error ? "error" : "informacion");
    s.push_back('}');
}

// ---------------------------------------------------------------------------
// CSV

void Añadir_campo_csv(std::string& s, std::string_view campo) {
    const auto especial = [](char c) { return c == '"' || c == ',' || c == '\r' || c == '\n'; };
    if (std::none_of(campo.begin(), campo.end(), especial)) {
        s.append(campo);
        return;
    }
    s.push_back('"');
    for (std::size_t comilla; (comilla = campo.find('"')) != std::string_view::npos;) {
        s.append(campo.substr(0, comilla + 1)).push_back('"');
        campo.remove_prefix(comilla + 1);
    }
    s.append(campo).push_back('"');
}

void Añadir_cabecera_csv(std::string& s, std::string_view) {
    bool primera = true;
    for (const Campo& c : campos_dia) {
        if (c.salidas == Salidas::solo_json) continue;
        if (!primera) s.push_back(',');
        s.append(c.nombre);
        primera = false;
    }
    s.append("\r\n");
}

void Añadir_fecha_iso(std::string& s, const Fecha& f) {
    Añadir_cifras(s, f.año, 4);
    s.push_back('-');
    Añadir_cifras(s, f.mes, 2);
    s.push_back('-');
    Añadir_cifras(s, f.dia, 2);
}

void Añadir_fila_csv(std::string& s, const Lectura_dia& l) {
    bool primera = true;
    for (const Campo& c : campos_dia) {
        if (c.salidas == Salidas::solo_json) continue;
        if (!primera) s.push_back(',');
        primera = false;
        std::visit(
            [&s](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::monostate>) {
                } else if constexpr (std::is_same_v<T, bool>) {
                    s.append(v ? "true" : "false");
                } else if constexpr (std::is_same_v<T, std::int64_t>) {
                    Añadir_numero(s, v);
                } else if constexpr (std::is_same_v<T, Fecha>) {
                    Añadir_fecha_iso(s, v);
                } else {
                    Añadir_campo_csv(s, std::string_view(v));
                }
            },
            c.leer(l));
    }
    s.append("\r\n");
}

// ---------------------------------------------------------------------------
// iCalendar

void Añadir_texto_ics(std::string& s, std::string_view texto) {
    for (;;) {
        std::size_t i = 0;
        while (i < texto.size() && !especial_ics[static_cast<unsigned char>(texto[i])]) ++i;
        s.append(texto.substr(0, i));
        if (i == texto.size()) break;
        const char c = texto[i];
        texto.remove_prefix(i + 1);
        if (c == '\r' && !texto.empty() && texto.front() == '\n') continue;  // CR LF: one break
        if (c == '\r' || c == '\n') {
            s.append("\\n");
        } else {
            s.push_back('\\');
            s.push_back(c);
        }
    }
}

void Añadir_linea_ics(std::string& s, std::string_view linea) {
    std::size_t cabe = 75;  // octets on this physical line, before CR LF
    while (linea.size() > cabe) {
        std::size_t corte = cabe;
        // Back up to the first byte of a UTF-8 character (not 10xxxxxx).
        while (corte > 1 && (static_cast<unsigned char>(linea[corte]) & 0xC0) == 0x80) --corte;
        s.append(linea.substr(0, corte)).append("\r\n ");
        linea.remove_prefix(corte);
        cabe = 74;  // the leading space takes one
    }
    s.append(linea).append("\r\n");
}

void Añadir_inicio_ics(std::string& s, std::string_view nombre) {
    s.append(
        "BEGIN:VCALENDAR\r\n"
        "VERSION:2.0\r\n"
        "PRODID:-//Talmiroc//tzolkin//ES\r\n"
        "CALSCALE:GREGORIAN\r\n");
    // The name a calendar program shows: RFC 7986's, and the older X-WR one.
    for (const std::string_view propiedad : {"NAME:", "X-WR-CALNAME:"}) {
        std::string linea(propiedad);
        Añadir_texto_ics(linea, nombre);
        Añadir_linea_ics(s, linea);
    }
}

void Añadir_fin_ics(std::string& s) {
    s.append("END:VCALENDAR\r\n");
}

void Añadir_sello_ics(std::string& s, std::int64_t sello_utc) {
    // A run stamps every event alike: the line is made once.
    thread_local std::int64_t sellado = -1;
    thread_local char sello[32];
    if (sellado != sello_utc) {
        const auto t = static_cast<std::time_t>(sello_utc);
        std::tm utc{};
        gmtime_r(&t, &utc);
        std::strftime(sello, sizeof sello, "DTSTAMP:%Y%m%dT%H%M%SZ\r\n", &utc);
        sellado = sello_utc;
    }
    s.append(sello);
}

void Añadir_evento_ics(std::string& s, const Lectura_dia& l, std::int64_t sello_utc) {
    const Fecha& f = l.entrada;
    std::string linea;
    linea.reserve(1024);
    const auto fecha = [&linea, &f] {
        Añadir_cifras(linea, f.año, 4);
        Añadir_cifras(linea, f.mes, 2);
        Añadir_cifras(linea, f.dia, 2);
    };
    s.append("BEGIN:VEVENT\r\n");
    linea = "UID:kin-";
    fecha();
    s.append(linea).append("@talmiroc\r\n");

    Añadir_sello_ics(s, sello_utc);

    linea = "DTSTART;VALUE=DATE:";
    fecha();
    s.append(linea).append("\r\nDURATION:P1D\r\n");

    linea = "SUMMARY:Kin ";
    Añadir_numero(linea, l.kin.valor);
    linea.append(" · ");
    Añadir_texto_ics(linea, l.nombre_kin);
    if (l.trece_lunas.especial != Dia_especial::ninguno) {
        linea.append(" · ");
        Añadir_texto_ics(linea, Nombre_trece_lunas(l.trece_lunas, *l.palabras));
    }
    Añadir_linea_ics(s, linea);

    std::string lectura = Texto_dia(l);
    while (!lectura.empty() && lectura.back() == '\n') lectura.pop_back();
    linea = "DESCRIPTION:";
    Añadir_texto_ics(linea, lectura);
    Añadir_linea_ics(s, linea);

    linea = "CATEGORIES:";
    Añadir_texto_ics(linea, l.palabra_color);
    if (!l.portal.empty()) {
        linea.push_back(',');
        Añadir_texto_ics(linea, l.portal);
    }
    Añadir_linea_ics(s, linea);
    s.append("TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n");
}

void Añadir_evento_ics(std::string& s, const Evento_ics& e, std::int64_t sello_utc) {
    s.append("BEGIN:VEVENT\r\nUID:").append(e.uid).append("@talmiroc\r\n");
    Añadir_sello_ics(s, sello_utc);
    std::string linea = "DTSTART;VALUE=DATE:";
    Añadir_cifras(linea, e.fecha.año, 4);
    Añadir_cifras(linea, e.fecha.mes, 2);
    Añadir_cifras(linea, e.fecha.dia, 2);
    s.append(linea).append("\r\nDURATION:P1D\r\n");
    linea = "SUMMARY:";
    Añadir_texto_ics(linea, e.resumen);
    Añadir_linea_ics(s, linea);
    linea = "DESCRIPTION:";
    Añadir_texto_ics(linea, e.descripcion);
    Añadir_linea_ics(s, linea);
    s.append("TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n");
}

// ---------------------------------------------------------------------------
// The formats

namespace {

void Dia_texto(std::string& s, const Lectura_dia& l, std::int64_t anteriores, std::int64_t) {
    if (anteriores > 0) s.push_back('\n');  // a blank line between days
    s.append(Texto_dia(l));
}

void Dia_json(std::string& s, const Lectura_dia& l, std::int64_t, std::int64_t) {
    Añadir_json(s, l);
    s.push_back('\n');
}

void Rechazo_json(std::string& s, const Rechazo& r) {
    Añadir_json(s, r);
    s.push_back('\n');
}

void Dia_csv(std::string& s, const Lectura_dia& l, std::int64_t, std::int64_t) {
    Añadir_fila_csv(s, l);
}

// One line a day, for a status bar or a prompt (Linea_estado).
void Dia_linea(std::string& s, const Lectura_dia& l, std::int64_t, std::int64_t) {
    s.append(Linea_estado(l)).push_back('\n');
}

void Dia_ics(std::string& s, const Lectura_dia& l, std::int64_t, std::int64_t ahora) {
    Añadir_evento_ics(s, l, ahora);
}

constexpr Formato formatos[] = {
    // nombre, titulo, fecha_real, año_maximo, sellado, inicio, inicio_solo, dia, fin, rechazo
    {"texto", "texto", false, año_maximo, false, nullptr, false, Dia_texto, nullptr, nullptr},
    {"json", "JSON", false, año_maximo, false, nullptr, false, Dia_json, nullptr, Rechazo_json},
    {"csv", "CSV", true, año_maximo, false, Añadir_cabecera_csv, true, Dia_csv, nullptr, nullptr},
    {"ics", "iCalendar", true, año_maximo_ics, true, Añadir_inicio_ics, false, Dia_ics,
     Añadir_fin_ics, nullptr},
    {"linea", "línea", false, año_maximo, false, nullptr, false, Dia_linea, nullptr, nullptr},
};

}  // namespace

std::span<const Formato> Formatos() {
    return formatos;
}

const Formato* Buscar_formato(std::string_view nombre) {
    for (const Formato& f : formatos) {
        if (f.nombre == nombre) return &f;
    }
    return nullptr;
}

}  // namespace talmiroc::cli
