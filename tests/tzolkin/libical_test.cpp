// A leap year of `tzolkin --formato ics` read back by libical: the
// calendar's name, each event's date, UID, stamp and description (the
// plain-text reading, unescaped and unfolded), a few days' summaries and
// categories. Every physical line: CR LF, at most 75 octets, whole UTF-8.
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <map>
#include <sstream>

#include "tzolkin_cli.h"

namespace talmiroc::cli {
namespace {

icalcomponent* Leer(const std::vector<std::string>& args, std::string* ics = nullptr) {
    std::istringstream in;
    std::ostringstream out, err;
    Entorno e{in, true, out, err, 9, 4, 2003, 1'700'000'000};
    EXPECT_EQ(Ejecutar(args, e), salida_aceptada) << err.str();
    if (ics) *ics = out.str();
    return icalparser_parse_string(out.str().c_str());
}

using Par = std::pair<std::string, std::string>;

// NAME (RFC 7986) and X-WR-CALNAME, the calendar's only X- property.
Par Nombres(icalcomponent* cal) {
    icalproperty* n = icalcomponent_get_first_property(cal, ICAL_NAME_PROPERTY);
    icalproperty* x = icalcomponent_get_first_property(cal, ICAL_X_PROPERTY);
    if (!n || !x || std::string_view(icalproperty_get_x_name(x)) != "X-WR-CALNAME") return {};
    return {icalproperty_get_name(n), icalproperty_get_x(x)};
}

TEST(Libical, LeeCadaEventoDeUnAño) {
    std::string ics;
    icalcomponent* cal = Leer(
        {"--desde", "1", "1", "2028", "--hasta", "31", "12", "2028", "--formato", "ics"}, &ics);
    for (std::size_t i = 0, fin; i < ics.size(); i = fin + 2) {
        fin = ics.find("\r\n", i);
        ASSERT_NE(fin, std::string::npos) << "a line not ended by CR LF at " << i;
        const std::string_view l(ics.data() + i, fin - i);
        EXPECT_TRUE(l.size() <= 75 && l.find('\n') == l.npos && l.find('\r') == l.npos) << l;
        EXPECT_FALSE(l.starts_with(' ') && (static_cast<unsigned char>(l[1]) & 0xC0) == 0x80) << l;
    }
    ASSERT_NE(cal, nullptr);
    EXPECT_EQ(icalcomponent_count_errors(cal), 0);
    EXPECT_EQ(Nombres(cal), Par("Tzolkin", "Tzolkin"));

    // Summary and categories (joined by '|') as a calendar program shows them.
    const std::map<std::string, Par> fijos = {
        {"kin-20280101@talmiroc", {"Kin 233 · Caminante del Cielo Cristal Rojo", "Rojo"}},
        {"kin-20280128@talmiroc",
         {"Kin 260 · Sol Cósmico Amarillo", "Amarillo|Portal de activación galáctica"}},
        {"kin-20280228@talmiroc", {"Kin 31 · Mono Entonado Azul", "Azul"}},
        {"kin-20280229@talmiroc", {"Kin 31 · Mono Entonado Azul · 0.0 Hunab Ku", "Azul"}},
        {"kin-20280725@talmiroc",
         {"Kin 178 · Espejo Solar Blanco · Día fuera del tiempo", "Blanco"}},
        {"kin-20280726@talmiroc", {"Kin 179 · Tormenta Planetaria Azul", "Azul"}},
    };
    std::size_t vistos = 0;
    Fecha f{1, 1, 2028};
    int eventos = 0;
    for (icalcomponent* ev = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); ev;
         ev = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT), ++eventos) {
        const icaltimetype t = icalcomponent_get_dtstart(ev);
        ASSERT_TRUE(t.is_date) << eventos;
        EXPECT_EQ((Fecha{t.day, t.month, t.year}), f) << eventos;
        char uid[32];
        std::snprintf(uid, sizeof uid, "kin-2028%02d%02d@talmiroc", f.mes, f.dia);
        EXPECT_STREQ(icalcomponent_get_uid(ev), uid);
        EXPECT_EQ(icalcomponent_get_description(ev) + std::string("\n"),
                  Texto_dia(Describir_dia(f, palabras_es_dia)))
            << uid;
        EXPECT_EQ(icaltime_as_timet(icalcomponent_get_dtstamp(ev)), 1'700'000'000);
        EXPECT_EQ(icaldurationtype_as_int(icalcomponent_get_duration(ev)), 86400);
        if (const auto fijo = fijos.find(uid); fijo != fijos.end()) {
            ++vistos;
            std::string categorias;
            for (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_CATEGORIES_PROPERTY);
                 p; p = icalcomponent_get_next_property(ev, ICAL_CATEGORIES_PROPERTY)) {
                if (!categorias.empty()) categorias += '|';
                categorias += icalproperty_get_categories(p);
            }
            EXPECT_EQ(icalcomponent_get_summary(ev), fijo->second.first) << uid;
            EXPECT_EQ(categorias, fijo->second.second) << uid;
        }
        f = Siguiente(f);
    }
    EXPECT_EQ(eventos, 366);
    EXPECT_EQ(vistos, fijos.size());
    icalcomponent_free(cal);
}

TEST(Libical, NombreDeUnaBusqueda) {
    icalcomponent* cal = Leer({"--kin", "164", "26", "7", "2012", "--formato", "ics"});
    ASSERT_NE(cal, nullptr);
    EXPECT_EQ(Nombres(cal), Par("Tzolkin · Kin 164", "Tzolkin · Kin 164"));
    icalcomponent_free(cal);
}

}  // namespace
}  // namespace talmiroc::cli
