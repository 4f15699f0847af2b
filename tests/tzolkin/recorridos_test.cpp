// Ranges, the kin search and the formats' details, in-process.
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

#include "formatos.h"
#include "recorrido.h"
#include "tzolkin_cli.h"

namespace talmiroc::cli {
namespace {

namespace ch = std::chrono;

struct Corrida {
    int estado;
    std::string salida, errores;
};

Corrida Correr(const std::vector<std::string>& args) {
    std::istringstream in;
    std::ostringstream out, err;
    Entorno e{in, true, out, err, 9, 4, 2003};
    const int estado = Ejecutar(args, e);
    return {estado, out.str(), err.str()};
}

ch::year_month_day Ymd(const Fecha& f) {
    return {ch::year(static_cast<int>(f.año)), ch::month(f.mes), ch::day(f.dia)};
}

// The walk's calendar against the standard library's, day by day over years 38..9999,
// and the dates the entry accepts without them being real.
TEST(Recorridos, CalendarioComoElDeChrono) {
    ch::sys_days esperado = Ymd({1, 1, 38});
    for (Fecha f{1, 1, 38}; f.año < 10000; f = Siguiente(f)) {
        ASSERT_EQ(ch::sys_days(Ymd(f)), esperado) << f.dia << "-" << f.mes << "-" << f.año;
        esperado += ch::days(1);
    }
    const struct {
        Fecha entrada, primera, ultima;
    } filas[] = {{{31, 4, 2003}, {1, 5, 2003}, {30, 4, 2003}},
                 {{29, 2, 2003}, {1, 3, 2003}, {28, 2, 2003}},
                 {{29, 2, 1900}, {1, 3, 1900}, {28, 2, 1900}},
                 {{29, 2, 2000}, {29, 2, 2000}, {29, 2, 2000}},
                 {{31, 11, 2003}, {1, 12, 2003}, {30, 11, 2003}}};
    for (const auto& f : filas) {
        EXPECT_EQ(Primera_real(f.entrada), f.primera) << f.entrada.dia << "-" << f.entrada.mes;
        EXPECT_EQ(Ultima_real(f.entrada), f.ultima) << f.entrada.dia << "-" << f.entrada.mes;
    }
}

// The search jumps; a scan of every real date of four years is its oracle.
TEST(Recorridos, BusquedaComoUnBarrido) {
    const Fecha inicios[] = {{1, 1, 2003},  {28, 2, 2004}, {29, 2, 2004}, {31, 4, 2003},
                             {25, 7, 2011}, {1, 1, 38},    {1, 3, 32000}};
    for (const Fecha& inicio : inicios) {
        const Fecha fin{inicio.dia, inicio.mes, inicio.año + 4};
        for (const int kin :
             {1, 46, 111, 164, 260, Calculo_kin(inicio.dia, inicio.mes, inicio.año).kin.valor}) {
            std::vector<ch::year_month_day> barrido, busqueda;
            for (ch::sys_days d = Ymd(Primera_real(inicio)); d <= ch::sys_days(Ymd(fin));
                 d += ch::days(1)) {
                const ch::year_month_day ymd(d);
                const Cuenta_kin c =
                    Calculo_kin(static_cast<int>(unsigned(ymd.day())),
                                static_cast<int>(unsigned(ymd.month())), int(ymd.year()));
                if (c.kin == kin) barrido.push_back(ymd);
            }
            Busqueda_kin b(Kin(kin), inicio);
            for (Fecha f = b.Siguiente(); !Antes(fin, f); f = b.Siguiente()) {
                busqueda.push_back(Ymd(f));
            }
            EXPECT_EQ(busqueda, barrido) << "kin " << kin << " from " << inicio.dia << "-"
                                         << inicio.mes << "-" << inicio.año;
        }
    }
}

// The details that break real clients: folding, escaping, quoting, line ends.
TEST(Formatos, DetallesQueRompenClientes) {
    enum Que { linea_ics, texto_ics, campo_csv, json, fecha_iso };
    const std::string a73(73, 'a'), a74(74, 'a'), a75(75, 'a');
    const struct {
        const char* caso;
        Que que;
        std::string entrada, salida;
    } filas[] = {
        {"75 octets: one line", linea_ics, a75, a75 + "\r\n"},
        {"76 octets: folded, the rest after a space", linea_ics, a75 + "b", a75 + "\r\n b\r\n"},
        {"a continuation holds 74 more", linea_ics, a75 + a74 + "c",
         a75 + "\r\n " + a74 + "\r\n c\r\n"},
        {"2-byte character at the limit moves whole", linea_ics, a74 + "é", a74 + "\r\n é\r\n"},
        {"3-byte character at the limit moves whole", linea_ics, a73 + "€", a73 + "\r\n €\r\n"},
        {"2-byte character that fits stays", linea_ics, a73 + "é", a73 + "é\r\n"},
        {"TEXT: backslash, semicolon, comma", texto_ics, "a\\b;c,d", "a\\\\b\\;c\\,d"},
        {"TEXT: LF, CR LF and CR are each one \\n", texto_ics, "a\nb\r\nc\rd", "a\\nb\\nc\\nd"},
        {"CSV: plain field as is", campo_csv, "Kin 46", "Kin 46"},
        {"CSV: comma quoted", campo_csv, "a,b", "\"a,b\""},
        {"CSV: quotes doubled", campo_csv, "di \"sí\"", "\"di \"\"sí\"\"\""},
        {"CSV: CR LF kept inside quotes", campo_csv, "a\r\nb", "\"a\r\nb\""},
        {"CSV: empty field", campo_csv, "", ""},
        {"JSON: quote and backslash", json, "a\"b\\c", "\"a\\\"b\\\\c\""},
        {"JSON: short escapes", json, "\r\n\t\b\f", "\"\\r\\n\\t\\b\\f\""},
        {"JSON: other controls as \\u00XX", json, std::string("\x01\x1f\0", 3),
         "\"\\u0001\\u001f\\u0000\""},
        {"JSON: UTF-8 and DEL as they are", json, "año\x7f", "\"año\x7f\""},
        {"ISO date: year 38 padded", fecha_iso, "38", "0038-01-01"},
        {"ISO date: year 10000 in full", fecha_iso, "10000", "10000-01-01"},
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
            case fecha_iso:
                Añadir_fecha_iso(s, {1, 1, std::stoll(f.entrada)});
                break;
        }
        EXPECT_EQ(s, f.salida) << f.caso;
    }
}

// A leap year's calendar: 366 events, every physical line within 75 octets,
// ended by CR LF, never folded inside a UTF-8 character.
TEST(Formatos, IcsDeUnAñoBisiesto) {
    const Corrida c =
        Correr({"--formato", "ics", "--desde", "1", "1", "2028", "--hasta", "31", "12", "2028"});
    ASSERT_EQ(c.estado, salida_aceptada);
    std::size_t eventos = 0, n = 0;
    for (std::size_t i = 0, fin; i < c.salida.size(); i = fin + 2, ++n) {
        fin = c.salida.find("\r\n", i);
        ASSERT_NE(fin, std::string::npos) << "line " << n << " not ended by CR LF";
        const std::string_view l(c.salida.data() + i, fin - i);
        EXPECT_LE(l.size(), 75u) << "line " << n;
        EXPECT_EQ(l.find_first_of("\r\n"), std::string_view::npos) << "line " << n;
        if (l.starts_with(' ')) {
            EXPECT_NE(static_cast<unsigned char>(l[1]) & 0xC0, 0x80) << "line " << n;
        }
        eventos += l == "BEGIN:VEVENT";
    }
    EXPECT_EQ(eventos, 366u);
}

// Every bad input of the new options, nothing on standard output but a JSON
// refusal, and a usage error in one line.
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
        const Corrida c = Correr(f.args);
        EXPECT_EQ(c.estado, f.estado) << caso;
        EXPECT_TRUE(c.salida.empty()) << caso;
        EXPECT_EQ(std::count(c.errores.begin(), c.errores.end(), '\n'), 1) << caso;
    }
    // A refused date in JSON is the single date's refusal object.
    EXPECT_EQ(Correr({"--json", "--kin", "5", "1", "1", "37"}).salida,
              Json_veredicto(Comprobar_fecha("1", "1", "37")) + "\n");
}

// A reader that goes away: the walk stops at the first failed write.
TEST(Recorridos, SeDetieneCuandoLaSalidaFalla) {
    struct Corta : std::streambuf {
        int escrituras = 0;
        std::streamsize xsputn(const char*, std::streamsize n) override {
            return ++escrituras == 1 ? n : 0;
        }
        int overflow(int) override { return ++escrituras == 1 ? 0 : traits_type::eof(); }
    } corta;
    std::ostream out(&corta);
    std::istringstream in;
    std::ostringstream err;
    Entorno e{in, true, out, err, 9, 4, 2003};
    EXPECT_EQ(Ejecutar({"--json", "--desde", "1", "1", "38", "--hasta", "31", "12", "9999"}, e),
              salida_rechazada);
    EXPECT_EQ(corta.escrituras, 2);
}

}  // namespace
}  // namespace talmiroc::cli
