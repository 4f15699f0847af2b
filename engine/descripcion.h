// The description of a day: everything the window, the printed page and
// `tzolkin` show for an accepted date, composed here once from the count,
// the date and a language's words. They only copy.
//
// Texts are UTF-8; a line break inside a caption is "\r\n". Every function
// writes in the language whose words it is handed (translations/idiomas.h
// has them all); the examples are Spanish's, palabras_es.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cuenta.h"
#include "fechas.h"
#include "palabras.h"

namespace talmiroc {

// The kin of a day as the count gives it: Kin_fecha({9, 4, 2003}) == Kin{46}.
inline Kin Kin_fecha(const Fecha& f) {
    return Calculo_kin(f.dia, f.mes, f.año).kin;
}

// ---------------------------------------------------------------------------
// The lines of a kin and a date

// "* Kin 46: Enlazador de Mundos Resonante  Blanco\r\n <Cimi Uuk> "
std::string Linea_nombre(Kin kin, const Palabras& p);

// "Enlazador de Mundos Resonante Blanco": seal, tone and colour in the
// language's order.
std::string Nombre_kin(Kin kin, const Palabras& p);

// Nombre_kin as it reads after an opening, in a language that declines it:
// Russian "Красной Планетарной Луны" in "Год Красной Планетарной Луны".
std::string Nombre_kin_tras_apertura(Kin kin, const Palabras& p);

// "Fecha Gregoriana: 9-4-2003"; "Gregorian date: 9 April 2003" in a
// language whose forma_fecha writes the month's name.
std::string Linea_fecha(int dia, int mes, std::int64_t año, const Palabras& p);

// Appends a date in `forma`'s letters (see Palabras::forma_fecha):
// (s, "%d de %M de %a", 13, 11, 2013, palabras_es) appends
// "13 de noviembre de 2013".
std::string& Añadir_fecha(std::string& s, std::string_view forma, int dia, int mes,
                          std::int64_t año, const Palabras& p);

// "* Onda encantada del Sol\r\n* Castillo Rojo Este del Girar"
std::string Lineas_onda(Sello sello_onda, const Palabras& p);

// "* Año de la Luna Planetaria Roja Kin 49\r\n <Muluc Lahum> "
std::string Lineas_portador(Kin portador, const Palabras& p);

// The affirmation: five to seven lines, each of the first six ending in
// "\r\n"; the portal line, when present, ends the text with no break after
// it. The fifth line names the power of the kin's guide.
// Texto_meditacion(Kin{46}) begins "Canalizo con el fin de igualar\r\n".
std::string Texto_meditacion(Kin kin, const Palabras& p);

// ---------------------------------------------------------------------------
// The thirteen-moon reading

// A special day's own name: "Día fuera del tiempo", "0.0 Hunab Ku"; "" for
// any other day. Nombre_dia_especial(Dia_especial::hunab_ku) == "0.0 Hunab Ku".
std::string_view Nombre_dia_especial(Dia_especial d, const Palabras& p);

// The moon's name, or the special day's: "Luna Autoexistente del Búho" for
// 13 November 2013, "Día fuera del tiempo" for 25 July, "0.0 Hunab Ku" for
// 29 February. A moon outside 1..13 reads "".
std::string_view Nombre_trece_lunas(const Fecha_trece_lunas& f, const Palabras& p);

// The plasma's name, "" on the special days: "Limi" for 13 November 2013.
std::string_view Plasma_trece_lunas(const Fecha_trece_lunas& f, const Palabras& p);

// "13 Lunas: Limi 27, Luna Autoexistente del Búho (NS1.26.4.27)";
// "13 Lunas: Día fuera del tiempo" and "13 Lunas: 0.0 Hunab Ku" on the
// special days.
std::string Linea_trece_lunas(const Fecha_trece_lunas& f, const Palabras& p);

// ---------------------------------------------------------------------------
// The day

struct Lectura_dia {
    const Palabras* palabras = nullptr;  // the language of the texts
    Fecha entrada;                       // the date as accepted
    Kin kin;                             // of the entered date; 29 February counts as 28
    Sello sello_onda;                    // 0..20, the wavespell's seal
    Oraculo_kin oraculo;                 // of the entered date's kin
    Kin portador;                        // the year bearer: the kin of the latest 26 July
    std::string nombre;                  // caption of `nombre`
    std::string fecha;                   // caption of `fecha`; the day as entered
    std::string onda_encantada;          // caption of `Onda_encantada`
    std::string a_maya;                  // caption of `a_maya`
    std::string inter;                   // caption of `inter`
    Rgb color;                           // text colour of `nombre` and `inter`
    bool dia_fuera_del_tiempo;           // the banner shows
    Fecha_trece_lunas trece_lunas;       // the day's place in the thirteen-moon year
    std::string linea_trece_lunas;       // "13 Lunas: ...", the tooltip of `fecha`
    std::string nombre_kin;  // "Caminante del Cielo Planetario Rojo": seal, tone, colour
    // The day's kinds, for a calendar program to colour and filter by; views
    // of the language's words.
    std::string_view palabra_color;  // "Rojo": the seal's colour, masculine
    std::string_view portal;         // "Portal de activación galáctica" on a portal day, else ""
    std::string_view familia_terrestre;  // "Señal": the seal's earth family
    // What a screen reader calls the glyphs (25 July 2003 as the example):
    std::string nombre_sello;   // "Sello Caminante del Cielo": the large glyph
    std::string nombre_tono;    // "Tono 10, Planetario": the numeral, the tone's masculine form
    std::string nombre_centro;  // "Centro del oráculo, Caminante del Cielo"
    std::array<std::string, 4> nombres_oraculo;  // "Kin Guía, Dragon", ... as lugares_oraculo
    // What a screen reader says once after Calcular: the kin line, and on
    // 25 July the banner. "Kin 153, Caminante del Cielo Planetario Rojo.
    // Dia Verde, del Perdón Universal o de la Libertad Galáctica"
    // (commas where the eye reads a colon: a screen reader pauses at a
    // comma, and says a colon aloud)
    std::string anuncio;
};

// A caption as a screen reader should hear it: without the decoration the
// captions carry for the eye (the "* " that opens a line, the angle brackets
// around a Maya name), its lines joined by ", ", each run of spaces one space,
// and a colon that ends a label heard as a pause (a comma).
// Para_oir("* Kin 153: Caminante del Cielo Planetario  Rojo\r\n <Ben Lahum> ")
//   == "Kin 153, Caminante del Cielo Planetario Rojo, Ben Lahum"
std::string Para_oir(std::string_view caption);

// Describir_dia(Fecha{9, 4, 2003}).kin == 46, .portador == 49.
Lectura_dia Describir_dia(const Fecha& f, const Palabras& p);

// The day's reading as plain text, lines ended by "\n": the date line, the
// thirteen-moon line, the name, the year bearer, the wavespell and castle,
// the four oracle seals by their places, the affirmation, and the banner on
// 25 July, in the language the day was described in.
// Texto_dia(Describir_dia(Fecha{9, 4, 2003})) begins "Fecha Gregoriana: 9-4-2003\n".
std::string Texto_dia(const Lectura_dia& l);

// The day's reading as one sentence, for a picture's alternative text: the
// kin's name line, the date line, the thirteen-moon line, the wavespell and
// castle, the oracle by its places, the year bearer, the affirmation and the
// banner on 25 July, each as a screen reader hears it (Para_oir), joined by
// "; " and ended by ".".
// Frase_dia(Describir_dia(Fecha{9, 4, 2003})) begins
//   "Kin 46, Enlazador de Mundos Resonante Blanco, Cimi Uuk; Fecha Gregoriana, 9-4-2003; "
std::string Frase_dia(const Lectura_dia& l);

// The day's kin in one line: "Kin 153 · Caminante del Cielo Planetario Rojo".
std::string Linea_kin(const Lectura_dia& l);

// The day in one line, for a status bar or a prompt: the kin line, then the
// plasma with the moon's day and the NS notation, or the special day's name.
// 26 July 2003: "Kin 154 · Mago Espectral Blanco · Dali 1 · NS1.16.1.1";
// 25 July 2003: "Kin 153 · Caminante del Cielo Planetario Rojo · Día fuera del tiempo".
std::string Linea_estado(const Lectura_dia& l);

// The kin line and the thirteen-moon line as a screen reader hears them in
// one name (Para_oir): "Kin 46, Enlazador de Mundos Resonante Blanco, 13
// Lunas, Limi 6, Luna Planetaria del Perro (NS1.15.10.6)" for 9 April 2003.
std::string Oido_dia(const Lectura_dia& l);

// A person whose birth kin comes back on a day: their name and that kin.
struct Vuelta {
    std::string nombre;
    Kin kin;
};

// What is special about a day beyond its thirteen-moon line (which names the
// Day Out of Time and 0.0 Hunab Ku), a line each, in this order: the kin
// returns of the people given, the first day of a moon, the first day of a
// wavespell, a portal day. None on an ordinary day.
// Lo_especial(Describir_dia({25, 7, 2003})) == {"Portal de activación galáctica"}.
std::vector<std::string> Lo_especial(const Lectura_dia& l, std::span<const Vuelta> vueltas = {});

}  // namespace talmiroc
