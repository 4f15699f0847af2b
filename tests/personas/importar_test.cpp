// Imports into the people book: hand-written vCards (as address books and
// the standards' own examples write them) and CSV tables, each card or line
// added or skipped with its reason; bad files refused whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "carpeta.h"
#include "idiomas.h"
#include "importar.h"

namespace talmiroc::personas {
namespace {

using prueba::Carpeta;

struct Caso {
    const char* nombre;
    std::string texto;
    std::vector<std::string> añadidas;                     // names, in the file's order
    std::vector<std::pair<std::size_t, Motivo>> omitidas;  // line, reason
};

const Caso casos[] = {
    {"vcard30_dos_tarjetas",
     "BEGIN:vCard\r\nVERSION:3.0\r\nFN:Frank Dawson\r\nORG:Lotus Development Corporation\r\n"
     "ADR;TYPE=WORK,POSTAL,PARCEL:;;6544 Battleford Drive\r\n ;Raleigh;NC;27613-3502;U.S.A.\r\n"
     "TEL;TYPE=VOICE,MSG,WORK:+1-919-676-9515\r\nBDAY:1996-04-15\r\nEND:vCard\r\n\r\n"
     "BEGIN:vCard\r\nVERSION:3.0\r\nFN:Tim Howes\r\nORG:Netscape Communications Corp.\r\n"
     "BDAY:1953-10-15T23:10:00Z\r\nEND:vCard\r\n",
     {"Frank Dawson", "Tim Howes"},
     {}},
    {"vcard40_plegada_y_sin_year",
     "BEGIN:VCARD\nVERSION:4.0\nFN:Ana Mar\n ía\nBDAY:20030409\nEND:VCARD\n"
     "BEGIN:VCARD\nVERSION:4.0\nFN:Simon Perreault\nN:Perreault;Simon;;;ing. jr,M.Sc.\n"
     "BDAY:--0203\nANNIVERSARY:20090808T1430-0500\nEND:VCARD\n"
     "BEGIN:VCARD\nVERSION:4.0\nFN:Antigua\nBDAY;VALUE=text:circa 1800\nEND:VCARD\n"
     "BEGIN:VCARD\nVERSION:4.0\nFN:Mes\nBDAY:2003-04\nEND:VCARD\n",
     {"Ana María"},
     {{7, Motivo::sin_año}, {14, Motivo::fecha_ilegible}, {19, Motivo::fecha_ilegible}}},
    {"vcard_n_grupos_escapes_y_comillas",
     "BEGIN:VCARD\nVERSION:3.0\nN:Pérez;Ana;María;Dr.;\nitem1.BDAY:2003-04-09\nEND:VCARD\n"
     "BEGIN:VCARD\nVERSION:3.0\nFN;CHARSET=UTF-8;X-X=\"a:b\":Ruiz\\, Luis\nBDAY:1985-07-25\nEND:VCARD\n",
     {"Dr. Ana María Pérez", "Ruiz, Luis"},
     {}},
    {"vcard_omitidas",
     "BEGIN:VCARD\nVERSION:3.0\nFN:Sin Fecha\nEND:VCARD\n"
     "BEGIN:VCARD\nVERSION:3.0\nBDAY:2003-04-09\nEND:VCARD\n"
     "BEGIN:VCARD\nVERSION:3.0\nFN:Manzana\nBDAY;X-APPLE-OMIT-YEAR=1604:1604-04-09\nEND:VCARD\n"
     "BEGIN:VCARD\nVERSION:3.0\nFN;CHARSET=ISO-8859-1:Zoe\nBDAY:2003-04-09\nEND:VCARD\n"
     "BEGIN:VCARD\nVERSION:2.1\nFN;ENCODING=QUOTED-PRINTABLE:Jos=C3=A9\nBDAY:2003-04-09\nEND:VCARD\n"
     "BEGIN:VCARD\nVERSION:3.0\nFN:Bisiesto\nBDAY:2003-02-30\nEND:VCARD\n"
     "BEGIN:VCARD\nVERSION:3.0\nFN:Antes\nBDAY:0037-01-01\nEND:VCARD\n"
     "BEGIN:VCARD\nVERSION:3.0\nFN:Dos\nBDAY:2000-01-01\nEND:VCARD\n"
     "BEGIN:VCARD\nVERSION:3.0\nFN:  Dos \nBDAY:20000101\nEND:VCARD\n"
     "BEGIN:VCARD\nVERSION:3.0\nFN:" + std::string(201, 'x') + "\nBDAY:2000-01-01\nEND:VCARD\n",
     {"Dos"},
     {{1, Motivo::sin_fecha}, {5, Motivo::sin_nombre}, {9, Motivo::sin_año},
      {14, Motivo::codificacion}, {19, Motivo::codificacion}, {24, Motivo::fecha_rechazada},
      {29, Motivo::fecha_rechazada}, {39, Motivo::repetida}, {44, Motivo::nombre_malo}}},
    {"csv_cabecera_comillas_y_omitidas",
     "\xEF\xBB\xBFnombre,dia,mes,año\r\n\"Pérez, Ana \"\"Anita\"\"\",9,4,2003\r\n\r\n"
     "Luis, 25 , 7 ,2003,,\r\nMía,1,1\r\nSol,1,1,\r\nUno,Dos,1,2,3\r\nLuis,25,7,2003\r\n"
     "Nadie,31,2,2001\r\n,1,1,2001\r\n",
     {"Pérez, Ana \"Anita\"", "Luis"},
     {{5, Motivo::sin_año}, {6, Motivo::sin_año}, {7, Motivo::campos}, {8, Motivo::repetida},
      {9, Motivo::fecha_rechazada}, {10, Motivo::sin_nombre}}},
    {"csv_punto_y_coma_sin_cabecera", "Ana;9;4;2003\nLuis;25;7;2003",
     {"Ana", "Luis"},
     {}},
    {"csv_primera_linea_mala_no_es_cabecera", "Ana,9,4\nLuis,25,7,2003\n",
     {"Luis"},
     {{1, Motivo::sin_año}}},
};

void PrintTo(const Caso& c, std::ostream* os) {
    *os << c.nombre;
}

class Importar_test : public testing::TestWithParam<Caso> {};

TEST_P(Importar_test, AnadidasYOmitidas) {
    const Caso& c = GetParam();
    const Importacion i = Leer_importacion(c.texto, palabras_es);
    ASSERT_TRUE(i.ok()) << static_cast<int>(i.fallo) << " at line " << i.linea;
    std::vector<std::string> nombres;
    for (const Persona& p : i.nuevas) nombres.push_back(p.nombre);
    EXPECT_EQ(nombres, c.añadidas);
    std::vector<std::pair<std::size_t, Motivo>> omitidas;
    for (const Omitida& o : i.omitidas) omitidas.emplace_back(o.linea, o.motivo);
    EXPECT_EQ(omitidas, c.omitidas);
}

INSTANTIATE_TEST_SUITE_P(Archivos, Importar_test, testing::ValuesIn(casos),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(Importar, FechasLeidas) {
    const Importacion i = Leer_importacion(casos[0].texto, palabras_es);
    ASSERT_EQ(i.nuevas.size(), 2U);
    EXPECT_EQ(i.nuevas[0].nacimiento, (Fecha{15, 4, 1996}));
    EXPECT_EQ(i.nuevas[1].nacimiento, (Fecha{15, 10, 1953}));
    EXPECT_EQ(i.formato, Formato_importar::vcard);
}

// A file refused whole: where, and nobody taken from it.
TEST(Importar, ArchivosMalos) {
    const struct {
        const char* nombre;
        std::string texto;
        Fallo fallo;
        std::size_t linea;
    } filas[] = {
        {"latin1", "Ana,9,4,2003\nJos\xE9,1,1,2000\n", Fallo::no_utf8, 2},
        {"binario", std::string("\x89PNG\r\n\x1a\n\0\0", 10), Fallo::no_utf8, 1},
        {"nul", std::string("Ana,9,4,2003\n\0", 14), Fallo::no_utf8, 2},
        {"tarjeta_cortada", "BEGIN:VCARD\nFN:Ana\nBDAY:2003-04-09\nEND:VCARD\nBEGIN:VCARD\nFN:Luis\n",
         Fallo::tarjeta_abierta, 5},
        {"tarjeta_dentro_de_otra", "BEGIN:VCARD\nFN:Ana\nBEGIN:VCARD\nEND:VCARD\nEND:VCARD\n",
         Fallo::tarjeta_abierta, 1},
        {"texto_entre_tarjetas", "BEGIN:VCARD\nFN:Ana\nEND:VCARD\nhola\n", Fallo::fuera_de_tarjeta, 4},
        {"comillas_abiertas", "Ana,9,4,2003\n\"Luis,25,7,2003\nSol,1,1,2000\n", Fallo::comillas, 2},
        {"vacio", "", Fallo::vacio, 0},
        {"solo_cabecera", "nombre,dia,mes,año\n\n", Fallo::vacio, 0},
    };
    for (const auto& f : filas) {
        const Importacion i = Leer_importacion(f.texto, palabras_es);
        EXPECT_EQ(i.fallo, f.fallo) << f.nombre;
        EXPECT_EQ(i.linea, f.linea) << f.nombre;
        EXPECT_TRUE(i.nuevas.empty() && i.omitidas.empty()) << f.nombre;
    }
}

// Into a book: who is there already is not added again, all the rest in
// one save; a file refused writes nothing.
TEST(Importar, AlLibro) {
    Carpeta carpeta;
    Libro libro(carpeta.Libro());
    libro.Abrir();
    libro.Aplicar({Cambio::Tipo::añadir, {}, {"Luis", {25, 7, 2003}}});
    const std::string antes = prueba::Leer(carpeta.Libro());
    Importacion mala = Leer_archivo_importacion(carpeta.Raiz() + "/no-hay.vcf", palabras_es);
    EXPECT_EQ(mala.fallo, Fallo::no_se_lee);
    EXPECT_FALSE(Importar(libro, mala).aplicado);
    EXPECT_EQ(prueba::Leer(carpeta.Libro()), antes);

    Importacion i = Leer_importacion("Ana,9,4,2003\nLuis,25,7,2003\nLuis,25,7,2004\n", palabras_es);
    // Another window adds Ana between the reading and the import.
    Libro otro(carpeta.Libro());
    otro.Abrir();
    otro.Aplicar({Cambio::Tipo::añadir, {}, {"Ana", {9, 4, 2003}}});
    const Libro::Resultado r = Importar(libro, i);
    EXPECT_TRUE(r.aplicado);
    EXPECT_EQ(r.error, 0);
    ASSERT_EQ(i.nuevas.size(), 1U);
    EXPECT_EQ(i.nuevas[0], (Persona{"Luis", {25, 7, 2004}}));
    std::vector<std::pair<std::size_t, Motivo>> omitidas;
    for (const Omitida& o : i.omitidas) omitidas.emplace_back(o.linea, o.motivo);
    EXPECT_EQ(omitidas, (std::vector<std::pair<std::size_t, Motivo>>{{1, Motivo::ya_en_libro},
                                                                    {2, Motivo::ya_en_libro}}));
    Libro leido(carpeta.Libro());
    leido.Abrir();
    EXPECT_EQ(leido.Personas().size(), 3U);
}

}  // namespace
}  // namespace talmiroc::personas
