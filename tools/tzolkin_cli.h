// The `tzolkin` command: the window's texts for a date, as plain text or JSON,
// one date from the arguments or many from standard input.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include <QJsonObject>

#include "tzolkin.h"

namespace talmiroc::cli {

// Exit status: every date accepted, some date refused, a usage error.
inline constexpr int salida_aceptada = 0;
inline constexpr int salida_rechazada = 1;
inline constexpr int salida_uso = 2;

// What the command reads from outside, so tests can choose it.
struct Entorno {
    std::istream& entrada;
    bool entrada_es_terminal;
    std::ostream& salida;
    std::ostream& errores;
    int dia_hoy, mes_hoy, año_hoy;  // today's local date
};

// The JSON object of a verdict: the day's fields, or {"error", "icono"}.
QJsonObject Json_veredicto(const Veredicto& v);

// Splits a batch line into day, month and year: three fields separated by
// blanks or '/'. Fewer fields leave the missing ones empty; more than three
// make the line unreadable (returns false).
bool Campos_linea(std::string_view linea, std::string& dia, std::string& mes, std::string& año);

// Runs the command with its arguments (program name excluded); returns the exit status.
int Ejecutar(const std::vector<std::string>& argumentos, Entorno& entorno);

}  // namespace talmiroc::cli
