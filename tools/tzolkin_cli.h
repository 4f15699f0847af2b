// The `tzolkin` command: the window's texts for a date, as plain text, JSON,
// CSV or iCalendar; one date from the arguments or many from standard input,
// every date of a range, or the dates on which a kin falls; the people book
// and its kin returns (personas_cli.h). No Qt.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "idiomas.h"
#include "tzolkin.h"

namespace talmiroc::cli {

// Exit status: every date accepted; some date refused (or the output could
// not be written); a usage error.
inline constexpr int salida_aceptada = 0;
inline constexpr int salida_rechazada = 1;
inline constexpr int salida_uso = 2;

// What the command reads from outside, so tests can choose it.
struct Entorno {
    std::istream& entrada;
    // Standard input holds no batch: a terminal or a device such as
    // /dev/null, not a pipe or a file. Then no date means today.
    bool entrada_sin_lote;
    std::ostream& salida;
    std::ostream& errores;
    int dia_hoy, mes_hoy, año_hoy;  // today's local date
    std::int64_t ahora = 0;         // seconds since 1970 UTC: iCalendar's DTSTAMP
    // SOURCE_DATE_EPOCH, null when unset: stands for `ahora`, or is refused
    // (status 2) when malformed or past 9999, for the formats that stamp.
    const char* source_date_epoch = nullptr;
    // The language of the readings and of the refusals, unless --idioma
    // names another: the environment's (Idioma_del_entorno). Written with
    // that language's day words (Palabras_dia).
    const Palabras* palabras = &palabras_es;
    // The people book --personas reads (personas::Ruta_libro); "" when the
    // environment names no place for it.
    std::string libro = {};
};

// Splits a batch line into day, month and year: three fields separated by
// blanks or '/'. Fewer fields leave the missing ones empty; more than three
// make the line unreadable (returns false).
bool Campos_linea(std::string_view linea, std::string& dia, std::string& mes, std::string& año);

// Runs the command with its arguments (program name excluded); returns the
// exit status. Output is written as it is made, and stops when
// `entorno.salida` fails. Ejecutar({"--kin", "164", "26", "7", "2012"}, e)
// writes the readings of 8 November 2012, 26 July 2013, 12 April 2014, ...
int Ejecutar(const std::vector<std::string>& argumentos, Entorno& entorno);

}  // namespace talmiroc::cli
