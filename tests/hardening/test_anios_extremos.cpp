// Every day of the first and last accepted years, typed through the boxes and
// calculated in one window: each caption, colour, glyph and place the window
// shows is what the engine describes for that date.
#include <set>

#include "invariantes.h"

namespace talmiroc::prueba {
namespace {

class AnioExtremoTest : public testing::TestWithParam<int> {};

TEST_P(AnioExtremoTest, CadaDiaComoElMotor) {
    const int año = GetParam();
    Ventana_en_dia p;
    Controles& v = p.c;
    std::set<int> kines;
    for (int mes = 1; mes <= 12; ++mes) {
        for (int dia = 1; dia <= (mes == 2 ? 29 : 31); ++dia) {
            const std::string fecha =
                std::to_string(dia) + "-" + std::to_string(mes) + "-" + std::to_string(año);
            p.Calcular(QString::number(dia), QString::number(mes), QString::number(año));
            ASSERT_TRUE(p.efectos.mensajes.empty()) << fecha;
            const Lectura_dia l = Describir_dia(Fecha{dia, mes, año}, Palabras_dia(Palabras_ventana()));
            EXPECT_EQ(Como_el_motor(v, l), "") << fecha;
            EXPECT_EQ(Invariantes(v), "") << fecha;
            kines.insert(l.kin.valor);
        }
    }
    EXPECT_EQ(kines.size(), 260u) << "a whole year holds every kin";
}

INSTANTIATE_TEST_SUITE_P(Anios, AnioExtremoTest, testing::Values(38, 9999),
                         [](const auto& info) { return "anio_" + std::to_string(info.param); });

}  // namespace
}  // namespace talmiroc::prueba
