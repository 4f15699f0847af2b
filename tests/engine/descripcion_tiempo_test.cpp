#include <vector>

#include <gtest/gtest.h>

#include "idiomas.h"
#include "tzolkin.h"

namespace talmiroc {
namespace {

static_assert(Kin_de(Sello{13}, Tono{10}) == Kin{153});
static_assert(Oraculo_en_kines(Kin{153}).oculto == Kin{108});
static_assert(Onda_de(Kin{153})[0] == Kin{144});

TEST(CuentaTiempo, FechasPublicadas) {
    const Lectura_luna magnetica = Describir_luna({2013, 1}, palabras_es);
    EXPECT_EQ(magnetica.dias[0].fecha, (Fecha{26, 7, 2013}));
    EXPECT_EQ(magnetica.dias[0].kin, Kin{164});
    EXPECT_EQ(magnetica.ns, "NS1.26.1");
    const Lectura_luna buho = Describir_luna({2013, 4}, palabras_es);
    EXPECT_EQ(buho.titulo, "Luna Autoexistente del Búho · NS1.26.4 · 18 oct – 14 nov 2013");
    EXPECT_EQ(buho.dias[26].nombre,
              "Día 27, Limi, 13 de noviembre de 2013, Kin\u00a014 Mago Magnético Blanco");
    EXPECT_EQ(buho.dias[14].mes, "noviembre") << "1 November is day 15";
    EXPECT_EQ(buho.dias[26].kin_nombre, "Kin\u00a014 · Mago Magnético Blanco");
    EXPECT_EQ(Describir_luna({2015, 5}, palabras_es).periodo, "15 nov – 12 dic 2015");
    EXPECT_EQ(Describir_luna({2015, 6}, palabras_es).periodo, "13 dic 2015 – 9 ene 2016");
    EXPECT_EQ(Luna_mas({2013, 13}, 1), (Luna_del_año{2014, 1}));
    EXPECT_EQ(Luna_mas({2013, 1}, -1), (Luna_del_año{2012, 13}));
}

TEST(CuentaTiempo, AñosPorSuPortador) {
    struct Fila {
        std::int64_t año;
        const char *nombre, *ns, *periodo;
    };
    const Fila filas[] = {
        {2013, "Año de la Semilla Galáctica Amarilla", "NS1.26", "26 jul 2013 – 25 jul 2014"},
        {2015, "Año del Mago Planetario Blanco", "NS1.28", "26 jul 2015 – 25 jul 2016"},
        {2027, "Año del Mago Solar Blanco", "NS1.40", "26 jul 2027 – 25 jul 2028"},
        {2002, "Año de la Luna Planetaria Roja", "NS1.15", "26 jul 2002 – 25 jul 2003"},
        {1986, "Año de la Luna Resonante Roja", "NS0.51", "26 jul 1986 – 25 jul 1987"},
    };
    for (const Fila& f : filas) {
        const Lectura_año a = Describir_año(f.año, palabras_es);
        EXPECT_EQ(a.nombre, f.nombre) << f.año;
        EXPECT_EQ(a.ns, f.ns) << f.año;
        EXPECT_EQ(a.periodo, f.periodo) << f.año;
        EXPECT_EQ(a.portador, Calculo_kin(26, 7, f.año).kin) << f.año;
    }
}

// Places in the module and oracles as the published module and kin tables
// give them, row by row.
TEST(CuentaTiempo, ModuloArmonico) {
    const struct {
        int kin, columna, fila;
        bool central;
        int guia, antipoda, analogo, oculto;
    } kines[] = {
        {1, 1, 1, false, 1, 131, 118, 260},    {20, 1, 20, false, 72, 150, 59, 241},
        {121, 7, 1, true, 17, 251, 238, 140},  {140, 7, 20, true, 88, 10, 179, 121},
        {141, 8, 1, false, 141, 11, 258, 120}, {153, 8, 13, false, 101, 23, 166, 108},
        {164, 9, 4, false, 8, 34, 255, 97},    {260, 13, 20, false, 104, 130, 39, 1},
    };
    for (const auto& k : kines) {
        const Kin kin{k.kin};
        EXPECT_EQ(Columna_modulo(kin), k.columna) << k.kin;
        EXPECT_EQ(Fila_modulo(kin), k.fila) << k.kin;
        EXPECT_EQ(Kin_en_modulo(k.columna, k.fila), kin) << k.kin;
        EXPECT_EQ(En_columna_central(kin), k.central) << k.kin;
        const Kines_oraculo o = Oraculo_en_kines(kin);
        EXPECT_EQ(o.guia, Kin{k.guia}) << k.kin;
        EXPECT_EQ(o.antipoda, Kin{k.antipoda}) << k.kin;
        EXPECT_EQ(o.analogo, Kin{k.analogo}) << k.kin;
        EXPECT_EQ(o.oculto, Kin{k.oculto}) << k.kin;
    }
    // The 52 galactic activation portals, as published.
    const std::vector<int> publicados = {
        1,   20,  22,  39,  43,  50,  51,  58,  64,  69,  72,  77,  85,  88,  93,  96,  106, 107,
        108, 109, 110, 111, 112, 113, 114, 115, 146, 147, 148, 149, 150, 151, 152, 153, 154, 155,
        165, 168, 173, 176, 184, 189, 192, 197, 203, 210, 211, 218, 222, 239, 241, 260};
    std::vector<int> portales;
    for (int k = 1; k <= 260; ++k) {
        if (Es_portal(Kin{k})) portales.push_back(k);
    }
    EXPECT_EQ(portales, publicados);
    EXPECT_FALSE(Es_portal(Kin{0}) || Es_portal(Kin{261}));
    EXPECT_EQ(Titulo_kin(Kin{153}, palabras_es),
              "Kin\u00a0153 Caminante del Cielo Planetario Rojo, portal");
}

TEST(CuentaTiempo, OndaEncantadaConSusFechas) {
    const Lectura_onda onda = Describir_onda(Kin{153}, {25, 7, 2003}, palabras_es);
    EXPECT_EQ(onda.titulo, "Onda encantada de la Semilla");
    EXPECT_EQ(onda.kines[9].fecha, (Fecha{25, 7, 2003}));
    EXPECT_EQ(onda.kines[0].fecha, (Fecha{16, 7, 2003}));
    // The tone column names the tone itself, masculine, whatever the seal.
    for (std::size_t i = 0; i < onda.kines.size(); ++i) {
        EXPECT_EQ(onda.kines[i].tono, Nombre_tono(Tono(static_cast<int>(i) + 1), Sello(1), palabras_es))
            << i;
    }
    EXPECT_EQ(onda.kines[0].tono, "Magnético");
    EXPECT_EQ(onda.kines[12].cuando, "28 de julio de 2003");
    // Across 29 February the days go on from 1 March.
    EXPECT_EQ(
        Describir_onda(Calculo_kin(28, 2, 2016).kin, {29, 2, 2016}, palabras_es).kines[12].fecha,
        Fecha_en_ciclo(Onda_de(Calculo_kin(28, 2, 2016).kin)[12], {28, 2, 2016}));
    EXPECT_EQ(Fecha_en_ciclo(Kin{164}, {1, 8, 2013}), (Fecha{26, 7, 2013}));
}

}  // namespace
}  // namespace talmiroc
