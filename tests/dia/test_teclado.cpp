// The keyboard: Tab order, access keys, Enter, Space and Escape.
#include "calendario_prueba.h"
#include "mensajes.h"
#include "salida.h"

namespace talmiroc::prueba {
namespace {

QWidget* Foco() {
    return QApplication::focusWidget();
}

void Pulsar(Ventana_en_dia& p, Qt::Key tecla, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QTest::keyClick(Foco() ? Foco() : p.ventana.get(), tecla, mod);
}

TEST(Tabulador, RecorreLaVistaPrincipalEnSuOrden) {
    Ventana_en_dia p;
    ASSERT_TRUE(p.Activar());
    const Controles& v = p.c;
    EXPECT_EQ(Foco(), v.dia) << "the focus starts in dia";
    const std::vector<QWidget*> orden = {v.mes,    v.año,    v.Boton1,   v.Boton2,
                                         v.Boton3, v.Boton4, v.Command1, v.dia};
    for (QWidget* siguiente : orden) {
        Pulsar(p, Qt::Key_Tab);
        EXPECT_EQ(Foco(), siguiente) << siguiente->objectName().toStdString();
    }
}

TEST(Tabulador, EnLosCreditosSoloAceptarEImprimir) {
    Ventana_en_dia p;
    ASSERT_TRUE(p.Activar());
    const Controles& v = p.c;
    QTest::mouseClick(v.Boton4, Qt::LeftButton);
    v.Boton5->setFocus();
    for (QWidget* siguiente : {static_cast<QWidget*>(v.Command1), static_cast<QWidget*>(v.Boton5),
                               static_cast<QWidget*>(v.Command1)}) {
        Pulsar(p, Qt::Key_Tab);
        EXPECT_EQ(Foco(), siguiente) << siguiente->objectName().toStdString();
    }
}

// Alt and the underlined letter press a button of the main view.
struct Acceso {
    const char* nombre;
    Qt::Key letra;
    std::function<bool(const Ventana_en_dia&)> pulsado;
};

void PrintTo(const Acceso& x, std::ostream* os) {
    *os << x.nombre;
}

const Acceso accesos[] = {
    {"alt_c_calcula", Qt::Key_C,
     [](const Ventana_en_dia& p) {
         return p.c.fecha->Caption() == QStringLiteral("Fecha Gregoriana: 25-7-2003");
     }},
    {"alt_l_limpia", Qt::Key_L,
     [](const Ventana_en_dia& p) {
         return p.c.fecha->Caption().isEmpty() && p.efectos.mensajes.empty();
     }},
    {"alt_a_muestra_los_creditos", Qt::Key_A,
     [](const Ventana_en_dia& p) { return p.c.creado1->isVisible(); }},
    {"alt_i_imprime", Qt::Key_I,
     [](const Ventana_en_dia& p) { return p.efectos.impresiones.size() == 1; }},
};

class AccesoTest : public testing::TestWithParam<Acceso> {};

TEST_P(AccesoTest, AltYLaLetraPulsanElBoton) {
    Ventana_en_dia p;
    ASSERT_TRUE(p.Activar());
    p.Escribir(QStringLiteral("25"), QStringLiteral("7"), QStringLiteral("2003"));
    ASSERT_FALSE(GetParam().pulsado(p));
    Pulsar(p, GetParam().letra, Qt::AltModifier);
    EXPECT_TRUE(GetParam().pulsado(p));
}

INSTANTIATE_TEST_SUITE_P(Letras, AccesoTest, testing::ValuesIn(accesos),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(TeclasDeAcceso, AltSSale) {
    Ventana_en_dia p;
    ASSERT_TRUE(p.Activar());
    EXPECT_TRUE(Pide_salir([&] { Pulsar(p, Qt::Key_S, Qt::AltModifier); }));
}

// In the credits view the hidden buttons do not answer their letters; Imprimir,
// outside the small window but not hidden, does.
TEST(TeclasDeAcceso, EnLosCreditosSoloImprimir) {
    Ventana_en_dia p;
    ASSERT_TRUE(p.Activar());
    const Controles& v = p.c;
    QTest::mouseClick(v.Boton4, Qt::LeftButton);

    EXPECT_FALSE(Pide_salir([&] {
        for (Qt::Key letra : {Qt::Key_C, Qt::Key_L, Qt::Key_A, Qt::Key_S}) {
            Pulsar(p, letra, Qt::AltModifier);
        }
    }));
    EXPECT_TRUE(p.efectos.mensajes.empty()) << "Calcular would have refused the empty boxes";
    EXPECT_TRUE(v.creado1->isVisible()) << "Limpiar would have hidden the credits";

    Pulsar(p, Qt::Key_I, Qt::AltModifier);
    ASSERT_EQ(p.efectos.mensajes.size(), 1u);
    EXPECT_EQ(p.efectos.mensajes[0].texto, Texto(mensaje_sin_fecha));
    EXPECT_EQ(p.efectos.mensajes[0].titulo, Texto(titulo_imprimir));
    EXPECT_TRUE(p.efectos.impresiones.empty());
}

// There is no default or cancel button: Enter and Escape in a text box press nothing.
TEST(SinBotonPorDefecto, EnterYEscapeEnLasCajas) {
    Ventana_en_dia p;
    ASSERT_TRUE(p.Activar());
    const Controles& v = p.c;
    const QString fecha = v.fecha->Caption();
    p.Escribir(QStringLiteral("25"), QStringLiteral("7"), QStringLiteral("2003"));
    for (QLineEdit* caja : {v.dia, v.mes, v.año}) {
        caja->setFocus();
        for (Qt::Key tecla : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) Pulsar(p, tecla);
    }
    EXPECT_EQ(v.fecha->Caption(), fecha);
    EXPECT_EQ(v.dia->text(), QStringLiteral("25"));
    EXPECT_EQ(v.año->text(), QStringLiteral("2003"));
    EXPECT_TRUE(p.efectos.mensajes.empty());
    EXPECT_TRUE(p.efectos.impresiones.empty());
    EXPECT_TRUE(v.Boton1->isVisible());
}

// The button that has the focus is pressed by Space or Enter, not by Escape.
struct Tecla_en_boton {
    const char* nombre;
    Qt::Key tecla;
    bool pulsa;
};

void PrintTo(const Tecla_en_boton& x, std::ostream* os) {
    *os << x.nombre;
}

class TeclaEnBotonTest : public testing::TestWithParam<Tecla_en_boton> {};

TEST_P(TeclaEnBotonTest, CalcularConElFoco) {
    Ventana_en_dia p;
    ASSERT_TRUE(p.Activar());
    p.Escribir(QStringLiteral("25"), QStringLiteral("7"), QStringLiteral("2003"));
    p.c.Boton1->setFocus();
    Pulsar(p, GetParam().tecla);
    EXPECT_EQ(p.c.fecha->Caption() == QStringLiteral("Fecha Gregoriana: 25-7-2003"),
              GetParam().pulsa);
}

INSTANTIATE_TEST_SUITE_P(Teclas, TeclaEnBotonTest,
                         testing::Values(Tecla_en_boton{"espacio", Qt::Key_Space, true},
                                         Tecla_en_boton{"enter", Qt::Key_Return, true},
                                         Tecla_en_boton{"enter_del_teclado_numerico", Qt::Key_Enter,
                                                        true},
                                         Tecla_en_boton{"escape", Qt::Key_Escape, false}),
                         [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace talmiroc::prueba
