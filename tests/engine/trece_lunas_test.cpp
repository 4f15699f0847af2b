#include <gtest/gtest.h>

#include "idiomas.h"
#include "tzolkin.h"

namespace talmiroc {
namespace {

static_assert(Calculo_trece_lunas(13, 11, 2013) ==
              Fecha_trece_lunas{Dia_especial::ninguno, 2013, 1, 26, 4, 27, 4, 6});

struct FilaTexto {
    const char* nombre;
    int dia, mes;
    std::int64_t año;
    std::string_view ns, linea;
};

constexpr FilaTexto filas_texto[] = {
    {"13 noviembre 2013", 13, 11, 2013, "NS1.26.4.27",
     "13 Lunas: Limi 27, Luna Autoexistente del Búho (NS1.26.4.27)"},
    {"23 febrero 2015", 23, 2, 2015, "NS1.27.8.17",
     "13 Lunas: Gamma 17, Luna Galáctica del Halcón (NS1.27.8.17)"},
    {"26 julio 2013", 26, 7, 2013, "NS1.26.1.1",
     "13 Lunas: Dali 1, Luna Magnética del Murciélago (NS1.26.1.1)"},
    {"25 julio 2013", 25, 7, 2013, "", "13 Lunas: Día fuera del tiempo"},
    {"29 febrero 2016", 29, 2, 2016, "", "13 Lunas: 0.0 Hunab Ku"},
    {"29 febrero 2015", 29, 2, 2015, "", "13 Lunas: 0.0 Hunab Ku"},
    {"1 enero 38", 1, 1, 38, "NS-37.26.6.20",
     "13 Lunas: Limi 20, Luna Rítmica de la Lagartija (NS-37.26.6.20)"},
    {"31 diciembre del año mayor", 31, 12, año_maximo, "NS19230769230769193.28.6.19",
     "13 Lunas: Alfa 19, Luna Rítmica de la Lagartija (NS19230769230769193.28.6.19)"},
};

TEST(TreceLunas, FechasConocidas) {
    for (const auto& f : filas_texto) {
        const Fecha_trece_lunas t = Calculo_trece_lunas(f.dia, f.mes, f.año);
        EXPECT_EQ(Notacion_ns(t), f.ns) << f.nombre;
        EXPECT_EQ(Linea_trece_lunas(t, palabras_es), f.linea) << f.nombre;
    }
}

TEST(TreceLunas, CicloYAñoDelCiclo) {
    const struct {
        std::int64_t año, ciclo;
        int año_ciclo;
    } filas[] = {{1987, 1, 0},  {1986, 0, 51}, {2038, 1, 51},
                 {2039, 2, 0},  {1935, 0, 0},  {1934, -1, 51},
                 {38, -37, 27}, {2013, 1, 26}, {año_maximo, 19'230'769'230'769'193, 28}};
    for (const auto& f : filas) {
        const Fecha_trece_lunas t = Calculo_trece_lunas(26, 7, f.año);
        EXPECT_EQ(t.ciclo, f.ciclo) << "año " << f.año;
        EXPECT_EQ(t.año_ciclo, f.año_ciclo) << "año " << f.año;
    }
}

// The kin's own day count, mod 260: the sum of its year, month and day codes.
int Cuenta(int dia, int mes, std::int64_t año) {
    const Cuenta_kin c = Calculo_kin(dia, mes, año);
    return (c.codigo_año + c.codigo_mes + c.dia_cuenta) % 260;
}

// Every accepted date of whole thirteen-moon years, 26 July to 25 July, held
// to the rules: one day further each day from 1.1 Dali on 26 July to 13.28
// Silio on 24 July, 13 moons of 28 days, plasmas and heptads in turn, the
// kin's own day count, and no moon on 25 July or 29 February.
TEST(TreceLunas, BarridoDeAñosEnteros) {
    constexpr int dias_mes[] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (const std::int64_t y : {std::int64_t{38}, std::int64_t{1987}, std::int64_t{2003},
                                 std::int64_t{2015}, año_maximo - 1}) {
        const Fecha_trece_lunas inicio = Calculo_trece_lunas(26, 7, y);
        const Fecha_trece_lunas ninguna{
            Dia_especial::ninguno, y, inicio.ciclo, inicio.año_ciclo, 0, 0, 0, 0};
        const int cuenta_inicio = Cuenta(26, 7, y);
        Fecha_trece_lunas antes{Dia_especial::ninguno, 0, 0, 0, 0, 0, 4, 7};
        int siguiente = 0;
        for (int i = 0; i <= 12; ++i) {
            const int mes = (6 + i) % 12 + 1;
            const std::int64_t año = i < 6 ? y : y + 1;
            for (int dia = i == 0 ? 26 : 1; dia <= (i == 12 ? 25 : dias_mes[mes]); ++dia) {
                const Fecha_trece_lunas f = Calculo_trece_lunas(dia, mes, año);
                const std::string donde =
                    std::to_string(dia) + "-" + std::to_string(mes) + "-" + std::to_string(año);
                if (dia == 31 && dias_mes[mes] == 30) {
                    ASSERT_EQ(f, Calculo_trece_lunas(1, mes + 1, año)) << donde;
                    continue;
                }
                Fecha_trece_lunas esperada = ninguna;
                if (mes == 2 && dia == 29) esperada.especial = Dia_especial::hunab_ku;
                if (mes == 7 && dia == 25) esperada.especial = Dia_especial::fuera_del_tiempo;
                if (esperada.especial != Dia_especial::ninguno) {
                    ASSERT_EQ(f, esperada) << donde;
                    continue;
                }
                ASSERT_TRUE(f.año == y && f.ciclo == inicio.ciclo &&
                            f.año_ciclo == inicio.año_ciclo)
                    << donde;
                ASSERT_TRUE(f.dia >= 1 && f.dia <= 28) << donde;
                ASSERT_EQ((f.luna - 1) * 28 + f.dia - 1, siguiente) << donde;
                ASSERT_EQ(f.plasma, antes.plasma % 7 + 1) << donde;
                ASSERT_EQ(f.heptada, f.dia == 1 ? 1 : antes.heptada + (f.plasma == 1)) << donde;
                ASSERT_EQ((Cuenta(dia, mes, año) - cuenta_inicio + 260) % 260, siguiente % 260)
                    << donde;
                ++siguiente;
                antes = f;
            }
        }
        EXPECT_EQ(siguiente, 364) << y;
        EXPECT_EQ(Plasma_trece_lunas(Calculo_trece_lunas(24, 7, y + 1), palabras_es), "Silio") << y;
    }
}

}  // namespace
}  // namespace talmiroc
