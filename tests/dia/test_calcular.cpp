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

// How each text reads is the engine's table (comprobar_fecha_test); here the
// window's part: the typed texts read, the banner, the boxes emptied.
const Tecleada tecleadas[] = {
    {"dia_25_mes_07", "25", "07", "2003", "* Kin 153: ", "Fecha Gregoriana: 25-7-2003", true},
    {"dia_26_de_julio", "26", "7", "2003", "* Kin 154: ", "Fecha Gregoriana: 26-7-2003", false},
    {"anio_38", "26", "7", "38", "* Kin 9: ", "Fecha Gregoriana: 26-7-38", false},
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

// One row a message; which texts are refused, and with which, is the engine's table.
const Rechazada rechazadas[] = {
    {"treinta_de_febrero", "30", "2", "2004", incorrecta, Icono::informacion},
    {"anio_vacio", "9", "4", "", incorrecta, Icono::informacion},
    {"anio_37", "1", "1", "37", año_bajo, Icono::error},
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
}

INSTANTIATE_TEST_SUITE_P(Fechas, RechazadaTest, testing::ValuesIn(rechazadas),
                         [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace talmiroc::prueba
