// Calcular: typed dates, refused dates, and what a calculation leaves behind.
#include "calendario_prueba.h"

namespace talmiroc::prueba {
namespace {

struct Tecleada {
    const char* nombre;
    const char *dia, *mes, *año;
    const char* kin;  // how the caption of `nombre` begins
    const char* fecha;
    bool fuera_del_tiempo;
};

void PrintTo(const Tecleada& x, std::ostream* os) {
    *os << x.nombre;
}

const Tecleada tecleadas[] = {
    {"dia_25_mes_07", "25", "07", "2003", "* Kin 153: ", "Fecha Gregoriana: 25-7-2003", true},
    {"dia_25_mes_7", "25", "7", "2003", "* Kin 153: ", "Fecha Gregoriana: 25-7-2003", true},
    {"dia_24_de_julio", "24", "7", "2003", "* Kin 152: ", "Fecha Gregoriana: 24-7-2003", false},
    {"dia_26_de_julio", "26", "7", "2003", "* Kin 154: ", "Fecha Gregoriana: 26-7-2003", false},
    {"dia_25_de_agosto", "25", "8", "2003", "* Kin 184: ", "Fecha Gregoriana: 25-8-2003", false},
    {"ceros_delante", "09", "04", "2003", "* Kin 46: ", "Fecha Gregoriana: 9-4-2003", false},
    {"veintinueve_de_febrero_cuenta_28", "29", "2", "2003",
     "* Kin 6: ", "Fecha Gregoriana: 29-2-2003", false},
    {"treinta_y_uno_de_abril", "31", "4", "2003", "* Kin 68: ", "Fecha Gregoriana: 31-4-2003",
     false},
    {"anio_38", "26", "7", "38", "* Kin 9: ", "Fecha Gregoriana: 26-7-38", false},
    {"uno_de_enero_2000", "1", "1", "2000", "* Kin 153: ", "Fecha Gregoriana: 1-1-2000", false},
};

class TecleadaTest : public testing::TestWithParam<Tecleada> {};

TEST_P(TecleadaTest, CalculaLaFechaEscrita) {
    const Tecleada& t = GetParam();
    Ventana_en_dia p(QDate(2003, 7, 25));  // opens with the banner shown
    p.Calcular(QString::fromUtf8(t.dia), QString::fromUtf8(t.mes), QString::fromUtf8(t.año));
    const Controles& v = p.c;

    EXPECT_TRUE(p.efectos.mensajes.empty());
    EXPECT_TRUE(v.nombre->Caption().startsWith(QString::fromUtf8(t.kin)))
        << v.nombre->Caption().toStdString();
    EXPECT_EQ(v.fecha->Caption(), QString::fromUtf8(t.fecha));
    EXPECT_EQ(v.diafueradeltiempo->isVisible(), t.fuera_del_tiempo);
    for (const QLineEdit* caja : {v.dia, v.mes, v.año}) EXPECT_EQ(caja->text(), QString());
}

INSTANTIATE_TEST_SUITE_P(Fechas, TecleadaTest, testing::ValuesIn(tecleadas),
                         [](const auto& info) { return std::string(info.param.nombre); });

struct Rechazada {
    const char* nombre;
    const char *dia, *mes, *año;
    const char* mensaje;
    Icono icono;
};

void PrintTo(const Rechazada& x, std::ostream* os) {
    *os << x.nombre;
}

const char* const incorrecta = mensaje_fecha.data();
const char* const año_bajo = mensaje_año.data();

const Rechazada rechazadas[] = {
    {"treinta_de_febrero", "30", "2", "2004", incorrecta, Icono::informacion},
    {"anio_vacio", "9", "4", "", incorrecta, Icono::informacion},
    {"un_blanco", " ", "4", "2003", incorrecta, Icono::informacion},
    {"dos_blancos", "  ", "4", "2003", incorrecta, Icono::informacion},
    {"letras_en_el_mes", "1", "ab", "2003", incorrecta, Icono::informacion},
    {"mes_cero", "1", "0", "2003", incorrecta, Icono::informacion},
    {"dia_negativo", "-1", "4", "2003", incorrecta, Icono::informacion},
    {"anio_37", "1", "1", "37", año_bajo, Icono::error},
    {"anio_de_dos_cifras", "9", "4", "03", año_bajo, Icono::error},
    {"el_anio_antes_que_el_mes", "5", "13", "20", año_bajo, Icono::error},
    {"febrero_antes_que_el_anio", "30", "2", "20", incorrecta, Icono::informacion},
};

class RechazadaTest : public testing::TestWithParam<Rechazada> {};

TEST_P(RechazadaTest, AvisaYDespuesLimpia) {
    const Rechazada& r = GetParam();
    Ventana_en_dia p(QDate(2003, 7, 25));
    const Controles& v = p.c;
    QString kin_en_pantalla;
    p.efectos.al_mostrar = [&] { kin_en_pantalla = v.nombre->Caption(); };

    p.Calcular(QString::fromUtf8(r.dia), QString::fromUtf8(r.mes), QString::fromUtf8(r.año));

    ASSERT_EQ(p.efectos.mensajes.size(), 1u);
    EXPECT_EQ(p.efectos.mensajes[0].texto, QString::fromUtf8(r.mensaje));
    EXPECT_EQ(p.efectos.mensajes[0].titulo, QStringLiteral("Tzolkin"));
    EXPECT_EQ(p.efectos.mensajes[0].icono, r.icono);
    EXPECT_TRUE(kin_en_pantalla.startsWith(QStringLiteral("* Kin 153: ")))
        << "the window is cleared only after the message is closed";
    Esperar_limpia(v);
    EXPECT_TRUE(p.efectos.impresiones.empty());
}

INSTANTIATE_TEST_SUITE_P(Fechas, RechazadaTest, testing::ValuesIn(rechazadas),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(CalcularDosVeces, LaSegundaEncuentraLasCajasVacias) {
    Ventana_en_dia p;
    p.Calcular(QStringLiteral("25"), QStringLiteral("7"), QStringLiteral("2003"));
    ASSERT_TRUE(p.efectos.mensajes.empty());
    QTest::mouseClick(p.c.Boton1, Qt::LeftButton);

    ASSERT_EQ(p.efectos.mensajes.size(), 1u);
    EXPECT_EQ(p.efectos.mensajes[0].texto, QString::fromUtf8(incorrecta));
    EXPECT_EQ(p.efectos.mensajes[0].icono, Icono::informacion);
    Esperar_limpia(p.c);
}

// The second pass counts the year bearer's day; `inter` and the colours keep
// the entered date's kin, while `a_maya` names the bearer.
TEST(DosPasadas, LaAfirmacionEsDeLaFechaYElPortadorDelAño) {
    Ventana_en_dia p;  // 9 April 2003: kin 46, white; its year bearer is kin 49, red
    const Controles& v = p.c;

    EXPECT_EQ(v.inter->Caption(), QStringLiteral("Canalizo con el fin de igualar\r\n"
                                                 "Inspirando la oportunidad\r\n"
                                                 "Sello el almacen de la muerte\r\n"
                                                 "Con el tono Resonante de la armonización\r\n"
                                                 "Me guía el poder del sinfín\r\n"));
    EXPECT_EQ(v.inter->Color(), QColor(160, 160, 160));
    EXPECT_EQ(v.nombre->Color(), QColor(160, 160, 160));
    EXPECT_EQ(v.a_maya->Caption(), QStringLiteral("* Año de la Luna Planetaria Roja Kin 49\r\n"
                                                  " <Muluc Lahum> "));
    EXPECT_EQ(v.a_maya->Color(), QColor(0, 192, 0));

    const Calendario::Valores w = p.Valores();
    EXPECT_EQ((std::array{w.kin_dia, w.tono_dia, w.sello_dia}), (std::array{46, 7, 6}));
    EXPECT_EQ((std::array{w.kin_calculo, w.C1, w.C2}), (std::array{49, 10, 9}));
    EXPECT_EQ(w.color_m, "Rojo");
    EXPECT_EQ(w.sello_guia, 18);
    EXPECT_EQ(w.sello_onda, 0);
    EXPECT_EQ(w.castillo, "* Castillo Rojo Este del Girar");
    EXPECT_EQ((std::array{w.dia_calculo, w.mes_calculo}), (std::array{26, 7}));
    EXPECT_EQ(w.año_calculo, 2002);
}

TEST(DosPasadas, ElPortadorDeUnDiaTempranoDelAño38) {
    Ventana_en_dia p;
    p.Calcular(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("38"));
    ASSERT_TRUE(p.efectos.mensajes.empty());
    EXPECT_EQ(p.c.a_maya->Caption(),
              QStringLiteral("* Año de la Semilla Galáctica Amarilla Kin 164\r\n <Kan Uakac> "));
}

TEST(DosPasadas, VeintinueveDeFebreroSeCuentaComo28) {
    Ventana_en_dia p;
    p.Calcular(QStringLiteral("29"), QStringLiteral("2"), QStringLiteral("2004"));
    EXPECT_EQ(p.Valores().kin_dia, 111);
    EXPECT_EQ(p.Valores().dia1, 29);
    EXPECT_EQ(p.c.fecha->Caption(), QStringLiteral("Fecha Gregoriana: 29-2-2004"));
}

}  // namespace
}  // namespace talmiroc::prueba
