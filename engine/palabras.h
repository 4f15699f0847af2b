// The words the engine composes with: every name, phrase and message of a
// language in one object of one shape, `Palabras`, and the lookups that pick
// a word by seal, tone or colour, in the seal's gender.
//
// Each language's object lives in its own file, translations/palabras_<code>.cpp,
// and is listed once in translations/idiomas.def (idiomas.h is the registry).
// The engine knows no language by name: every lookup and composition is
// handed the words to write with, so a forgotten language does not compile.
//
// Texts are UTF-8; a line break inside a caption is "\r\n".
#pragma once

#include <array>
#include <string_view>

#include "basico.h"
#include "cuenta.h"

namespace talmiroc {

// The grammatical gender of a seal's name, which the tone and the colour
// agree with (Russian "Жёлтое Самосущное Семя" is neuter).
enum class Genero { masculino = 0, femenino = 1, neutro = 2 };

// Where a kin's name puts its words: Spanish "Caminante del Cielo Planetario
// Rojo" is seal, tone, colour; English would say colour, tone, seal.
enum class Orden_nombre { sello_tono_color, color_tono_sello };

struct Palabras_color {
    std::string_view m;  // "Rojo"
    std::string_view f;  // "Roja"
    std::string_view n{};  // the neuter, in a language that has one ("Жёлтое")
};

// What a line says before a seal's name: by the seal's gender (masculine,
// feminine, neuter), or by the seal itself where a language needs the seal's
// own form ("" reads the gender's): French elides before a vowel, "de
// l'Aigle", "afin d'explorer".
struct Antes_del_sello {
    std::array<std::string_view, 3> genero;
    std::array<std::string_view, 21> sello{};
};

// The forms a kin's name takes after an opening, in a language whose nouns
// decline (Russian "Год Красной Планетарной Луны", the genitive): seals,
// tones and colours as the nominative tables. A language without cases has
// none and writes the name as it stands.
struct Formas_nombre {
    std::array<std::string_view, 21> sellos;
    std::array<std::string_view, 14> tonos_m, tonos_f;
    std::array<std::string_view, 14> tonos_n{};
    std::array<Palabras_color, 4> colores;
};

struct Palabras {
    std::string_view idioma;  // "es"
    // The language tag files carry (BCP 47): the region too where the words
    // are one region's ("pt-BR"), else the code alone; empty means the code.
    std::string_view etiqueta = {};

    // Seals 0..20 (entry 0 repeats 20) and the gender of each name.
    std::array<std::string_view, 21> sellos;
    std::array<Genero, 21> generos;
    // Tones 0..13 in each gender; entry 0 is "Error". The neuter only in a
    // language whose seals take it.
    std::array<std::string_view, 14> tonos_m, tonos_f;
    std::array<std::string_view, 14> tonos_n{};
    std::array<Palabras_color, 4> colores;  // by Color
    Orden_nombre orden;
    // Between the tone and the colour of the name line ("  ", two blanks, in
    // Spanish, which the caption always had; one elsewhere). The other lines
    // that name a kin have one blank there.
    std::string_view antes_del_color;
    // After a label ("* Kin 46: ", "Kin Guia: "): French sets a colon off
    // with a no-break space.
    std::string_view tras_rotulo = ": ";
    // The word before a kin's number ("Kin 153"): Russian writes it in its
    // own letters.
    std::string_view kin = "Kin";
    // After the kin's number on the name line ("* Kin 46: "). Russian's
    // longest names fill the day window's box, so it writes the number as
    // its pages' titles do, with a blank ("* Кин 133 Красный …").
    std::string_view tras_kin = ": ";

    // The name, wavespell and year-bearer lines (Linea_nombre, Lineas_onda,
    // Lineas_portador), and the date line.
    std::array<std::string_view, 5> castillos;  // by Castillo_onda: red .. green
    Antes_del_sello onda;      // opens the wavespell line
    Antes_del_sello portador;  // opens the year-bearer line
    std::string_view fecha;    // opens the date line
    // The date after it: %d the day, %m the month's number, %M its name as
    // a date writes it, %a the year ("%d-%m-%a": "9-4-2003"; "%d %M %a":
    // "9 April 2003").
    std::string_view forma_fecha;
    std::string_view fuera_del_tiempo;  // the 25 July banner

    // The oracle's places in the order of Oraculo_kin's fields, as a screen
    // reader names them and as the window's captions and the plain-text
    // reading write them; the centre; the glyphs' names.
    std::array<std::string_view, 4> lugares_oraculo;
    std::array<std::string_view, 4> rotulos_oraculo;
    std::string_view centro_oraculo;
    std::string_view glifo_sello;  // before the seal's name
    std::string_view glifo_tono;   // before the tone's number

    // The affirmation (Texto_meditacion): phrase tables by tone 0..13 and by
    // seal 0..20 (entry 0 "ERROR", never selected), by row 0..20 of the
    // quartet, by the seal's colour; and the words between them.
    std::array<std::string_view, 14> verbo_tono, gerundio_tono, complemento_tono, verbo_polar;
    std::array<std::string_view, 21> fin_sello, objeto_sello, poder_sello, etapa_cuarteto;
    std::array<std::string_view, 4> espectro_polar;
    Antes_del_sello con_el_fin_de;  // between the tone's verb and the seal's end
    std::string_view sello_etapa;    // opens the third line
    std::string_view con_el_tono;    // opens the fourth line
    std::string_view tras_el_tono;   // between the tone's name and its complement
    std::string_view guia_poder;     // opens the guide's line
    std::string_view guia_propia;    // the guide's line of tones 1, 6 and 11
    std::string_view kin_polar;      // opens the polar line
    std::string_view linea_portal;
    std::string_view categoria_portal;  // what a portal day is called: a calendar's category

    // The thirteen-moon reading: moons 0..13 and plasmas 0..7 (entry 0 "",
    // no moon), the special days' names, the line's opening.
    std::array<std::string_view, 14> lunas;
    std::array<std::string_view, 8> plasmas;
    std::string_view nombre_fuera_del_tiempo;
    std::string_view nombre_hunab_ku;
    std::string_view trece_lunas;

    // The count over time (descripcion_tiempo.h): months 0..12 written out
    // and short (entry 0 ""); a written date as fecha_escrita says, in
    // forma_fecha's letters ("%d de %M de %a": "13 de noviembre de 2013"),
    // a month's name in a date from meses_en_fecha where a language declines
    // it (Russian "13 ноября"; "" entries read meses); a short date is day,
    // blank, short month ("13 nov"). A moon's day opens with dia_luna ("Día 27"), a portal kin's
    // name ends with `marca_portal`; a wavespell's title opens by its seal's
    // gender, a thirteen-moon year's name by its bearer's ("Año de la " +
    // "Luna Planetaria Roja"); a moon's title joins name, notation and
    // period with separador_titulo, a period its two ends with
    // separador_periodo.
    std::array<std::string_view, 13> meses, meses_cortos;
    std::array<std::string_view, 13> meses_en_fecha{};
    std::string_view fecha_escrita;
    std::string_view dia_luna;
    std::string_view marca_portal;
    Antes_del_sello titulo_onda;
    Antes_del_sello año_de;
    std::string_view separador_titulo, separador_periodo;

    // What is special about a day (Lo_especial, for the day's notification):
    // a person's kin return is vuelve_kin[0] + name + vuelve_kin[1] + "Kin
    // 46" ("Hoy vuelve el kin de Ana: Kin 46"); the first day of a moon or a
    // wavespell is primer_dia + its name ("Primer día de la " + "Luna
    // Magnética del Murciélago", + "Onda encantada del Dragón").
    std::array<std::string_view, 2> vuelve_kin;
    std::string_view primer_dia;
    // Earth families by Familia_terrestre: polar, cardinal, central, senal,
    // portal ("Señal").
    std::array<std::string_view, 5> familias;
    // How one kin stands to another (relaciones.h), by Relacion: each
    // relation's name ("Kin guía"), and its rule in words, where {1} and {2}
    // stand for the two kins' numbers, {3} and {4} for their seals' names and
    // {5} for what the rule names (Describir_relaciones fills them).
    std::array<std::string_view, numero_relaciones> relaciones, reglas_relacion;

    // The date checks' refusals, under one title.
    std::string_view mensaje_fecha, mensaje_año, titulo_fecha;

    // The words of this language's readings that Spanish's readings have too,
    // on purpose ("solar", "portal", "jaguar"), blank-separated, in lower
    // case: the engine's tests check that no other Spanish word is left in any
    // reading. "" in Spanish.
    std::string_view como_en_español;

    // The name's forms after an opening (the year-bearer, the wavespell, the
    // year's title), where the language declines them; null: as they stand.
    const Formas_nombre* tras_apertura = nullptr;
    // The tone's name in the affirmation's fourth line where the language
    // declines it there (Russian "Магнитным тоном цели"); "" entries read
    // tonos_m.
    std::array<std::string_view, 14> tonos_afirmacion{};
};

// ---------------------------------------------------------------------------
// Words every language shares: the Maya day names and numerals

#define SELLO(n, arreglo, maya) maya,
inline constexpr std::array<std::string_view, 21> dias_maya = {
    "Ahau",
#include "sellos.def"
};
#undef SELLO

inline constexpr std::array<std::string_view, 14> numeros_maya = {
    "Error", "Hun",   "Ka",    "Ox",    "Kan",   "Ho",    "Uak",
    "Uuk",   "Uakac", "Bolon", "Lahum", "Buluk", "Lahak", "Oxlahun"};

// ---------------------------------------------------------------------------
// Lookups. A seal, tone or colour out of range reads its table's entry 0.

// The language tag of `p`'s words: Etiqueta_idioma(palabras_pt) == "pt-BR",
// Etiqueta_idioma(palabras_es) == "es".
constexpr std::string_view Etiqueta_idioma(const Palabras& p) {
    return p.etiqueta.empty() ? p.idioma : p.etiqueta;
}

inline std::string_view Nombre_sello(Sello s, const Palabras& p) {
    return En(p.sellos, s.valor);
}
constexpr std::string_view Dia_maya(Sello s) {
    return En(dias_maya, s.valor);
}
constexpr std::string_view Numero_maya(Tono t) {
    return En(numeros_maya, t.valor);
}
inline Genero Genero_sello(Sello s, const Palabras& p) {
    return En(p.generos, s.valor);
}
inline bool Es_masculino(Sello s, const Palabras& p) {
    return Genero_sello(s, p) == Genero::masculino;
}

// A word in the seal's gender.
constexpr std::string_view En_genero(Genero g, std::string_view m, std::string_view f,
                                     std::string_view n) {
    return g == Genero::femenino ? f : g == Genero::neutro ? n : m;
}

// What opens a line before a seal's name:
// Antes_de(palabras_es.portador, Sello{9}, palabras_es) == "* Año de la ".
inline std::string_view Antes_de(const Antes_del_sello& a, Sello s, const Palabras& p) {
    const std::string_view propia = En(a.sello, s.valor);
    if (!propia.empty() && s.valor >= 0 && s.valor <= 20) return propia;
    return a.genero[static_cast<std::size_t>(Genero_sello(s, p))];
}

inline Palabras_color Palabras_de(Color c, const Palabras& p) {
    return p.colores[static_cast<std::size_t>(c)];
}

// Colour word of a seal in the seal's own gender:
// Palabra_color(Sello{9}, palabras_es) == "Roja".
inline std::string_view Palabra_color(Sello s, const Palabras& p) {
    const Palabras_color c = Palabras_de(Color_sello(s), p);
    return En_genero(Genero_sello(s, p), c.m, c.f, c.n);
}

// Tone name in the gender of the seal:
// Nombre_tono(Tono{10}, Sello{9}, palabras_es) == "Planetaria".
inline std::string_view Nombre_tono(Tono t, Sello s, const Palabras& p) {
    return En_genero(Genero_sello(s, p), En(p.tonos_m, t.valor), En(p.tonos_f, t.valor),
                     En(p.tonos_n, t.valor));
}

// Castle line of a wavespell seal 0..20; 0 reads as 20.
// Castillo(Sello{1}, palabras_es) == "* Castillo Rojo Este del Girar".
inline std::string_view Castillo(Sello sello_onda, const Palabras& p) {
    return p.castillos[static_cast<std::size_t>(Castillo_onda(sello_onda))];
}

}  // namespace talmiroc
