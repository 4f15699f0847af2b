// What the desktop entry and the AppStream data say of the program in a
// language. Each language's object, escritorio_<code>, lives beside its words
// in palabras_<code>.cpp; the build writes both files from every language of
// idiomas.def (packaging/escritorio.cpp), so a new language is named there
// with nothing more to add.
#pragma once

#include <array>
#include <string_view>

namespace talmiroc {

struct Textos_escritorio {
    std::string_view nombre_generico;  // GenericName: "Calendario Tzolkin"
    std::string_view comentario;       // Comment: one sentence, no final stop
    std::string_view palabras_clave;   // Keywords, each ended by ';'
    // The desktop actions: today's moon, the harmonic module.
    std::string_view accion_luna, accion_modulo;
    // AppStream: the summary, the description's two paragraphs, the
    // screenshot's caption.
    std::string_view resumen;
    std::array<std::string_view, 2> descripcion;
    std::string_view leyenda_captura;
};

}  // namespace talmiroc
