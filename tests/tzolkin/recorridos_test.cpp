// The formats' details and bad input of ranges and searches, in-process.
#include <gtest/gtest.h>

#include <sstream>

#include "formatos.h"
#include "tzolkin_cli.h"

namespace talmiroc::cli {
namespace {

// The details that break real clients: folding, escaping, quoting, line ends.
TEST(Formatos, DetallesQueRompenClientes) {
    enum Que { linea_ics, texto_ics, campo_csv, json };
    const std::string a73(73, 'a'), a74(74, 'a'), a75(75, 'a');
    const struct {
        const char* caso;
        Que que;
        std::string entrada, salida;
    } filas[] = {
        {"75 octets: one line", linea_ics, a75, a75 + "\r\n"},
        {"76 octets: folded, the rest after a space", linea_ics, a75 + "b", a75 + "\r\n b\r\n"},
        {"a continuation holds 74", linea_ics, a75 + a74 + "c", a75 + "\r\n " + a74 + "\r\n c\r\n"},
        {"2-byte character at the limit moves whole", linea_ics, a74 + "é", a74 + "\r\n é\r\n"},
        {"3-byte character at the limit moves whole", linea_ics, a73 + "€", a73 + "\r\n €\r\n"},
        {"2-byte character that fits stays", linea_ics, a73 + "é", a73 + "é\r\n"},
        {"TEXT: backslash, semicolon, comma", texto_ics, "a\\b;c,d", "a\\\\b\\;c\\,d"},
        {"TEXT: LF, CR LF and CR are each one \\n", texto_ics, "a\nb\r\nc\rd", "a\\nb\\nc\\nd"},
        {"CSV: plain field as is", campo_csv, "Kin 46", "Kin 46"},
        {"CSV: comma quoted", campo_csv, "a,b", "\"a,b\""},
        {"CSV: quotes doubled", campo_csv, "di \"sí\"", "\"di \"\"sí\"\"\""},
        {"CSV: CR LF kept inside quotes", campo_csv, "a\r\nb", "\"a\r\nb\""},
        {"JSON: quote and backslash", json, "a\"b\\c", "\"a\\\"b\\\\c\""},
        {"JSON: short escapes", json, "\r\n\t\b\f", "\"\\r\\n\\t\\b\\f\""},
        {"JSON: other controls as \\u00XX", json, {"\x01\x1f\0", 3}, "\"\\u0001\\u001f\\u0000\""},
        {"JSON: UTF-8 as it is", json, "año", "\"año\""},
    };
    for (const auto& f : filas) {
        std::string s;
        switch (f.que) {
            case linea_ics:
                Añadir_linea_ics(s, f.entrada);
                break;
            case texto_ics:
                Añadir_texto_ics(s, f.entrada);
                break;
            case campo_csv:
                Añadir_campo_csv(s, f.entrada);
                break;
            case json:
                Añadir_json(s, std::string_view(f.entrada));
                break;
        }
        EXPECT_EQ(s, f.salida) << f.caso;
    }
}

// Bad input of ranges and searches: the window's refusal (1) or a one-line
// usage error (2), and nothing on standard output. Nothing to write is a
// refusal: the range or search said so, no empty calendar.
TEST(Recorridos, EntradasMalas) {
    const struct {
        std::vector<std::string> args;
        int estado;
    } filas[] = {
        {{"--desde", "1", "1", "37", "--hasta", "1", "1", "2003"}, salida_rechazada},
        {{"--desde", "1", "1", "2003", "--hasta", "30", "2", "2003"}, salida_rechazada},
        {{"--kin", "5", "abc", "1", "2003"}, salida_rechazada},
        {{"--kin", "5", "1", "1", "9990", "--cuantas", "20", "--formato", "ics"}, salida_rechazada},
        {{"--desde", "1", "1", "9999", "--hasta", "1", "1", "10000", "--formato", "ics"},
         salida_rechazada},
        {{"--formato", "csv", "31", "4", "2003"}, salida_rechazada},
        {{"--desde", "29", "2", "2003", "--hasta", "29", "2", "2003", "--formato", "ics"},
         salida_rechazada},
        {{"--desde", "31", "4", "2003", "--hasta", "31", "4", "2003"}, salida_rechazada},
        {{"--kin", "5", "1", "1", "2003", "--hasta", "2", "1", "2003", "--json"}, salida_rechazada},
        {{"--bogus"}, salida_uso},
        {{"--desde", "2", "1", "2003", "--hasta", "1", "1", "2003"}, salida_uso},
        {{"--kin", "5", "2", "1", "2003", "--hasta", "1", "1", "2003"}, salida_uso},
        {{"--kin", "0"}, salida_uso},
        {{"--kin", "261"}, salida_uso},
        {{"--kin", "-5"}, salida_uso},
        {{"--kin", "5", "--cuantas", "0"}, salida_uso},
        {{"--kin", "5", "--cuantas", "x"}, salida_uso},
        {{"--formato", "xml"}, salida_uso},
        {{"--json", "--formato", "csv"}, salida_uso},
        {{"--kin"}, salida_uso},
        {{"--formato"}, salida_uso},
        {{"--desde", "1", "1", "--hasta", "1", "1", "2003"}, salida_uso},
        {{"--desde", "1", "1", "2003"}, salida_uso},
        {{"--hasta", "1", "1", "2003"}, salida_uso},
        {{"--cuantas", "3"}, salida_uso},
        {{"--kin", "5", "9", "4"}, salida_uso},
        {{"--kin", "5", "--desde", "1", "1", "2003", "--hasta", "1", "1", "2004"}, salida_uso},
        {{"--desde", "1", "1", "2003", "--hasta", "1", "1", "2004", "9", "4", "2003"}, salida_uso},
    };
    for (const auto& f : filas) {
        std::string caso;
        for (const auto& a : f.args) caso += a + " ";
        std::istringstream in;
        std::ostringstream out, err;
        Entorno e{in, true, out, err, 9, 4, 2003};
        EXPECT_EQ(Ejecutar(f.args, e), f.estado) << caso;
        EXPECT_EQ(out.str(), "") << caso;
        const std::string errores = err.str();
        EXPECT_EQ(std::count(errores.begin(), errores.end(), '\n'), 1) << caso;
    }
    std::istringstream in;
    std::ostringstream out, err;
    Entorno e{in, true, out, err, 9, 4, 2003};
    Ejecutar({"--desde", "29", "2", "2003", "--hasta", "29", "2", "2003", "--formato", "csv"}, e);
    EXPECT_EQ(out.str(), "fecha_iso" + out.str().substr(9, out.str().find('\n') - 8))
        << "header alone";
    EXPECT_EQ(err.str(), "tzolkin: ninguna fecha coincide con lo pedido\n");
}

}  // namespace
}  // namespace talmiroc::cli
