// A year of `tzolkin --formato ics` read back by libical: every event parses,
// and each one's date, UID, summary and description are the day's reading.
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
    icalcomponent* cal = icalparser_parse_string(out.str().c_str());
    ASSERT_NE(cal, nullptr);
    EXPECT_EQ(icalcomponent_count_errors(cal), 0);
    Fecha f{1, 1, 2027};
    int eventos = 0;
    for (icalcomponent* ev = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); ev;
         ev = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT), ++eventos) {
        const icaltimetype t = icalcomponent_get_dtstart(ev);
        ASSERT_TRUE(t.is_date) << eventos;
        f = eventos == 0 ? f : Fecha{f.dia + 1, f.mes, f.año};
        if (f.dia > icaltime_days_in_month(f.mes, 2027)) f = {1, f.mes + 1, 2027};
        EXPECT_EQ((Fecha{t.day, t.month, t.year}), f) << eventos;
        const Lectura_dia l = Describir_dia(f);
        std::string lectura = Texto_dia(l);
        lectura.pop_back();
        char uid[32];
        std::snprintf(uid, sizeof uid, "kin-%04d%02d%02d@talmiroc", static_cast<int>(f.año), f.mes,
                      f.dia);
        EXPECT_STREQ(icalcomponent_get_uid(ev), uid);
        EXPECT_EQ(icalcomponent_get_summary(ev),
                  "Kin " + std::to_string(l.kin.valor) + " · " + l.nombre_kin);
        EXPECT_EQ(icalcomponent_get_description(ev), lectura) << uid;
        EXPECT_EQ(icaltime_as_timet(icalcomponent_get_dtstamp(ev)), 1'700'000'000);
        EXPECT_EQ(icaldurationtype_as_int(icalcomponent_get_duration(ev)), 86400);
    }
    EXPECT_EQ(eventos, 365);
    icalcomponent_free(cal);
}

}  // namespace
}  // namespace talmiroc::cli
