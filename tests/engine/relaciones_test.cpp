#include <gtest/gtest.h>

#include "idiomas.h"
#include "tzolkin.h"

namespace talmiroc {
namespace {

// Earth family by seal, as the seals are named in English.
TEST(Familia, CadaSello) {
    const struct {
        Familia_terrestre familia;
        int sellos[4];  // Dragon 1 ... Sun 20
    } filas[] = {
        {Familia_terrestre::cardinal, {1, 6, 11, 16}},  // Dragon, Worldbridger, Monkey, Warrior
        {Familia_terrestre::central, {2, 7, 12, 17}},   // Wind, Hand, Human, Earth
        {Familia_terrestre::senal, {3, 8, 13, 18}},     // Night, Star, Skywalker, Mirror
        {Familia_terrestre::portal, {4, 9, 14, 19}},    // Seed, Moon, Wizard, Storm
        {Familia_terrestre::polar, {5, 10, 15, 20}},    // Serpent, Dog, Eagle, Sun
    };
    for (const auto& f : filas) {
        for (const int s : f.sellos) {
            EXPECT_EQ(Familia_de(Sello(s)), f.familia) << "sello " << s;
        }
        const auto cuatro = Sellos_familia(f.familia);
        for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(cuatro[i], f.sellos[i]);
    }
    EXPECT_EQ(Nombre_familia(Familia_terrestre::central, palabras_en), "Core");
    EXPECT_EQ(Nombre_familia(Familia_terrestre::portal, palabras_pt), "Portal");
    EXPECT_EQ(Describir_dia({9, 4, 2003}, palabras_es).familia_terrestre, "Cardinal");
}

int Mod(int a, int m) {
    return ((a % m) + m) % m;
}

// Every pair of kins, both ways, against the oracle's rules as people state
// them: the guide shares the tone and the colour, its seal the seal moved
// by the tone; the antipode shares the tone, its seal 10 away; the analog
// shares the tone, the seals add up to 19 (mod 20); the occult's seal adds
// up to 21 and its tone to 14.
TEST(Relaciones, CadaParContraLasReglasDelOraculo) {
    constexpr int paso_guia[] = {0, 12, 4, 16, 8};  // tones 1, 2, 3, 4, 5 (and +5, +10)
    for (int x = 1; x <= 260; ++x) {
        for (int y = 1; y <= 260; ++y) {
            const Kin a(x), b(y);
            const int sa = a.sello().valor, sb = b.sello().valor;
            const int ta = a.tono().valor, tb = b.tono().valor;
            const bool guia_s = Mod(sb - sa, 20) == paso_guia[(ta - 1) % 5];
            const bool antipoda_s = Mod(sb - sa, 20) == 10;
            const bool analogo_s = Mod(sa + sb, 20) == 19;
            const bool oculto_s = sa + sb == 21;
            const bool mismo_tono = ta == tb;
            const bool oculto_k = oculto_s && ta + tb == 14;
            const Relaciones_kin r = Relaciones(a, b);
            const struct {
                Relacion relacion;
                bool esperada;
            } filas[] = {
                {Relacion::mismo_kin, x == y},
                {Relacion::kin_guia, guia_s && mismo_tono},
                {Relacion::kin_antipoda, antipoda_s && mismo_tono},
                {Relacion::kin_analogo, analogo_s && mismo_tono},
                {Relacion::kin_oculto, oculto_k},
                {Relacion::sello_guia, guia_s && !mismo_tono},
                {Relacion::sello_antipoda, antipoda_s && !mismo_tono},
                {Relacion::sello_analogo, analogo_s && !mismo_tono},
                {Relacion::sello_oculto, oculto_s && !oculto_k},
                {Relacion::mismo_sello, x != y && sa == sb},
                {Relacion::mismo_tono, x != y && mismo_tono},
                {Relacion::mismo_color, sa != sb && (sa - 1) % 4 == (sb - 1) % 4},
                {Relacion::misma_onda, x != y && (x - 1) / 13 == (y - 1) / 13},
                {Relacion::mismo_castillo, x != y && (x - 1) / 52 == (y - 1) / 52},
                {Relacion::misma_familia, sa != sb && sa % 5 == sb % 5},
            };
            for (const auto& f : filas) {
                if (r.Tiene(f.relacion) != f.esperada) {
                    ADD_FAILURE() << "kin " << x << " -> kin " << y << ": relation "
                                  << static_cast<int>(f.relacion) << " should be "
                                  << f.esperada;
                    return;
                }
            }
            // The symmetric ones hold both ways.
            const Relaciones_kin inversa = Relaciones(b, a);
            for (const Relacion s : {Relacion::kin_antipoda, Relacion::kin_analogo,
                                     Relacion::kin_oculto, Relacion::misma_familia}) {
                ASSERT_EQ(r.Tiene(s), inversa.Tiene(s)) << x << " " << y;
            }
        }
    }
}

// Each relation said with its rule in every language: one line a relation,
// every blank of the pattern filled.
TEST(Relaciones, EnPalabrasEnCadaIdioma) {
    const struct {
        int a, b;
        std::size_t cuantas;
        std::string_view es;  // a part of the first rule, in Spanish
    } filas[] = {
        {153, 108, 3, "El kin 108 es el oculto del kin 153"},
        {1, 1, 2, "Los dos son el kin 1, Dragón Magnético Rojo."},
        {46, 98, 3, "El kin 98 es el guía del kin 46"},
        {153, 46, 1, "Enlazador de Mundos es el sello análogo de Caminante del Cielo"},
        {2, 3, 2, "Los dos kines están en la misma onda encantada: Onda encantada del Dragón (1–13)."},
    };
    for (const Palabras* p : idiomas) {
        for (const auto& f : filas) {
            const auto v = Describir_relaciones(Kin(f.a), Kin(f.b), *p);
            std::string lista;
            for (const auto& r : v) lista += std::string(r.nombre) + "; ";
            ASSERT_EQ(v.size(), f.cuantas) << p->idioma << " " << f.a << "->" << f.b << ": " << lista;
            for (const Relacion_descrita& r : v) {
                EXPECT_FALSE(r.nombre.empty());
                EXPECT_EQ(r.regla.find('{'), std::string::npos) << p->idioma << ": " << r.regla;
            }
            if (p == &palabras_es) {
                std::string todas;
                for (const auto& r : v) todas += r.regla + "\n";
                EXPECT_NE(todas.find(f.es), std::string::npos) << todas;
            }
        }
    }
}

TEST(Nacimiento, RegresosCumpleañosYCiclo) {
    const struct {
        Fecha nacimiento, hoy;
        Fecha primer_regreso;
        Kin cumple;  // this year's birthday's kin
        std::int64_t ciclo;
        int año_ciclo;
    } filas[] = {
        // Kin 46 returns every 260 days; 23 years old in 2026.
        {{9, 4, 2003}, {10, 12, 2026}, {28, 6, 2027}, Calculo_kin(9, 4, 2026).kin, 1, 24},
        // On the 52nd birthday the kin is back on the birthday: cycle 2, year 1.
        {{9, 4, 1974}, {9, 4, 2026}, {9, 4, 2026}, Kin(Calculo_kin(9, 4, 1974).kin), 2, 1},
        // Born on 29 February: in other years the birthday is 28 February.
        {{29, 2, 2004}, {1, 1, 2027}, {1, 9, 2027}, Calculo_kin(28, 2, 2027).kin, 1, 23},
        // Born today: the first return is 260 counted days later.
        {{10, 12, 2026}, {10, 12, 2026}, {27, 8, 2027}, Calculo_kin(10, 12, 2026).kin, 1, 1},
    };
    for (const auto& f : filas) {
        const Lectura_nacimiento l = Describir_nacimiento(f.nacimiento, f.hoy, 3);
        SCOPED_TRACE(testing::Message() << f.nacimiento.dia << "-" << f.nacimiento.mes << "-"
                                        << f.nacimiento.año);
        ASSERT_EQ(l.regresos.size(), 3u);
        EXPECT_EQ(l.regresos[0], f.primer_regreso);
        for (const Fecha& r : l.regresos) {
            EXPECT_TRUE(Regresa_el(f.nacimiento, r));
            EXPECT_EQ(Calculo_kin(r.dia, r.mes, r.año).kin, l.kin);
        }
        EXPECT_EQ(l.cumpleaños[0].kin, f.cumple);
        EXPECT_EQ(l.ciclo, f.ciclo);
        EXPECT_EQ(l.año_ciclo, f.año_ciclo);
    }
    EXPECT_FALSE(Regresa_el({9, 4, 2003}, {9, 4, 2003})) << "the birth is no return";
}

}  // namespace
}  // namespace talmiroc
