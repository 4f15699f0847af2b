// Talmiroc: the galactic count of a Gregorian date, in one window, and the
// count over time (moon, harmonic module, wavespell) in a second one.
#include <cstdio>
#include <optional>
#include <string_view>

#include <QApplication>
#include <QLocale>

#include "apoyo_qt.h"
#include "calendario.h"
#include "efectos_qt.h"
#include "enlace.h"
#include "idioma_qt.h"
#include "papel.h"
#include "paginas.h"

namespace {

// %1 lists the languages.
constexpr char ayuda[] = QT_TRANSLATE_NOOP(
    "main",
    "Uso: talmiroc [--idioma IDIOMA] [--luna|--modulo|--onda [DÍA MES AÑO]]\n"
    "       talmiroc --luna|--año|--modulo|--onda [DÍA MES AÑO] --pdf ARCHIVO [--papel a4|carta]\n"
    "\n"
    "Sin opciones abre la ventana del día en la fecha de hoy.\n"
    "  --luna [DÍA MES AÑO]    los 28 días de la luna de la fecha\n"
    "  --modulo [DÍA MES AÑO]  el módulo armónico, con el kin de la fecha\n"
    "  --onda [DÍA MES AÑO]    la onda encantada del kin de la fecha\n"
    "  --año [DÍA MES AÑO]     el año de trece lunas de la fecha (con --pdf; sin él, su luna)\n"
    "  --pdf ARCHIVO           escribe las hojas en ARCHIVO, sin abrir ventana:\n"
    "                          la luna en una hoja, el año en 15 (portada, el año\n"
    "                          en una hoja y 13 lunas), el módulo en una (con fecha,\n"
    "                          su kin resaltado), la onda encantada en una\n"
    "  --papel a4|carta        el papel del PDF; si no, carta donde se mide en\n"
    "                          pulgadas y A4 en los demás lugares\n"
    "  --idioma %1       el idioma de las ventanas; sin él, el del sistema\n"
    "  --help                  esta ayuda\n"
    "Sin fecha, hoy. La fecha se lee como la leen las tres casillas de la ventana.\n"
    "En la ventana del día, el menú contextual (botón derecho o tecla Menú) y\n"
    "Ctrl+L, Ctrl+M y Ctrl+O abren las mismas páginas.\n");

std::optional<talmiroc::Pagina_tiempo> Pagina_de(std::string_view opcion) {
    using talmiroc::Pagina_tiempo;
    if (opcion == "--luna" || opcion == "--año") return Pagina_tiempo::luna;
    if (opcion == "--modulo") return Pagina_tiempo::modulo;
    if (opcion == "--onda") return Pagina_tiempo::onda;
    return std::nullopt;
}

// The codes of idiomas.def: "es|en|pt".
QString Codigos() {
    QStringList codigos;
    for (const talmiroc::Palabras* p : talmiroc::idiomas) codigos << talmiroc::Texto(p->idioma);
    return codigos.join(QLatin1Char('|'));
}

// A text for standard output or error, in the language of `p`.
void Escribir(std::FILE* salida, const talmiroc::Palabras& p, const char* texto,
              const QString& a1 = {}, const QString& a2 = {}) {
    QString t = talmiroc::Traducir(p, "main", texto);
    if (!a1.isNull()) t = t.arg(a1);
    if (!a2.isNull()) t = t.arg(a2);
    std::fputs(t.toUtf8().constData(), salida);
}

// The pages as a PDF, with no window and no display: the offscreen platform
// gives Qt its fonts. Without a date, today's moon or year, and the module
// with no kin highlighted.
int Escribir_hojas(const char* archivo, talmiroc::Hojas hojas, std::optional<talmiroc::Fecha> fecha,
                   std::optional<QPageSize> papel, const talmiroc::Palabras& idioma, int argc,
                   char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A machine with no session has no runtime folder, which Qt warns about
    // though the PDF never needs one.
    static QtMessageHandler qt = nullptr;
    qt = qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext& c, const QString& m) {
        if (!m.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR"))) qt(tipo, c, m);
    });
    QGuiApplication app(argc, argv);
    talmiroc::Fijar_idioma(idioma);
    const QDate hoy = QDate::currentDate();
    const talmiroc::Pedido_hojas pedido{
        hojas, fecha.value_or(talmiroc::Fecha{hoy.day(), hoy.month(), hoy.year()}),
        fecha.has_value()};
    const QString error =
        talmiroc::Escribir_pdf(QString::fromLocal8Bit(archivo), pedido,
                               papel.value_or(talmiroc::Papel_del_lugar(QLocale())));
    if (error.isEmpty()) return 0;
    std::fprintf(stderr, "talmiroc: %s\n", error.toLocal8Bit().constData());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    // Our options are read before Qt's: --help and a refused date need no
    // display. The language first, which every other message is said in:
    // --idioma's, or else the system's.
    const talmiroc::Palabras* idioma = &talmiroc::Idioma_del_entorno();
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) != "--idioma") continue;
        if (i + 1 == argc) {
            Escribir(stderr, *idioma,
                     QT_TRANSLATE_NOOP("main", "talmiroc: falta el idioma tras --idioma; son %1\n"),
                     Codigos());
            return 2;
        }
        const talmiroc::Palabras* elegido = talmiroc::Palabras_idioma(argv[++i]);
        if (!elegido) {
            Escribir(stderr, *idioma,
                     QT_TRANSLATE_NOOP("main", "talmiroc: idioma desconocido: %1; son %2\n"),
                     QString::fromLocal8Bit(argv[i]), Codigos());
            return 2;
        }
        idioma = elegido;
    }

    std::optional<talmiroc::Pagina_tiempo> pagina;
    std::optional<talmiroc::Fecha> fecha;
    bool año = false;
    const char* pdf = nullptr;
    const char* papel = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--help") {
            Escribir(stdout, *idioma, ayuda, Codigos());
            return 0;
        }
        if (a == "--idioma") {
            ++i;  // read above
            continue;
        }
        if (a == "--pdf" || a == "--papel") {
            if (i + 1 == argc) {
                Escribir(stderr, *idioma,
                         QT_TRANSLATE_NOOP("main", "talmiroc: %1 espera un valor\n"),
                         QString::fromLatin1(argv[i]));
                return 2;
            }
            (a == "--pdf" ? pdf : papel) = argv[++i];
            continue;
        }
        const std::optional<talmiroc::Pagina_tiempo> p = Pagina_de(a);
        if (!p) continue;  // Qt's own options
        if (pagina) {
            Escribir(
                stderr, *idioma,
                QT_TRANSLATE_NOOP("main", "talmiroc: una sola de --luna, --modulo y --onda\n"));
            return 2;
        }
        pagina = p;
        año = a == "--año";
        int valores = 0;
        while (valores < 3 && i + 1 + valores < argc &&
               !talmiroc::Parece_opcion(argv[i + 1 + valores]))
            ++valores;
        if (valores == 0) continue;
        if (valores < 3) {
            Escribir(stderr, *idioma,
                     QT_TRANSLATE_NOOP("main", "talmiroc: %1 espera una fecha: DÍA MES AÑO\n"),
                     QString::fromLatin1(argv[i]));
            return 2;
        }
        const talmiroc::Veredicto v =
            talmiroc::Comprobar_fecha(argv[i + 1], argv[i + 2], argv[i + 3], *idioma);
        if (const auto* rechazo = std::get_if<talmiroc::Rechazo>(&v)) {
            std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(idioma->titulo_fecha.size()),
                         idioma->titulo_fecha.data(), static_cast<int>(rechazo->mensaje.size()),
                         rechazo->mensaje.data());
            return 1;
        }
        fecha = std::get<talmiroc::Fecha>(v);
        if (!talmiroc::Es_real(*fecha)) {
            // The day window reads 31 April as 1 May; a page shows real days only.
            Escribir(stderr, *idioma,
                     QT_TRANSLATE_NOOP("main",
                                       "talmiroc: %1 no es una fecha del calendario; "
                                       "las páginas piden una fecha real\n"),
                     QStringLiteral("%1-%2-%3").arg(fecha->dia).arg(fecha->mes).arg(fecha->año));
            return 1;
        }
        i += 3;
    }

    if (pdf || papel) {
        const std::optional<QPageSize> tamaño =
            papel ? talmiroc::Papel_de_nombre(QString::fromLocal8Bit(papel)) : std::nullopt;
        if (!pdf || !pagina) {
            Escribir(stderr, *idioma,
                     pdf ? QT_TRANSLATE_NOOP(
                               "main", "talmiroc: --pdf va con --luna, --año, --modulo u --onda\n")
                         : QT_TRANSLATE_NOOP("main", "talmiroc: --papel va con --pdf\n"));
            return 2;
        }
        if (papel && !tamaño) {
            Escribir(stderr, *idioma,
                     QT_TRANSLATE_NOOP("main", "talmiroc: --papel es a4 o carta, no «%1»\n"),
                     QString::fromLocal8Bit(papel));
            return 2;
        }
        const talmiroc::Hojas hojas[] = {talmiroc::Hojas::luna, talmiroc::Hojas::modulo,
                                         talmiroc::Hojas::onda};
        return Escribir_hojas(pdf, año ? talmiroc::Hojas::año : hojas[static_cast<int>(*pagina)],
                              fecha, tamaño, *idioma, argc, argv);
    }

    QApplication app(argc, argv);
    talmiroc::Fijar_idioma(*idioma);
    talmiroc::Efectos_qt efectos;
    talmiroc::Calendario ventana(efectos);
    talmiroc::Enlazar(ventana, efectos);
    if (pagina) {
        ventana.Abrir_tiempo(*pagina, fecha);
    } else {
        ventana.Abrir();
    }
    return app.exec();
}
