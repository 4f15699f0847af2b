#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "idiomas.h"
#include "tzolkin.h"

namespace talmiroc {
namespace {

constexpr std::string_view portal = "Soy un portal de activación galáctico, entra en mí";

struct FilaMeditacion {
    int kin;
    int guia;
    std::vector<std::string_view> lineas;  // without their line breaks
};

const FilaMeditacion filas[] = {
    {1,
     1,
     {"Unifico con el fin de nutrir", "Atrayendo el ser", "Sello la entrada del nacimiento",
      "Con el tono Magnético del propósito", "Me guia mi propio poder duplicado", portal}},
    {5,
     13,
     {"Confiero poder con el fin de sobrevivir", "Comandando el instinto",
      "Sello el almacén de la fuerza vital", "Con el tono Entonado del esplendor",
      "Me guía el poder del espacio"}},
    {46,
     18,
     {"Canalizo con el fin de igualar", "Inspirando la oportunidad",
      "Sello el almacen de la muerte", "Con el tono Resonante de la armonización",
      "Me guía el poder del sinfín"}},
    {260,
     4,
     {"Perduro con el fin de iluminar", "Trascendiendo la vida",
      "Sello la matriz del fuego universal", "Con el tono Cósmico de la presencia",
      "Me guía el poder del florecimiento", portal}},
    {185,
     9,
     {"Activo con el fin de sobrevivir", "Vinculando el instinto",
      "Sello el almacen de la fuerza vital", "Con el tono Eléctrico del servicio",
      "Me guía el poder del agua universal",
      "Soy un kin Polar. Establezco el espectro galáctico Rojo"}},
    {10,
     18,
     {"Perfecciono con el fin de amar", "Produciendo la lealtad", "Sello el proceso del corazón",
      "Con el tono Planetario de la manifestación", "Me guía el poder del sinfín",
      "Soy un kin Polar. Extiendo el espectro galáctico Blanco"}},
    {50,
     10,
     {"Disuelvo con el fin de amar", "Divulgando la lealtad", "Sello el proceso del corazón",
      "Con el tono Espectral de la liberación", "Me guia mi propio poder duplicado",
      "Soy un kin Polar. Transporto el espectro galáctico Blanco", portal}},
    {120,
     4,
     {"Activo con el fin de iluminar", "Vinculando la vida", "Sello la matriz del fuego universal",
      "Con el tono Eléctrico del servicio", "Me guía el poder del florecimiento",
      "Soy un kin Polar. Establezco el espectro galáctico Amarillo"}},
    {106,
     18,
     {"Polarizo con el fin de igualar", "Estabilizando la oportunidad",
      "Sello el almacen de la muerte", "Con el tono Lunar del desafío",
      "Me guía el poder del sinfín", portal}},
    {21,
     5,
     {"Armonizo con el fin de nutrir", "Modelando el ser", "Sello la entrada del nacimiento",
      "Con el tono Galáctico de la integridad", "Me guía el poder de la fuerza vital"}},
    {183,
     3,
     {"Unifico con el fin de soñar", "Atrayendo la intuición", "Sello la entrada de la abundancia",
      "Con el tono Magnético del propósito", "Me guia mi propio poder duplicado"}},
    {115,
     15,
     {"Disuelvo con el fin de crear", "Divulgando la mente", "Sello la salida de la visión",
      "Con el tono Espectral de la liberación", "Me guia mi propio poder duplicado",
      "Soy un kin Polar. Transporto el espectro galáctico Azul", portal}},
    {55,
     19,
     {"Activo con el fin de crear", "Vinculando la mente", "Sello la salida de la visión",
      "Con el tono Eléctrico del servicio", "Me guía el poder de la auto-generación",
      "Soy un kin Polar. Establezco el espectro galáctico Azul"}},
};

std::string Unir(const std::vector<std::string_view>& lineas) {
    std::string s;
    for (std::string_view l : lineas) {
        s.append(l);
        if (l != portal) s.append("\r\n");
    }
    return s;
}

TEST(Meditacion, EjemplosTrabajados) {
    for (const auto& f : filas) {
        const Kin k(f.kin);
        ASSERT_EQ(Calculo_oraculo(k.sello(), k.tono()).guia, f.guia) << "kin " << f.kin;
        EXPECT_EQ(Texto_meditacion(k, palabras_es_dia), Unir(f.lineas)) << "kin " << f.kin;
    }
}

int Lineas(const std::string& texto) {
    int n = 0;
    for (std::size_t i = texto.find("\r\n"); i != std::string::npos; i = texto.find("\r\n", i + 2))
        ++n;
    const bool termina_en_salto = texto.size() >= 2 && texto.substr(texto.size() - 2) == "\r\n";
    return termina_en_salto ? n : n + 1;
}

TEST(Meditacion, CuentaDeLineasDeLos260Kins) {
    std::map<int, int> por_lineas;
    std::vector<int> siete;
    for (int kin = 1; kin <= 260; ++kin) {
        const std::string texto = Texto_meditacion(Kin(kin), palabras_es_dia);
        const int n = Lineas(texto);
        ++por_lineas[n];
        if (n == 7) siete.push_back(kin);
        EXPECT_EQ(texto.find("ERROR"), std::string::npos) << "kin " << kin;
        EXPECT_EQ(texto.find("\r\n\r\n"), std::string::npos) << "kin " << kin;
        const bool termina_en_portal = texto.ends_with(portal);
        EXPECT_EQ(termina_en_portal, Es_portal(Kin(kin))) << "kin " << kin;
        EXPECT_EQ(!termina_en_portal, texto.ends_with("\r\n")) << "kin " << kin;
    }
    EXPECT_EQ(por_lineas[5], 194);
    EXPECT_EQ(por_lineas[6], 64);
    EXPECT_EQ(por_lineas[7], 2);
    EXPECT_EQ(siete, (std::vector<int>{50, 115}));
}

TEST(Meditacion, KinsPolares) {
    std::vector<int> polares;
    for (int kin = 1; kin <= 260; ++kin)
        if (Es_polar(Kin(kin))) polares.push_back(kin);
    EXPECT_EQ(polares, (std::vector<int>{10, 30, 50, 55, 75, 95, 115, 120, 140, 160, 180, 185, 205,
                                         225, 245, 250}));
}

// "almacén" keeps its accent in quartets 2, 22, 42 and 62 only (kin 46, in
// quartet 12, has none).
TEST(Meditacion, AcentoDeAlmacen) {
    const struct {
        int kin;
        std::string_view tercera;
    } filas[] = {
        {6, "Sello el almacén de la muerte"},         {85, "Sello el almacén de la fuerza vital"},
        {168, "Sello el almacén de la elegancia"},    {245, "Sello el almacén de la fuerza vital"},
        {249, "Sello el proceso del agua universal"},
    };
    for (const auto& f : filas) {
        EXPECT_NE(Texto_meditacion(Kin(f.kin), palabras_es_dia)
                      .find(std::string("\r\n") + std::string(f.tercera) + "\r\n"),
                  std::string::npos)
            << "kin " << f.kin;
    }
}

TEST(Meditacion, FueraDeRangoLeeElCentinela) {
    for (int kin : {0, -300, 100000}) {
        EXPECT_EQ(Texto_meditacion(Kin(kin), palabras_es_dia).substr(0, 5), "ERROR") << "kin " << kin;
    }
}

}  // namespace
}  // namespace talmiroc
