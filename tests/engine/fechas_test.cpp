// Walking over real dates: the kin search against a scan of the calendar.
#include <gtest/gtest.h>

#include <chrono>

#include "idiomas.h"
#include "tzolkin.h"

namespace talmiroc {

static std::ostream& operator<<(std::ostream& os, const Fecha& f) {
    return os << f.dia << "-" << f.mes << "-" << f.año;
}

namespace {

namespace ch = std::chrono;

// The search jumps; a scan of four years of real dates (std::chrono's
// calendar, Calculo_kin's kin) is its oracle, for every kin. Starts on New
// Year, on and around 29 February, across a century that is not leap, and
// on dates that are not real.
TEST(Recorridos, BusquedaComoUnBarrido) {
    for (const Fecha inicio :
         {Fecha{1, 1, 2003}, Fecha{28, 2, 2004}, Fecha{29, 2, 2004}, Fecha{31, 4, 2003},
          Fecha{29, 2, 2003}, Fecha{1, 1, 38}, Fecha{1, 1, 2098}, Fecha{1, 3, 32000}}) {
        const Fecha fin{inicio.dia, 12, inicio.año + 4};
        const Fecha real = Primera_real(inicio);
        std::array<std::vector<Fecha>, 261> barrido;
        for (ch::sys_days d = ch::year_month_day{ch::year(int(real.año)), ch::month(real.mes),
                                                 ch::day(real.dia)};
             ; d += ch::days(1)) {
            const ch::year_month_day ymd(d);
            const Fecha f{int(unsigned(ymd.day())), int(unsigned(ymd.month())), int(ymd.year())};
            if (fin < f) break;
            barrido[Calculo_kin(f.dia, f.mes, f.año).kin.valor].push_back(f);
        }
        for (int kin = 1; kin <= 260; ++kin) {
            std::vector<Fecha> busqueda;
            Busqueda_kin b(Kin(kin), inicio);
            for (Fecha f = b.Siguiente(); f <= fin; f = b.Siguiente()) {
                ASSERT_TRUE(Es_real(f)) << f << ", kin " << kin << " from " << inicio;
                busqueda.push_back(f);
            }
            EXPECT_EQ(busqueda, barrido[kin]) << "kin " << kin << " from " << inicio;
        }
    }
}

// Every real date of whole thirteen-moon years maps to a moon and a day that
// map back to it; the special days sit where the count puts them.
TEST(Recorridos, LaCuentaInversaDeshaceLaCuenta) {
    for (const std::int64_t año :
         std::initializer_list<std::int64_t>{38, 1999, 2013, 2015, 2099, año_maximo - 2}) {
        int dias = 0;
        for (Fecha f{26, 7, año}; f != Fecha{26, 7, año + 1}; f = Siguiente(f), ++dias) {
            ASSERT_EQ(Anterior(Siguiente(f)), f) << f.dia << "-" << f.mes << "-" << f.año;
            const Fecha_trece_lunas t = Calculo_trece_lunas(f.dia, f.mes, f.año);
            const Luna_del_año l = Luna_de(f);
            ASSERT_EQ(l.año, año) << f.dia << "-" << f.mes << "-" << f.año;
            ASSERT_LE(Primer_dia_luna(f), f) << f.dia << "-" << f.mes;
            if (t.especial == Dia_especial::ninguno) {
                ASSERT_EQ(Fecha_de_luna(l, t.dia), f) << f.dia << "-" << f.mes << "-" << f.año;
                ASSERT_LE(f, Ultimo_dia_luna(f)) << f.dia << "-" << f.mes;
            } else {
                const std::optional<Fecha> h = Hunab_ku(año);
                ASSERT_TRUE(f == Fuera_del_tiempo(año) || (h && f == *h)) << f.dia << "-" << f.mes;
            }
        }
        EXPECT_EQ(dias, Hunab_ku(año) ? 366 : 365) << año;
    }
}

}  // namespace
}  // namespace talmiroc
