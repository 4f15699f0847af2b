// What `tzolkin` says in a language of its own: its help, its usage errors
// and its other messages. Its readings are the engine's (Palabras); option
// names, format names, JSON keys and CSV columns are the same in every
// language. Each language's object, tzolkin_<code>, lives beside its words in
// palabras_<code>.cpp.
//
// In a pattern {1}, {2} stand for the values the command fills in
// (Componer): "línea {1}: " reads "línea 2: ".
#pragma once

#include <array>
#include <string_view>

namespace talmiroc {

struct Textos_tzolkin {
    // --help: the commands; "Salida: --formato " before the formats' names;
    // what follows them up to the language codes; what follows those; what
    // no date means.
    std::string_view uso, salida, tras_formatos, tras_idiomas, uso_hoy;
    // After every usage error: " (tzolkin --help)".
    std::string_view ver_ayuda;
    // A list's last two words joined: " y ", and the form before a word that
    // opens with "i" or "hi" (Spanish " e "; other languages the same).
    std::array<std::string_view, 2> y;

    // Usage errors; {1} an option, a value or a list.
    std::string_view dos_formatos;       // "se pidieron dos formatos distintos"
    std::string_view repetida;           // "{1} repetida"
    std::string_view falta_formato;      // "falta el formato tras --formato"
    std::string_view formato_desconocido;  // "formato desconocido: {1}; son {2}"
    std::string_view falta_idioma;
    std::string_view idioma_desconocido;   // "idioma desconocido: {1}; son {2}"
    std::string_view faltan_fecha;         // "faltan DIA MES AÑO tras {1}"
    std::string_view falta_numero;         // "falta el número tras {1}"
    std::string_view kin_fuera;            // "el kin va de 1 a 260, no {1}"
    std::string_view cuantas_no_positivo;  // "--cuantas pide un número positivo, no {1}"
    std::string_view desconocida;          // "opción desconocida: {1}"
    std::string_view personas_sin_kin, tres_tras_personas, personas_solo_ics;
    std::string_view desde_con_kin, hasta_sin_desde, desde_sin_hasta, sobra_fecha,
        cuantas_sin_kin, tres_tras_kin, tres_valores;
    std::string_view hasta_antes_de_partida, hasta_antes_de_desde;
    // SOURCE_DATE_EPOCH's two faults, after the value.
    std::string_view sello_no_numero, sello_pasado;

    // What a format cannot write: {1} a date, {2} the formats that take real
    // dates only; {1} a format, {2} its last year; and what a search should do.
    std::string_view no_es_real, años_hasta, acotar_busqueda;
    // Before a batch line's message: "línea {1}: ".
    std::string_view linea;
    std::string_view ninguna_valida, ninguna_coincide;

    // The people book: no place for it; {1} its path, {2} what is wrong
    // with it (defectos_libro, by personas::Defecto: {1} the person, {2} the
    // line, {3} the detail); nothing to write.
    std::string_view sin_libro, libro_malo;
    std::array<std::string_view, 8> defectos_libro;
    std::string_view ningun_regreso;
    // {1} the system's reason.
    std::string_view salida_fallida;
};

}  // namespace talmiroc
