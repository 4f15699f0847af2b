// The count over time: opened from the day window, moved through with the
// keyboard, and reading a day back in the day window.
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
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
    p.Calcular(QDate(2003, 7, 25));  // the day read, not today, is the one opened
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
        EXPECT_EQ(Tiempo()->Seleccionada(), (Fecha{25, 7, 2003})) << "the last day read";
    }
}

TEST(Tiempo, LunaConSusDosDiasEspeciales) {
    Ventana_en_dia p(QDate(2016, 2, 29));
    p.ventana->Abrir_tiempo(Pagina_tiempo::luna);
    const QAbstractItemModel* m = Rejilla("luna")->model();
    ASSERT_EQ(m->columnCount(), 7) << "the plasmas only";
    ASSERT_EQ(m->rowCount(), 5);
    EXPECT_EQ(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Seli"));
    // 29 February: a band of one cell under the heptads, named once.
    const struct {
        int fila, columna;
        const char* nombre;
    } celdas[] = {
        {3, 0, "Día 22, Dali, 28 de febrero de 2016, Kin\u00a071 Mono Rítmico Azul"},
        {3, 1, "Día 23, Seli, 1 de marzo de 2016, Kin\u00a072 Humano Resonante Amarillo, portal"},
        {4, 0, "0.0 Hunab Ku, 29 de febrero de 2016, Kin\u00a071 Mono Rítmico Azul"},
        {4, 1, ""},
    };
    for (const auto& c : celdas) {
        EXPECT_EQ(m->index(c.fila, c.columna).data(Qt::AccessibleTextRole).toString(),
                  QString::fromUtf8(c.nombre))
            << c.fila << "," << c.columna;
    }
    EXPECT_EQ(Rejilla("luna")->columnSpan(4, 0), 7);
    EXPECT_EQ(m->headerData(4, Qt::Vertical).toString(), QString()) << "its cell names it";
    EXPECT_EQ(m->index(4, 0).data(Qt::AccessibleDescriptionRole).toString(), QStringLiteral("hoy"));
    // Its wavespell dates Kin 71 on the 28th, which 29 February shares: today.
    p.ventana->Abrir_tiempo(Pagina_tiempo::onda);
    const QAbstractItemModel* o = Rejilla("onda")->model();
    for (int fila = 0; fila < o->rowCount(); ++fila) {
        const bool hoy = o->index(fila, 0).data(Qt::UserRole).toInt() == 71;
        EXPECT_EQ(o->index(fila, 0).data(Qt::AccessibleDescriptionRole).toString(),
                  hoy ? QStringLiteral("hoy") : QString())
            << "wavespell row " << fila;
    }
    EXPECT_EQ(o->index(3, 0).data().toString(), Texto(Titulo_kin(Kin{69}, palabras_es)))
        << "the language's own spelling, not the day window's";

    Tiempo()->Seleccionar({28, 2, 2015});
    EXPECT_EQ(m->rowCount(), 4) << "a common year's eighth moon: four heptads, no band";
    Tiempo()->Seleccionar({24, 7, 2016});
    ASSERT_EQ(m->rowCount(), 5);
    EXPECT_EQ(Rejilla("luna")->columnSpan(4, 0), 7) << "the Day Out of Time, a band";
    EXPECT_EQ(m->headerData(4, Qt::Vertical).toString(), QString()) << "its cell names it";
    EXPECT_TRUE(m->index(4, 0)
                    .data(Qt::AccessibleTextRole)
                    .toString()
                    .startsWith(QStringLiteral("Día fuera del tiempo, 25 de julio de 2016, Kin\u00a0")));
}

// Each key from a day, on its page (today 13 November 2013): the day it
// selects, the moon's title and current cell following it, and what Enter
// then reads in the day window (a day the day window cannot show: its
// message, and the day window as it was).
TEST(Tiempo, CadaTeclaDesdeCadaDia) {
    using P = Pagina_tiempo;
    const Fecha ultimo{25, 7, año_maximo};
    const Qt::KeyboardModifiers mayus = Qt::ShiftModifier;
    const struct {
        Pagina_tiempo pagina;
        Fecha desde;
        Qt::Key tecla;
        Qt::KeyboardModifiers mods;
        Fecha seleccion;
        bool leido;  // false: the day window cannot show it
    } filas[] = {
        {P::luna, {13, 11, 2013}, Qt::Key_Up, {}, {6, 11, 2013}, true},
        {P::luna, {13, 11, 2013}, Qt::Key_Down, {}, {20, 11, 2013}, true},
        {P::luna, {13, 11, 2013}, Qt::Key_Enter, Qt::KeypadModifier, {13, 11, 2013}, true},
        {P::luna, {1, 8, 2014}, Qt::Key_Home, {}, {13, 11, 2013}, true},
        // The eighth moon of a leap year: a week keeps the plasma; 29
        // February is reached from its neighbours only.
        {P::luna, {28, 2, 2016}, Qt::Key_Down, {}, {7, 3, 2016}, true},
        {P::luna, {1, 3, 2016}, Qt::Key_Up, {}, {22, 2, 2016}, true},
        {P::luna, {28, 2, 2016}, Qt::Key_Right, {}, {29, 2, 2016}, true},
        {P::luna, {29, 2, 2016}, Qt::Key_Up, {}, {28, 2, 2016}, true},
        {P::luna, {29, 2, 2016}, Qt::Key_Down, {}, {7, 3, 2016}, true},
        {P::luna, {29, 2, 2016}, Qt::Key_PageDown, {}, {28, 3, 2016}, true},
        {P::luna, {29, 2, 2016}, Qt::Key_PageUp, {}, {31, 1, 2016}, true},
        // Across the Day Out of Time into the next year, and back.
        {P::luna, {24, 7, 2014}, Qt::Key_Right, {}, {25, 7, 2014}, true},
        {P::luna, {25, 7, 2014}, Qt::Key_Right, {}, {26, 7, 2014}, true},
        {P::luna, {26, 7, 2014}, Qt::Key_Left, {}, {25, 7, 2014}, true},
        {P::luna, {25, 7, 2014}, Qt::Key_Left, {}, {24, 7, 2014}, true},
        {P::luna, {24, 7, 2014}, Qt::Key_PageDown, {}, {22, 8, 2014}, true},
        {P::luna, {25, 7, 2014}, Qt::Key_PageDown, {}, {22, 8, 2014}, true},
        {P::luna, {25, 7, 2014}, Qt::Key_PageUp, {}, {26, 6, 2014}, true},
        {P::luna, {25, 7, 2014}, Qt::Key_Up, {}, {24, 7, 2014}, true},
        {P::luna, {22, 8, 2014}, Qt::Key_Down, {}, {29, 8, 2014}, true},
        {P::luna, {29, 8, 2014}, Qt::Key_PageUp, {}, {1, 8, 2014}, true},
        {P::luna, {1, 8, 2014}, Qt::Key_PageUp, mayus, {1, 8, 2013}, true},
        // The last kin of a wavespell, in the module and in the wavespell.
        {P::modulo, {24, 2, 2013}, Qt::Key_Down, {}, {25, 2, 2013}, true},
        {P::onda, {24, 2, 2013}, Qt::Key_Down, {}, {25, 2, 2013}, true},
        // The ends of the count, and years the day window's box cannot hold.
        {P::luna, {1, 1, 38}, Qt::Key_Left, {}, {1, 1, 38}, true},
        {P::luna, {1, 1, 38}, Qt::Key_PageUp, mayus, {1, 1, 38}, true},
        {P::luna, {31, 12, 9999}, Qt::Key_Right, {}, {1, 1, 10000}, false},
        {P::luna, {24, 7, año_maximo}, Qt::Key_Right, {}, ultimo, false},
        {P::luna, ultimo, Qt::Key_Right, {}, ultimo, false},
        {P::luna, ultimo, Qt::Key_Down, {}, ultimo, false},
        {P::luna, ultimo, Qt::Key_PageDown, mayus, {24, 7, año_maximo}, false},
        {P::modulo, ultimo, Qt::Key_Return, {}, ultimo, false},
    };
    for (const auto& f : filas) {
        const std::string fila = Texto(Fecha_escrita(f.desde, palabras_es)).toStdString() + ", key " +
                                 QKeySequence(f.tecla).toString().toStdString();
        Ventana_en_dia p(QDate(2013, 11, 13));
        p.ventana->Abrir_tiempo(f.pagina, f.desde);
        QTableView* rejilla = Tiempo()
                                  ->findChild<QTabWidget*>(QStringLiteral("paginas"))
                                  ->currentWidget()
                                  ->findChild<QTableView*>();
        ASSERT_NE(rejilla, nullptr) << fila;
        QTest::keyClick(rejilla, f.tecla, f.mods);
        EXPECT_EQ(Tiempo()->Seleccionada(), f.seleccion) << fila;
        if (f.pagina == P::luna) {
            EXPECT_EQ(Titulo().toStdString(), Describir_luna(Luna_de(f.seleccion), palabras_es).titulo)
                << fila;
            EXPECT_TRUE(rejilla->currentIndex().data(Qt::AccessibleTextRole).toString().contains(
                Texto(Fecha_escrita(f.seleccion, palabras_es))))
                << fila << ": the current cell follows";
        }
        const Kin kin = Calculo_kin(f.seleccion.dia, f.seleccion.mes, f.seleccion.año).kin;
        const QModelIndex en_modulo =
            Rejilla("modulo")->model()->index(Fila_modulo(kin) - 1, Columna_modulo(kin) - 1);
        EXPECT_TRUE(en_modulo.data(Qt::AccessibleDescriptionRole)
                        .toString()
                        .contains(QStringLiteral("en la onda encantada del seleccionado")))
            << fila << ": the selected kin is in its own wavespell";
        const QString antes = p.c.fecha->Caption();
        const std::size_t vistos = p.efectos.mensajes.size();
        QTest::keyClick(rejilla, Qt::Key_Return);
        if (f.leido) {
            EXPECT_EQ(p.c.fecha->Caption(), QStringLiteral("Fecha Gregoriana: %1-%2-%3")
                                                .arg(f.seleccion.dia)
                                                .arg(f.seleccion.mes)
                                                .arg(f.seleccion.año))
                << fila;
            EXPECT_TRUE(p.efectos.mensajes.empty()) << fila;
        } else {
            EXPECT_EQ(p.c.fecha->Caption(), antes) << fila << ": the day window as it was";
            ASSERT_EQ(p.efectos.mensajes.size(), vistos + 1) << fila << ": one message";
            EXPECT_TRUE(p.efectos.mensajes.back().texto.contains(QString::number(f.seleccion.año)))
                << fila;
        }
    }
}

// Ctrl+Page Up and Ctrl+Page Down change pages wherever the keyboard is.
TEST(Tiempo, CtrlRePagYAvPagDesdeCadaControl) {
    Ventana_en_dia p(QDate(2013, 11, 13));
    p.ventana->Abrir_tiempo(Pagina_tiempo::luna);
    Ventana_tiempo* t = Tiempo();
    ASSERT_TRUE(QTest::qWaitForWindowActive(t));
    auto* paginas = t->findChild<QTabWidget*>(QStringLiteral("paginas"));
    const int n = paginas->count();
    for (int pagina = 0; pagina < n; ++pagina) {
        paginas->setCurrentIndex(pagina);
        QList<QWidget*> controles;
        for (QWidget* w : paginas->currentWidget()->findChildren<QWidget*>()) {
            if (w->focusPolicy() & Qt::TabFocus && w->isVisible()) controles << w;
        }
        controles << t->findChild<QPushButton*>(QStringLiteral("imprimir"))
                  << t->findChild<QPushButton*>(QStringLiteral("guardar_pdf"));
        for (QWidget* control : controles) {
            for (const auto& [tecla, paso] :
                 {std::pair{Qt::Key_PageDown, 1}, {Qt::Key_PageUp, -1}}) {
                paginas->setCurrentIndex(pagina);
                if (!control->isEnabled()) continue;
                control->setFocus();
                const Fecha antes = t->Seleccionada();
                QTest::keyClick(QApplication::focusWidget(), tecla, Qt::ControlModifier);
                EXPECT_EQ(paginas->currentIndex(), (pagina + n + paso) % n)
                    << "from page " << pagina << ", " << control->objectName().toStdString();
                EXPECT_EQ(t->Seleccionada(), antes) << "the day stays";
                EXPECT_TRUE(QApplication::focusWidget() &&
                            paginas->currentWidget()->isAncestorOf(QApplication::focusWidget()))
                    << "the keyboard goes with the page";
            }
        }
    }
}

// The window opens within the screen's free area (run at scale 1 and 2),
// the last plasma and the buttons on it.
TEST(Tiempo, CabeEnLaPantalla) {
    Ventana_en_dia p(QDate(2013, 11, 13));
    p.ventana->Abrir_tiempo(Pagina_tiempo::luna);
    Ventana_tiempo* t = Tiempo();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(t));
    const QRect libre = t->screen()->availableGeometry();
    EXPECT_TRUE(libre.contains(t->frameGeometry()))
        << t->frameGeometry().width() << "x" << t->frameGeometry().height() << " on "
        << libre.width() << "x" << libre.height();
    for (const char* nombre : {"guardar_pdf", "hoy", "año_siguiente"}) {
        auto* b = t->findChild<QPushButton*>(QString::fromUtf8(nombre));
        const QRect donde(b->mapTo(t, QPoint(0, 0)), b->size());
        EXPECT_TRUE(t->rect().contains(donde)) << nombre;
    }
    // A long title after a short one leaves the window as it was.
    const QSize tamaño = t->size();
    t->Seleccionar({1, 1, 123456789012345});
    t->Seleccionar({13, 11, 2013});
    QApplication::processEvents();
    EXPECT_EQ(t->size(), tamaño);
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
    const struct {
        int kin;
        const char* socio;
    } oraculo[] = {{101, "guía"}, {23, "antípoda"}, {166, "análogo"}, {108, "oculto"}};
    for (const auto& o : oraculo) {
        const QModelIndex i =
            modulo->model()->index(Fila_modulo(Kin{o.kin}) - 1, Columna_modulo(Kin{o.kin}) - 1);
        EXPECT_TRUE(
            i.data(Qt::AccessibleDescriptionRole)
                .toString()
                .startsWith(QStringLiteral("%1 del seleccionado").arg(QString::fromUtf8(o.socio))))
            << "kin " << o.kin << ", the " << o.socio;
    }

    QTest::keyClick(modulo, Qt::Key_Return);
    EXPECT_EQ(p.c.fecha->Caption(), QStringLiteral("Fecha Gregoriana: 25-7-2003"));
    EXPECT_EQ(p.c.nombre->Caption(),
              Texto(Describir_dia(Fecha{25, 7, 2003}, Palabras_dia(Palabras_ventana())).nombre));
    EXPECT_TRUE(p.c.diafueradeltiempo->isVisible());
    EXPECT_EQ(p.ventana->size(), vista_principal);
    EXPECT_TRUE(p.efectos.mensajes.empty());
}

// The wavespell page names each kin's tone, all thirteen (the published
// names are the engine's Vocabulario.NombresPublicados).
TEST(Tiempo, LaOndaNombraCadaTono) {
    const En_idioma en(palabras_en);
    Ventana_en_dia p(QDate(2003, 7, 25));
    p.ventana->Abrir_tiempo(Pagina_tiempo::onda);
    const QAbstractItemModel* m = Rejilla("onda")->model();
    for (int fila = 0; fila < 13; ++fila) {
        const QString tono = Texto(En(palabras_en.tonos_m, fila + 1));
        EXPECT_EQ(m->index(fila, 1).data().toString(), QStringLiteral("%1 %2").arg(fila + 1).arg(tono))
            << "kin " << 144 + fila;
        EXPECT_TRUE(m->index(fila, 0).data().toString().startsWith(
            QStringLiteral("Kin\u00a0%1 ").arg(144 + fila)));
    }
}

// Guardar PDF writes the page shown into the file chosen, nothing when the
// dialog is cancelled; on the wavespell there is no page to save.
TEST(Tiempo, GuardarPdfEscribeLaPaginaQueSeVe) {
    Ventana_en_dia p(QDate(2013, 11, 13));
    p.ventana->Abrir_tiempo(Pagina_tiempo::luna);
    auto* guardar = Tiempo()->findChild<QPushButton*>(QStringLiteral("guardar_pdf"));
    const QTemporaryDir carpeta;
    QTest::mouseClick(guardar, Qt::LeftButton);  // cancelled
    EXPECT_EQ(p.efectos.propuestos.back(), QStringLiteral("luna-NS1.26.4.pdf"));  // not April's
    p.efectos.archivo_elegido = {carpeta.filePath(QStringLiteral("luna.pdf"))};
    QTest::mouseClick(guardar, Qt::LeftButton);
    EXPECT_EQ(QDir(carpeta.path()).entryList(QDir::Files), QStringList{QStringLiteral("luna.pdf")});
    EXPECT_TRUE(p.efectos.mensajes.empty());
    p.efectos.archivo_elegido = {carpeta.filePath(QStringLiteral("no/hay/luna.pdf"))};
    QTest::mouseClick(guardar, Qt::LeftButton);
    ASSERT_EQ(p.efectos.mensajes.size(), 1u);
    EXPECT_TRUE(p.efectos.mensajes[0].texto.contains(QStringLiteral("no/hay/luna.pdf")));
    p.ventana->Abrir_tiempo(Pagina_tiempo::onda);
    EXPECT_TRUE(guardar->isEnabled());
    Tiempo()->findChild<QTabWidget*>(QStringLiteral("paginas"))->setCurrentIndex(3);
    EXPECT_FALSE(guardar->isEnabled()) << "the rules have no page";
}

}  // namespace
}  // namespace talmiroc::prueba
