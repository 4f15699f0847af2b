#include <gtest/gtest.h>

#include "idiomas.h"
#include "tzolkin.h"

namespace talmiroc {
namespace {

struct FilaNombre {
    int kin;
    std::string_view linea;
};

constexpr FilaNombre filas_nombre[] = {
    {46, "* Kin 46: Enlazador de Mundos Resonante  Blanco\r\n <Cimi Uuk> "},
    {49, "* Kin 49: Luna Planetaria  Roja\r\n <Muluc Lahum> "},
    {34, "* Kin 34: Mago Galáctico  Blanco\r\n <Ix Uakac> "},
    {123, "* Kin 123: Noche Rítmica  Azul\r\n <Akbal Uak> "},
    {95, "* Kin 95: Aguila Auto-exitente  Azul\r\n <Men Kan> "},
    {260, "* Kin 260: Sol Cósmico  Amarillo\r\n <Ahau Oxlahun> "},
    {1, "* Kin 1: Dragon Magnético  Rojo\r\n <Imix Hun> "},
};

TEST(Textos, LineaDeNombre) {
    for (const auto& f : filas_nombre) {
        EXPECT_EQ(Linea_nombre(Kin(f.kin), palabras_es_dia), f.linea) << "kin " << f.kin;
    }
}

TEST(Textos, LineaDeFecha) {
    EXPECT_EQ(Linea_fecha(9, 4, 2003, palabras_es_dia), "Fecha Gregoriana: 9-4-2003");
    EXPECT_EQ(Linea_fecha(29, 2, 2004, palabras_es_dia), "Fecha Gregoriana: 29-2-2004");
    EXPECT_EQ(Linea_fecha(31, 12, 38, palabras_es_dia), "Fecha Gregoriana: 31-12-38");
    EXPECT_EQ(Linea_fecha(1, 1, 999'999'999'999'999'999, palabras_es_dia),
              "Fecha Gregoriana: 1-1-999999999999999999");
}

TEST(Textos, LineasDeOnda) {
    const struct {
        int kin;
        std::string_view lineas;
    } filas[] = {
        {46, "* Onda encantada del Sol\r\n* Castillo Rojo Este del Girar"},
        {153, "* Onda encantada de la Semilla\r\n* Castillo Azul Oeste del Quemar"},
        {207, "* Onda encantada del Guerrero\r\n* Castillo Amarillo Sur del Dar"},
        {260, "* Onda encantada de la Estrella\r\n* Castillo Verde Central del Encantar"},
        {1, "* Onda encantada del Dragon\r\n* Castillo Rojo Este del Girar"},
        {40, "* Onda encantada del Sol\r\n* Castillo Rojo Este del Girar"},
    };
    for (const auto& f : filas) {
        EXPECT_EQ(Lineas_onda(Sello_onda(Kin(f.kin).sello(), Kin(f.kin).tono()), palabras_es_dia),
                  f.lineas)
            << "kin " << f.kin;
    }
}

// A masculine bearer (the feminine: PortadorDeUnAñoEntero).
TEST(Textos, LineasDelPortador) {
    EXPECT_EQ(Lineas_portador(Kin(154), palabras_es_dia),
              "* Año del Mago Espectral Blanco Kin 154\r\n <Ix Buluk> ");
}

TEST(Textos, PortadorDeUnAñoEntero) {
    for (int mes = 1; mes <= 12; ++mes) {
        for (int dia = 1; dia <= 31; ++dia) {
            const std::int64_t año = (mes > 7 || (mes == 7 && dia >= 26)) ? 2002 : 2003;
            const Lectura_dia l = Describir_dia(Fecha{dia, mes, año}, palabras_es_dia);
            EXPECT_EQ(l.a_maya, "* Año de la Luna Planetaria Roja Kin 49\r\n <Muluc Lahum> ")
                << dia << "-" << mes << "-" << año;
        }
    }
}

TEST(Textos, DescribirDia) {
    const Lectura_dia l = Describir_dia(Fecha{9, 4, 2003}, palabras_es_dia);
    EXPECT_EQ(l.kin, 46);
    EXPECT_EQ(l.portador, 49);
    EXPECT_FALSE(l.dia_fuera_del_tiempo);
    // A feminine seal: the numeral's name keeps the tone's masculine form.
    EXPECT_EQ(Describir_dia(Fecha{26, 7, 2002}, palabras_es_dia).nombre_tono, "Tono 10, Planetario");
    EXPECT_TRUE(Describir_dia(Fecha{25, 7, 2003}, palabras_es_dia).dia_fuera_del_tiempo);
    // An entered 29 February keeps its day in the date line, counts as 28.
    const Lectura_dia bisiesto = Describir_dia(Fecha{29, 2, 2004}, palabras_es_dia);
    EXPECT_EQ(bisiesto.fecha, "Fecha Gregoriana: 29-2-2004");
    EXPECT_EQ(bisiesto.kin, 111);
}

TEST(Textos, PortadorAntesDel26DeJulioDel38) {
    const Lectura_dia l = Describir_dia(Fecha{1, 1, 38}, palabras_es_dia);
    EXPECT_EQ(l.portador, 164);
    EXPECT_EQ(l.a_maya, "* Año de la Semilla Galáctica Amarilla Kin 164\r\n <Kan Uakac> ");
}

// Over a thirteen-moon year (every kin, both special days) in every language:
// the reading as one sentence, for a picture's alternative text, is one line
// without the captions' marks that holds the name and every line of the
// affirmation; what a screen reader is told of every caption has no
// decoration for the eye, no colon said aloud, no trailing or doubled comma,
// no doubled space. No text reads a table's sentinel.
TEST(Textos, FraseYParaOirDeCadaRotulo) {
    for (const Palabras* p : idiomas) {
        for (Fecha f{25, 7, 2027}; f <= Fecha{25, 7, 2028}; f = Siguiente(f)) {
            const Lectura_dia l = Describir_dia(f, *p);
            const std::string frase = Frase_dia(l);
            const std::string cual = std::string(p->idioma) + " " + l.fecha;
            EXPECT_EQ(frase.find_first_of("\r\n<>*"), std::string::npos) << cual;
            EXPECT_EQ(frase.find("Error"), std::string::npos) << cual;
            EXPECT_EQ(frase.back(), '.') << cual;
            EXPECT_NE(frase.find(l.nombre_kin), std::string::npos) << cual;
            EXPECT_NE(frase.find(Para_oir(l.linea_trece_lunas)), std::string::npos) << cual;
            std::string_view inter = l.inter;
            for (std::size_t fin; !inter.empty();
                 inter.remove_prefix(std::min(inter.size(), fin + 2))) {
                fin = inter.find("\r\n");
                EXPECT_NE(frase.find(inter.substr(0, fin)), std::string::npos) << cual;
            }
            for (const std::string& rotulo : {l.nombre, l.fecha + "\r\n" + l.linea_trece_lunas,
                                              l.onda_encantada, l.a_maya, l.inter}) {
                const std::string oido = Para_oir(rotulo);
                for (const char* mal : {"*", "<", ">", "\r", "\n", ": ", ",,", "  ", " ,", "\u00a0,"}) {
                    EXPECT_EQ(oido.find(mal), std::string::npos) << cual << ": " << oido;
                }
                EXPECT_FALSE(!oido.empty() && (oido.back() == ',' || oido.back() == ':'))
                    << cual << ": " << oido;
            }
            EXPECT_NE(Para_oir(l.nombre).find(l.nombre_kin), std::string::npos) << cual;
        }
    }
}

// What is special about a day, for its notification. Rows: the day and what
// it holds; then over a thirteen-moon year in each language, the 13 first
// days of a moon, a first day of a wavespell every 13 counted days, and a
// return's line naming the person and the kin.
TEST(Textos, LoEspecialDeUnDia) {
    const std::vector<Vuelta> ana{{"Ana", Kin{46}}};
    const struct {
        Fecha fecha;
        std::vector<Vuelta> vueltas;
        std::vector<std::string> lineas;
    } filas[] = {
        {{9, 4, 2003}, {}, {}},
        {{9, 4, 2003}, ana, {"Hoy vuelve el kin de Ana: Kin 46"}},
        {{26, 7, 2003}, {}, {"Primer día de la Luna Magnética del Murciélago", "Portal de activación galáctica"}},
        {{29, 7, 2003}, {}, {"Primer día de la Onda encantada de la Tierra"}},
        {{25, 7, 2003}, ana, {"Hoy vuelve el kin de Ana: Kin 46", "Portal de activación galáctica"}},
        // 28 February 2024 is kin 131: its Hunab Ku repeats the kin, not the start.
        {{28, 2, 2024}, {}, {"Primer día de la Onda encantada del Mono"}},
        {{29, 2, 2024}, {}, {}},
    };
    for (const auto& f : filas) {
        EXPECT_EQ(Lo_especial(Describir_dia(f.fecha, palabras_es_dia), f.vueltas), f.lineas)
            << f.fecha.dia << "-" << f.fecha.mes << "-" << f.fecha.año;
    }
    for (const Palabras* p : idiomas) {
        int lunas = 0, ondas = 0;
        for (Fecha f{26, 7, 2003}; !(f == Fecha{26, 7, 2004}); f = Siguiente(f)) {
            const Lectura_dia l = Describir_dia(f, *p);
            for (const std::string& linea : Lo_especial(l, ana)) {
                if (linea.starts_with(p->primer_dia)) {
                    const bool luna = linea.ends_with(Nombre_trece_lunas(l.trece_lunas, *p));
                    lunas += luna;
                    ondas += !luna;
                    EXPECT_TRUE(luna || l.kin.tono().valor == 1) << p->idioma << " " << linea;
                } else if (linea != l.portal) {
                    EXPECT_NE(linea.find("Ana"), std::string::npos) << p->idioma << " " << linea;
                    EXPECT_TRUE(linea.ends_with(std::string(p->kin) + " 46")) << p->idioma << " " << linea;
                }
            }
        }
        EXPECT_EQ(lunas, 13) << p->idioma;
        EXPECT_EQ(ondas, 28) << p->idioma << ": 365 counted days, kin 157 on 29 July the first";
    }
}

}  // namespace
}  // namespace talmiroc
