// The text boxes hold whole characters. A character beyond the BMP takes two
// of a box's places; where only one is left it is not typed at all, and a
// pasted text is cut before it rather than through it.
#include <QClipboard>

#include "calendario_prueba.h"

namespace talmiroc::prueba {
namespace {

const QString cara = QString::fromUcs4(U"\U0001F600");

struct Entrada {
    const char* nombre;
    QLineEdit* Controles::*caja;
    QStringList teclas;  // each sent as one key press, whole
    QString pegado;      // then pasted, when not empty
    QString queda;
};

void PrintTo(const Entrada& x, std::ostream* os) {
    *os << x.nombre;
}

const Entrada entradas[] = {
    {"cabe_en_la_caja_vacia", &Controles::dia, {cara}, {}, cara},
    {"no_cabe_tras_un_digito", &Controles::dia, {QStringLiteral("1"), cara}, {}, "1"},
    {"no_cabe_tras_tres_digitos", &Controles::año, {"2", "0", "0", cara}, {}, "200"},
    {"cabe_tras_dos_digitos", &Controles::año, {"2", "0", cara}, {}, "20" + cara},
    {"pegado_cortado_antes", &Controles::mes, {}, "a" + cara + "b", "a"},
    {"pegado_entero", &Controles::año, {}, "1" + cara + "b", "1" + cara + "b"},
};

class EntradaTest : public testing::TestWithParam<Entrada> {};

TEST_P(EntradaTest, SoloCaracteresEnteros) {
    const Entrada& e = GetParam();
    Ventana_en_dia p;
    ASSERT_TRUE(p.Activar());
    QLineEdit* caja = p.c.*e.caja;
    caja->setFocus();
    for (const QString& t : e.teclas) {
        QTest::sendKeyEvent(QTest::Click, caja, Qt::Key_unknown, t, Qt::NoModifier);
    }
    if (!e.pegado.isEmpty()) {
        QGuiApplication::clipboard()->setText(e.pegado);
        QTest::keyClick(caja, Qt::Key_V, Qt::ControlModifier);
    }
    EXPECT_EQ(caja->text(), e.queda);
}

INSTANTIATE_TEST_SUITE_P(Cajas, EntradaTest, testing::ValuesIn(entradas),
                         [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace talmiroc::prueba
