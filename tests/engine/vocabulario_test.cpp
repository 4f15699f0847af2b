#include <gtest/gtest.h>

#include <algorithm>

#include "idiomas.h"
#include "tzolkin.h"

namespace talmiroc {
namespace {

struct FilaSello {
    int sello;
    std::string_view nombre, dia_maya;
    bool masculino;
    Color color;
};

// One row a seal: name, Maya day, gender and colour.
constexpr FilaSello filas_sello[] = {
    {0, "Sol", "Ahau", true, Color::amarillo},
    {1, "Dragon", "Imix", true, Color::rojo},
    {2, "Viento", "Ik", true, Color::blanco},
    {3, "Noche", "Akbal", false, Color::azul},
    {4, "Semilla", "Kan", false, Color::amarillo},
    {5, "Serpiente", "Chicchan", false, Color::rojo},
    {6, "Enlazador de Mundos", "Cimi", true, Color::blanco},
    {7, "Mano", "Manik", false, Color::azul},
    {8, "Estrella", "Lamat", false, Color::amarillo},
    {9, "Luna", "Muluc", false, Color::rojo},
    {10, "Perro", "Oc", true, Color::blanco},
    {11, "Mono", "Chuen", true, Color::azul},
    {12, "Humano", "Eb", true, Color::amarillo},
    {13, "Caminante del Cielo", "Ben", true, Color::rojo},
    {14, "Mago", "Ix", true, Color::blanco},
    {15, "Aguila", "Men", false, Color::azul},
    {16, "Guerrero", "Cib", true, Color::amarillo},
    {17, "Tierra", "Kaban", false, Color::rojo},
    {18, "Espejo", "Etznab", true, Color::blanco},
    {19, "Tormenta", "Cauac", false, Color::azul},
    {20, "Sol", "Ahau", true, Color::amarillo},
};

TEST(Vocabulario, CadaSello) {
    for (const auto& f : filas_sello) {
        SCOPED_TRACE(testing::Message() << "sello " << f.sello);
        EXPECT_EQ(sellos[f.sello], f.nombre);
        EXPECT_EQ(dias_maya[f.sello], f.dia_maya);
        EXPECT_EQ(Es_masculino(Sello(f.sello), palabras_es), f.masculino);
        EXPECT_EQ(Color_sello(Sello(f.sello)), f.color);
    }
}

// Outside its table every read gives the table's entry 0.
TEST(Vocabulario, FueraDeTablaLeeLaEntradaCero) {
    for (int i : {-1, 21, 1000, -1000}) {
        EXPECT_EQ(Nombre_sello(Sello(i), palabras_es), "Sol") << i;
        EXPECT_TRUE(Es_masculino(Sello(i), palabras_es)) << i;
        EXPECT_EQ(Nombre_tono(Tono(i), Sello(1), palabras_es), "Error") << i;
        EXPECT_EQ(Numero_maya(Tono(i)), "Error") << i;
        EXPECT_EQ(Castillo(Sello(i), palabras_es), "* Castillo Rojo Este del Girar") << i;
    }
}

// The engine's own texts, letter for letter; every other test names them by
// their constants. The window's are in the window's tests.
TEST(Vocabulario, TextosDelSistema) {
    const std::pair<std::string_view, std::string_view> filas[] = {
        {mensaje_fecha, "Fecha incorrecta. Debe introducir una fecha correcta"},
        {mensaje_año,
         "Lo siento, por ahora los valores del año solo pueden estar de 38 en adelante"},
        {titulo_fecha, "Tzolkin"},
        {texto_fuera_del_tiempo, "Dia Verde, del Perdón Universal o de la Libertad Galáctica"},
    };
    for (const auto& [texto, letras] : filas) EXPECT_EQ(texto, letras);
}

// Every language of idiomas.def is found by its code and fills each table
// a day's description reads (entry 0 of a table read from 1 aside, and the
// polar verbs of tones that have no polar kin).
TEST(Vocabulario, CadaIdiomaLlenaSusTablas) {
    for (const Palabras* p : idiomas) {
        SCOPED_TRACE(p->idioma);
        EXPECT_EQ(Palabras_idioma(p->idioma), p);
        const auto lleno = [](const auto& tabla, std::size_t desde) {
            return std::none_of(tabla.begin() + static_cast<std::ptrdiff_t>(desde), tabla.end(),
                                [](std::string_view t) { return t.empty(); });
        };
        const struct {
            const char* tabla;
            bool llena;
        } filas[] = {
            {"sellos", lleno(p->sellos, 0)},
            {"tonos_m", lleno(p->tonos_m, 1)},
            {"tonos_f", lleno(p->tonos_f, 1)},
            {"colores", std::none_of(p->colores.begin(), p->colores.end(),
                                     [](Palabras_color c) { return c.m.empty() || c.f.empty(); })},
            {"castillos", lleno(p->castillos, 0)},
            {"onda", lleno(p->onda, 0)},
            {"portador", lleno(p->portador, 0)},
            {"lugares_oraculo", lleno(p->lugares_oraculo, 0)},
            {"rotulos_oraculo", lleno(p->rotulos_oraculo, 0)},
            {"verbo_tono", lleno(p->verbo_tono, 1)},
            {"gerundio_tono", lleno(p->gerundio_tono, 1)},
            {"complemento_tono", lleno(p->complemento_tono, 1)},
            {"verbo_polar", lleno(std::array{p->verbo_polar[3], p->verbo_polar[4],
                                             p->verbo_polar[10], p->verbo_polar[11]},
                                  0)},
            {"fin_sello", lleno(p->fin_sello, 1)},
            {"objeto_sello", lleno(p->objeto_sello, 1)},
            {"poder_sello", lleno(p->poder_sello, 1)},
            {"etapa_cuarteto", lleno(p->etapa_cuarteto, 1)},
            {"espectro_polar", lleno(p->espectro_polar, 0)},
            {"lunas", lleno(p->lunas, 1)},
            {"plasmas", lleno(p->plasmas, 1)},
            {"meses", lleno(p->meses, 1)},
            {"meses_cortos", lleno(p->meses_cortos, 1)},
            {"titulo_onda", lleno(p->titulo_onda, 0)},
            {"año_de", lleno(p->año_de, 0)},
            {"blancos", lleno(std::array{p->antes_del_color, p->tras_el_tono}, 0)},
            {"frases",
             lleno(std::array{p->fecha, p->fuera_del_tiempo, p->centro_oraculo, p->glifo_sello,
                              p->glifo_tono, p->con_el_fin_de, p->sello_etapa, p->con_el_tono,
                              p->guia_poder, p->guia_propia, p->kin_polar, p->linea_portal,
                              p->nombre_fuera_del_tiempo, p->nombre_hunab_ku, p->trece_lunas,
                              p->mensaje_fecha, p->mensaje_año, p->titulo_fecha},
                   0)},
            {"frases del tiempo",
             lleno(std::array{p->de_mes, p->dia_luna, p->marca_portal, p->categoria_portal,
                              p->separador_titulo, p->separador_periodo},
                   0)},
        };
        for (const auto& f : filas) EXPECT_TRUE(f.llena) << f.tabla;
    }
    EXPECT_EQ(Palabras_idioma("xx"), nullptr);
}

struct FilaTono {
    int tono;
    std::string_view m, f, numero;
};

constexpr FilaTono filas_tono[] = {
    {0, "Error", "Error", "Error"},
    {1, "Magnético", "Magnética", "Hun"},
    {2, "Lunar", "Lunar", "Ka"},
    {3, "Eléctrico", "Eléctrica", "Ox"},
    {4, "Auto-exitente", "Auto-exitente", "Kan"},
    {5, "Entonado", "Entonada", "Ho"},
    {6, "Rítmico", "Rítmica", "Uak"},
    {7, "Resonante", "Resonante", "Uuk"},
    {8, "Galáctico", "Galáctica", "Uakac"},
    {9, "Solar", "Solar", "Bolon"},
    {10, "Planetario", "Planetaria", "Lahum"},
    {11, "Espectral", "Espectral", "Buluk"},
    {12, "Cristal", "Cristal", "Lahak"},
    {13, "Cósmico", "Cósmica", "Oxlahun"},
};

TEST(Vocabulario, CadaTono) {
    for (const auto& f : filas_tono) {
        SCOPED_TRACE(testing::Message() << "tono " << f.tono);
        EXPECT_EQ(tonos_m[f.tono], f.m);
        EXPECT_EQ(tonos_f[f.tono], f.f);
        EXPECT_EQ(numeros_maya[f.tono], f.numero);
        EXPECT_EQ(Nombre_tono(Tono(f.tono), Sello(1), palabras_es), f.m);  // Dragon, masculine
        EXPECT_EQ(Nombre_tono(Tono(f.tono), Sello(3), palabras_es), f.f);  // Noche, feminine
    }
}

TEST(Vocabulario, PalabrasDeColorSegunGenero) {
    const struct {
        int sello;
        std::string_view palabra;
    } filas[] = {{1, "Rojo"},  {9, "Roja"},      {2, "Blanco"},   {14, "Blanco"},  {3, "Azul"},
                 {11, "Azul"}, {20, "Amarillo"}, {4, "Amarilla"}, {0, "Amarillo"}, {8, "Amarilla"}};
    for (const auto& f : filas) {
        EXPECT_EQ(Palabra_color(Sello(f.sello), palabras_es), f.palabra) << "sello " << f.sello;
    }
}

TEST(Vocabulario, ColorDeEtiqueta) {
    EXPECT_EQ(Color_etiqueta(Sello(1)), (Rgb{255, 0, 0}));
    EXPECT_EQ(Color_etiqueta(Sello(6)), (Rgb{160, 160, 160}));
    EXPECT_EQ(Color_etiqueta(Sello(15)), (Rgb{0, 100, 250}));
    EXPECT_EQ(Color_etiqueta(Sello(20)), (Rgb{250, 250, 0}));
}

TEST(Vocabulario, CastilloDeCadaSelloDeOnda) {
    const struct {
        std::string_view linea;
        std::vector<int> ondas;
    } castillos[] = {
        {"* Castillo Rojo Este del Girar", {0, 1, 14, 7, 20}},
        {"* Castillo Blanco Norte del Cruzar", {13, 6, 19, 12}},
        {"* Castillo Azul Oeste del Quemar", {5, 18, 11, 4}},
        {"* Castillo Amarillo Sur del Dar", {17, 10, 3, 16}},
        {"* Castillo Verde Central del Encantar", {9, 2, 15, 8}},
    };
    int vistos = 0;
    for (const auto& c : castillos) {
        for (int onda : c.ondas) {
            EXPECT_EQ(Castillo(Sello(onda), palabras_es), c.linea) << "onda " << onda;
            ++vistos;
        }
    }
    EXPECT_EQ(vistos, 21);
}

// A castle holds 52 consecutive kins: red 1..52, white 53..104, and so on.
TEST(Vocabulario, CastillosDe52KinsSeguidos) {
    const std::string_view orden[] = {
        "* Castillo Rojo Este del Girar", "* Castillo Blanco Norte del Cruzar",
        "* Castillo Azul Oeste del Quemar", "* Castillo Amarillo Sur del Dar",
        "* Castillo Verde Central del Encantar"};
    for (int kin = 1; kin <= 260; ++kin) {
        EXPECT_EQ(Castillo(Sello_onda(Kin(kin).sello(), Kin(kin).tono()), palabras_es),
                  orden[(kin - 1) / 52])
            << "kin " << kin;
    }
}

}  // namespace
}  // namespace talmiroc
