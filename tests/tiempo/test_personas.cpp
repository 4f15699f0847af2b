// The people page: changes through the page with the day window's checks,
// undo, two windows on one book, a bad book kept and said once, and the
// kin returns on the moon.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include "calendario_prueba.h"
#include "celdas.h"
#include "celdas_tiempo.h"
#include "pagina_personas.h"
#include "ventana_tiempo.h"

namespace talmiroc::prueba {
namespace {

// A book in a folder of the test's own, which XDG_DATA_HOME names.
struct Libro_propio {
    Libro_propio() { qputenv("XDG_DATA_HOME", carpeta.path().toLocal8Bit()); }
    std::string Ruta() const { return (carpeta.path() + "/talmiroc/personas.json").toStdString(); }
    QTemporaryDir carpeta;
};

std::vector<std::string> Nombres(const Pagina_personas& p) {
    std::vector<std::string> v;
    for (const auto& persona : p.Libro().Personas()) v.push_back(persona.nombre);
    return v;
}

TEST(Personas, CambiosConLasComprobacionesDelDia) {
    Libro_propio libro;
    Efectos_grabados efectos(QDate(2026, 12, 10));
    Pagina_personas pagina(efectos, palabras_es, libro.Ruta());
    const struct {
        const char *nombre, *dia, *mes, *año;
        bool aceptada;
        const char* mensaje;  // the message shown, "" for none
    } filas[] = {
        {"  Ana ", "9", "4", "2003", true, ""},
        {"", "9", "4", "2003", false, "El nombre lleva de 1 a 200 caracteres, sin saltos de línea."},
        {"Luis", "30", "2", "2003", false, "Fecha incorrecta. Debe introducir una fecha correcta"},
        {"Luis", "1", "1", "37", false,
         "Lo siento, por ahora los valores del año solo pueden estar de 38 en adelante"},
        {"Luis", "25", "7", "2003", true, ""},
    };
    for (const auto& f : filas) {
        efectos.mensajes.clear();
        EXPECT_EQ(pagina.Añadir(QString::fromUtf8(f.nombre), QString::fromUtf8(f.dia),
                                QString::fromUtf8(f.mes), QString::fromUtf8(f.año)),
                  f.aceptada)
            << f.nombre << " " << f.dia;
        const QString mensaje = efectos.mensajes.empty() ? QString() : efectos.mensajes[0].texto;
        EXPECT_EQ(mensaje, QString::fromUtf8(f.mensaje)) << f.nombre << " " << f.dia;
    }
    EXPECT_EQ(Nombres(pagina), (std::vector<std::string>{"Ana", "Luis"}));
    EXPECT_TRUE(pagina.Editar(1, QStringLiteral("Luis M."), QStringLiteral("25"),
                              QStringLiteral("7"), QStringLiteral("2003")));
    pagina.Seleccionar({0});
    pagina.Quitar();
    EXPECT_EQ(Nombres(pagina), (std::vector<std::string>{"Luis M."}));
    pagina.Deshacer();
    EXPECT_EQ(Nombres(pagina), (std::vector<std::string>{"Ana", "Luis M."})) << "back in place";
    pagina.Deshacer();
    EXPECT_EQ(Nombres(pagina), (std::vector<std::string>{"Ana", "Luis"})) << "the edit undone";
    pagina.Deshacer();
    pagina.Deshacer();
    EXPECT_TRUE(Nombres(pagina).empty());
    EXPECT_TRUE(efectos.mensajes.empty());

    // Two people selected: their relations, both ways.
    pagina.Añadir(QStringLiteral("Ana"), QStringLiteral("9"), QStringLiteral("4"), QStringLiteral("2003"));
    pagina.Añadir(QStringLiteral("Luis"), QStringLiteral("25"), QStringLiteral("7"), QStringLiteral("2003"));
    pagina.Seleccionar({0, 1});
    const QString detalle = pagina.findChild<QLabel*>(QStringLiteral("detalle_persona"))->text();
    EXPECT_TRUE(detalle.contains(QStringLiteral("Lo que Luis es para Ana")));
    EXPECT_TRUE(detalle.contains(QStringLiteral("Lo que Ana es para Luis")));
    EXPECT_EQ(detalle.count(QStringLiteral("Sello análogo")), 2) << detalle.toStdString();
}

// Two windows on one book: each change lands on the book as it is then.
TEST(Personas, DosVentanasAlaVez) {
    Libro_propio libro;
    Efectos_grabados efectos;
    Pagina_personas a(efectos, palabras_es, libro.Ruta()), b(efectos, palabras_es, libro.Ruta());
    a.Añadir(QStringLiteral("Ana"), QStringLiteral("9"), QStringLiteral("4"), QStringLiteral("2003"));
    b.Añadir(QStringLiteral("Luis"), QStringLiteral("25"), QStringLiteral("7"), QStringLiteral("2003"));
    EXPECT_EQ(Nombres(b), (std::vector<std::string>{"Ana", "Luis"}));
    Pagina_personas c(efectos, palabras_es, libro.Ruta());
    EXPECT_EQ(Nombres(c), (std::vector<std::string>{"Ana", "Luis"}));
}

// A book that cannot be read: said once with its path, no change taken,
// until a new book is started (the book's own tests keep its bytes and the
// old file aside).
TEST(Personas, LibroIlegibleSeDiceUnaVez) {
    Libro_propio libro;
    const QByteArray malo = "{\"version\": 1, \"personas\": [\n";
    QDir().mkpath(libro.carpeta.path() + QStringLiteral("/talmiroc"));
    QFile archivo(QString::fromStdString(libro.Ruta()));
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write(malo);
    archivo.close();
    Efectos_grabados efectos;
    Pagina_personas pagina(efectos, palabras_es, libro.Ruta());
    pagina.show();
    pagina.hide();
    pagina.show();
    ASSERT_EQ(efectos.mensajes.size(), 1u) << "once";
    EXPECT_TRUE(efectos.mensajes[0].texto.contains(QString::fromStdString(libro.Ruta())));
    EXPECT_FALSE(pagina.Añadir(QStringLiteral("Ana"), QStringLiteral("9"), QStringLiteral("4"),
                               QStringLiteral("2003")));
    QTest::mouseClick(pagina.findChild<QPushButton*>(QStringLiteral("libro_nuevo")), Qt::LeftButton);
    EXPECT_TRUE(pagina.Añadir(QStringLiteral("Ana"), QStringLiteral("9"), QStringLiteral("4"),
                              QStringLiteral("2003")));
}

// The moon marks a kin return with the person's name, for the eye and the ear.
TEST(Personas, RegresosEnLaLuna) {
    Libro_propio libro;
    Ventana_en_dia p(QDate(2026, 12, 10));
    p.ventana->Abrir_tiempo(Pagina_tiempo::personas);
    ASSERT_NE(Tiempo(), nullptr);
    Pagina_personas* pagina = Tiempo()->Personas();
    ASSERT_TRUE(pagina->isVisible());
    pagina->Añadir(QStringLiteral("Ana"), QStringLiteral("9"), QStringLiteral("4"), QStringLiteral("2003"));
    pagina->Añadir(QStringLiteral("Eva"), QStringLiteral("9"), QStringLiteral("4"), QStringLiteral("1951"));
    Tiempo()->Seleccionar({28, 6, 2027});  // Ana's next return; Eva's too (52 years apart)
    const QAbstractItemModel* m =
        Tiempo()->findChild<QTableView*>(QStringLiteral("luna"))->model();
    int marcadas = 0;
    for (int r = 0; r < m->rowCount(); ++r) {
        for (int c = 0; c < m->columnCount(); ++c) {
            const QModelIndex i = m->index(r, c);
            const bool marca = i.data(rol_marcas).toInt() & marca_regreso;
            const QString nombre = i.data(Qt::AccessibleTextRole).toString();
            EXPECT_EQ(marca, nombre.endsWith(QStringLiteral(", vuelve el kin de Ana, Eva")))
                << nombre.toStdString();
            marcadas += marca;
            if (marca) {
                EXPECT_TRUE(nombre.startsWith(QStringLiteral("Día ")));
            }
        }
    }
    EXPECT_EQ(marcadas, 1);
}

// The list's menu saves or copies the card of the one person chosen, as the
// day window's does a day's (the same actions); with none or two, nothing.
TEST(Personas, TarjetaDeLaPersonaElegida) {
    Libro_propio libro;
    Efectos_grabados efectos(QDate(2026, 12, 10));
    Pagina_personas pagina(efectos, palabras_es, libro.Ruta());
    pagina.Añadir(QStringLiteral("Ana María"), QStringLiteral("9"), QStringLiteral("4"), QStringLiteral("2003"));
    pagina.Añadir(QStringLiteral("Luis"), QStringLiteral("25"), QStringLiteral("7"), QStringLiteral("2003"));
    auto* guardar = pagina.findChild<QAction*>(QStringLiteral("guardar_tarjeta"));
    auto* copiar = pagina.findChild<QAction*>(QStringLiteral("copiar_tarjeta"));
    ASSERT_TRUE(guardar && copiar);
    const QTemporaryDir carpeta;
    efectos.archivo_elegido = {carpeta.filePath(QStringLiteral("t.svg"))};  // the PNG kind chosen
    for (const std::vector<int>& elegidas : {std::vector<int>{}, {0, 1}, {0}}) {
        pagina.Seleccionar(elegidas);
        QGuiApplication::clipboard()->setText(QStringLiteral("marca"));
        guardar->trigger();
        copiar->trigger();
        const bool una = elegidas.size() == 1;
        EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("image/png")), una);
        EXPECT_EQ(efectos.propuestos.size(), una ? 1U : 0U) << elegidas.size() << " chosen";
    }
    EXPECT_EQ(efectos.propuestos.at(0), QStringLiteral("Talmiroc-Kin-46-2003-04-09-Ana-María.png"));
    EXPECT_EQ(efectos.carpetas.at(0), Efectos::Carpeta::imagenes);
    QFile escrito(carpeta.filePath(QStringLiteral("t.svg")));
    EXPECT_TRUE(escrito.open(QIODevice::ReadOnly) && escrito.readAll().startsWith("<?xml"))
        << "a name ending in .svg is written as SVG";
    EXPECT_TRUE(efectos.mensajes.empty());
}

// Importar… adds a file's people in one step that one Deshacer undoes, and
// says what it added and skipped; a bad file adds nobody and says why.
TEST(Personas, ImportarYDeshacer) {
    Libro_propio libro;
    Efectos_grabados efectos(QDate(2026, 12, 10));
    Pagina_personas pagina(efectos, palabras_es, libro.Ruta());
    pagina.Añadir(QStringLiteral("Ana"), QStringLiteral("9"), QStringLiteral("4"), QStringLiteral("2003"));
    const QTemporaryDir carpeta;
    const auto escribir = [&carpeta](const char* nombre, const QByteArray& texto) {
        QFile f(carpeta.filePath(QString::fromUtf8(nombre)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(texto) == texto.size());
        return f.fileName();
    };
    efectos.archivo_abierto = escribir("l.csv", "Luis,25,7,2003\nAna,9,4,2003\nSol,1,1,2000\n");
    pagina.findChild<QPushButton*>(QStringLiteral("importar_personas"))->click();
    EXPECT_EQ(Nombres(pagina), (std::vector<std::string>{"Ana", "Luis", "Sol"}));
    ASSERT_EQ(efectos.mensajes.size(), 1U);
    EXPECT_EQ(efectos.mensajes[0].texto,
              QStringLiteral("Añadidas: 2. Omitidas: 1.\nLínea 2: Ana ya está en el libro"));
    pagina.Deshacer();
    EXPECT_EQ(Nombres(pagina), (std::vector<std::string>{"Ana"})) << "the import undone at once";
    efectos.mensajes.clear();
    pagina.Importar(escribir("m.vcf", "BEGIN:VCARD\nFN:Luis\nBDAY:2003-07-25\n"));
    EXPECT_EQ(Nombres(pagina), (std::vector<std::string>{"Ana"}));
    ASSERT_EQ(efectos.mensajes.size(), 1U);
    EXPECT_EQ(efectos.mensajes[0].icono, Icono::error);
    EXPECT_TRUE(efectos.mensajes[0].texto.contains(QStringLiteral("END:VCARD")));
}

}  // namespace
}  // namespace talmiroc::prueba
