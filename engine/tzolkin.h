// The 260-day count in its thirteen-moon reading: name tables, the date-to-kin
// rule, the texts that describe a kin, the oracle, the affirmation and the
// checks of a typed date.
//
// Everything here is a pure function of its arguments or a constant table.
// Texts are UTF-8; a line break inside a caption is "\r\n".
//
// Ranges used throughout:
//   kin   1..260
//   tone  1..13   tone tables have 14 entries, entry 0 is "Error"
//   seal  0..20   seal tables have 21 entries, entry 0 repeats entry 20 ("Sol")
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace talmiroc {

// ---------------------------------------------------------------------------
// Vocabulary

inline constexpr std::array<std::string_view, 21> sellos = {
    "Sol",  "Dragon",   "Viento",   "Noche",  "Semilla", "Serpiente", "Enlazador de Mundos",
    "Mano", "Estrella", "Luna",     "Perro",  "Mono",    "Humano",    "Caminante del Cielo",
    "Mago", "Aguila",   "Guerrero", "Tierra", "Espejo",  "Tormenta",  "Sol"};

inline constexpr std::array<std::string_view, 21> dias_maya = {
    "Ahau",  "Imix", "Ik",  "Akbal", "Kan", "Chicchan", "Cimi",  "Manik",  "Lamat", "Muluc", "Oc",
    "Chuen", "Eb",   "Ben", "Ix",    "Men", "Cib",      "Kaban", "Etznab", "Cauac", "Ahau"};

inline constexpr std::array<std::string_view, 14> tonos_m = {
    "Error",     "Magnético", "Lunar", "Eléctrico",  "Auto-exitente", "Entonado", "Rítmico",
    "Resonante", "Galáctico", "Solar", "Planetario", "Espectral",     "Cristal",  "Cósmico"};

inline constexpr std::array<std::string_view, 14> tonos_f = {
    "Error",     "Magnética", "Lunar", "Eléctrica",  "Auto-exitente", "Entonada", "Rítmica",
    "Resonante", "Galáctica", "Solar", "Planetaria", "Espectral",     "Cristal",  "Cósmica"};

inline constexpr std::array<std::string_view, 14> numeros_maya = {
    "Error", "Hun",   "Ka",    "Ox",    "Kan",   "Ho",    "Uak",
    "Uuk",   "Uakac", "Bolon", "Lahum", "Buluk", "Lahak", "Oxlahun"};

// Seal 0..20. Seals 0, 1, 2, 6, 10, 11, 12, 13, 14, 16, 18 and 20 are
// masculine ("del"); the others feminine ("de la").
constexpr bool Es_masculino(int sello) {
    constexpr std::uint32_t masculinos = (1u << 0) | (1u << 1) | (1u << 2) | (1u << 6) |
                                         (1u << 10) | (1u << 11) | (1u << 12) | (1u << 13) |
                                         (1u << 14) | (1u << 16) | (1u << 18) | (1u << 20);
    return sello >= 0 && sello <= 20 && ((masculinos >> sello) & 1u) != 0;
}

enum class Color { rojo = 0, blanco = 1, azul = 2, amarillo = 3 };

// Seal 1..20 (0 is read as 20). Color_sello(1) == Color::rojo.
constexpr Color Color_sello(int sello) {
    return static_cast<Color>((((sello + 19) % 20) % 4));
}

struct Palabras_color {
    std::string_view m;  // "Rojo"
    std::string_view f;  // "Roja"
};

inline constexpr std::array<Palabras_color, 4> palabras_color = {
    {{"Rojo", "Roja"}, {"Blanco", "Blanca"}, {"Azul", "Azul"}, {"Amarillo", "Amarilla"}}};

constexpr Palabras_color Palabras_de(Color c) {
    return palabras_color[static_cast<int>(c)];
}

// Colour word of a seal in the seal's own gender: Palabra_color(9) == "Roja".
constexpr std::string_view Palabra_color(int sello) {
    const Palabras_color p = Palabras_de(Color_sello(sello));
    return Es_masculino(sello) ? p.m : p.f;
}

// Tone name of tone 0..13 in the gender of seal 0..20.
constexpr std::string_view Nombre_tono(int tono, int sello) {
    return Es_masculino(sello) ? tonos_m[tono] : tonos_f[tono];
}

struct Rgb {
    std::uint8_t r, g, b;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// Text colour of `nombre` and `inter` for a seal's colour.
inline constexpr std::array<Rgb, 4> colores_etiqueta = {
    {{255, 0, 0}, {160, 160, 160}, {0, 100, 250}, {250, 250, 0}}};

constexpr Rgb Color_etiqueta(int sello) {
    return colores_etiqueta[static_cast<int>(Color_sello(sello))];
}

// Castle line of a wavespell seal 0..20; 0 reads as 20.
// Castillo(1) == "* Castillo Rojo Este del Girar".
std::string_view Castillo(int sello_onda);

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

// Month code 6..235 of month 1..12: 54 plus the days before the month, mod 260.
inline constexpr std::array<int, 13> codigos_mes = {0,   54, 85, 113, 144, 174, 205,
                                                    235, 6,  37, 67,  98,  128};

struct Cuenta_kin {
    int año_plegado;  // 38..89
    int codigo_año;   // 3..258
    int codigo_mes;   // 6..235
    int dia_cuenta;   // 1..31; 28 for 29 February
    int kin;          // 1..260
    int tono;         // 1..13
    int sello;        // 1..20
};

constexpr int Tono_de(int kin) {
    return (kin - 1) % 13 + 1;
}
constexpr int Sello_de(int kin) {
    return (kin - 1) % 20 + 1;
}

// Day 1..31, month 1..12 (at most 29 in February), any year.
// Calculo_kin(9, 4, 2003).kin == 46.
constexpr Cuenta_kin Calculo_kin(int dia, int mes, std::int64_t año) {
    Cuenta_kin c{};
    c.año_plegado = Año_plegado(año);
    c.codigo_año = Codigo_año(c.año_plegado);
    c.codigo_mes = codigos_mes[mes];
    c.dia_cuenta = (mes == 2 && dia == 29) ? 28 : dia;
    c.kin = (c.codigo_año + c.codigo_mes + c.dia_cuenta - 1) % 260 + 1;
    c.tono = Tono_de(c.kin);
    c.sello = Sello_de(c.kin);
    return c;
}

// Wavespell seal 0..20 of seal 1..20 and tone 1..13: seal - tone + 1, plus
// 20 when negative. 0 means "Sol" like 20. Sello_onda(6, 7) == 0.
constexpr int Sello_onda(int sello, int tono) {
    int s = sello - tono + 1;
    return s < 0 ? s + 20 : s;
}

// Year of the latest 26 July on or before the date. Año_portador(9, 4, 2003) == 2002.
constexpr std::int64_t Año_portador(int dia, int mes, std::int64_t año) {
    return (mes > 7 || (mes == 7 && dia >= 26)) ? año : año - 1;
}

// The year bearer's kin of any year: the kin of 26 July. Always seal 4, 9, 14 or 19.
constexpr int Kin_portador(std::int64_t año) {
    return Calculo_kin(26, 7, año).kin;
}

// ---------------------------------------------------------------------------
// Texts of a kin

// "* Kin 46: Enlazador de Mundos Resonante  Blanco\r\n <Cimi Uuk> "
std::string Linea_nombre(int kin, int tono, int sello);

// "Fecha Gregoriana: 9-4-2003"
std::string Linea_fecha(int dia, int mes, std::int64_t año);

// "* Onda encantada del Sol\r\n* Castillo Rojo Este del Girar"
std::string Lineas_onda(int sello_onda);

// "* Año de la Luna Planetaria Roja Kin 49\r\n <Muluc Lahum> "
std::string Lineas_portador(int kin, int tono, int sello);

// The Day-Out-of-Time banner shows on 25 July only.
constexpr bool Dia_fuera_del_tiempo(int dia, int mes) {
    return dia == 25 && mes == 7;
}

// ---------------------------------------------------------------------------
// Oracle

struct Oraculo_kin {
    int guia;      // 1..20
    int antipoda;  // 1..20
    int analogo;   // 1..20
    int oculto;    // 1..20
    friend constexpr bool operator==(const Oraculo_kin&, const Oraculo_kin&) = default;
};

// Seal 1..20, tone 1..13. Calculo_oraculo(6, 7) == {18, 16, 13, 15}.
constexpr Oraculo_kin Calculo_oraculo(int sello, int tono) {
    // Offset of the guide by tone mod 5: 0 -> 8, 1 -> 0, 2 -> 12, 3 -> 4, 4 -> 16.
    constexpr std::array<int, 5> desplazamiento = {8, 0, 12, 4, 16};
    Oraculo_kin o{};
    o.guia = sello + desplazamiento[static_cast<std::size_t>(tono % 5)];
    if (o.guia > 20) o.guia -= 20;
    o.antipoda = sello + 10 > 20 ? sello - 10 : sello + 10;
    o.oculto = 21 - sello;
    o.analogo = 19 - sello;
    if (o.analogo < 0) o.analogo += 20;
    if (o.analogo == 0) o.analogo = 20;
    return o;
}

// ---------------------------------------------------------------------------
// Affirmation

constexpr bool Es_polar(int kin) {
    return kin % 5 == 0 &&
           (Tono_de(kin) == 3 || Tono_de(kin) == 4 || Tono_de(kin) == 10 || Tono_de(kin) == 11);
}
bool Es_portal(int kin);

// Five to seven lines, each of the first six ending in "\r\n"; the portal
// line, when present, ends the text with no break after it.
// Texto_meditacion(46, 7, 6, 18) begins "Canalizo con el fin de igualar\r\n".
std::string Texto_meditacion(int kin, int tono, int sello, int sello_guia);

// ---------------------------------------------------------------------------
// Date entry checks

enum class Icono { informacion, error };

inline constexpr std::string_view mensaje_fecha =
    "Fecha incorrecta. Debe introducir una fecha correcta";
inline constexpr std::string_view mensaje_año =
    "Lo siento, por ahora los valores del año solo pueden estar de 38 en adelante";
inline constexpr std::string_view titulo_fecha = "Tzolkin";

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
// Everything the window shows for an accepted date, in one value.

struct Lectura_dia {
    int kin, tono, sello;  // of the entered date
    Oraculo_kin oraculo;
    int kin_portador, tono_portador, sello_portador;
    std::string nombre;          // caption of `nombre`
    std::string fecha;           // caption of `fecha`; the day as entered
    std::string onda_encantada;  // caption of `Onda_encantada`
    std::string a_maya;          // caption of `a_maya`
    std::string inter;           // caption of `inter`
    Rgb color;                   // text colour of `nombre` and `inter`
    bool dia_fuera_del_tiempo;   // the banner shows
};

// Describir_dia(Fecha{9, 4, 2003}).kin == 46, .kin_portador == 49.
Lectura_dia Describir_dia(const Fecha& f);

}  // namespace talmiroc
