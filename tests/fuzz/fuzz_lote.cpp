// Any bytes as the batch input of `tzolkin --json`: one JSON object a line,
// in order, and an exit status that tells whether any line was refused.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string_view>

#include "formatos.h"
#include "tzolkin_cli.h"

namespace {

void Exigir(bool ok, const char* que) {
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", que);
        std::abort();
    }
}

// A strict reader of the JSON the writer makes (RFC 8259, no blanks): it
// checks the syntax of one value and keeps the top-level members' raw text.
struct Lector {
    std::string_view t;
    std::size_t i = 0;
    bool Literal(std::string_view l) {
        if (t.substr(i, l.size()) != l) return false;
        i += l.size();
        return true;
    }
    bool Cadena() {
        if (!Literal("\"")) return false;
        while (i < t.size() && t[i] != '"') {
            if (static_cast<unsigned char>(t[i]) < 0x20) return false;
            if (t[i++] != '\\') continue;
            if (i >= t.size()) return false;
            const char e = t[i++];
            if (e == 'u') {
                for (int k = 0; k < 4; ++k, ++i) {
                    if (i >= t.size() || !std::isxdigit(static_cast<unsigned char>(t[i])))
                        return false;
                }
            } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
                return false;
            }
        }
        return Literal("\"");
    }
    bool Valor(std::map<std::string, std::string_view>* miembros = nullptr) {
        if (i >= t.size()) return false;
        if (t[i] == '"') return Cadena();
        if (t[i] == '{') {
            ++i;
            if (Literal("}")) return true;
            do {
                const std::size_t clave = i;
                if (!Cadena() || !Literal(":")) return false;
                const std::size_t valor = i;
                if (!Valor()) return false;
                if (miembros) {
                    (*miembros)[std::string(t.substr(clave + 1, valor - clave - 3))] =
                        t.substr(valor, i - valor);
                }
            } while (Literal(","));
            return Literal("}");
        }
        if (Literal("true") || Literal("false") || Literal("null")) return true;
        const std::size_t inicio = i;
        Literal("-");
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i;
        return i > inicio;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamaño) {
    const std::string entrada(reinterpret_cast<const char*>(datos), tamaño);
    std::istringstream in(entrada);
    std::ostringstream out, err;
    talmiroc::cli::Entorno e{in, false, out, err, 9, 4, 2003};
    const int estado = talmiroc::cli::Ejecutar({"--json"}, e);

    std::size_t lineas_entrada = 0;
    {
        std::istringstream cuenta(entrada);
        for (std::string l; std::getline(cuenta, l);) ++lineas_entrada;
    }
    std::istringstream salida(out.str());
    std::size_t lineas_salida = 0;
    bool alguna_rechazada = false;
    for (std::string l; std::getline(salida, l); ++lineas_salida) {
        Lector lector{l};
        std::map<std::string, std::string_view> o;
        Exigir(l.starts_with('{') && lector.Valor(&o) && lector.i == l.size(), "each line is JSON");
        if (o.contains("error")) {
            alguna_rechazada = true;
            Exigir(o.size() == 2 && o.contains("icono"), "refusal object shape");
        } else {
            const int kin = o.contains("kin") ? std::atoi(std::string(o["kin"]).c_str()) : 0;
            Exigir(kin >= 1 && kin <= 260, "kin 1..260");
            Exigir(o.size() == talmiroc::cli::Claves_json_dia(), "day object has every field of the table");
        }
    }
    Exigir(lineas_salida == lineas_entrada, "one object per input line");
    Exigir(estado == (alguna_rechazada ? 1 : 0), "exit status matches refusals");
    Exigir(err.str().empty(), "nothing on standard error");
    return 0;
}
