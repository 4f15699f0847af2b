// Talmiroc: the galactic count of a Gregorian date, in one window, and the
// count over time (moon, harmonic module, wavespell) in a second one.
#include <cstdio>
#include <optional>
#include <string_view>

#include <QApplication>
#include <QLocale>

#include "apoyo_qt.h"
#include "tarjeta.h"
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
    "       talmiroc --luna|--año|--modulo [DÍA MES AÑO] --pdf ARCHIVO [--papel a4|carta]\n"
    "       talmiroc --tarjeta [DÍA MES AÑO] --png ARCHIVO | --svg ARCHIVO\n"
    "                [--forma cuadrada|vertical|ancha]\n"
    "\n"
    "Sin opciones abre la ventana del día en la fecha de hoy.\n"
    "  --luna [DÍA MES AÑO]    los 28 días de la luna de la fecha\n"
    "  --modulo [DÍA MES AÑO]  el módulo armónico, con el kin de la fecha\n"
    "  --onda [DÍA MES AÑO]    la onda encantada del kin de la fecha\n"
    "  --año [DÍA MES AÑO]     el año de trece lunas de la fecha (con --pdf; sin él, su luna)\n"
    "  --pdf ARCHIVO           escribe las hojas en ARCHIVO, sin abrir ventana:\n"
    "                          la luna en una hoja, el año en 14 (portada y 13 lunas),\n"
    "                          el módulo en una (con fecha, su kin resaltado)\n"
    "  --papel a4|carta        el papel del PDF; si no, carta donde se mide en\n"
    "                          pulgadas y A4 en los demás lugares\n"
    "  --tarjeta [DÍA MES AÑO] la tarjeta del kin de la fecha, sin abrir ventana:\n"
    "                          --png ARCHIVO la escribe como imagen PNG,\n"
    "                          --svg ARCHIVO como SVG (las dos, si se piden)\n"
    "  --forma cuadrada|vertical|ancha  1080 × 1080 (si no se dice), 1080 × 1920\n"
    "                          o 1200 × 630\n"
    "  --idioma %1       el idioma de las ventanas; sin él, el del sistema\n"
    "  --help                  esta ayuda\n"
    "Sin fecha, hoy. La fecha se lee como la leen las tres casillas de la ventana.\n"
    "En la ventana del día, el menú contextual (botón derecho o tecla Menú) y\n"
    "Ctrl+L, Ctrl+M y Ctrl+O abren las mismas páginas.\n");

// Starts Qt with no display for a file: the offscreen platform gives Qt its
// fonts. A machine with no session has no runtime folder, which Qt warns
// about though no file needs one.
void Sin_pantalla() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QtMessageHandler qt = nullptr;
    qt = qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext& c, const QString& m) {
        if (!m.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR"))) qt(tipo, c, m);
    });
}

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
    Sin_pantalla();
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

// The kin card of the date (today without one) as PNG, SVG or both, with no
// window and no display.
int Escribir_tarjetas(const char* png, const char* svg, talmiroc::Forma_tarjeta forma,
                      std::optional<talmiroc::Fecha> fecha, const talmiroc::Palabras& idioma,
                      int argc, char** argv) {
    Sin_pantalla();
    QGuiApplication app(argc, argv);
    talmiroc::Fijar_idioma(idioma);
    const QDate hoy = QDate::currentDate();
    const talmiroc::Tarjeta tarjeta =
        talmiroc::Tarjeta_dia(fecha.value_or(talmiroc::Fecha{hoy.day(), hoy.month(), hoy.year()}), idioma);
    int estado = 0;
    for (const auto& [archivo, formato] :
         {std::pair{png, talmiroc::Formato_tarjeta::png}, std::pair{svg, talmiroc::Formato_tarjeta::svg}}) {
        if (!archivo) continue;
        const QString error =
            talmiroc::Escribir_tarjeta(QString::fromLocal8Bit(archivo), tarjeta, forma, formato);
        if (error.isEmpty()) continue;
        std::fprintf(stderr, "talmiroc: %s\n", error.toLocal8Bit().constData());
        estado = 1;
    }
    return estado;
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
    bool año = false, modulo = false, tarjeta = false;
    const char* pdf = nullptr;
    const char* papel = nullptr;
    const char* png = nullptr;
    const char* svg = nullptr;
    const char* forma = nullptr;
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
        if (a == "--pdf" || a == "--papel" || a == "--png" || a == "--svg" || a == "--forma") {
            if (i + 1 == argc) {
                Escribir(stderr, *idioma,
                         QT_TRANSLATE_NOOP("main", "talmiroc: %1 espera un valor\n"),
                         QString::fromLatin1(argv[i]));
                return 2;
            }
            (a == "--pdf"     ? pdf
             : a == "--papel" ? papel
             : a == "--png"   ? png
             : a == "--svg"   ? svg
                              : forma) = argv[++i];
            continue;
        }
        const std::optional<talmiroc::Pagina_tiempo> p =
            a == "--tarjeta" ? std::optional(talmiroc::Pagina_tiempo::luna) : Pagina_de(a);
        if (!p) continue;  // Qt's own options
        if (pagina) {
            Escribir(
                stderr, *idioma,
                QT_TRANSLATE_NOOP("main", "talmiroc: una sola de --luna, --modulo y --onda\n"));
            return 2;
        }
        pagina = p;
        tarjeta = a == "--tarjeta";
        año = a == "--año";
        modulo = a == "--modulo";
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
        i += 3;
    }

    if (tarjeta || png || svg || forma) {
        const std::optional<talmiroc::Forma_tarjeta> f =
            forma ? talmiroc::Forma_de_nombre(forma) : talmiroc::Forma_tarjeta::cuadrada;
        if (!tarjeta || !(png || svg) || pdf || papel) {
            Escribir(stderr, *idioma,
                     !tarjeta ? QT_TRANSLATE_NOOP("main", "talmiroc: --png, --svg y --forma van con --tarjeta\n")
                              : QT_TRANSLATE_NOOP("main", "talmiroc: --tarjeta va con --png o --svg\n"));
            return 2;
        }
        if (!f) {
            Escribir(stderr, *idioma,
                     QT_TRANSLATE_NOOP("main", "talmiroc: --forma es cuadrada, vertical o ancha, no «%1»\n"),
                     QString::fromLocal8Bit(forma));
            return 2;
        }
        return Escribir_tarjetas(png, svg, *f, fecha, *idioma, argc, argv);
    }

    if (pdf || papel) {
        const std::optional<QPageSize> tamaño =
            papel ? talmiroc::Papel_de_nombre(QString::fromLocal8Bit(papel)) : std::nullopt;
        if (!pdf || !pagina || *pagina == talmiroc::Pagina_tiempo::onda) {
            Escribir(
                stderr, *idioma,
                pdf ? QT_TRANSLATE_NOOP("main", "talmiroc: --pdf va con --luna, --año o --modulo\n")
                    : QT_TRANSLATE_NOOP("main", "talmiroc: --papel va con --pdf\n"));
            return 2;
        }
        if (papel && !tamaño) {
            Escribir(stderr, *idioma,
                     QT_TRANSLATE_NOOP("main", "talmiroc: --papel es a4 o carta, no «%1»\n"),
                     QString::fromLocal8Bit(papel));
            return 2;
        }
        return Escribir_hojas(pdf,
                              año      ? talmiroc::Hojas::año
                              : modulo ? talmiroc::Hojas::modulo
                                       : talmiroc::Hojas::luna,
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
