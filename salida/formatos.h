// The formats `tzolkin` writes a day's description in: plain text, compact
// JSON, a CSV row (RFC 4180), an iCalendar event (RFC 5545) and one line for
// a status bar, each one row of the table of formats. Each only renders the
// engine's Lectura_dia; none composes a calendar fact. No Qt.
//
// JSON and CSV write the same fields of a day, each listed once in the
// table of a day's fields (formatos.cpp): its name, the outputs that carry
// it and how it is read from the description.
//
// Every function appends to a string, so a long run reuses one buffer.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "tzolkin.h"

namespace talmiroc::cli {

// ---------------------------------------------------------------------------
// The formats

// An output format and its writer.
struct Formato {
    std::string_view nombre;  // as --formato takes it: "csv"
    std::string_view titulo;  // as messages name it: "CSV"
    bool fecha_real;          // writes real calendar dates only (no 31 April)
    std::int64_t año_maximo;  // the last year it can write
    bool sellado;             // stamps the time of writing (SOURCE_DATE_EPOCH)
    // What opens the output (may be null), given the calendar's name
    // ("Tzolkin", "Tzolkin · Kin 164"); whether it is written alone when no
    // day follows (a CSV header) or not at all (an iCalendar needs an event).
    void (*inicio)(std::string& s, std::string_view nombre);
    bool inicio_solo;
    // Each day, what closes the output (may be null). `anteriores` counts
    // the days written before this one; `ahora` is the time of writing, in
    // seconds since 1970 UTC.
    void (*dia)(std::string& s, const Lectura_dia& l, std::int64_t anteriores, std::int64_t ahora);
    void (*fin)(std::string& s);
    // A refused date as a line of the output itself, one output line for
    // each input line of a batch; null when a refusal goes to standard error.
    void (*rechazo)(std::string& s, const Rechazo& r);
};

// Every format, the default (plain text) first.
std::span<const Formato> Formatos();

// The format of a name, or null: Buscar_formato("ics")->titulo == "iCalendar".
const Formato* Buscar_formato(std::string_view nombre);

// ---------------------------------------------------------------------------
// JSON, as QJsonDocument's compact form wrote it: keys in alphabetical
// order at every level, no blanks, non-ASCII UTF-8 as is.

// A string in quotes: '"' '\' and the control characters escaped (\b \f \n
// \r \t, the others as \u00XX in lower-case hex). "a\"b" -> "\"a\\\"b\"".
void Añadir_json(std::string& s, std::string_view texto);

// The day's object: {"a_maya":...,"trece_lunas":{...}}, no line break.
void Añadir_json(std::string& s, const Lectura_dia& l);

// How many keys a day's object has at its top level, a nested object
// counting as one: the table of a day's fields decides.
std::size_t Claves_json_dia();

// A refused date: {"error":"Fecha incorrecta. ...","icono":"informacion"}.
void Añadir_json(std::string& s, const Rechazo& r);

// ---------------------------------------------------------------------------
// CSV: UTF-8, CRLF after every row, a header row naming the columns in the
// order of the table of a day's fields. Absent values (the moon's numbers on
// 25 July and 29 February) are empty fields; booleans read true or false.

// One field: as is, or in double quotes (quotes inside doubled) when it
// holds a quote, a comma, CR or LF. Campo_csv("a,b") -> "\"a,b\"".
void Añadir_campo_csv(std::string& s, std::string_view campo);

// The header row and a day's row, each ended by CR LF. The header takes
// the format table's calendar name and ignores it.
void Añadir_cabecera_csv(std::string& s, std::string_view = {});
void Añadir_fila_csv(std::string& s, const Lectura_dia& l);

// 2003-04-09; years below 1000 padded to four digits (0038-01-01), years
// past 9999 written in full (10000-01-01).
void Añadir_fecha_iso(std::string& s, const Fecha& f);

// ---------------------------------------------------------------------------
// iCalendar

// The last year a DATE value can hold (four digits).
inline constexpr std::int64_t año_maximo_ics = 9999;

// TEXT value escaping: '\' ';' ',' escaped with '\', a line break (LF or
// CR LF, or CR alone) as "\n". "a,b\nc" -> "a\\,b\\nc".
void Añadir_texto_ics(std::string& s, std::string_view texto);

// One content line, folded so that no line exceeds 75 octets before its
// CR LF (a continuation starts with a space) and never inside a UTF-8
// character; ended by CR LF.
void Añadir_linea_ics(std::string& s, std::string_view linea);

// The calendar's first lines (BEGIN:VCALENDAR ... NAME:Tzolkin,
// X-WR-CALNAME:Tzolkin) and its last.
void Añadir_inicio_ics(std::string& s, std::string_view nombre);
void Añadir_fin_ics(std::string& s);

// The DTSTAMP line of `sello_utc` (seconds since 1970 UTC), with its CR LF:
// "DTSTAMP:20030725T000000Z\r\n".
void Añadir_sello_ics(std::string& s, std::int64_t sello_utc);

// One all-day event: UID kin-YYYYMMDD@talmiroc, DTSTAMP from `sello_utc`
// (seconds since 1970 UTC), DTSTART;VALUE=DATE and DURATION:P1D, SUMMARY
// "Kin 153 · Caminante del Cielo Planetario Rojo · Día fuera del tiempo"
// (the special day's name on 25 July and 29 February), DESCRIPTION the
// whole plain-text reading, CATEGORIES the seal's colour ("Rojo") and, on a
// portal day, "Portal de activación galáctica". A real date of year 38..9999.
void Añadir_evento_ics(std::string& s, const Lectura_dia& l, std::int64_t sello_utc);

// Any other all-day event, written as a day's is (DTSTAMP, DTSTART;VALUE=DATE,
// DURATION:P1D, escaped and folded SUMMARY and DESCRIPTION, free time):
// a person's kin return, "Kin 46 · Ana".
struct Evento_ics {
    std::string uid;  // before "@talmiroc"
    Fecha fecha;      // a real date of year 38..9999
    std::string resumen;
    std::string descripcion;
};
void Añadir_evento_ics(std::string& s, const Evento_ics& e, std::int64_t sello_utc);

}  // namespace talmiroc::cli
