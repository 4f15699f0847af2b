// The 260-day count in its thirteen-moon reading: name tables, the date-to-kin
// rule, the texts that describe a kin, the oracle, the affirmation and the
// checks of a typed date.
//
// Everything here is a pure function of its arguments or a constant table.
// Texts are UTF-8; a line break inside a caption is "\r\n".
//
// Kin, tone and seal are value types (Kin, Tono, Sello) with their ranges.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "basico.h"
#include "trece_lunas.h"

namespace talmiroc {

// ---------------------------------------------------------------------------
// Kin, tone and seal
//
// Each is a small value type, so that a tone cannot stand where a seal is
// meant: Calculo_oraculo(Sello{6}, Tono{7}) compiles, the swapped call does
// not. Each says whether it is in range; a value out of range still reads
// every table safely (see En in basico.h).

// A tone 1..13. Tone tables have 14 entries: entry 0 is "Error".
struct Tono {
    int valor = 0;
    constexpr Tono() = default;
    constexpr explicit Tono(int v) : valor(v) {}
    constexpr bool ok() const { return valor >= 1 && valor <= 13; }
    friend constexpr bool operator==(Tono, Tono) = default;
    friend constexpr bool operator==(Tono a, int b) { return a.valor == b; }
};

// A seal 1..20. Seal tables have 21 entries: entry 0 repeats entry 20
// ("Sol"), because the count reaches seal 20 as a remainder of 0.
struct Sello {
    int valor = 0;
    constexpr Sello() = default;
    constexpr explicit Sello(int v) : valor(v) {}
    constexpr bool ok() const { return valor >= 1 && valor <= 20; }
    friend constexpr bool operator==(Sello, Sello) = default;
    friend constexpr bool operator==(Sello a, int b) { return a.valor == b; }
};

// A kin 1..260, and the tone and seal it carries: Kin{46}.sello() == 6.
struct Kin {
    int valor = 0;
    constexpr Kin() = default;
    constexpr explicit Kin(int v) : valor(v) {}
    constexpr bool ok() const { return valor >= 1 && valor <= 260; }
    // Outside 1..260 both are 0, which every table reads as its sentinel.
    constexpr Tono tono() const { return ok() ? Tono((valor - 1) % 13 + 1) : Tono(0); }
    constexpr Sello sello() const { return ok() ? Sello((valor - 1) % 20 + 1) : Sello(0); }
    friend constexpr bool operator==(Kin, Kin) = default;
    friend constexpr bool operator==(Kin a, int b) { return a.valor == b; }
};

// ---------------------------------------------------------------------------
// Vocabulary

// Seal tables, from sellos.def; entry 0 repeats entry 20.
#define SELLO(n, nombre, arreglo, maya, articulo) nombre,
inline constexpr std::array<std::string_view, 21> sellos = {
    "Sol",
#include "sellos.def"
};
#undef SELLO

#define SELLO(n, nombre, arreglo, maya, articulo) maya,
inline constexpr std::array<std::string_view, 21> dias_maya = {
    "Ahau",
#include "sellos.def"
};
#undef SELLO

// Name of each seal's image array, which is also its picture's resource
// name: :/sellos/Enlazador_mundos.svg.
#define SELLO(n, nombre, arreglo, maya, articulo) #arreglo,
inline constexpr std::array<std::string_view, 21> arreglos_sello = {
    "Sol",
#include "sellos.def"
};
#undef SELLO

// Whether a seal's name takes "del" (masculine) or "de la".
#define SELLO(n, nombre, arreglo, maya, articulo) std::string_view(#articulo) == "del",
inline constexpr std::array<bool, 21> sellos_masculinos = {
    true,
#include "sellos.def"
};
#undef SELLO

inline constexpr std::array<std::string_view, 14> tonos_m = {
    "Error",     "Magnético", "Lunar", "Eléctrico",  "Auto-exitente", "Entonado", "Rítmico",
    "Resonante", "Galáctico", "Solar", "Planetario", "Espectral",     "Cristal",  "Cósmico"};

inline constexpr std::array<std::string_view, 14> tonos_f = {
    "Error",     "Magnética", "Lunar", "Eléctrica",  "Auto-exitente", "Entonada", "Rítmica",
    "Resonante", "Galáctica", "Solar", "Planetaria", "Espectral",     "Cristal",  "Cósmica"};

inline constexpr std::array<std::string_view, 14> numeros_maya = {
    "Error", "Hun",   "Ka",    "Ox",    "Kan",   "Ho",    "Uak",
    "Uuk",   "Uakac", "Bolon", "Lahum", "Buluk", "Lahak", "Oxlahun"};

constexpr std::string_view Nombre_sello(Sello s) {
    return En(sellos, s.valor);
}
constexpr std::string_view Dia_maya(Sello s) {
    return En(dias_maya, s.valor);
}
constexpr std::string_view Numero_maya(Tono t) {
    return En(numeros_maya, t.valor);
}
constexpr bool Es_masculino(Sello s) {
    return En(sellos_masculinos, s.valor);
}

enum class Color { rojo = 0, blanco = 1, azul = 2, amarillo = 3 };

// Seal 1..20 (0 is read as 20). Color_sello(Sello{1}) == Color::rojo.
constexpr Color Color_sello(Sello s) {
    const int r = ((s.valor + 19) % 20) % 4;
    return static_cast<Color>(r < 0 ? r + 4 : r);
}

struct Palabras_color {
    std::string_view m;  // "Rojo"
    std::string_view f;  // "Roja"
};

inline constexpr std::array<Palabras_color, 4> palabras_color = {
    {{"Rojo", "Roja"}, {"Blanco", "Blanca"}, {"Azul", "Azul"}, {"Amarillo", "Amarilla"}}};

constexpr Palabras_color Palabras_de(Color c) {
    return palabras_color[static_cast<std::size_t>(c)];
}

// Colour word of a seal in the seal's own gender: Palabra_color(Sello{9}) == "Roja".
constexpr std::string_view Palabra_color(Sello s) {
    const Palabras_color p = Palabras_de(Color_sello(s));
    return Es_masculino(s) ? p.m : p.f;
}

// Tone name in the gender of the seal: Nombre_tono(Tono{10}, Sello{9}) == "Planetaria".
constexpr std::string_view Nombre_tono(Tono t, Sello s) {
    return Es_masculino(s) ? En(tonos_m, t.valor) : En(tonos_f, t.valor);
}

struct Rgb {
    std::uint8_t r, g, b;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// Text colour of `nombre` and `inter` for a seal's colour.
inline constexpr std::array<Rgb, 4> colores_etiqueta = {
    {{255, 0, 0}, {160, 160, 160}, {0, 100, 250}, {250, 250, 0}}};

constexpr Rgb Color_etiqueta(Sello s) {
    return colores_etiqueta[static_cast<std::size_t>(Color_sello(s))];
}

// Castle line of a wavespell seal 0..20; 0 reads as 20.
// Castillo(Sello{1}) == "* Castillo Rojo Este del Girar".
std::string_view Castillo(Sello sello_onda);

// ---------------------------------------------------------------------------
// Date to kin

// Any year y >= 38 folds to 38 + ((y - 38) mod 52); years below 38 fold the
// same way (37 -> 89), so the year bearer of a date early in year 38 is right.
constexpr int Año_plegado(std::int64_t año) {
    std::int64_t r = (año - 38) % 52;
    if (r < 0) r += 52;
    return static_cast<int>(38 + r);
}

// Year code 3..258 of a folded year 38..89: (8 + 105 (f - 38)) mod 260.
constexpr int Codigo_año(int plegado) {
    return (8 + 105 * (plegado - 38)) % 260;
}

// Month code 6..235 of month 1..12: 54 plus the days before the month
// (dias_antes_mes, the thirteen-moon count's table), mod 260. Entry 0 is 0.
inline constexpr std::array<int, 13> codigos_mes = [] {
    std::array<int, 13> c{};
    for (std::size_t m = 1; m <= 12; ++m) c[m] = (54 + dias_antes_mes[m]) % 260;
    return c;
}();

struct Cuenta_kin {
    int año_plegado;  // 38..89
    int codigo_año;   // 3..258
    int codigo_mes;   // 6..235
    int dia_cuenta;   // 1..31; 28 for 29 February
    Kin kin;
    Tono tono;
    Sello sello;
};

// Day 1..31, month 1..12 (at most 29 in February), any year.
// Calculo_kin(9, 4, 2003).kin == 46.
constexpr Cuenta_kin Calculo_kin(int dia, int mes, std::int64_t año) {
    Cuenta_kin c{};
    c.año_plegado = Año_plegado(año);
    c.codigo_año = Codigo_año(c.año_plegado);
    c.codigo_mes = En(codigos_mes, mes);
    c.dia_cuenta = (mes == 2 && dia == 29) ? 28 : dia;
    c.kin = Kin((c.codigo_año + c.codigo_mes + c.dia_cuenta - 1) % 260 + 1);
    c.tono = c.kin.tono();
    c.sello = c.kin.sello();
    return c;
}

// Wavespell seal 0..20: seal - tone + 1, plus 20 when negative. 0 means
// "Sol" like 20. Sello_onda(Sello{6}, Tono{7}) == 0.
constexpr Sello Sello_onda(Sello sello, Tono tono) {
    const int s = sello.valor - tono.valor + 1;
    return Sello(s < 0 ? s + 20 : s);
}

// The year bearer's kin of any year: the kin of 26 July. Always seal 4, 9, 14 or 19.
constexpr Kin Kin_portador(std::int64_t año) {
    return Calculo_kin(26, 7, año).kin;
}

// ---------------------------------------------------------------------------
// Texts of a kin

// "* Kin 46: Enlazador de Mundos Resonante  Blanco\r\n <Cimi Uuk> "
std::string Linea_nombre(Kin kin);

// "Fecha Gregoriana: 9-4-2003"
std::string Linea_fecha(int dia, int mes, std::int64_t año);

// "* Onda encantada del Sol\r\n* Castillo Rojo Este del Girar"
std::string Lineas_onda(Sello sello_onda);

// "* Año de la Luna Planetaria Roja Kin 49\r\n <Muluc Lahum> "
std::string Lineas_portador(Kin portador);

// The Day-Out-of-Time banner shows on 25 July only, with this text.
constexpr bool Dia_fuera_del_tiempo(int dia, int mes) {
    return dia == 25 && mes == 7;
}
inline constexpr std::string_view texto_fuera_del_tiempo =
    "Dia Verde, del Perdón Universal o de la Libertad Galáctica";

// ---------------------------------------------------------------------------
// Oracle

// The four partners of a kin, by their place in the cross.
struct Oraculo_kin {
    Sello guia;      // above the centre
    Sello antipoda;  // left
    Sello analogo;   // right
    Sello oculto;    // below
    friend constexpr bool operator==(const Oraculo_kin&, const Oraculo_kin&) = default;
};

// Calculo_oraculo(Sello{6}, Tono{7}) == {18, 16, 13, 15}: seals 1..20.
constexpr Oraculo_kin Calculo_oraculo(Sello sello, Tono tono) {
    // Offset of the guide by tone mod 5: 0 -> 8, 1 -> 0, 2 -> 12, 3 -> 4, 4 -> 16.
    constexpr std::array<int, 5> desplazamiento = {8, 0, 12, 4, 16};
    const int s = sello.valor;
    int guia = s + En(desplazamiento, tono.valor % 5);
    if (guia > 20) guia -= 20;
    int analogo = 19 - s;
    if (analogo < 0) analogo += 20;
    if (analogo == 0) analogo = 20;
    return {Sello(guia), Sello(s + 10 > 20 ? s - 10 : s + 10), Sello(analogo), Sello(21 - s)};
}

// The places of the cross as a screen reader names them, in the order of
// Oraculo_kin's fields: lugares_oraculo[1] == "Kin Antípoda". The window's
// caption and `tzolkin` keep their own spelling of the guide ("Kin Guia").
inline constexpr std::array<std::string_view, 4> lugares_oraculo = {"Kin Guía", "Kin Antípoda",
                                                                    "Kin Análogo", "Kin Oculto"};
// The centre of the cross, where the kin's own seal stands.
inline constexpr std::string_view lugar_centro = "Centro del oráculo";

// ---------------------------------------------------------------------------
// Affirmation

constexpr bool Es_polar(Kin kin) {
    const int t = kin.tono().valor;
    return kin.valor % 5 == 0 && (t == 3 || t == 4 || t == 10 || t == 11);
}
bool Es_portal(Kin kin);

// Five to seven lines, each of the first six ending in "\r\n"; the portal
// line, when present, ends the text with no break after it. The fifth line
// names the power of the kin's guide.
// Texto_meditacion(Kin{46}) begins "Canalizo con el fin de igualar\r\n".
std::string Texto_meditacion(Kin kin);

// ---------------------------------------------------------------------------
// Date entry checks

enum class Icono { informacion, error };

inline constexpr std::string_view mensaje_fecha =
    "Fecha incorrecta. Debe introducir una fecha correcta";
inline constexpr std::string_view mensaje_año =
    "Lo siento, por ahora los valores del año solo pueden estar de 38 en adelante";
inline constexpr std::string_view titulo_fecha = "Tzolkin";

// Imprimir's messages, both under one title: no date is shown; the print
// system refused the page.
inline constexpr std::string_view mensaje_sin_fecha = "Debe introducir una fecha";
inline constexpr std::string_view mensaje_impresion_fallida = "No se pudo imprimir la ventana";
inline constexpr std::string_view titulo_imprimir = "Quenabre";

// Largest year the checks accept: any run of up to 18 digits.
inline constexpr std::int64_t año_maximo = 999'999'999'999'999'999;

struct Fecha {
    int dia;           // 1..31
    int mes;           // 1..12
    std::int64_t año;  // 38..año_maximo
    friend constexpr bool operator==(const Fecha&, const Fecha&) = default;
};

struct Rechazo {
    std::string_view mensaje;  // mensaje_fecha or mensaje_año
    Icono icono;
    friend constexpr bool operator==(const Rechazo&, const Rechazo&) = default;
};

using Veredicto = std::variant<Fecha, Rechazo>;

// Readings of a typed number. Blanks are space and tab.
//
// Leading-number reading: blanks, an optional sign, the digits that follow;
// a text that does not begin so reads 0. Lectura_inicial(" 12ab") == 12.
// Digit runs beyond the int64 range saturate, so they stay out of range.
std::int64_t Lectura_inicial(std::string_view texto);

// Full-number reading: the whole text must be blanks, an optional sign, at
// least one ASCII digit, blanks. Lectura_completa("07", v) sets v = 7.
bool Lectura_completa(std::string_view texto, std::int64_t& valor);

// The checks of a typed date, first failing check speaks:
// empty -> form -> February -> year -> ranges. Any bytes are accepted.
// Comprobar_fecha("09", "04", "2003") == Fecha{9, 4, 2003}.
Veredicto Comprobar_fecha(std::string_view dia, std::string_view mes, std::string_view año);

// ---------------------------------------------------------------------------
// The description of a day: everything the window, the printed page and
// `tzolkin` show for an accepted date, composed here once. They only copy.

struct Lectura_dia {
    Fecha entrada;                  // the date as accepted
    Kin kin;                        // of the entered date; 29 February counts as 28
    Sello sello_onda;               // 0..20, the wavespell's seal
    Oraculo_kin oraculo;            // of the entered date's kin
    Kin portador;                   // the year bearer: the kin of the latest 26 July
    std::string nombre;             // caption of `nombre`
    std::string fecha;              // caption of `fecha`; the day as entered
    std::string onda_encantada;     // caption of `Onda_encantada`
    std::string a_maya;             // caption of `a_maya`
    std::string inter;              // caption of `inter`
    Rgb color;                      // text colour of `nombre` and `inter`
    bool dia_fuera_del_tiempo;      // the banner shows
    Fecha_trece_lunas trece_lunas;  // the day's place in the thirteen-moon year
    std::string linea_trece_lunas;  // "13 Lunas: ...", the tooltip of `fecha`
    std::string nombre_kin;         // "Caminante del Cielo Planetario Rojo": seal, tone, colour
    // What a screen reader calls the glyphs (25 July 2003 as the example):
    std::string nombre_sello;   // "Sello Caminante del Cielo": the large glyph
    std::string nombre_tono;    // "Tono 10, Planetario": the numeral, the tone's masculine form
    std::string nombre_centro;  // "Centro del oráculo: Caminante del Cielo"
    std::array<std::string, 4> nombres_oraculo;  // "Kin Guía: Dragon", ... as lugares_oraculo
    // What a screen reader says once after Calcular: the kin line, and on
    // 25 July the banner. "Kin 153: Caminante del Cielo Planetario Rojo.
    // Dia Verde, del Perdón Universal o de la Libertad Galáctica"
    std::string anuncio;
};

// A caption as a screen reader should hear it: without the decoration the
// captions carry for the eye (the "* " that opens a line, the angle brackets
// around a Maya name), its lines joined by ", ", each run of spaces one space.
// Para_oir("* Kin 153: Caminante del Cielo Planetario  Rojo\r\n <Ben Lahum> ")
//   == "Kin 153: Caminante del Cielo Planetario Rojo, Ben Lahum"
std::string Para_oir(std::string_view caption);

// Describir_dia(Fecha{9, 4, 2003}).kin == 46, .portador == 49.
Lectura_dia Describir_dia(const Fecha& f);

// The day's reading as plain text, lines ended by "\n": the date line, the
// thirteen-moon line, the name, the year bearer, the wavespell and castle,
// the four oracle seals by their places, the affirmation, and the banner on
// 25 July.
// Texto_dia(Describir_dia(Fecha{9, 4, 2003})) begins "Fecha Gregoriana: 9-4-2003\n".
std::string Texto_dia(const Lectura_dia& l);

}  // namespace talmiroc
