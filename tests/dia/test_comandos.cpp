// Limpiar, Acerca de, Aceptar, Imprimir and Salir.
#include <functional>

#include "calendario_prueba.h"
#include "mensajes.h"
#include "salida.h"

namespace talmiroc::prueba {
namespace {

std::vector<QWidget*> Fijos(const Controles& v) {
    return {v.Label1, v.Label2, v.Label3, v.Label4, v.Label5, v.Label6, v.Label7, v.Label8};
}

void Esperar_visibles(const std::vector<QWidget*>& ws, bool visible) {
    for (const QWidget* w : ws) EXPECT_EQ(w->isVisible(), visible) << w->objectName().toStdString();
}

TEST(Limpiar, BorraResultadosYGlifosYDejaLoFijo) {
    Ventana_en_dia p(QDate(2003, 7, 25));
    const Controles& v = p.c;
    ASSERT_TRUE(v.diafueradeltiempo->isVisible());
    QTest::mouseClick(v.Boton2, Qt::LeftButton);

    Esperar_limpia(v);
    EXPECT_TRUE(p.efectos.mensajes.empty());
    const std::pair<QWidget*, const char*> fijos[] = {
        {v.Label1, "Dia"},         {v.Label2, "Mes"},        {v.Label3, "Año"},
        {v.Label8, "Oráculo"},     {v.Label4, "Kin Guia"},   {v.Label5, "Kin Antípoda"},
        {v.Label6, "Kin Análogo"}, {v.Label7, "Kin Oculto"},
    };
    for (const auto& [w, caption] : fijos) {
        EXPECT_EQ(static_cast<Etiqueta*>(w)->Caption(), QString::fromUtf8(caption));
    }
    // Which controls each view shows is checked after every action of the
    // random sessions (tests/hardening); these are beside them.
    Esperar_visibles(Fijos(v), true);
    Esperar_visibles({v.Command1, v.fecha, v.a_maya, v.nombre, v.inter, v.Onda_encantada}, true);
    EXPECT_EQ(v.ventana->size(), vista_principal);
}

TEST(AcercaDe, MuestraLosCreditosEnLaVentanaPequena) {
    Ventana_en_dia p;
    const Controles& v = p.c;
    QTest::mouseClick(v.Boton4, Qt::LeftButton);

    EXPECT_EQ(v.ventana->size(), vista_creditos);
    EXPECT_EQ(v.ventana->minimumSize(), v.ventana->maximumSize())
        << "the credits view is fixed too";
    EXPECT_EQ(v.ventana->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(v.creado2->Caption(), QStringLiteral("Año de la Luna Planetaria Roja\r\n"
                                                   "Luna Planetaria del Perro\r\n"
                                                   "Enlazador de mundos resonante blanco\r\n"
                                                   "Kin 46"));
    Esperar_visibles({v.Command1, v.fecha, v.a_maya, v.inter}, true);
    Esperar_visibles(Fijos(v), false);
    Esperar_visibles({v.dia, v.mes, v.año, v.Onda_encantada, v.nombre}, false);
    Esperar_limpia(v);
    EXPECT_TRUE(p.efectos.mensajes.empty());

    EXPECT_GE(v.Command1->x(), v.ventana->width()) << "Imprimir lies outside the smaller window";
    for (QWidget* w : std::initializer_list<QWidget*>{v.creado1, v.creado2, v.creado3, v.creado4,
                                                      v.creado5, v.Boton5}) {
        EXPECT_TRUE(v.ventana->rect().contains(w->geometry())) << w->objectName().toStdString();
    }
}

// That the four lines fit, in every language: CabenTest.
TEST(AcercaDe, LasCuatroLineasCentradasEnSuCaja) {
    Ventana_en_dia p;
    QTest::mouseClick(p.c.Boton4, Qt::LeftButton);
    const QRect caja = p.c.creado2->geometry();
    EXPECT_NEAR(caja.x() + caja.width() / 2.0, (2715 + 105 / 2.0) / twips_por_pixel, 1.0);
    EXPECT_EQ(caja.y(), Pixeles(1080));
}

TEST(Aceptar, VuelveALaVistaPrincipalLimpia) {
    Ventana_en_dia p;
    const Controles& v = p.c;
    QTest::mouseClick(v.Boton4, Qt::LeftButton);
    const QString creditos = v.creado2->Caption();
    QTest::mouseClick(v.Boton5, Qt::LeftButton);

    EXPECT_EQ(v.ventana->size(), vista_principal);
    EXPECT_EQ(v.ventana->minimumSize(), v.ventana->maximumSize());
    Esperar_limpia(v);
    Esperar_visibles(Fijos(v), true);
    Esperar_visibles({v.nombre, v.Onda_encantada, v.Command1}, true);
    EXPECT_EQ(v.creado2->Caption(), creditos);
    EXPECT_TRUE(p.efectos.mensajes.empty());
}

// Imprimir prints only while a calculated date is on screen (never without
// one, whatever came before: the random sessions of tests/hardening).
struct Impresion {
    const char* nombre;
    std::function<void(Ventana_en_dia&)> antes;
    bool imprime;
};

void PrintTo(const Impresion& x, std::ostream* os) {
    *os << x.nombre;
}

const Impresion impresiones[] = {
    {"tras_el_arranque", [](Ventana_en_dia&) {}, true},
    {"tras_limpiar", [](Ventana_en_dia& p) { QTest::mouseClick(p.c.Boton2, Qt::LeftButton); },
     false},
    {"en_los_creditos", [](Ventana_en_dia& p) { QTest::mouseClick(p.c.Boton4, Qt::LeftButton); },
     false},
    {"tras_limpiar_y_calcular",
     [](Ventana_en_dia& p) {
         QTest::mouseClick(p.c.Boton2, Qt::LeftButton);
         p.Calcular(QStringLiteral("25"), QStringLiteral("7"), QStringLiteral("2003"));
     },
     true},
};

class ImprimirTest : public testing::TestWithParam<Impresion> {};

TEST_P(ImprimirTest, ImprimeOAvisa) {
    Ventana_en_dia p;
    GetParam().antes(p);
    const std::size_t avisos = p.efectos.mensajes.size();
    const QString fecha = p.c.fecha->Caption();

    QTest::mouseClick(p.c.Command1, Qt::LeftButton);

    if (GetParam().imprime) {
        EXPECT_EQ(p.efectos.impresiones, std::vector<QWidget*>{p.ventana.get()});
        EXPECT_EQ(p.efectos.mensajes.size(), avisos);
    } else {
        EXPECT_TRUE(p.efectos.impresiones.empty());
        ASSERT_EQ(p.efectos.mensajes.size(), avisos + 1);
        EXPECT_EQ(p.efectos.mensajes.back().texto, Texto(mensaje_sin_fecha));
        EXPECT_EQ(p.efectos.mensajes.back().titulo, Texto(titulo_imprimir));
        EXPECT_EQ(p.efectos.mensajes.back().icono, Icono::informacion);
    }
    EXPECT_EQ(p.c.fecha->Caption(), fecha);
}

INSTANTIATE_TEST_SUITE_P(Momentos, ImprimirTest, testing::ValuesIn(impresiones),
                         [](const auto& info) { return std::string(info.param.nombre); });

// A failed print's message, letter for letter (the others: LosMensajesEnElIdioma).
TEST(Imprimir, MensajeDeFalloLetraPorLetra) {
    EXPECT_EQ(mensaje_impresion_fallida, "No se pudo imprimir la ventana");
}

// The window in another language: its own texts from the catalogue, the
// day's from the engine's words (each language's: idiomas_test), the messages
// from both, through the effects.
struct Texto_en_idioma {
    const char* idioma;
    const char* control;
    const char* texto;  // a button's text, a label's caption, a box's accessible name
};

const Texto_en_idioma textos_en_idioma[] = {
    {"es", "Boton4", "&Acerca de "},
    {"en", "Boton1", "&Calculate"},
    {"en", "Label4", "Guide Kin"},
    {"en", "año", "Year"},
    {"en", "nombre", "* Kin 153: Red Planetary Skywalker\r\n <Ben Lahum> "},
    {"en", "Caminante_cielo(0)", "Seal Skywalker"},
    {"en", "diafueradeltiempo", "Green Day: day of Universal Forgiveness and Galactic Freedom"},
    {"pt", "Label2", "Mês"},
    {"pt", "fecha", "Data gregoriana: 25-7-2003"},
};

QString Texto_de(const QWidget* w) {
    if (const auto* e = qobject_cast<const Etiqueta*>(w)) return e->Caption();
    if (const auto* b = qobject_cast<const QPushButton*>(w)) return b->text();
    return w->accessibleName();
}

TEST(Idiomas, LaVentanaMuestraSusTextosEnElIdioma) {
    for (const Texto_en_idioma& f : textos_en_idioma) {
        const En_idioma idioma(*Palabras_idioma(f.idioma));
        Ventana_en_dia p(QDate(2003, 7, 25));
        const auto* w = p.ventana->findChild<QWidget*>(QString::fromUtf8(f.control));
        ASSERT_NE(w, nullptr) << f.control;
        EXPECT_EQ(Texto_de(w), QString::fromUtf8(f.texto)) << f.idioma << " " << f.control;
    }
}

struct Mensajes_en_idioma {
    const char* idioma;
    const char* fecha_rechazada;  // 31 2 2003, under "Tzolkin"
    const char* sin_fecha;        // Imprimir with no date, under `titulo`
    const char* titulo;           // "Quenabre" in Spanish only
};

const Mensajes_en_idioma mensajes_en_idioma[] = {
    {"es", "Fecha incorrecta. Debe introducir una fecha correcta", "Debe introducir una fecha",
     "Quenabre"},
    {"en", "Invalid date. Please enter a valid date.", "Please enter a date", "Talmiroc"},
};

TEST(Idiomas, LosMensajesEnElIdioma) {
    for (const Mensajes_en_idioma& f : mensajes_en_idioma) {
        const En_idioma idioma(*Palabras_idioma(f.idioma));
        Ventana_en_dia p;
        QTest::mouseClick(p.c.Boton2, Qt::LeftButton);
        p.Calcular(QStringLiteral("31"), QStringLiteral("2"), QStringLiteral("2003"));
        QTest::mouseClick(p.c.Command1, Qt::LeftButton);
        ASSERT_EQ(p.efectos.mensajes.size(), 2u) << f.idioma;
        EXPECT_EQ(p.efectos.mensajes[0].texto, QString::fromUtf8(f.fecha_rechazada));
        EXPECT_EQ(p.efectos.mensajes[0].titulo, QStringLiteral("Tzolkin"));
        EXPECT_EQ(p.efectos.mensajes[1].texto, QString::fromUtf8(f.sin_fecha)) << f.idioma;
        EXPECT_EQ(p.efectos.mensajes[1].titulo, QString::fromUtf8(f.titulo)) << f.idioma;
    }
}

// Qt's own words in message boxes and the print dialog follow the language.
TEST(Idiomas, LasPalabrasDeQtEnElIdioma) {
    const std::pair<const char*, const char*> filas[] = {
        {"es", "&Sí"}, {"en", "&Yes"}, {"pt", "&Sim"}};
    for (const auto& [codigo, si] : filas) {
        const En_idioma idioma(*Palabras_idioma(codigo));
        Cargar_palabras_qt();
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString::fromUtf8(si))
            << codigo;
    }
}

TEST(Salir, TerminaElProgramaSinPreguntar) {
    Ventana_en_dia p;
    EXPECT_TRUE(Pide_salir([&] { QTest::mouseClick(p.c.Boton3, Qt::LeftButton); }));
    EXPECT_FALSE(p.ventana->isVisible());
    EXPECT_TRUE(p.efectos.mensajes.empty());
}

}  // namespace
}  // namespace talmiroc::prueba
