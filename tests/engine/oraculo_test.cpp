#include <gtest/gtest.h>

#include <set>

#include "tzolkin.h"

namespace talmiroc {
namespace {

struct FilaOraculo {
    int kin;
    Oraculo_kin oraculo;  // guide, antipode, analog, occult
};

constexpr FilaOraculo filas[] = {
    {1, {1, 11, 18, 20}},   {4, {20, 14, 15, 17}},  {19, {19, 9, 20, 2}},
    {46, {18, 16, 13, 15}}, {130, {14, 20, 9, 11}}, {131, {11, 1, 8, 10}},
    {200, {8, 10, 19, 1}},  {259, {11, 9, 20, 2}},  {260, {4, 10, 19, 1}},
};

TEST(Oraculo, EjemplosTrabajados) {
    for (const auto& f : filas) {
        const Oraculo_kin o = Calculo_oraculo(Sello_de(f.kin), Tono_de(f.kin));
        EXPECT_EQ(o.guia, f.oraculo.guia) << "kin " << f.kin;
        EXPECT_EQ(o.antipoda, f.oraculo.antipoda) << "kin " << f.kin;
        EXPECT_EQ(o.analogo, f.oraculo.analogo) << "kin " << f.kin;
        EXPECT_EQ(o.oculto, f.oraculo.oculto) << "kin " << f.kin;
    }
}

// The relations the cross rests on, for every seal and tone.
TEST(Oraculo, ReglasParaCadaSelloYTono) {
    constexpr int pasos[] = {8, 0, 12, 4, 16};  // by tone mod 5
    for (int s = 1; s <= 20; ++s) {
        for (int t = 1; t <= 13; ++t) {
            SCOPED_TRACE(testing::Message() << "sello " << s << " tono " << t);
            const Oraculo_kin o = Calculo_oraculo(s, t);
            for (int p : {o.guia, o.antipoda, o.analogo, o.oculto}) {
                EXPECT_GE(p, 1);
                EXPECT_LE(p, 20);
            }
            EXPECT_EQ((o.guia - s + 20) % 20, pasos[t % 5]);
            EXPECT_EQ((o.antipoda - s + 20) % 20, 10);
            EXPECT_EQ(o.oculto + s, 21);
            EXPECT_TRUE(o.analogo + s == 19 || o.analogo + s == 39);
            EXPECT_NE(o.antipoda, s);
            EXPECT_NE(o.analogo, s);
            EXPECT_NE(o.oculto, s);
            EXPECT_EQ(o.guia == s, t == 1 || t == 6 || t == 11);
        }
    }
}

TEST(Oraculo, CuatroSocios260KinsDistintos) {
    for (int kin = 1; kin <= 260; ++kin) {
        const Oraculo_kin o = Calculo_oraculo(Sello_de(kin), Tono_de(kin));
        const std::set<int> distintos = {o.guia, o.antipoda, o.analogo, o.oculto};
        EXPECT_EQ(distintos.size(), 4u) << "kin " << kin;
    }
}

}  // namespace
}  // namespace talmiroc
