// The tray offscreen: one notification a day, remembered across restarts;
// the day's turn through the clock of the effects; the autostart entry as a
// desktop reads it.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include "arranque.h"
#include "aviso.h"
#include "bandeja.h"
#include "enlace.h"
#include "libro.h"
#include "efectos_grabados.h"
#include "idioma_qt.h"
#include "vigia_dia.h"

namespace talmiroc::prueba {
namespace {

// Records each notification; answers as `servicio` says.
struct Notificador_grabado final : Notificador {
    bool servicio = true;
    std::vector<std::pair<QString, QString>> avisos;
    void Notificar(const QString& t, const QString& c, const QImage& icono,
                   std::function<void(bool)> hecho, std::function<void()>) override {
        EXPECT_FALSE(icono.isNull());
        if (servicio) avisos.emplace_back(t, c);
        hecho(servicio);
    }
};

// A private configuration folder for the whole run: nothing under HOME.
class Carpetas : public testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const char* v : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
            qputenv(v, dir_.filePath(QString::fromLatin1(v)).toUtf8());
    }
    QTemporaryDir dir_;
};
const auto* carpetas = testing::AddGlobalTestEnvironment(new Carpetas);

QAction* Accion(Bandeja& b, const char* texto) {
    for (QAction* a : b.Menu().actions())
        if (a->text() == QString::fromUtf8(texto)) return a;
    return nullptr;
}

// A run of the tray as a person meets it over days: each row starts a tray
// (or keeps the last one) at a clock time and says how many notifications
// the desktop has shown by then.
TEST(Bandeja, UnAvisoAlDiaRecordadoEntreArranques) {
    QSettings(QStringLiteral("talmiroc"), QStringLiteral("talmiroc")).clear();
    Notificador_grabado notificador;
    QDateTime ahora;
    Efectos_grabados efectos;
    efectos.reloj = [&ahora] { return ahora; };
    std::unique_ptr<Bandeja> bandeja;
    const struct {
        const char* nombre;
        int notificar;  // the menu's check box before the row: -1 left, 0 off, 1 on
        QDateTime ahora;
        bool servicio;  // the desktop has a notification service
        int avisos;     // shown so far
    } filas[] = {
        {"primer arranque del día", -1, {{2003, 4, 9}, {10, 0}}, true, 1},
        {"otro arranque el mismo día", -1, {{2003, 4, 9}, {18, 0}}, true, 1},
        {"sin servicio al día siguiente", -1, {{2003, 4, 10}, {9, 0}}, false, 1},
        {"con servicio, el mismo día: ahora sí", -1, {{2003, 4, 10}, {9, 5}}, true, 2},
        {"apagado", 0, {{2003, 4, 11}, {9, 0}}, true, 2},
        {"apagado también tras otro arranque", -1, {{2003, 4, 12}, {9, 0}}, true, 2},
        {"encendido", 1, {{2003, 4, 13}, {9, 0}}, true, 3},
    };
    for (const auto& f : filas) {
        SCOPED_TRACE(f.nombre);
        if (f.notificar >= 0) Accion(*bandeja, "Notificar cada día")->setChecked(f.notificar == 1);
        ahora = f.ahora;
        notificador.servicio = f.servicio;
        bandeja.reset();
        bandeja = std::make_unique<Bandeja>(efectos, notificador, Destinos_bandeja{}, Vueltas_de{},
                                            QString());
        EXPECT_EQ(static_cast<int>(notificador.avisos.size()), f.avisos);
    }
    EXPECT_TRUE(notificador.avisos.back().first.startsWith(QStringLiteral("Kin 50 · ")));
}

// The day turns on the effects' clock, through the real timer: a second
// and a half before midnight, the icon and a notification follow within
// the next few seconds; what is special about the day is in it.
TEST(Bandeja, ElDiaCambiaAMedianoche) {
    QSettings(QStringLiteral("talmiroc"), QStringLiteral("talmiroc")).clear();
    Notificador_grabado notificador;
    Efectos_grabados efectos;
    QElapsedTimer desde;
    desde.start();
    const QDateTime inicio({2003, 7, 24}, {23, 59, 58, 500});
    efectos.reloj = [&] { return inicio.addMSecs(desde.elapsed()); };
    Bandeja bandeja(efectos, notificador, Destinos_bandeja{},
                    [](const Fecha& f) {
                        return f == Fecha{25, 7, 2003} ? std::vector<Vuelta>{{"Ana", Kin{153}}}
                                                       : std::vector<Vuelta>{};
                    },
                    QString());
    ASSERT_EQ(notificador.avisos.size(), 1u);
    EXPECT_TRUE(bandeja.Texto_icono().startsWith(QStringLiteral("Kin 152 ")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return notificador.avisos.size() == 2; }, 5000));
    EXPECT_TRUE(bandeja.Texto_icono().startsWith(QStringLiteral("Kin 153 ")));
    EXPECT_EQ(notificador.avisos[1].first, QStringLiteral("Kin 153 · Caminante del Cielo Planetario Rojo"));
    EXPECT_EQ(notificador.avisos[1].second,
              QStringLiteral("13 Lunas: Día fuera del tiempo\nHoy vuelve el kin de Ana: Kin 153\n"
                             "Portal de activación galáctica"))
        << notificador.avisos[1].second.toStdString();
}

// The timer's delay: to a second after the next local midnight, where a
// zone skips midnight too.
TEST(Vigia, HastaMañana) {
    const QTimeZone santiago("America/Santiago");
    const struct {
        QDateTime ahora;
        qint64 ms;
    } filas[] = {
        {{{2003, 4, 9}, {23, 59, 58, 500}}, 2500},
        {{{2003, 4, 9}, {0, 0}}, 86'401'000},
        {{{2003, 12, 31}, {12, 0}}, 43'201'000},
        // 11 Sep 2022 began at 01:00 in Santiago: half an hour after 23:30.
        {{{2022, 9, 10}, {23, 30}, santiago}, 1'801'000},
    };
    for (const auto& f : filas)
        EXPECT_EQ(Vigia_dia::Milisegundos_hasta_mañana(f.ahora), f.ms) << f.ahora.toString(Qt::ISODate).toStdString();
}

// The entry as a desktop reads it: desktop-file-validate passes it and
// GLib's key file and argument splitter give back the program's path, whatever it holds.
TEST(Arranque, EntradaValidaParaCadaRuta) {
    const char* rutas[] = {"/usr/bin/talmiroc", "/opt/mi talmiroc/talmiroc", "/tmp/a\"b$c`d\\e/talmiroc",
                           "/tmp/100%/talmiroc", "/tmp/ñandú/talmiroc"};
    for (const char* r : rutas) {
        SCOPED_TRACE(r);
        const QString ruta = QString::fromUtf8(r);
        ASSERT_EQ(Poner_arranque(true, ruta), QString());
        QProcess validar;
        validar.start(QStringLiteral("desktop-file-validate"), {Ruta_arranque()});
        ASSERT_TRUE(validar.waitForFinished());
        EXPECT_EQ(validar.exitCode(), 0);
        EXPECT_EQ(validar.readAll().toStdString(), "");
        QProcess leer;
        leer.start(QStringLiteral("/usr/bin/python3"),
                   {QStringLiteral("-c"),
                    QStringLiteral("import sys; from gi.repository import GLib; k=GLib.KeyFile();"
                                   "k.load_from_file(sys.argv[1], 0); a=GLib.shell_parse_argv("
                                   "k.get_string('Desktop Entry', 'Exec'))[1]; sys.stdout.write('\\n'.join(a))"),
                    Ruta_arranque()});
        ASSERT_TRUE(leer.waitForFinished());
        EXPECT_EQ(QString::fromUtf8(leer.readAllStandardOutput()).replace(QLatin1String("%%"), QLatin1String("%")).toStdString(),
                  (ruta + QStringLiteral("\n--bandeja")).toStdString());
    }
    Notificador_grabado notificador;
    Efectos_grabados efectos;
    Bandeja bandeja(efectos, notificador, Destinos_bandeja{}, Vueltas_de{}, QStringLiteral("/usr/bin/talmiroc"));
    QAction* iniciar = Accion(bandeja, "Iniciar con la sesión");
    ASSERT_TRUE(iniciar && iniciar->isChecked()) << "the box tells the entry that is there";
    iniciar->setChecked(false);
    EXPECT_FALSE(QFile::exists(Ruta_arranque()));
    iniciar->setChecked(true);
    EXPECT_TRUE(QFile::exists(Ruta_arranque()));
    EXPECT_TRUE(efectos.mensajes.empty());
}

}  // namespace
}  // namespace talmiroc::prueba

namespace talmiroc::prueba {
namespace {

// The tray's notice names whoever of the book returns that day, read from the
// book on disk: Ana (9 April 2003, kin 46) on one of her returns, nobody the
// day before, nobody in an empty book.
TEST(Bandeja, LasVueltasDelLibroEnDisco) {
    const Vueltas_de vueltas = Vueltas_del_libro();
    EXPECT_TRUE(vueltas({28, 6, 2027}).empty()) << "no book yet";
    personas::Libro libro(personas::Ruta_libro(std::getenv("XDG_DATA_HOME"), nullptr));
    libro.Abrir();
    personas::Cambio alta{personas::Cambio::Tipo::añadir, {}, {"Ana", {9, 4, 2003}}};
    ASSERT_TRUE(libro.Aplicar(alta).aplicado);
    const std::vector<Vuelta> hoy = vueltas({28, 6, 2027});
    ASSERT_EQ(hoy.size(), 1u);
    EXPECT_EQ(hoy[0].nombre, "Ana");
    EXPECT_EQ(hoy[0].kin, Kin(46));
    EXPECT_TRUE(vueltas({27, 6, 2027}).empty());
}

}  // namespace
}  // namespace talmiroc::prueba
