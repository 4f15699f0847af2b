// Start-up: the window opens on the clock's day, already calculated.
#include "calendario_prueba.h"

namespace talmiroc::prueba {
namespace {

struct Arranque {
    const char* nombre;
    QDate hoy;
};

void PrintTo(const Arranque& x, std::ostream* os) {
    *os << x.nombre;
}

const Arranque arranques[] = {
    {"nueve_de_abril_2003", {2003, 4, 9}},         {"dia_fuera_del_tiempo", {2003, 7, 25}},
    {"portador_de_su_propio_anio", {2003, 7, 26}}, {"kin_260", {2004, 7, 27}},
    {"veintinueve_de_febrero", {2004, 2, 29}},
};

class ArranqueTest : public testing::TestWithParam<Arranque> {};

// The window opens on the clock's day, calculated, its boxes empty. That all it
// shows is the engine's reading is checked at every start of the random
// sessions (tests/hardening).
TEST_P(ArranqueTest, AbreCalculadoElDiaDelReloj) {
    const Arranque& a = GetParam();
    Ventana_en_dia p(a.hoy);
    const Controles& v = p.c;
    const Lectura_dia l =
        Describir_dia(Fecha{a.hoy.day(), a.hoy.month(), a.hoy.year()}, Palabras_dia(Palabras_ventana()));

    EXPECT_TRUE(p.efectos.mensajes.empty());
    for (const QLineEdit* caja : {v.dia, v.mes, v.año}) EXPECT_EQ(caja->text(), QString());
    EXPECT_EQ(v.fecha->Caption(), Texto(l.fecha));
    EXPECT_EQ(v.nombre->Caption(), Texto(l.nombre));
    EXPECT_EQ(v.diafueradeltiempo->isVisible(), l.dia_fuera_del_tiempo);
}

INSTANTIATE_TEST_SUITE_P(Dias, ArranqueTest, testing::ValuesIn(arranques),
                         [](const auto& info) { return std::string(info.param.nombre); });

// Where visible controls overlap, the glyphs lie over the backdrop and the
// buttons and text boxes over everything.
TEST(Apilado, GlifosSobreElFondoYControlesSobreTodo) {
    Ventana_en_dia p;
    const Controles& v = p.c;
    const QObjectList& hijos = v.ventana->children();  // stacking order, bottom first
    const auto altura = [&](const QObject* o) { return hijos.indexOf(o); };

    ASSERT_EQ(p.Visibles(0).size(), 1u);
    ASSERT_EQ(p.Tonos_visibles().size(), 1u);
    EXPECT_GT(altura(p.Visibles(0).front()), altura(v.Label9));
    EXPECT_GT(altura(p.Tonos_visibles().front()), altura(v.Label9));
    EXPECT_TRUE(v.Label9->geometry().contains(p.Visibles(0).front()->geometry()));
    EXPECT_TRUE(v.Label9->geometry().contains(p.Tonos_visibles().front()->geometry()));

    qsizetype mas_alto = -1;
    for (const QObject* o : hijos) {
        if (qobject_cast<const QLabel*>(o) || dynamic_cast<const Imagen*>(o)) {
            mas_alto = std::max<qsizetype>(mas_alto, altura(o));
        }
    }
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             v.dia, v.mes, v.año, v.Boton1, v.Boton2, v.Boton3, v.Boton4, v.Boton5, v.Command1}) {
        EXPECT_GT(altura(w), mas_alto) << w->objectName().toStdString();
    }
}

// Of the 73 pictures only the visible ones are rendered, once each, when the
// window is first painted; the centre and the oracle glyph of a seal share one
// rendering.
struct Pintado {
    const char* nombre;
    QDate hoy;
    int renderizados;
};

void PrintTo(const Pintado& x, std::ostream* os) {
    *os << x.nombre;
}

const Pintado pintados[] = {
    {"kin_46_siete_dibujos", {2003, 4, 9}, 7},
    {"kin_1_guia_y_centro_comparten", {2004, 7, 28}, 6},
};

class PintadoTest : public testing::TestWithParam<Pintado> {};

TEST_P(PintadoTest, RenderizaAlPintarYSoloUnaVez) {
    Cache_svg::Vaciar();
    Ventana_en_dia p(GetParam().hoy);
    EXPECT_EQ(Cache_svg::Renderizados(), 0) << "nothing is rendered before the first paint";

    (void)p.ventana->grab();
    EXPECT_EQ(Cache_svg::Renderizados(), GetParam().renderizados);

    (void)p.ventana->grab();
    EXPECT_EQ(Cache_svg::Renderizados(), GetParam().renderizados);
}

INSTANTIATE_TEST_SUITE_P(Dias, PintadoTest, testing::ValuesIn(pintados),
                         [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace talmiroc::prueba
