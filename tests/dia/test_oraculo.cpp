// The seal and tone glyphs and the oracle cross, kin by kin.

#include "calendario_prueba.h"

namespace talmiroc::prueba {
namespace {

struct Cruz {
    int kin;
    const char* sello;
    const char *guia, *antipoda, *analogo, *oculto;
    int sello_guia;
};

void PrintTo(const Cruz& x, std::ostream* os) {
    *os << "kin " << x.kin;
}

const Cruz cruces[] = {
    {1, "Dragon", "Dragon", "Mono", "Espejo", "Sol", 1},
    {4, "Semilla", "Sol", "Mago", "Aguila", "Tierra", 20},
    {19, "Tormenta", "Tormenta", "Luna", "Sol", "Viento", 19},
    {46, "Enlazador_mundos", "Espejo", "Guerrero", "Caminante_cielo", "Aguila", 18},
    {130, "Perro", "Mago", "Sol", "Luna", "Mono", 14},
    {131, "Mono", "Mono", "Dragon", "Estrella", "Perro", 11},
    {200, "Sol", "Estrella", "Perro", "Tormenta", "Dragon", 8},
    {259, "Tormenta", "Mono", "Luna", "Sol", "Viento", 11},
    {260, "Sol", "Semilla", "Perro", "Tormenta", "Dragon", 4},
};

class CruzTest : public testing::TestWithParam<Cruz> {};

TEST_P(CruzTest, CadaCompaneroEnSuLugar) {
    const Cruz& c = GetParam();
    Ventana_en_dia p;
    p.Calcular(Fecha_de_kin(c.kin));
    ASSERT_TRUE(p.efectos.mensajes.empty());

    const std::pair<const char*, QPoint> lugares[] = {{c.guia, lugar_guia},
                                                      {c.antipoda, lugar_antipoda},
                                                      {c.analogo, lugar_analogo},
                                                      {c.oculto, lugar_oculto}};
    for (const auto& [arreglo, lugar] : lugares) {
        const Imagen* glifo = p.Imagen_de(arreglo, 2);
        EXPECT_TRUE(glifo->isVisible()) << arreglo;
        EXPECT_EQ(glifo->pos(), lugar) << arreglo;
    }
    EXPECT_EQ(p.Visibles(2).size(), 4u);
    EXPECT_EQ(p.Visibles(0), std::vector<Imagen*>{p.Imagen_de(c.sello, 0)});
    EXPECT_EQ(p.Visibles(1), std::vector<Imagen*>{p.Imagen_de(c.sello, 1)});
    EXPECT_EQ(p.Valores().sello_guia, c.sello_guia);
}

INSTANTIATE_TEST_SUITE_P(Kines, CruzTest, testing::ValuesIn(cruces),
                         [](const auto& info) { return "kin_" + std::to_string(info.param.kin); });

TEST(Oraculo, ElGlifoMovidoVuelveAlLugarDelGuia) {
    Ventana_en_dia p;
    p.Calcular(Fecha_de_kin(1));
    ASSERT_EQ(p.Imagen_de("Mono", 2)->pos(), lugar_antipoda);
    p.Calcular(Fecha_de_kin(131));
    EXPECT_TRUE(p.Imagen_de("Mono", 2)->isVisible());
    EXPECT_EQ(p.Imagen_de("Mono", 2)->pos(), lugar_guia);
}

TEST(Oraculo, KinUnoMuestraTresImagenesDelDragon) {
    Ventana_en_dia p;
    p.Calcular(Fecha_de_kin(1));
    for (int elemento = 0; elemento < 3; ++elemento) {
        EXPECT_TRUE(p.Imagen_de("Dragon", elemento)->isVisible()) << elemento;
    }
    for (const char* arreglo : {"Mono", "Espejo", "Sol"}) {
        EXPECT_FALSE(p.Imagen_de(arreglo, 0)->isVisible()) << arreglo;
        EXPECT_FALSE(p.Imagen_de(arreglo, 1)->isVisible()) << arreglo;
        EXPECT_TRUE(p.Imagen_de(arreglo, 2)->isVisible()) << arreglo;
    }
}

}  // namespace
}  // namespace talmiroc::prueba
