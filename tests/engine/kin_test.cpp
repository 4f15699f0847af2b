#include <gtest/gtest.h>

#include "idiomas.h"
#include "tzolkin.h"

namespace talmiroc {
namespace {

struct FilaKin {
    const char* nombre;
    int dia, mes;
    std::int64_t año;
    int kin, tono, sello;
};

constexpr FilaKin filas_kin[] = {
    {"9 abril 2003", 9, 4, 2003, 46, 7, 6},
    {"26 julio 2002", 26, 7, 2002, 49, 10, 9},
    {"25 julio 2003", 25, 7, 2003, 153, 10, 13},
    {"26 julio 2003", 26, 7, 2003, 154, 11, 14},
    {"28 febrero 2004", 28, 2, 2004, 111, 7, 11},
    {"29 febrero 2004", 29, 2, 2004, 111, 7, 11},
    {"1 marzo 2004", 1, 3, 2004, 112, 8, 12},
    {"27 julio 2004", 27, 7, 2004, 260, 13, 20},
    {"28 julio 2004", 28, 7, 2004, 1, 1, 1},
    {"31 julio 2004", 31, 7, 2004, 4, 4, 4},
    {"27 julio 1952", 27, 7, 1952, 260, 13, 20},
    {"28 julio 2056", 28, 7, 2056, 1, 1, 1},
    {"1 enero 2000", 1, 1, 2000, 153, 10, 13},
    {"31 diciembre 1999", 31, 12, 1999, 152, 9, 12},
    {"21 diciembre 2012", 21, 12, 2012, 207, 12, 7},
    {"1 agosto 2003", 1, 8, 2003, 160, 4, 20},
    {"31 abril 2003", 31, 4, 2003, 68, 3, 8},
    {"1 mayo 2003", 1, 5, 2003, 68, 3, 8},
    {"26 julio 38", 26, 7, 38, 9, 9, 9},
};

TEST(CalculoKin, EjemplosTrabajados) {
    for (const auto& f : filas_kin) {
        const Cuenta_kin c = Calculo_kin(f.dia, f.mes, f.año);
        EXPECT_EQ(c.kin, f.kin) << f.nombre;
        EXPECT_EQ(c.tono, f.tono) << f.nombre;
        EXPECT_EQ(c.sello, f.sello) << f.nombre;
    }
}

// Every kin of a wavespell shares the seal of its first kin (Sol read as 0).
TEST(CalculoKin, SelloDeOnda) {
    for (int kin = 1; kin <= 260; ++kin) {
        const Kin k(kin);
        const Kin primero(kin - (k.tono().valor - 1));
        const int onda = Sello_onda(k.sello(), k.tono()).valor;
        EXPECT_EQ(onda == 0 ? 20 : onda, primero.sello().valor) << "kin " << kin;
    }
}

// Every accepted date of years 38 to 9999, checked by the rules the count
// rests on rather than by stored outputs; the year 37 before them and the
// largest year fold into the same 52-year round.
TEST(CalculoKin, BarridoDeTodasLasFechas) {
    constexpr int dias_cuenta[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int anterior = Calculo_kin(31, 12, 37).kin.valor;
    for (std::int64_t año = 38; año <= 9999; ++año) {
        for (int mes = 1; mes <= 12; ++mes) {
            for (int dia = 1; dia <= dias_cuenta[mes]; ++dia) {
                const Cuenta_kin c = Calculo_kin(dia, mes, año);
                ASSERT_EQ(c.kin, anterior % 260 + 1) << dia << "-" << mes << "-" << año;
                ASSERT_EQ(c.tono, c.kin.tono());
                ASSERT_EQ(c.sello, c.kin.sello());
                anterior = c.kin.valor;
            }
            if (dias_cuenta[mes] == 30) {
                ASSERT_EQ(Calculo_kin(31, mes, año).kin, Calculo_kin(1, mes + 1, año).kin)
                    << "31-" << mes << "-" << año;
            }
        }
        ASSERT_EQ(Calculo_kin(29, 2, año).kin, Calculo_kin(28, 2, año).kin) << año;
        const Cuenta_kin julio = Calculo_kin(26, 7, año);
        ASSERT_TRUE(julio.sello == 4 || julio.sello == 9 || julio.sello == 14 || julio.sello == 19)
            << año;
    }
    EXPECT_EQ(Calculo_kin(9, 4, año_maximo).kin, Calculo_kin(9, 4, año_maximo - 52).kin);
}

}  // namespace
}  // namespace talmiroc
