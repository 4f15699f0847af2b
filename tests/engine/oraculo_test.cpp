#include <gtest/gtest.h>

#include <set>

#include "idiomas.h"
#include "tzolkin.h"

namespace talmiroc {
namespace {

struct FilaOraculo {
    int kin;
    Oraculo_kin oraculo;  // guide, antipode, analog, occult
};

constexpr FilaOraculo filas[] = {
    {1, {Sello(1), Sello(11), Sello(18), Sello(20)}},
    {4, {Sello(20), Sello(14), Sello(15), Sello(17)}},
    {19, {Sello(19), Sello(9), Sello(20), Sello(2)}},
    {46, {Sello(18), Sello(16), Sello(13), Sello(15)}},
    {130, {Sello(14), Sello(20), Sello(9), Sello(11)}},
    {131, {Sello(11), Sello(1), Sello(8), Sello(10)}},
    {200, {Sello(8), Sello(10), Sello(19), Sello(1)}},
    {259, {Sello(11), Sello(9), Sello(20), Sello(2)}},
    {260, {Sello(4), Sello(10), Sello(19), Sello(1)}},
};

TEST(Oraculo, EjemplosTrabajados) {
    for (const auto& f : filas) {
        const Kin k(f.kin);
        EXPECT_EQ(Calculo_oraculo(k.sello(), k.tono()), f.oraculo) << "kin " << f.kin;
    }
}

// What holds for every seal and tone: partners are seals 1..20 other than
// the kin's own (the guide excepted, on tones 1, 6 and 11); the guide shares
// the seal's colour; antipode, analog and occult are each their own inverse.
TEST(Oraculo, ReglasParaCadaSelloYTono) {
    for (int s = 1; s <= 20; ++s) {
        for (int t = 1; t <= 13; ++t) {
            SCOPED_TRACE(testing::Message() << "sello " << s << " tono " << t);
            const Oraculo_kin o = Calculo_oraculo(Sello(s), Tono(t));
            for (Sello p : {o.guia, o.antipoda, o.analogo, o.oculto}) EXPECT_TRUE(p.ok());
            EXPECT_NE(o.antipoda, Sello(s));
            EXPECT_NE(o.analogo, Sello(s));
            EXPECT_NE(o.oculto, Sello(s));
            EXPECT_EQ(o.guia == Sello(s), t == 1 || t == 6 || t == 11);
            EXPECT_EQ(Color_sello(o.guia), Color_sello(Sello(s)));
            EXPECT_EQ(Calculo_oraculo(o.antipoda, Tono(t)).antipoda, Sello(s));
            EXPECT_EQ(Calculo_oraculo(o.analogo, Tono(t)).analogo, Sello(s));
            EXPECT_EQ(Calculo_oraculo(o.oculto, Tono(t)).oculto, Sello(s));
        }
    }
}

TEST(Oraculo, CuatroSocios260KinsDistintos) {
    for (int kin = 1; kin <= 260; ++kin) {
        const Oraculo_kin o = Calculo_oraculo(Kin(kin).sello(), Kin(kin).tono());
        const std::set<int> distintos = {o.guia.valor, o.antipoda.valor, o.analogo.valor,
                                         o.oculto.valor};
        EXPECT_EQ(distintos.size(), 4u) << "kin " << kin;
    }
}

}  // namespace
}  // namespace talmiroc
