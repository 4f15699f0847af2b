#include <gtest/gtest.h>

#include <set>

#include "idiomas.h"
#include "tzolkin.h"

namespace talmiroc {
namespace {

const Lectura_dia kin_153_en = Describir_dia(Fecha{25, 7, 2003}, palabras_en);
const Lectura_dia kin_153_pt = Describir_dia(Fecha{25, 7, 2003}, palabras_pt);

// A few texts of each language, written out by hand.
TEST(Idiomas, TextosEscritosAMano) {
    const struct {
        const char* que;
        std::string texto;
        std::string_view letras;
    } filas[] = {
        {"en nombre", kin_153_en.nombre, "* Kin 153: Red Planetary Skywalker\r\n <Ben Lahum> "},
        {"en portador", kin_153_en.a_maya,
         "* Year of the Red Planetary Moon Kin 49\r\n <Muluc Lahum> "},
        {"en fecha", kin_153_en.fecha, "Gregorian date: 25 July 2003"},
        {"en luna", Linea_trece_lunas(Calculo_trece_lunas(13, 11, 2013), palabras_en),
         "13 Moons: Limi 27, Self-Existing Owl Moon (NS1.26.4.27)"},
        {"en afirmación", kin_153_en.inter,
         "I perfect in order to explore\r\nProducing wakefulness\r\nI seal the output of space\r\n"
         "With the Planetary tone of manifestation\r\nI am guided by the power of birth\r\n"
         "I am a galactic activation portal, enter me"},
        {"en mensaje",
         std::string(std::get<Rechazo>(Comprobar_fecha("1", "1", "37", palabras_en)).mensaje),
         "Sorry, the year must be 38 or later for now."},
        {"en luna del tiempo", Describir_luna({2013, 4}, palabras_en).titulo,
         "Self-Existing Owl Moon · NS1.26.4 · 18 Oct – 14 Nov 2013"},
        {"pt onda del tiempo", Describir_onda(Kin(153), {25, 7, 2003}, palabras_pt).kines[9].cuando,
         "25 de julho de 2003"},
        {"pt nombre", kin_153_pt.nombre,
         "* Kin 153: Caminhante do Céu Planetário Vermelho\r\n <Ben Lahum> "},
        {"pt portador femenino", kin_153_pt.a_maya,
         "* Ano da Lua Planetária Vermelha Kin 49\r\n <Muluc Lahum> "},
        {"pt portador masculino", Lineas_portador(Kin(154), palabras_pt),
         "* Ano do Mago Espectral Branco Kin 154\r\n <Ix Buluk> "},
        {"pt luna", std::string(Nombre_trece_lunas(Calculo_trece_lunas(9, 4, 2003), palabras_pt)),
         "Lua Planetária do Cachorro"},
        {"pt afirmación polar", Texto_meditacion(Kin(50), palabras_pt),
         "Dissolvo a fim de amar\r\nLiberando a lealdade\r\nEu selo o processo do coração\r\n"
         "Com o tom Espectral da liberação\r\nGuia-me o meu próprio poder duplicado\r\n"
         "Sou um kin Polar. Transporto o espectro galáctico Branco\r\n"
         "Sou um portal de ativação galáctica, entre em mim"},
        {"pt mensaje",
         std::string(std::get<Rechazo>(Comprobar_fecha("", "1", "2003", palabras_pt)).mensaje),
         "Data inválida. Digite uma data válida."},
        {"fr élision", Lineas_onda(Sello(15), palabras_fr),
         "* Onde enchantée de l'Aigle\r\n* Château Vert Central de l'Enchantement"},
        {"fr féminin", Describir_año(2002, palabras_fr).nombre, "Année de la Lune Planétaire Rouge"},
        {"fr afin d'", Texto_meditacion(Kin(153), palabras_fr).substr(0, 31),
         "Je perfectionne afin d'explorer"},
        {"fr afin de", Texto_meditacion(Kin(1), palabras_fr).substr(0, 24), "J'unifie afin de nourrir"},
        {"fr deux-points", Linea_nombre(Kin(46), palabras_fr),
         "* Kin 46\u00a0: Passeur de Mondes Résonant Blanc\r\n <Cimi Uuk> "},
        {"fr date", Linea_fecha(9, 4, 2003, palabras_fr), "Date grégorienne\u00a0: 9 avril 2003"},
        {"ru masculino", Nombre_kin(Kin(153), palabras_ru), "Красный Планетарный Небесный Странник"},
        {"ru femenino", Nombre_kin(Kin(11), palabras_ru), "Синяя Спектральная Обезьяна"},
        {"ru neutro", Nombre_kin(Kin(4), palabras_ru), "Жёлтое Самосущное Семя"},
        {"ru genitivo", Lineas_portador(Kin(49), palabras_ru),
         "* Год Красной Планетарной Луны Кин 49\r\n <Muluc Lahum> "},
        {"ru nombre", Linea_nombre(Kin(133), palabras_ru),
         "* Кин 133 Красный Электрический Небесный Странник\r\n <Ben Ox> "},
        {"ru genitivo neutro", Describir_año(2005, palabras_ru).nombre, "Год Жёлтого Космического Семени"},
        {"ru onda", Describir_onda(Kin(1), {26, 7, 1987}, palabras_ru).titulo,
         "Волшебная волна Дракона"},
        {"ru fecha", Linea_fecha(9, 4, 2003, palabras_ru), "Григорианская дата: 9 апреля 2003 г."},
        {"ru afirmación", Texto_meditacion(Kin(1), palabras_ru),
         "Я объединяю, чтобы питать\r\nПритягивая бытие\r\nЯ запечатываю вход рождения\r\n"
         "Магнитным тоном цели\r\nМеня ведёт моя собственная удвоенная сила\r\n"
         "Я портал галактической активации, войди в меня"},
    };
    for (const auto& f : filas) EXPECT_EQ(f.texto, f.letras) << f.que;
}

// The words of a reading: runs of letters (any non-ASCII byte counts as
// one), in ASCII lower case.
std::set<std::string> Palabras_de(std::string_view texto, std::set<std::string> s = {}) {
    std::string w;
    for (const char c : std::string(texto) + " ") {
        if (std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80) {
            w += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!w.empty()) {
            s.insert(std::exchange(w, {}));
        }
    }
    return s;
}

// Every text of the days from 25 July 2000 to 25 July 2004 (every kin, both
// special days, four year bearers), of their moons and wavespells, the
// date checks' refusals and the portal days' category.
std::set<std::string> Palabras_leidas(const Palabras& p) {
    std::set<std::string> s =
        Palabras_de(p.mensaje_fecha, Palabras_de(p.mensaje_año, Palabras_de(p.categoria_portal)));
    for (Fecha f{25, 7, 2000}; f <= Fecha{25, 7, 2004}; f = Siguiente(f)) {
        const Lectura_dia l = Describir_dia(f, p);
        for (const std::string& t :
             {Texto_dia(l), l.nombre_kin, l.nombre_sello, l.nombre_tono, l.nombre_centro,
              l.nombres_oraculo[0], Describir_onda(l.kin, f, p).titulo}) {
            s = Palabras_de(t, std::move(s));
        }
        if (l.trece_lunas.dia != 1) continue;
        const Lectura_luna luna = Describir_luna(Luna_de(f), p);
        for (const Dia_de_luna& d : luna.dias)
            s = Palabras_de(d.nombre + " " + d.mes, std::move(s));
        s = Palabras_de(luna.titulo, std::move(s));
    }
    return s;
}

// No Spanish word is left in another language's reading: none of the words
// of the Spanish readings, but those every language shares (the Maya names,
// the plasmas, "kin") and those the language says it has too.
TEST(Idiomas, NingunaPalabraEspañolaEnOtroIdioma) {
    std::string comunes = "kin kin\u00a0 tzolkin hunab ku ns · –";
    for (const auto w : dias_maya) comunes.append(" ").append(w);
    for (const auto w : numeros_maya) comunes.append(" ").append(w);
    for (const auto w : palabras_es.plasmas) comunes.append(" ").append(w);
    const std::set<std::string> español = Palabras_leidas(palabras_es);
    for (const Palabras* p : idiomas) {
        if (p == &palabras_es) continue;
        const std::set<std::string> permitidas =
            Palabras_de(comunes + " " + std::string(p->como_en_español));
        for (const std::string& w : Palabras_leidas(*p)) {
            EXPECT_FALSE(español.count(w) && !permitidas.count(w)) << p->idioma << ": " << w;
        }
    }
}

TEST(Idiomas, DelEntorno) {
    const struct {
        const char *language, *lc_all, *lc_messages, *lang;
        const Palabras& p;
    } filas[] = {
        {nullptr, nullptr, nullptr, nullptr, palabras_es},
        {nullptr, nullptr, nullptr, "en_US.UTF-8", palabras_en},
        {"pt_BR:en", nullptr, nullptr, "en_US.UTF-8", palabras_pt},
        // "zz": a code no language will have.
        {"zz:en_GB", nullptr, nullptr, "pt_BR", palabras_en},
        {"zz", nullptr, nullptr, "pt_BR", palabras_pt},
        {"pt", "C", nullptr, "en_US.UTF-8", palabras_es},
        {"pt", nullptr, nullptr, "C.UTF-8", palabras_es},
        {nullptr, nullptr, nullptr, "zz_ZZ.UTF-8", palabras_es},
        {nullptr, "zz_ZZ", nullptr, "en_US", palabras_es},
        {nullptr, "", "pt_PT@euro", "en_US", palabras_pt},
        {nullptr, nullptr, nullptr, "english", palabras_es},
        // Which variable wins when several are set: LANGUAGE, then LC_ALL,
        // LC_MESSAGES, LANG; C and POSIX, from whichever of the three is
        // read, silence LANGUAGE.
        {"en", "fr_FR.UTF-8", "ru_RU", "pt_BR", palabras_en},
        {nullptr, "fr_FR.UTF-8", "ru_RU", "pt_BR", palabras_fr},
        {nullptr, nullptr, "ru_RU.UTF-8", "pt_BR", palabras_ru},
        {"xx:ru:fr", nullptr, nullptr, "en_US", palabras_ru},
        {"pt", "POSIX", "en_US", "fr_FR", palabras_es},
        {"pt", nullptr, "POSIX", "fr_FR", palabras_es},
        {"pt", nullptr, "C", "fr_FR", palabras_es},
        {"fr", nullptr, "en_US", "C", palabras_fr},
    };
    for (const auto& f : filas) {
        EXPECT_EQ(&Idioma_de(f.language, f.lc_all, f.lc_messages, f.lang), &f.p)
            << (f.language ? f.language : "-") << " " << (f.lc_all ? f.lc_all : "-") << " "
            << (f.lang ? f.lang : "-");
    }
}

}  // namespace
}  // namespace talmiroc
