#include <gtest/gtest.h>

#include <algorithm>

#include "idiomas.h"
#include "tzolkin.h"

namespace talmiroc {
namespace {

// The spellings the day window and tzolkin show (Palabras_dia), which are
// the system's own, misspellings included ("Dragon", "Aguila",
// "Auto-exitente"), and the same words as every other surface spells them;
// the rest of the tables are read through the readings (idiomas_test.cpp)
// and the sweeps.
TEST(Vocabulario, GrafiasDeLaVentana) {
    const Palabras& dia = Palabras_dia(palabras_es);
    const std::pair<std::string_view, std::string_view> filas[] = {
        {Nombre_sello(Sello(1), dia), "Dragon"},
        {Nombre_sello(Sello(15), dia), "Aguila"},
        {Nombre_tono(Tono(4), Sello(1), dia), "Auto-exitente"},
        {Nombre_tono(Tono(5), Sello(9), dia), "Entonada"},
        {dia.rotulos_oraculo[0], "Kin Guia"},
        {dia.guia_propia, "Me guia mi propio poder duplicado"},
        {dia.fuera_del_tiempo.substr(0, 10), "Dia Verde,"},
        {dia.poder_sello[2], "del espiritu"},
        {dia.etapa_cuarteto[2], " el almacén"},
        {dia.etapa_cuarteto[7], " el almacen"},
        {Nombre_sello(Sello(1), palabras_es), "Dragón"},
        {Nombre_sello(Sello(15), palabras_es), "Águila"},
        {Nombre_tono(Tono(4), Sello(1), palabras_es), "Autoexistente"},
        {palabras_es.rotulos_oraculo[0], "Kin Guía"},
        {palabras_es.guia_propia, "Me guía mi propio poder duplicado"},
        {palabras_es.fuera_del_tiempo.substr(0, 11), "Día Verde,"},
        {palabras_es.poder_sello[2], "del espíritu"},
        {palabras_es.poder_sello[19], "de la autogeneración"},
        {palabras_es.etapa_cuarteto[7], " el almacén"},
        {Dia_maya(Sello(20)), "Ahau"},
        {Numero_maya(Tono(8)), "Uakac"},
    };
    for (std::size_t i = 0; i < std::size(filas); ++i)
        EXPECT_EQ(filas[i].first, filas[i].second) << "row " << i;
}

// The names as each language's community publishes them: seals 1..20 with
// their genders (m, f, n), tones 1..13 as the tone itself, and the colours
// red, white, blue, yellow in each gender.
TEST(Vocabulario, NombresPublicados) {
    const struct {
        const Palabras& p;
        std::string_view sellos, generos, tonos, colores;
    } filas[] = {
        {palabras_en,
         "Dragon,Wind,Night,Seed,Serpent,Worldbridger,Hand,Star,Moon,Dog,Monkey,Human,Skywalker,"
         "Wizard,Eagle,Warrior,Earth,Mirror,Storm,Sun",
         "m,m,m,m,m,m,m,m,m,m,m,m,m,m,m,m,m,m,m,m",
         "Magnetic,Lunar,Electric,Self-Existing,Overtone,Rhythmic,Resonant,Galactic,Solar,"
         "Planetary,Spectral,Crystal,Cosmic",
         "Red,Red,Red,White,White,White,Blue,Blue,Blue,Yellow,Yellow,Yellow"},
        {palabras_pt,
         "Dragão,Vento,Noite,Semente,Serpente,Enlaçador de Mundos,Mão,Estrela,Lua,Cachorro,Macaco,"
         "Humano,Caminhante do Céu,Mago,Águia,Guerreiro,Terra,Espelho,Tormenta,Sol",
         "m,m,f,f,f,m,f,f,f,m,m,m,m,m,f,m,f,m,f,m",
         "Magnético,Lunar,Elétrico,Autoexistente,Harmônico,Rítmico,Ressonante,Galáctico,Solar,"
         "Planetário,Espectral,Cristal,Cósmico",
         "Vermelho,Vermelha,Vermelho,Branco,Branca,Branco,Azul,Azul,Azul,Amarelo,Amarela,Amarelo"},
        {palabras_fr,
         "Dragon,Vent,Nuit,Graine,Serpent,Passeur de Mondes,Main,Étoile,Lune,Chien,Singe,Humain,"
         "Marcheur du Ciel,Sorcier,Aigle,Guerrier,Terre,Miroir,Tempête,Soleil",
         "m,m,f,f,m,m,f,f,f,m,m,m,m,m,m,m,f,m,f,m",
         "Magnétique,Lunaire,Électrique,Auto-existant,Harmonique,Rythmique,Résonant,Galactique,"
         "Solaire,Planétaire,Spectral,Cristal,Cosmique",
         "Rouge,Rouge,Rouge,Blanc,Blanche,Blanc,Bleu,Bleue,Bleu,Jaune,Jaune,Jaune"},
        {palabras_ru,
         "Дракон,Ветер,Ночь,Семя,Змей,Соединитель Миров,Рука,Звезда,Луна,Собака,Обезьяна,Человек,"
         "Небесный Странник,Волшебник,Орёл,Воин,Земля,Зеркало,Буря,Солнце",
         "m,m,f,n,m,m,f,f,f,f,f,m,m,m,m,m,f,n,f,n",
         "Магнитный,Лунный,Электрический,Самосущный,Обертонный,Ритмический,Резонансный,"
         "Галактический,Солнечный,Планетарный,Спектральный,Кристальный,Космический",
         "Красный,Красная,Красное,Белый,Белая,Белое,Синий,Синяя,Синее,Жёлтый,Жёлтая,Жёлтое"},
    };
    const auto lista = [](auto&& leer, int desde, int hasta) {
        std::string s;
        for (int i = desde; i <= hasta; ++i) s.append(i > desde ? "," : "").append(leer(i));
        return s;
    };
    for (const auto& f : filas) {
        SCOPED_TRACE(f.p.idioma);
        const Palabras& p = f.p;
        EXPECT_EQ(lista([&](int s) { return Nombre_sello(Sello(s), p); }, 1, 20), f.sellos);
        EXPECT_EQ(lista([&](int s) { return std::string_view("mfn").substr(
                                         static_cast<std::size_t>(Genero_sello(Sello(s), p)), 1); },
                        1, 20),
                  f.generos);
        EXPECT_EQ(lista([&](int t) { return En(p.tonos_m, t); }, 1, 13), f.tonos);
        EXPECT_EQ(lista([&](int i) {
                      const Palabras_color c = p.colores[static_cast<std::size_t>(i / 3)];
                      return i % 3 == 0 ? c.m : i % 3 == 1 ? c.f : c.n.empty() ? c.m : c.n;
                  }, 0, 11),
                  f.colores);
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
        const bool neutro = std::count(p->generos.begin(), p->generos.end(), Genero::neutro) > 0;
        const auto abre = [&lleno](const Antes_del_sello& a) { return lleno(a.genero, 0); };
        const struct {
            const char* tabla;
            bool llena;
        } filas[] = {
            {"sellos", lleno(p->sellos, 0)},
            {"tonos_m", lleno(p->tonos_m, 1)},
            {"tonos_f", lleno(p->tonos_f, 1)},
            {"tonos_n", !neutro || lleno(p->tonos_n, 1)},
            {"colores", std::none_of(p->colores.begin(), p->colores.end(),
                                     [neutro](Palabras_color c) {
                                         return c.m.empty() || c.f.empty() || (neutro && c.n.empty());
                                     })},
            {"castillos", lleno(p->castillos, 0)},
            {"onda", abre(p->onda)},
            {"portador", abre(p->portador)},
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
            {"titulo_onda", abre(p->titulo_onda)},
            {"año_de", abre(p->año_de)},
            {"blancos", lleno(std::array{p->antes_del_color, p->tras_el_tono}, 0)},
            {"frases",
             lleno(std::array{p->fecha, p->fuera_del_tiempo, p->centro_oraculo, p->glifo_sello,
                              p->glifo_tono, p->sello_etapa,
                              p->guia_poder, p->guia_propia, p->kin_polar, p->linea_portal,
                              p->nombre_fuera_del_tiempo, p->nombre_hunab_ku, p->trece_lunas,
                              p->mensaje_fecha, p->mensaje_año, p->titulo_fecha},
                   0)},
            {"con_el_fin_de", abre(p->con_el_fin_de)},
            {"fechas", lleno(std::array{p->forma_fecha, p->fecha_escrita, p->tras_rotulo}, 0)},
            {"frases del tiempo",
             lleno(std::array{ p->dia_luna, p->marca_portal, p->categoria_portal,
                              p->separador_titulo, p->separador_periodo},
                   0)},
        };
        for (const auto& f : filas) EXPECT_TRUE(f.llena) << f.tabla;
    }
    EXPECT_EQ(Palabras_idioma("xx"), nullptr);
}

TEST(Vocabulario, ColorDeEtiqueta) {
    EXPECT_EQ(Color_etiqueta(Sello(1)), (Rgb{255, 0, 0}));
    EXPECT_EQ(Color_etiqueta(Sello(6)), (Rgb{160, 160, 160}));
    EXPECT_EQ(Color_etiqueta(Sello(15)), (Rgb{0, 100, 250}));
    EXPECT_EQ(Color_etiqueta(Sello(20)), (Rgb{250, 250, 0}));
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
