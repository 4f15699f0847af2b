// A year of `tzolkin --formato ics` read back by libical: every event parses,
// and each one's date, UID, summary and description are the day's reading.
// And every physical line: CR LF, at most 75 octets, not cut inside UTF-8.
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <sstream>

#include "tzolkin_cli.h"

namespace talmiroc::cli {
namespace {

TEST(Libical, LeeCadaEventoDeUnAño) {
    std::istringstream in;
    std::ostringstream out, err;
    Entorno e{in, true, out, err, 9, 4, 2003, 1'700'000'000};
    ASSERT_EQ(
        Ejecutar({"--desde", "1", "1", "2027", "--hasta", "31", "12", "2027", "--formato", "ics"},
                 e),
        salida_aceptada);
    const std::string ics = out.str();
    for (std::size_t i = 0, fin; i < ics.size(); i = fin + 2) {
        fin = ics.find("\r\n", i);
        ASSERT_NE(fin, std::string::npos) << "a line not ended by CR LF at " << i;
        const std::string_view l(ics.data() + i, fin - i);
        EXPECT_TRUE(l.size() <= 75 && l.find('\n') == l.npos && l.find('\r') == l.npos) << l;
        EXPECT_FALSE(l.starts_with(' ') && (static_cast<unsigned char>(l[1]) & 0xC0) == 0x80) << l;
    }

    icalcomponent* cal = icalparser_parse_string(ics.c_str());
    ASSERT_NE(cal, nullptr);
    EXPECT_EQ(icalcomponent_count_errors(cal), 0);
    Fecha f{1, 1, 2027};
    int eventos = 0;
    for (icalcomponent* ev = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); ev;
         ev = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT), ++eventos) {
        const icaltimetype t = icalcomponent_get_dtstart(ev);
        ASSERT_TRUE(t.is_date) << eventos;
        EXPECT_EQ((Fecha{t.day, t.month, t.year}), f) << eventos;
        const Lectura_dia l = Describir_dia(f);
        const std::string lectura = Texto_dia(l);
        char uid[32];
        std::snprintf(uid, sizeof uid, "kin-2027%02d%02d@talmiroc", f.mes, f.dia);
        EXPECT_STREQ(icalcomponent_get_uid(ev), uid);
        EXPECT_EQ(icalcomponent_get_summary(ev),
                  "Kin " + std::to_string(l.kin.valor) + " · " + l.nombre_kin);
        EXPECT_EQ(icalcomponent_get_description(ev) + std::string("\n"), lectura) << uid;
        EXPECT_EQ(icaltime_as_timet(icalcomponent_get_dtstamp(ev)), 1'700'000'000);
        EXPECT_EQ(icaldurationtype_as_int(icalcomponent_get_duration(ev)), 86400);
        f = Siguiente(f);
    }
    EXPECT_EQ(eventos, 365);
    icalcomponent_free(cal);
}

}  // namespace
}  // namespace talmiroc::cli
