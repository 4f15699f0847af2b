#include <gtest/gtest.h>

#include <string>

#include "idiomas.h"
#include "tzolkin.h"

namespace talmiroc {
namespace {

const Rechazo fecha_mala{mensaje_fecha, Icono::informacion};
const Rechazo año_malo{mensaje_año, Icono::error};

struct FilaVeredicto {
    const char* nombre;
    std::string dia, mes, año;
    Veredicto esperado;
};

const FilaVeredicto filas[] = {
    {"fecha simple", "9", "4", "2003", Fecha{9, 4, 2003}},
    {"ceros a la izquierda", "09", "04", "2003", Fecha{9, 4, 2003}},
    {"febrero 30", "30", "2", "2004", fecha_mala},
    {"29 febrero sin bisiesto", "29", "2", "2003", Fecha{29, 2, 2003}},
    {"31 abril", "31", "4", "2003", Fecha{31, 4, 2003}},
    {"año antes que rango", "5", "13", "20", año_malo},
    {"febrero antes que año", "30", "2", "20", fecha_mala},
    {"año 37", "1", "1", "37", año_malo},
    {"año 38", "1", "1", "38", Fecha{1, 1, 38}},
    {"año 9999", "31", "12", "9999", Fecha{31, 12, 9999}},
    {"dia 0", "0", "5", "2003", fecha_mala},
    {"mes 0", "5", "0", "2003", fecha_mala},
    {"dia negativo", "-5", "5", "2003", fecha_mala},
    {"mes negativo", "5", "-1", "2003", fecha_mala},
    {"dia 32", "32", "1", "2003", fecha_mala},
    {"mes 13", "1", "13", "2003", fecha_mala},
    {"dia de letras", "ab", "4", "2003", fecha_mala},
    {"mes de letras", "9", "x", "2003", fecha_mala},
    {"dia de dos blancos", "  ", "4", "2003", fecha_mala},
    {"mes de dos blancos", "9", "  ", "2003", fecha_mala},
    {"año de letras", "9", "4", "abcd", año_malo},
    {"dia vacio", "", "4", "2003", fecha_mala},
    {"mes vacio", "9", "", "2003", fecha_mala},
    {"año vacio", "9", "4", "", fecha_mala},
    {"dia un blanco", " ", "4", "2003", fecha_mala},
    {"año un blanco", "9", "4", " ", fecha_mala},
    {"vacio antes que año malo", "", "4", "20", fecha_mala},
    {"año de dos blancos", "9", "4", "  ", año_malo},
    {"mes 07 dia 25", "25", "07", "2003", Fecha{25, 7, 2003}},
    {"blancos alrededor", " 9", "4 ", " 2003", Fecha{9, 4, 2003}},
    {"signo mas", "+9", "+4", "+2003", Fecha{9, 4, 2003}},
    {"signo solo", "-", "4", "2003", fecha_mala},
    {"año con letras detras", "9", "4", "20ab", año_malo},
    {"año con cifras y letras", "9", "4", "2003x", Fecha{9, 4, 2003}},
    {"año de dos cifras", "9", "4", "03", año_malo},
    {"año negativo", "9", "4", "-2003", año_malo},
    {"dia con coma", "1,", "4", "2003", fecha_mala},
    {"mes con punto", "9", "1.", "2003", fecha_mala},
    {"dia con tabulador", "\t9", "4", "2003", Fecha{9, 4, 2003}},
    {"dia con signo y blanco", "- 5", "4", "2003", fecha_mala},
    {"dia no ascii", "\xc3\xb1", "4", "2003", fecha_mala},
    {"cifra arabe ancha", "\xd9\xa3", "4", "2003", fecha_mala},
    {"nul incrustado", std::string("9\0", 2), "4", "2003", fecha_mala},
    {"año con nul", "9", "4",
     std::string("20\0"
                 "03",
                 5),
     año_malo},
    {"dia enorme", "99999999999999999999999999", "4", "2003", fecha_mala},
    {"dia enorme negativo", "-99999999999999999999999999", "4", "2003", fecha_mala},
    {"febrero dia enorme", "99999999999999999999999999", "2", "2003", fecha_mala},
    {"año de 18 cifras", "1", "1", "999999999999999999", Fecha{1, 1, 999'999'999'999'999'999}},
    {"año de 19 cifras", "1", "1", "1000000000000000000", fecha_mala},
    {"año enorme", "1", "1", "99999999999999999999999999", fecha_mala},
    {"año enorme negativo", "1", "1", "-99999999999999999999999999", año_malo},
};

TEST(ComprobarFecha, Tabla) {
    for (const auto& f : filas) {
        EXPECT_EQ(Comprobar_fecha(f.dia, f.mes, f.año, palabras_es), f.esperado) << f.nombre;
    }
}

TEST(ComprobarFecha, Lecturas) {
    const struct {
        std::string_view texto;
        std::int64_t inicial;
        bool completa;
    } filas_lectura[] = {
        {"12", 12, true},  {" 12ab", 12, false}, {"ab12", 0, false}, {"", 0, false},
        {"  ", 0, false},  {"-7", -7, true},     {"+7 ", 7, true},   {"1 2", 1, false},
        {"0007", 7, true}, {"1.5", 1, false},    {"-", 0, false},    {"+-3", 0, false},
    };
    for (const auto& f : filas_lectura) {
        EXPECT_EQ(Lectura_inicial(f.texto), f.inicial) << "'" << f.texto << "'";
        std::int64_t v = -99;
        EXPECT_EQ(Lectura_completa(f.texto, v), f.completa) << "'" << f.texto << "'";
        if (f.completa) {
            EXPECT_EQ(v, f.inicial) << "'" << f.texto << "'";
        }
    }
    EXPECT_EQ(Lectura_inicial("99999999999999999999"), INT64_MAX);
    EXPECT_EQ(Lectura_inicial("-99999999999999999999"), -INT64_MAX);
}

// Every pair of day and month texts of up to two printable ASCII characters:
// an accepted verdict always lies in the counted domain, and accepted texts
// read the same both ways.
TEST(ComprobarFecha, BarridoDeTextosCortos) {
    std::vector<std::string> textos = {""};
    for (char a = ' '; a <= '~'; ++a) {
        textos.emplace_back(1, a);
        for (char b : std::string_view(" +-019a,")) textos.push_back(std::string{a} + b);
    }
    int aceptadas = 0;
    for (const auto& d : textos) {
        for (const auto& m : {std::string("2"), std::string("7"), std::string("12")}) {
            const Veredicto v = Comprobar_fecha(d, m, "2003", palabras_es);
            if (const auto* f = std::get_if<Fecha>(&v)) {
                ++aceptadas;
                ASSERT_GE(f->dia, 1) << "'" << d << "'";
                ASSERT_LE(f->dia, f->mes == 2 ? 29 : 31) << "'" << d << "'";
                std::int64_t completa = 0;
                ASSERT_TRUE(Lectura_completa(d, completa));
                ASSERT_EQ(completa, Lectura_inicial(d));
            } else {
                ASSERT_EQ(std::get<Rechazo>(v), fecha_mala) << "'" << d << "'";
            }
        }
    }
    // 1..31 and 01..09, and their "+" and blank-padded forms, were met.
    EXPECT_GT(aceptadas, 80);
}

}  // namespace
}  // namespace talmiroc
