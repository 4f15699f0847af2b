#include "formatos.h"

#include <algorithm>
#include <ctime>
#include <type_traits>

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

// The moon's numbers are null (JSON) or empty (CSV) on the two special days.
bool Con_luna(const Lectura_dia& l) {
    return l.trece_lunas.especial == Dia_especial::ninguno;
}

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

void Añadir_json(std::string& s, const Lectura_dia& l) {
    const Fecha_trece_lunas& t = l.trece_lunas;
    const bool luna = Con_luna(l);
    const auto texto = [&s](std::string_view clave, std::string_view v, bool primera = false) {
        Añadir_json(Clave(s, clave, primera), v);
    };
    const auto numero = [&s](std::string_view clave, std::int64_t n, bool primera = false) {
        Añadir_numero(Clave(s, clave, primera), n);
    };
    const auto nulo = [&s](std::string_view clave, bool primera = false) {
        Clave(s, clave, primera).append("null");
    };
    texto("a_maya", l.a_maya, true);
    Clave(s, "dia_fuera_del_tiempo").append(l.dia_fuera_del_tiempo ? "true" : "false");
    texto("fecha", l.fecha);
    texto("inter", l.inter);
    numero("kin", l.kin.valor);
    texto("nombre", l.nombre);
    texto("onda_encantada", l.onda_encantada);
    Clave(s, "oraculo");
    numero("analogo", l.oraculo.analogo.valor, true);
    numero("antipoda", l.oraculo.antipoda.valor);
    numero("guia", l.oraculo.guia.valor);
    numero("oculto", l.oraculo.oculto.valor);
    s.push_back('}');
    numero("portador", l.portador.valor);
    numero("sello", l.kin.sello().valor);
    numero("tono", l.kin.tono().valor);
    // The moon's fields are null on the two special days; its name is not.
    const auto de_luna = [&](std::string_view clave, auto valor, bool primera = false) {
        if (!luna) return nulo(clave, primera);
        if constexpr (std::is_integral_v<decltype(valor)>) {
            numero(clave, valor, primera);
        } else {
            texto(clave, valor);
        }
    };
    Clave(s, "trece_lunas");
    de_luna("dia", t.dia, true);
    de_luna("heptada", t.heptada);
    de_luna("luna", t.luna);
    texto("nombre", Nombre_trece_lunas(t));
    de_luna("ns", Notacion_ns(t));
    de_luna("plasma", Plasma_trece_lunas(t));
    s.append("}}");
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

void Añadir_cabecera_csv(std::string& s) {
    for (std::size_t i = 0; i < columnas_csv.size(); ++i) {
        if (i > 0) s.push_back(',');
        s.append(columnas_csv[i]);
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
    const Fecha_trece_lunas& t = l.trece_lunas;
    const bool luna = Con_luna(l);
    const auto texto = [&s](std::string_view v) { Añadir_campo_csv(s.append(","), v); };
    const auto numero = [&s](std::int64_t n) { Añadir_numero(s.append(","), n); };
    const auto de_luna = [&](std::int64_t n) { luna ? numero(n) : void(s.append(",")); };
    Añadir_fecha_iso(s, l.entrada);
    numero(l.kin.valor);
    numero(l.kin.sello().valor);
    numero(l.kin.tono().valor);
    texto(l.nombre_kin);
    texto(l.nombre);
    texto(l.fecha);
    texto(l.onda_encantada);
    texto(l.a_maya);
    texto(l.inter);
    s.append(l.dia_fuera_del_tiempo ? ",true" : ",false");
    numero(l.oraculo.guia.valor);
    numero(l.oraculo.antipoda.valor);
    numero(l.oraculo.analogo.valor);
    numero(l.oraculo.oculto.valor);
    numero(l.portador.valor);
    texto(l.linea_trece_lunas);
    texto(Notacion_ns(t));
    de_luna(t.luna);
    texto(Nombre_trece_lunas(t));
    de_luna(t.dia);
    de_luna(t.heptada);
    texto(Plasma_trece_lunas(t));
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

void Añadir_inicio_ics(std::string& s) {
    s.append(
        "BEGIN:VCALENDAR\r\n"
        "VERSION:2.0\r\n"
        "PRODID:-//Talmiroc//tzolkin//ES\r\n"
        "CALSCALE:GREGORIAN\r\n");
}

void Añadir_fin_ics(std::string& s) {
    s.append("END:VCALENDAR\r\n");
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

    linea = "DTSTART;VALUE=DATE:";
    fecha();
    s.append(linea).append("\r\nDURATION:P1D\r\n");

    linea = "SUMMARY:Kin ";
    Añadir_numero(linea, l.kin.valor);
    linea.append(" · ");
    Añadir_texto_ics(linea, l.nombre_kin);
    Añadir_linea_ics(s, linea);

    std::string lectura = Texto_dia(l);
    while (!lectura.empty() && lectura.back() == '\n') lectura.pop_back();
    linea = "DESCRIPTION:";
    Añadir_texto_ics(linea, lectura);
    Añadir_linea_ics(s, linea);
    s.append("TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n");
}

}  // namespace talmiroc::cli
