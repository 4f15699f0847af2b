// Writes the desktop entry and the AppStream data from their templates, in
// every language of idiomas.def, from each language's Textos_escritorio.
//
//   escritorio TEMPLATE OUTPUT
//
// A template line holding @field@ is written once in Spanish, then once for
// each other language under its locale ("pt_BR"): in a desktop entry
// "Comment=@comentario@" gives "Comment=..." and "Comment[pt_BR]=...", in
// XML "<summary>@resumen@</summary>" gives "<summary xml:lang=\"pt_BR\">".
// "@idioma@" gives one line for each language, Spanish included, with its
// locale. A field empty in any language fails the build, naming it.
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

#include "archivo.h"
#include "idiomas.h"

namespace {

using talmiroc::Textos_escritorio;

struct Campo {
    std::string_view nombre;
    std::string_view (*leer)(const Textos_escritorio&);
};

constexpr Campo campos[] = {
    {"nombre_generico", [](const Textos_escritorio& t) { return t.nombre_generico; }},
    {"comentario", [](const Textos_escritorio& t) { return t.comentario; }},
    {"palabras_clave", [](const Textos_escritorio& t) { return t.palabras_clave; }},
    {"accion_luna", [](const Textos_escritorio& t) { return t.accion_luna; }},
    {"accion_modulo", [](const Textos_escritorio& t) { return t.accion_modulo; }},
    {"resumen", [](const Textos_escritorio& t) { return t.resumen; }},
    {"descripcion1", [](const Textos_escritorio& t) { return t.descripcion[0]; }},
    {"descripcion2", [](const Textos_escritorio& t) { return t.descripcion[1]; }},
    {"leyenda_captura", [](const Textos_escritorio& t) { return t.leyenda_captura; }},
};

// "pt-BR" -> "pt_BR": a language tag as a locale.
std::string Locale(const talmiroc::Palabras& p) {
    std::string s(talmiroc::Etiqueta_idioma(p));
    for (char& c : s) c = c == '-' ? '_' : c;
    return s;
}

std::string Xml(std::string_view texto) {
    std::string s;
    for (const char c : texto) {
        if (c == '&') s += "&amp;";
        else if (c == '<') s += "&lt;";
        else if (c == '>') s += "&gt;";
        else s += c;
    }
    return s;
}

// The lines a template line makes.
std::string Lineas(const std::string& linea, bool xml) {
    const auto a = linea.find('@');
    const auto b = a == std::string::npos ? a : linea.find('@', a + 1);
    if (b == std::string::npos) return linea + '\n';
    const std::string_view nombre = std::string_view(linea).substr(a + 1, b - a - 1);
    const std::string antes = linea.substr(0, a), despues = linea.substr(b + 1);
    std::string s;
    if (nombre == "idioma") {
        for (const auto* p : talmiroc::idiomas) s.append(antes).append(Locale(*p)).append(despues + '\n');
        return s;
    }
    for (const Campo& c : campos) {
        if (c.nombre != nombre) continue;
        for (std::size_t i = 0; i < talmiroc::idiomas.size(); ++i) {
            const std::string_view texto = c.leer(*talmiroc::textos_escritorio[i]);
            if (texto.empty()) {
                throw std::runtime_error(
                    std::string(talmiroc::idiomas[i]->idioma).append(" no tiene ").append(nombre));
            }
            // "  <summary>" -> "  <summary xml:lang=\"en\">"; "Comment=" -> "Comment[en]=".
            std::string clave = antes;
            const std::size_t donde = clave.rfind(xml ? '>' : '=');
            if (donde == std::string::npos) {
                throw std::runtime_error(std::string("sin clave antes de @").append(nombre));
            }
            if (i > 0) {
                const std::string locale = Locale(*talmiroc::idiomas[i]);
                clave.insert(donde, xml ? std::string(" xml:lang=\"").append(locale).append("\"")
                                        : std::string("[").append(locale).append("]"));
            }
            s.append(clave).append(xml ? Xml(texto) : std::string(texto)).append(despues);
            s.push_back('\n');
        }
        return s;
    }
    throw std::runtime_error(std::string("campo desconocido: ").append(nombre));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("uso: escritorio PLANTILLA SALIDA\n", stderr);
        return 2;
    }
    std::ifstream plantilla(argv[1]);
    if (!plantilla) {
        std::fprintf(stderr, "escritorio: no se puede leer %s\n", argv[1]);
        return 1;
    }
    const bool xml = std::string_view(argv[2]).ends_with(".xml");
    std::string texto;
    try {
        for (std::string linea; std::getline(plantilla, linea);) texto += Lineas(linea, xml);
    } catch (const std::runtime_error& e) {
        std::fprintf(stderr, "escritorio: %s: %s\n", argv[1], e.what());
        return 1;
    }
    talmiroc::salida::Escritura e(argv[2]);
    e.Escribir(texto);
    if (!e.Terminar()) {
        std::fprintf(stderr, "escritorio: %s: %s\n", argv[2],
                     talmiroc::salida::Razon_del_sistema(e.Error()).c_str());
        return 1;
    }
    return 0;
}
