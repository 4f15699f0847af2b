// Walking over real dates: the kin search against a scan of the calendar.
#include <gtest/gtest.h>

#include <chrono>

#include "tzolkin.h"

namespace talmiroc {
namespace {

namespace ch = std::chrono;

ch::sys_days Dia(const Fecha& f) {
    return ch::year_month_day{ch::year(static_cast<int>(f.año)), ch::month(f.mes), ch::day(f.dia)};
}

// The search jumps; a scan of four years of real dates (std::chrono's
// calendar, Calculo_kin's kin) is its oracle. Starts on and around 29
// February and on dates that are not real.
TEST(Recorridos, BusquedaComoUnBarrido) {
    for (const Fecha inicio :
         {Fecha{1, 1, 2003}, Fecha{28, 2, 2004}, Fecha{29, 2, 2004}, Fecha{31, 4, 2003},
          Fecha{29, 2, 2003}, Fecha{1, 1, 38}, Fecha{1, 3, 32000}}) {
        const Fecha fin{inicio.dia, 12, inicio.año + 4};
        for (const int kin : {1, 46, 111, 164, 260}) {
            std::vector<ch::sys_days> barrido, busqueda;
            for (auto d = Dia(Primera_real(inicio)); d <= Dia(fin); d += ch::days(1)) {
                const ch::year_month_day f(d);
                if (Calculo_kin(int(unsigned(f.day())), int(unsigned(f.month())), int(f.year()))
                        .kin == kin) {
                    barrido.push_back(d);
                }
            }
            Busqueda_kin b(Kin(kin), inicio);
            for (Fecha f = b.Siguiente(); f <= fin; f = b.Siguiente()) {
                busqueda.push_back(Dia(f));
            }
            EXPECT_EQ(busqueda, barrido) << "kin " << kin << " from " << inicio.dia << "-"
                                         << inicio.mes << "-" << inicio.año;
        }
    }
}

}  // namespace
}  // namespace talmiroc
