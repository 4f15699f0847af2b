#include "tzolkin_cli.h"

#include <array>
#include <istream>
#include <optional>
#include <ostream>

#include "formatos.h"
#include "recorrido.h"

namespace talmiroc::cli {

namespace {

// Printed after the two usage errors of a single date, as it always was:
// uso_fechas then uso_hoy. --help puts uso_recorridos between them.
constexpr std::string_view uso_fechas =
    "Uso: tzolkin [DIA MES AÑO]\n"
    "     tzolkin --json [DIA MES AÑO]\n"
    "     tzolkin --json < fechas      (una fecha por línea: DIA MES AÑO o DIA/MES/AÑO)\n";
constexpr std::string_view uso_hoy = "Sin fecha, calcula el día de hoy.\n";
constexpr std::string_view uso_recorridos =
    "     tzolkin --desde DIA MES AÑO --hasta DIA MES AÑO   (cada fecha entre las dos, incluidas)\n"
    "     tzolkin --kin N [DIA MES AÑO] [--cuantas K | --hasta DIA MES AÑO]\n"
    "                                  (las fechas del kin N desde ese día u hoy; 5 si no se "
    "dice)\n"
    "Salida: --formato texto|json|csv|ics (--json es --formato json).\n";

enum class Formato { texto, json, csv, ics };

using Tres = std::array<std::string, 3>;

// What the arguments ask for.
struct Peticion {
    std::optional<Formato> formato;
    std::vector<std::string> fecha;  // the loose values: a date, or the search's start
    std::optional<Tres> desde, hasta;
    std::optional<std::int64_t> kin, cuantas;
};

// An argument that reads as an option: a dash and then no digit ("-5" is a value).
bool Parece_opcion(std::string_view a) {
    return a.size() > 1 && a[0] == '-' && !(a[1] >= '0' && a[1] <= '9');
}

// A usage error found after the first ones the command always had: one line.
int Uso(Entorno& e, std::string_view que) {
    e.errores << "tzolkin: " << que << " (tzolkin --help)\n";
    return salida_uso;
}

// Reports a refused date as a single date does: a JSON object, or the
// window's message on standard error.
int Rechazar(Entorno& e, const Rechazo& r, bool json) {
    if (json) {
        std::string s;
        Añadir_json(s, r);
        e.salida << s << '\n';
    } else {
        e.errores << titulo_fecha << ": " << r.mensaje << '\n';
    }
    return salida_rechazada;
}

// Writes the days one after another in one format, as they come.
class Escritor {
public:
    Escritor(Formato formato, std::ostream& salida, std::int64_t ahora)
        : formato_(formato), salida_(salida), ahora_(ahora) {
        if (formato_ == Formato::csv) Añadir_cabecera_csv(texto_);
        if (formato_ == Formato::ics) Añadir_inicio_ics(texto_);
    }
    // Whether the output still takes more.
    bool Dia(const Fecha& f) {
        const Lectura_dia l = Describir_dia(f);
        switch (formato_) {
            case Formato::texto:
                if (dias_ > 0) texto_.push_back('\n');  // a blank line between days
                texto_.append(Texto_dia(l));
                break;
            case Formato::json:
                Añadir_json(texto_, l);
                texto_.push_back('\n');
                break;
            case Formato::csv:
                Añadir_fila_csv(texto_, l);
                break;
            case Formato::ics:
                Añadir_evento_ics(texto_, l, ahora_);
                break;
        }
        ++dias_;
        return Volcar();
    }
    bool Fin() {
        if (formato_ == Formato::ics) Añadir_fin_ics(texto_);
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
    Formato formato_;
    std::ostream& salida_;
    std::int64_t ahora_;
    std::string texto_;
    std::int64_t dias_ = 0;
};

int Lote(Entorno& e) {
    bool todas = true;
    std::string linea;
    while (e.salida && std::getline(e.entrada, linea)) {
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        std::string d, m, a;
        const Veredicto v = Campos_linea(linea, d, m, a)
                                ? Comprobar_fecha(d, m, a)
                                : Veredicto{Rechazo{mensaje_fecha, Icono::informacion}};
        e.salida << Json_veredicto(v) << '\n';
        todas = todas && std::holds_alternative<Fecha>(v);
    }
    e.salida.flush();
    return todas && e.salida ? salida_aceptada : salida_rechazada;
}

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
Veredicto Leer(const Tres& t) {
    return Comprobar_fecha(t[0], t[1], t[2]);
}

int Una_fecha(Peticion& p, Entorno& e) {
    const Formato formato = p.formato.value_or(Formato::texto);
    const Veredicto v = Comprobar_fecha(p.fecha[0], p.fecha[1], p.fecha[2]);
    if (const auto* r = std::get_if<Rechazo>(&v)) {
        return Rechazar(e, *r, formato == Formato::json);
    }
    const Fecha f = std::get<Fecha>(v);
    if ((formato == Formato::csv || formato == Formato::ics) && !Es_real(f)) {
        e.errores << "tzolkin: " << f.dia << "-" << f.mes << "-" << f.año
                  << " no es una fecha del calendario; CSV e iCalendar piden una fecha real\n";
        return salida_rechazada;
    }
    if (formato == Formato::ics && f.año > año_maximo_ics) {
        e.errores << "tzolkin: iCalendar escribe años hasta " << año_maximo_ics << '\n';
        return salida_rechazada;
    }
    Escritor w(formato, e.salida, e.ahora);
    w.Dia(f);
    return w.Fin() ? salida_aceptada : salida_rechazada;
}

}  // namespace

std::string Json_veredicto(const Veredicto& v) {
    std::string s;
    if (const auto* r = std::get_if<Rechazo>(&v)) {
        Añadir_json(s, *r);
    } else {
        Añadir_json(s, Describir_dia(std::get<Fecha>(v)));
    }
    return s;
}

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
    bool opciones = true;
    const auto elegir = [&p, &e](Formato f) {
        if (p.formato && *p.formato != f) return Uso(e, "se pidieron dos formatos distintos");
        p.formato = f;
        return salida_aceptada;
    };
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if (!opciones || !Parece_opcion(a)) {
            p.fecha.push_back(a);
        } else if (a == "--") {
            opciones = false;
        } else if (a == "--json") {
            if (elegir(Formato::json) != salida_aceptada) return salida_uso;
        } else if (a == "--help" || a == "-h") {
            e.salida << uso_fechas << uso_recorridos << uso_hoy;
            return salida_aceptada;
        } else if (a == "--formato") {
            std::string v;
            if (!Valores(argumentos, i, 1, &v)) return Uso(e, "falta el formato tras --formato");
            constexpr std::array<std::string_view, 4> nombres = {"texto", "json", "csv", "ics"};
            std::size_t k = 0;
            while (k < nombres.size() && nombres[k] != v) ++k;
            if (k == nombres.size()) {
                return Uso(e, "formato desconocido: " + v + "; son texto, json, csv e ics");
            }
            if (elegir(static_cast<Formato>(k)) != salida_aceptada) return salida_uso;
        } else if (a == "--desde" || a == "--hasta") {
            std::optional<Tres>& t = a == "--desde" ? p.desde : p.hasta;
            if (t) return Uso(e, a + " repetida");
            t.emplace();
            if (!Valores(argumentos, i, 3, t->data())) {
                return Uso(e, "faltan DIA MES AÑO tras " + a);
            }
        } else if (a == "--kin" || a == "--cuantas") {
            std::optional<std::int64_t>& n = a == "--kin" ? p.kin : p.cuantas;
            if (n) return Uso(e, a + " repetida");
            std::string v;
            if (!Valores(argumentos, i, 1, &v)) return Uso(e, "falta el número tras " + a);
            std::int64_t x = 0;
            if (a == "--kin" && !(Lectura_completa(v, x) && x >= 1 && x <= 260)) {
                return Uso(e, "el kin va de 1 a 260, no " + v);
            }
            if (a == "--cuantas" && !(Lectura_completa(v, x) && x >= 1)) {
                return Uso(e, "--cuantas pide un número positivo, no " + v);
            }
            n = x;
        } else {
            e.errores << "tzolkin: opción desconocida: " << a << '\n' << uso_fechas << uso_hoy;
            return salida_uso;
        }
    }

    // Which walk, and whether its options fit together.
    const bool busqueda = p.kin.has_value();
    const bool rango = !busqueda && (p.desde || p.hasta);
    if (busqueda && p.desde) return Uso(e, "--desde no va con --kin");
    if (rango && !p.desde) return Uso(e, "--hasta va con --desde o con --kin");
    if (rango && !p.hasta) return Uso(e, "--desde pide también --hasta");
    if (rango && !p.fecha.empty()) return Uso(e, "con --desde y --hasta sobra la fecha suelta");
    if (!busqueda && p.cuantas) return Uso(e, "--cuantas va con --kin");
    if (busqueda && !p.fecha.empty() && p.fecha.size() != 3) {
        return Uso(e, "se esperan tres valores tras --kin N: DIA MES AÑO");
    }
    if (!busqueda && !rango) {
        if (!p.fecha.empty() && p.fecha.size() != 3) {
            e.errores << "tzolkin: se esperan tres valores: DIA MES AÑO\n" << uso_fechas << uso_hoy;
            return salida_uso;
        }
        if (p.fecha.empty() && p.formato == Formato::json && !e.entrada_es_terminal) {
            return Lote(e);
        }
    }
    if (p.fecha.empty()) {
        p.fecha = {std::to_string(e.dia_hoy), std::to_string(e.mes_hoy), std::to_string(e.año_hoy)};
    }
    if (!busqueda && !rango) return Una_fecha(p, e);

    // The dates: the window's checks, then their order.
    const Formato formato = p.formato.value_or(Formato::texto);
    const bool json = formato == Formato::json;
    const Veredicto inicio = busqueda ? Leer({p.fecha[0], p.fecha[1], p.fecha[2]}) : Leer(*p.desde);
    if (const auto* r = std::get_if<Rechazo>(&inicio)) return Rechazar(e, *r, json);
    std::optional<Fecha> fin;
    if (p.hasta) {
        const Veredicto v = Leer(*p.hasta);
        if (const auto* r = std::get_if<Rechazo>(&v)) return Rechazar(e, *r, json);
        fin = std::get<Fecha>(v);
        if (Antes(*fin, std::get<Fecha>(inicio))) {
            return Uso(e, busqueda ? "--hasta es anterior a la fecha de partida"
                                   : "--hasta es anterior a --desde");
        }
        fin = Ultima_real(*fin);
    }
    const Fecha primera = Primera_real(std::get<Fecha>(inicio));
    const std::int64_t cuantas = p.cuantas.value_or(p.hasta ? -1 : 5);  // -1: no limit

    // Calls `dia` with each date of the walk until it returns false.
    const auto recorrer = [&](auto&& dia) {
        if (rango) {
            for (Fecha f = primera; !Antes(*fin, f); f = Siguiente(f)) {
                if (!dia(f)) return;
            }
            return;
        }
        Busqueda_kin b(Kin(static_cast<int>(*p.kin)), primera);
        for (std::int64_t n = 0; n != cuantas; ++n) {
            const Fecha f = b.Siguiente();
            if (f.año > año_maximo || (fin && Antes(*fin, f)) || !dia(f)) return;
        }
    };
    if (formato == Formato::ics) {
        // A date past 9999 is refused before anything is written, so that a
        // calendar is never left half-made. The walk is cheap without
        // descriptions, and it stops at the first such date.
        bool cabe = rango ? fin->año <= año_maximo_ics || Antes(*fin, primera) : true;
        if (busqueda) recorrer([&cabe](const Fecha& f) { return cabe = f.año <= año_maximo_ics; });
        if (!cabe) {
            e.errores << "tzolkin: iCalendar escribe años hasta " << año_maximo_ics
                      << (busqueda ? "; acote la búsqueda con --hasta o --cuantas\n" : "\n");
            return salida_rechazada;
        }
    }
    Escritor w(formato, e.salida, e.ahora);
    recorrer([&w](const Fecha& f) { return w.Dia(f); });
    return w.Fin() ? salida_aceptada : salida_rechazada;
}

}  // namespace talmiroc::cli
