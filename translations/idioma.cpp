// Choosing the language from the environment.
#include <cstdlib>

#include "idiomas.h"

namespace talmiroc {

namespace {

bool Puesta(const char* v) {
    return v != nullptr && *v != '\0';
}

// The language part of a locale or LANGUAGE entry: "pt_BR.UTF-8" -> "pt".
std::string_view Parte_idioma(std::string_view nombre) {
    return nombre.substr(0, nombre.find_first_of("_.@"));
}

}  // namespace

const Palabras& Idioma_de(const char* language, const char* lc_all, const char* lc_messages,
                          const char* lang) {
    const char* locale = Puesta(lc_all) ? lc_all : Puesta(lc_messages) ? lc_messages : lang;
    const std::string_view regional = Puesta(locale) ? locale : "";
    if (Parte_idioma(regional) == "C" || regional == "POSIX") return palabras_es;
    if (Puesta(language)) {
        for (std::string_view lista = language; !lista.empty();) {
            const std::size_t dos_puntos = lista.find(':');
            const std::string_view entrada = lista.substr(0, dos_puntos);
            if (const Palabras* p = Palabras_idioma(Parte_idioma(entrada))) return *p;
            lista.remove_prefix(dos_puntos == std::string_view::npos ? lista.size()
                                                                     : dos_puntos + 1);
        }
    }
    const Palabras* p = Palabras_idioma(Parte_idioma(regional));
    return p ? *p : palabras_es;
}

const Palabras& Idioma_del_entorno() {
    return Idioma_de(std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                     std::getenv("LANG"));
}

}  // namespace talmiroc
