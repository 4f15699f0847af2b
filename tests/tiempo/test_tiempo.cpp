// The count over time: opened from the day window, moved through with the
// keyboard, and reading a day back in the day window.
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTableView>

#include "calendario_prueba.h"
#include "ventana_tiempo.h"

namespace talmiroc::prueba {
namespace {

QTableView* Rejilla(const char* nombre) {
    Ventana_tiempo* t = Tiempo();
    return t ? t->findChild<QTableView*>(QString::fromLatin1(nombre)) : nullptr;
}

QString Titulo() {
    return Tiempo()->findChild<QLabel*>(QStringLiteral("titulo_luna"))->text();
}

TEST(Tiempo, ElMenuYLosAtajosAbrenCadaPagina) {
    Ventana_en_dia p(QDate(2013, 11, 13));
    ASSERT_TRUE(p.Activar());
    const struct {
        const char* texto;
        QKeySequence atajo;
        const char* rejilla;
    } filas[] = {{"&Luna", QKeySequence(QStringLiteral("Ctrl+L")), "luna"},
                 {"&Módulo armónico", QKeySequence(QStringLiteral("Ctrl+M")), "modulo"},
                 {"&Onda encantada", QKeySequence(QStringLiteral("Ctrl+O")), "onda"}};
    const QList<QAction*> acciones = p.ventana->actions();
    ASSERT_EQ(acciones.size(), 3);
    EXPECT_EQ(Tiempo(), nullptr) << "made only when asked for";
    for (std::size_t i = 0; i < std::size(filas); ++i) {
        const auto& f = filas[i];
        EXPECT_EQ(acciones[static_cast<int>(i)]->text(), QString::fromUtf8(f.texto));
        EXPECT_EQ(acciones[static_cast<int>(i)]->shortcut(), f.atajo) << f.texto;
        p.ventana->activateWindow();
        ASSERT_TRUE(p.Activar());
        QTest::keySequence(p.ventana.get(), f.atajo);
        ASSERT_NE(Tiempo(), nullptr) << f.texto;
        EXPECT_TRUE(Rejilla(f.rejilla)->isVisible()) << f.texto;
        EXPECT_EQ(Tiempo()->Seleccionada(), (Fecha{13, 11, 2013})) << "today";
    }
}

TEST(Tiempo, LunaConSusDosDiasEspeciales) {
    Ventana_en_dia p(QDate(2016, 2, 29));
    p.ventana->Abrir_tiempo(Pagina_tiempo::luna);
    const QAbstractItemModel* m = Rejilla("luna")->model();
    ASSERT_EQ(m->columnCount(), 8);
    EXPECT_EQ(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("0.0 Hunab Ku"));
    EXPECT_EQ(m->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Seli"));
    const struct {
        int fila, columna;
        const char* nombre;
    } celdas[] = {
        {3, 0, "Día 22, Dali, 28 de febrero de 2016, Kin 71 Mono Rítmico Azul"},
        {3, 1, "0.0 Hunab Ku, 29 de febrero de 2016, Kin 71 Mono Rítmico Azul"},
        {3, 2, "Día 23, Seli, 1 de marzo de 2016, Kin 72 Humano Resonante Amarillo, portal"},
        {0, 1, ""},
    };
    for (const auto& c : celdas) {
        EXPECT_EQ(m->index(c.fila, c.columna).data(Qt::AccessibleTextRole).toString(),
                  QString::fromUtf8(c.nombre))
            << c.fila << "," << c.columna;
    }
    EXPECT_EQ(m->index(3, 1).data(Qt::AccessibleDescriptionRole).toString(), QStringLiteral("hoy"));

    Tiempo()->Seleccionar({24, 7, 2016});
    ASSERT_EQ(m->rowCount(), 5);
    EXPECT_EQ(Rejilla("luna")->columnSpan(4, 0), 7) << "the Day Out of Time, a band";
    EXPECT_TRUE(m->index(4, 0)
                    .data(Qt::AccessibleTextRole)
                    .toString()
                    .startsWith(QStringLiteral("Día fuera del tiempo, 25 de julio de 2016, Kin ")));
}

TEST(Tiempo, ElTecladoCruzaElFinDelAño) {
    Ventana_en_dia p(QDate(2014, 7, 24));
    p.ventana->Abrir_tiempo(Pagina_tiempo::luna);
    QTableView* luna = Rejilla("luna");
    const struct {
        Qt::Key tecla;
        Qt::KeyboardModifiers mods;
        Fecha fecha;
        const char* titulo;
    } pasos[] = {
        {Qt::Key_Right, {}, {25, 7, 2014}, "Luna Cósmica de la Tortuga · NS1.26.13"},
        {Qt::Key_Right, {}, {26, 7, 2014}, "Luna Magnética del Murciélago · NS1.27.1"},
        {Qt::Key_Left, {}, {25, 7, 2014}, "Luna Cósmica de la Tortuga · NS1.26.13"},
        {Qt::Key_Left, {}, {24, 7, 2014}, "Luna Cósmica de la Tortuga · NS1.26.13"},
        {Qt::Key_PageDown, {}, {22, 8, 2014}, "Luna Magnética del Murciélago · NS1.27.1"},
        {Qt::Key_Down, {}, {29, 8, 2014}, "Luna Lunar del Escorpión · NS1.27.2"},
        {Qt::Key_PageUp, {}, {1, 8, 2014}, "Luna Magnética del Murciélago · NS1.27.1"},
        {Qt::Key_PageUp,
         Qt::ShiftModifier,
         {1, 8, 2013},
         "Luna Magnética del Murciélago · NS1.26.1"},
        {Qt::Key_Home, {}, {24, 7, 2014}, "Luna Cósmica de la Tortuga · NS1.26.13"},
    };
    for (const auto& paso : pasos) {
        QTest::keyClick(luna, paso.tecla, paso.mods);
        EXPECT_EQ(Tiempo()->Seleccionada(), paso.fecha) << paso.titulo;
        EXPECT_TRUE(Titulo().startsWith(QString::fromUtf8(paso.titulo))) << Titulo().toStdString();
        EXPECT_TRUE(luna->currentIndex()
                        .data(Qt::AccessibleTextRole)
                        .toString()
                        .contains(Texto(Fecha_escrita(paso.fecha, Palabras_ventana()))))
            << paso.titulo << ": the current cell follows";
    }
    // A whole year of moons, one key at a time.
    for (int i = 0; i < 13; ++i) QTest::keyClick(luna, Qt::Key_PageDown);
    EXPECT_EQ(Tiempo()->Seleccionada(), (Fecha{24, 7, 2015}));
}

TEST(Tiempo, UnKinSeleccionaSuDiaYIntroLoLeeEnLaVentanaDelDia) {
    Ventana_en_dia p(QDate(2003, 4, 9));
    QTest::mouseClick(p.c.Boton4, Qt::LeftButton);  // the credits view: Enter must leave it
    p.ventana->Abrir_tiempo(Pagina_tiempo::modulo, Fecha{1, 7, 2003});
    QTableView* modulo = Rejilla("modulo");
    const QModelIndex k153 =
        modulo->model()->index(Fila_modulo(Kin{153}) - 1, Columna_modulo(Kin{153}) - 1);
    EXPECT_EQ(k153.data(Qt::AccessibleTextRole).toString(),
              QStringLiteral("Kin\u00a0153 Caminante del Cielo Planetario Rojo, portal"));
    QTest::mouseClick(modulo->viewport(), Qt::LeftButton, {}, modulo->visualRect(k153).center());
    EXPECT_EQ(Tiempo()->Seleccionada(), (Fecha{25, 7, 2003}));
    EXPECT_EQ(Rejilla("onda")->currentIndex().row(), 9) << "tone 10 in its wavespell";
    EXPECT_EQ(modulo->model()->index(0, 5).data(Qt::AccessibleDescriptionRole).toString(),
              QStringLiteral("guía del seleccionado"))
        << "kin 101, the guide";

    QTest::keyClick(modulo, Qt::Key_Return);
    EXPECT_EQ(p.c.fecha->Caption(), QStringLiteral("Fecha Gregoriana: 25-7-2003"));
    EXPECT_EQ(p.c.nombre->Caption(),
              Texto(Describir_dia(Fecha{25, 7, 2003}, Palabras_ventana()).nombre));
    EXPECT_TRUE(p.c.diafueradeltiempo->isVisible());
    EXPECT_EQ(p.ventana->size(), vista_principal);
    EXPECT_TRUE(p.efectos.mensajes.empty());
}

// Guardar PDF writes the page shown into the file chosen, nothing when the
// dialog is cancelled; on the wavespell there is no page to save.
TEST(Tiempo, GuardarPdfEscribeLaPaginaQueSeVe) {
    Ventana_en_dia p(QDate(2013, 11, 13));
    p.ventana->Abrir_tiempo(Pagina_tiempo::luna);
    auto* guardar = Tiempo()->findChild<QPushButton*>(QStringLiteral("guardar_pdf"));
    const QTemporaryDir carpeta;
    QTest::mouseClick(guardar, Qt::LeftButton);  // cancelled
    p.efectos.archivo_pdf = carpeta.filePath(QStringLiteral("luna.pdf"));
    QTest::mouseClick(guardar, Qt::LeftButton);
    EXPECT_EQ(QDir(carpeta.path()).entryList(QDir::Files), QStringList{QStringLiteral("luna.pdf")});
    EXPECT_TRUE(p.efectos.mensajes.empty());
    p.efectos.archivo_pdf = carpeta.filePath(QStringLiteral("no/hay/luna.pdf"));
    QTest::mouseClick(guardar, Qt::LeftButton);
    ASSERT_EQ(p.efectos.mensajes.size(), 1u);
    EXPECT_TRUE(p.efectos.mensajes[0].texto.contains(QStringLiteral("no/hay/luna.pdf")));
    p.ventana->Abrir_tiempo(Pagina_tiempo::onda);
    EXPECT_FALSE(guardar->isEnabled());
}

}  // namespace
}  // namespace talmiroc::prueba
