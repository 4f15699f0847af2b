// Accessibility and copying on the real widgets, offscreen: what the window
// gives a screen reader, where the keyboard focus goes, and Ctrl+C.
#include <functional>
#include <map>

#include <QAccessible>
#include <QClipboard>

#include "calendario_prueba.h"

namespace talmiroc::prueba {
namespace {

using Accion = std::function<void(Ventana_en_dia&)>;
using Nombres = std::map<QString, QString>;  // objectName -> accessible name

const QDate dia_verde(2003, 7, 25);

// What a screen reader's walk meets: every control the window lists, which
// must be shown and named. Glyphs go to `glifos`, the rest to `otros`.
void Oir(Calendario& v, Nombres& glifos, Nombres& otros) {
    QAccessibleInterface* ventana = QAccessible::queryAccessibleInterface(&v);
    ASSERT_EQ(ventana->role(), QAccessible::Window);
    for (int i = 0; i < ventana->childCount(); ++i) {
        QAccessibleInterface* hijo = ventana->child(i);
        auto* w = qobject_cast<QWidget*>(hijo->object());
        const QString nombre = hijo->text(QAccessible::Name);
        EXPECT_TRUE(w->isVisible() && !nombre.trimmed().isEmpty()) << w->objectName().toStdString();
        EXPECT_EQ(ventana->indexOfChild(hijo), i);
        const bool glifo = qobject_cast<Imagen*>(w) != nullptr;
        EXPECT_EQ(hijo->role() == QAccessible::Graphic, glifo) << w->objectName().toStdString();
        (glifo ? glifos : otros)[w->objectName()] = nombre;
    }
}

struct Escucha {
    const char* nombre;
    Accion accion;
    Nombres glifos;  // exactly these glyphs, so named
    Nombres otros;   // among the other controls, so named
};

void PrintTo(const Escucha& x, std::ostream* os) {
    *os << x.nombre;
}

const Escucha escuchas[] = {
    {"otra_fecha_despues",
     [](Ventana_en_dia& p) {
         p.Calcular(dia_verde);
         p.Calcular(QDate(2003, 4, 9));
     },
     {{"tono(7)", "Tono 7, Resonante"},
      {"Enlazador_mundos(0)", "Sello Enlazador de Mundos"},
      {"Enlazador_mundos(1)", "Centro del oráculo, Enlazador de Mundos"},
      {"Espejo(2)", "Kin Guía, Espejo"},
      {"Guerrero(2)", "Kin Antípoda, Guerrero"},
      {"Caminante_cielo(2)", "Kin Análogo, Caminante del Cielo"},
      {"Aguila(2)", "Kin Oculto, Aguila"}},
     // Captions heard without their marks; the date with its thirteen-moon line.
     {{"Label4", "Kin Guia"},
      {"nombre", "Kin 46, Enlazador de Mundos Resonante Blanco, Cimi Uuk"},
      {"Onda_encantada", "Onda encantada del Sol, Castillo Rojo Este del Girar"},
      {"fecha",
       "Fecha Gregoriana, 9-4-2003, 13 Lunas, Limi 6, Luna Planetaria del Perro (NS1.15.10.6)"}}},
    // Limpiar, as a refused date: no glyph, no empty caption; the fixed texts stay.
    {"limpiar", [](Ventana_en_dia& p) { QTest::mouseClick(p.c.Boton2, Qt::LeftButton); },
     {},
     {{"Boton2", "Limpiar"}, {"Label8", "Oráculo"}}},
    // The credits: only what they show (none of the hidden main view).
    {"creditos", [](Ventana_en_dia& p) { QTest::mouseClick(p.c.Boton4, Qt::LeftButton); },
     {},
     {{"Boton5", "Aceptar"}, {"creado1", "Creado en"}, {"Command1", "Imprimir"}}},
};

class EscuchaTest : public testing::TestWithParam<Escucha> {};

TEST_P(EscuchaTest, ElLectorOyeLoQueSeVe) {
    Ventana_en_dia p;
    GetParam().accion(p);
    Nombres glifos, otros;
    Oir(*p.ventana, glifos, otros);
    EXPECT_EQ(glifos, GetParam().glifos);
    for (const auto& [control, nombre] : GetParam().otros) EXPECT_EQ(otros[control], nombre);
}

INSTANTIATE_TEST_SUITE_P(Vistas, EscuchaTest, testing::ValuesIn(escuchas),
                         [](const auto& info) { return std::string(info.param.nombre); });

// The focus after Acerca de and Aceptar, however they are pressed.
struct Paso_foco {
    const char* nombre;
    Accion accion;
    const char* foco;  // objectName of the control that has the focus after it
};

void PrintTo(const Paso_foco& x, std::ostream* os) {
    *os << x.nombre;
}

void Tecla(Qt::Key tecla, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), tecla, mod);
}

const Paso_foco pasos_foco[] = {
    {"acerca_de_con_el_raton",
     [](Ventana_en_dia& p) { QTest::mouseClick(p.c.Boton4, Qt::LeftButton); }, "Boton5"},
    {"aceptar_con_el_raton",
     [](Ventana_en_dia& p) {
         QTest::mouseClick(p.c.Boton4, Qt::LeftButton);
         QTest::mouseClick(p.c.Boton5, Qt::LeftButton);
     },
     "dia"},
    {"aceptar_con_espacio",
     [](Ventana_en_dia&) {
         Tecla(Qt::Key_A, Qt::AltModifier);
         Tecla(Qt::Key_Space);
     },
     "dia"},
    {"limpiar_se_queda", [](Ventana_en_dia&) { Tecla(Qt::Key_L, Qt::AltModifier); }, "Boton2"},
    {"calcular_se_queda",
     [](Ventana_en_dia& p) {
         p.Escribir(QStringLiteral("25"), QStringLiteral("7"), QStringLiteral("2003"));
         Tecla(Qt::Key_C, Qt::AltModifier);
     },
     "Boton1"},
};

class FocoTest : public testing::TestWithParam<Paso_foco> {};

TEST_P(FocoTest, ElFocoQuedaDondeEstaLaPersona) {
    Ventana_en_dia p;
    ASSERT_TRUE(p.Activar());
    GetParam().accion(p);
    ASSERT_TRUE(QApplication::focusWidget());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromUtf8(GetParam().foco));
}

INSTANTIATE_TEST_SUITE_P(Pasos, FocoTest, testing::ValuesIn(pasos_foco),
                         [](const auto& info) { return std::string(info.param.nombre); });

// Ctrl+C: the reading, the selection, or nothing.
struct Copia {
    const char* nombre;
    Accion accion;         // then Ctrl+C where the focus is
    const char* copiado;   // the clipboard afterwards
    std::size_t mensajes;  // messages shown, Ctrl+C's own included (it has none)
};

void PrintTo(const Copia& x, std::ostream* os) {
    *os << x.nombre;
}

const Copia copias[] = {
    {"en_los_creditos", [](Ventana_en_dia&) { Tecla(Qt::Key_A, Qt::AltModifier); }, "marca", 0},
    {"fecha_rechazada",
     [](Ventana_en_dia& p) { p.Calcular(QStringLiteral("30"), QStringLiteral("2"), {}); }, "marca",
     1},
};

class CopiaTest : public testing::TestWithParam<Copia> {};

TEST_P(CopiaTest, CtrlCCopiaLaLecturaOLaSeleccion) {
    Ventana_en_dia p;
    ASSERT_TRUE(p.Activar());
    QGuiApplication::clipboard()->setText(QStringLiteral("marca"));
    GetParam().accion(p);
    Tecla(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(GetParam().copiado));
    EXPECT_EQ(p.efectos.mensajes.size(), GetParam().mensajes);
}

INSTANTIATE_TEST_SUITE_P(Casos, CopiaTest, testing::ValuesIn(copias),
                         [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace talmiroc::prueba
