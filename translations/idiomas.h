// The languages: the registry of every language's words, one object each,
// from idiomas.def, and the language the environment asks for.
//
// Each language is translations/palabras_<code>.cpp (its `Palabras`, the
// engine's type, tzolkin's texts, `Textos_tzolkin`, and the desktop's,
// `Textos_escritorio`) and
// translations/talmiroc_<code>.ts (what only the windows
// say), and one line IDIOMA(<code>) in idiomas.def. Code that chooses a
// language includes this; the engine only composes with the words it is
// handed.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "palabras.h"
#include "textos_escritorio.h"
#include "textos_tzolkin.h"

namespace talmiroc {

#define IDIOMA(codigo, dia) \
    extern const Palabras palabras_##codigo; \
    extern const Palabras dia; \
    extern const Textos_tzolkin tzolkin_##codigo; \
    extern const Textos_escritorio escritorio_##codigo;
#include "idiomas.def"
#undef IDIOMA

// Every language in the order of idiomas.def; Spanish first. These are the
// words every surface writes with but the day window and tzolkin.
inline constexpr std::array idiomas = {
#define IDIOMA(codigo, dia) &palabras_##codigo,
#include "idiomas.def"
#undef IDIOMA
};

// The day window's and tzolkin's words, in the same order.
inline constexpr std::array idiomas_dia = {
#define IDIOMA(codigo, dia) &dia,
#include "idiomas.def"
#undef IDIOMA
};

// tzolkin's texts, in the same order.
inline constexpr std::array textos_tzolkin = {
#define IDIOMA(codigo, dia) &tzolkin_##codigo,
#include "idiomas.def"
#undef IDIOMA
};

// What the desktop entry and AppStream say, in the same order.
inline constexpr std::array textos_escritorio = {
#define IDIOMA(codigo, dia) &escritorio_##codigo,
#include "idiomas.def"
#undef IDIOMA
};

// The place in the registry of `p`, words of either set (`idiomas` or
// `idiomas_dia`); idiomas.size() for words of no language listed.
// Lugar_idioma(palabras_es_dia) == 0.
inline std::size_t Lugar_idioma(const Palabras& p) {
    for (std::size_t i = 0; i < idiomas.size(); ++i) {
        if (idiomas[i] == &p || idiomas_dia[i] == &p) return i;
    }
    return idiomas.size();
}

// The words the day window and tzolkin write with in the language of `p`
// (one of `idiomas`, or already one of `idiomas_dia`): p's own but where
// those outputs keep a spelling their callers rely on.
// Palabras_dia(palabras_es).sellos[1] == "Dragon" (palabras_es: "Dragón");
// &Palabras_dia(palabras_en) == &palabras_en.
inline const Palabras& Palabras_dia(const Palabras& p) {
    const std::size_t i = Lugar_idioma(p);
    return i < idiomas.size() ? *idiomas_dia[i] : p;
}

// tzolkin's texts in the language of `p` (one of `idiomas` or
// `idiomas_dia`); Spanish's for words of no language listed.
// Textos_de(palabras_en).linea == "line {1}: ".
inline const Textos_tzolkin& Textos_de(const Palabras& p) {
    const std::size_t i = Lugar_idioma(p);
    return *textos_tzolkin[i < idiomas.size() ? i : 0];
}

// The words of a language by its code; null for a language not listed.
// Palabras_idioma("es") == &palabras_es.
inline const Palabras* Palabras_idioma(std::string_view idioma) {
    for (const Palabras* p : idiomas) {
        if (p->idioma == idioma) return p;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// The language of the environment

// The language of a program started with these variables (null or "" for
// one not set), in gettext's order: the first entry of LANGUAGE (a list
// separated by ':') that names a language of idiomas.def, then the locale,
// the first set of LC_ALL, LC_MESSAGES and LANG. A name counts by its
// language part, before '_', '.' or '@': "pt_BR.UTF-8" is "pt". A locale
// "C" or "POSIX" (also "C.UTF-8") means Spanish and, as for gettext,
// LANGUAGE is not read then; unlike gettext, LANGUAGE counts when no locale
// is set at all. Anything else reads as Spanish.
// Idioma_de("pt_BR:en", nullptr, nullptr, "en_US.UTF-8") == palabras_pt.
const Palabras& Idioma_de(const char* language, const char* lc_all, const char* lc_messages,
                          const char* lang);

// Idioma_de with this process's environment.
const Palabras& Idioma_del_entorno();

// ---------------------------------------------------------------------------
// Spanish, by the names the day window's tests read

inline constexpr const auto& sellos = palabras_es_dia.sellos;
inline constexpr const auto& tonos_m = palabras_es_dia.tonos_m;
inline constexpr const auto& tonos_f = palabras_es_dia.tonos_f;
inline constexpr const auto& palabras_color = palabras_es_dia.colores;
inline constexpr const auto& lugares_oraculo = palabras_es_dia.lugares_oraculo;
inline constexpr const auto& lugar_centro = palabras_es_dia.centro_oraculo;
inline constexpr const auto& texto_fuera_del_tiempo = palabras_es_dia.fuera_del_tiempo;
inline constexpr const auto& mensaje_fecha = palabras_es_dia.mensaje_fecha;
inline constexpr const auto& mensaje_año = palabras_es_dia.mensaje_año;
inline constexpr const auto& titulo_fecha = palabras_es_dia.titulo_fecha;

}  // namespace talmiroc
