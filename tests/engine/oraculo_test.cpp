#include <gtest/gtest.h>

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

}  // namespace
}  // namespace talmiroc
