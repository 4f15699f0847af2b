// Talmiroc: the galactic count of a Gregorian date, in one window, and the
// count over time (moon, harmonic module, wavespell) in a second one, or on
// paper with no window at all.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include <QApplication>
#include <QLocale>

#include "apoyo_qt.h"
#include "aviso.h"
#include "calendario.h"
#include "efectos_qt.h"
#include "fuentes.h"
#include "enlace.h"
#include "idioma_qt.h"
#include "importar.h"
#include "opciones.h"
#include "pagina_personas.h"
#include "papel.h"
#include "paginas.h"

namespace {

// Says `texto` on `salida` and checks that it was written.
bool Decir(std::FILE* salida, const QString& texto) {
    const QByteArray bytes = texto.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), salida);
    return std::fflush(salida) == 0 && !std::ferror(salida);
}

// A text of the "main" context, in the language of `p`.
QString Texto_main(const talmiroc::Palabras& p, const talmiroc::Error_uso& e) {
    QString t = talmiroc::Traducir(p, "main", e.texto);
    if (!e.a1.isNull()) t = t.arg(e.a1);
    if (!e.a2.isNull()) t = t.arg(e.a2);
    return t;
}

// Runs `escribir` on the date asked for (today without one) under Qt for a
// file, with no window and no display, whatever platform the line names:
// the offscreen platform gives Qt its fonts, and Qt's own options are not
// Qt's business in a file. A machine with no session has no runtime folder,
// which Qt warns about though no file needs one.
template <typename Escribir>
int Sin_pantalla(const talmiroc::Pedido_programa& p, std::optional<talmiroc::Fecha> fecha,
                 char* programa, Escribir escribir) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QtMessageHandler qt = nullptr;
    qt = qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext& c, const QString& m) {
        if (!m.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR"))) qt(tipo, c, m);
    });
    int argc = 1;
    char* argv[] = {programa, nullptr};
    QGuiApplication app(argc, argv);
    talmiroc::Fijar_idioma(*p.idioma);
    const QDate hoy = QDate::currentDate();
    return escribir(fecha.value_or(talmiroc::Fecha{hoy.day(), hoy.month(), hoy.year()}));
}

// A file's failure, said on its line.
int Fallo_archivo(const QString& error) {
    if (error.isEmpty()) return 0;
    Decir(stderr, QStringLiteral("talmiroc: ") + error + QLatin1Char('\n'));
    return 1;
}

// The pages as a PDF. Without a date, today's moon or year, and the module
// with no kin highlighted.
int Escribir_hojas(const talmiroc::Pedido_programa& p, std::optional<talmiroc::Fecha> fecha,
                   char* programa) {
    return Sin_pantalla(p, fecha, programa, [&](const talmiroc::Fecha& dia) {
        const talmiroc::Pedido_hojas pedido{*p.hojas, dia, fecha.has_value()};
        return Fallo_archivo(talmiroc::Escribir_pdf(
            *p.pdf, pedido, p.papel.value_or(talmiroc::Papel_del_lugar(QLocale()))));
    });
}

// The kin card of the date (today's without one) in the files asked for,
// PNG first; each failure said on its line.
int Escribir_tarjetas(const talmiroc::Pedido_programa& p, std::optional<talmiroc::Fecha> fecha,
                      char* programa) {
    return Sin_pantalla(p, fecha, programa, [&](const talmiroc::Fecha& dia) {
        const talmiroc::Tarjeta tarjeta = talmiroc::Tarjeta_dia(dia, *p.idioma);
        int estado = 0;
        for (const auto& [ruta, formato] : {std::pair{p.png, talmiroc::Formato_tarjeta::png},
                                            std::pair{p.svg, talmiroc::Formato_tarjeta::svg}}) {
            if (ruta && Fallo_archivo(talmiroc::Escribir_tarjeta(*ruta, tarjeta, p.forma, formato)))
                estado = 1;
        }
        return estado;
    });
}

// Adds the people of a vCard or CSV file to the book, with no window: the
// summary on standard output, status 0; a file that cannot be imported, a
// book that cannot be read or a save that fails said on standard error,
// status 1, and nobody added.
int Importar_personas(const talmiroc::Pedido_programa& p, char* programa) {
    return Sin_pantalla(p, std::nullopt, programa, [&](const talmiroc::Fecha&) {
        using talmiroc::Pagina_personas;
        namespace personas = talmiroc::personas;
        const QString archivo = QString::fromLocal8Bit(*p.importar);
        const std::string ruta = personas::Ruta_libro(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
        personas::Libro libro(ruta);
        const QString al_libro = QString::fromStdString(ruta);
        if (!libro.Abrir().ok()) {
            return Fallo_archivo(QCoreApplication::translate(
                                     "talmiroc::Pagina_personas",
                                     "El libro de personas %1 no se puede leer (%2); no se añadió a nadie.")
                                     .arg(al_libro, Pagina_personas::Texto_defecto(libro.Lectura())));
        }
        personas::Importacion i = personas::Leer_archivo_importacion(*p.importar, *p.idioma);
        if (!i.ok()) return Fallo_archivo(Pagina_personas::Fallo_importacion(i, archivo));
        const personas::Libro::Resultado r = personas::Importar(libro, i);
        if (r.error != 0) {
            return Fallo_archivo(QCoreApplication::translate(
                                     "talmiroc::Pagina_personas",
                                     "No se pudo guardar el libro de personas %1: %2. No se añadió a nadie.")
                                     .arg(al_libro, QString::fromLocal8Bit(std::strerror(r.error))));
        }
        return Decir(stdout, Pagina_personas::Resumen_importacion(i).join(QLatin1Char('\n')) +
                                 QLatin1Char('\n'))
                   ? 0
                   : 1;
    });
}

}  // namespace

int main(int argc, char** argv) {
    // A file-size limit is a failed write that is reported, not a kill.
    std::signal(SIGXFSZ, SIG_IGN);
    // Our options are read before Qt's: --help, a usage error and a refused
    // date need no display.
    talmiroc::Pedido_programa p;
    if (const auto error = talmiroc::Leer_programa({argv + 1, argv + argc}, p)) {
        Decir(stderr, Texto_main(*p.idioma, *error));
        return 2;
    }
    if (p.ayuda) {
        if (Decir(stdout, talmiroc::Ayuda_programa(*p.idioma))) return 0;
        const int error = errno;
        Decir(stderr, Texto_main(*p.idioma,
                                 {QT_TRANSLATE_NOOP("main", "talmiroc: no se pudo escribir la ayuda: %1\n"),
                                  QString::fromLocal8Bit(std::strerror(error))}));
        return 1;
    }
    std::optional<talmiroc::Fecha> fecha;
    if (!p.fecha.empty()) {
        const talmiroc::Veredicto v =
            talmiroc::Comprobar_fecha(p.fecha[0], p.fecha[1], p.fecha[2], *p.idioma);
        if (const auto* rechazo = std::get_if<talmiroc::Rechazo>(&v)) {
            std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(p.idioma->titulo_fecha.size()),
                         p.idioma->titulo_fecha.data(), static_cast<int>(rechazo->mensaje.size()),
                         rechazo->mensaje.data());
            return 1;
        }
        fecha = std::get<talmiroc::Fecha>(v);
        if (!talmiroc::Es_real(*fecha)) {
            // The day window reads 31 April as 1 May; a page shows real days only.
            Decir(stderr, Texto_main(*p.idioma,
                                     {QT_TRANSLATE_NOOP("main",
                                                        "talmiroc: %1 no es una fecha del calendario; "
                                                        "las páginas piden una fecha real\n"),
                                      QStringLiteral("%1-%2-%3")
                                          .arg(fecha->dia)
                                          .arg(fecha->mes)
                                          .arg(fecha->año)}));
            return 1;
        }
    }
    if (p.pdf) return Escribir_hojas(p, fecha, argv[0]);
    if (p.tarjeta) return Escribir_tarjetas(p, fecha, argv[0]);
    if (p.importar) return Importar_personas(p, argv[0]);

    talmiroc::Fuentes_adelantadas fuentes;
    QApplication app(argc, argv);
    talmiroc::Fijar_idioma(*p.idioma);
    talmiroc::Efectos_qt efectos;
    fuentes.Esperar();
    if (p.bandeja) {
        talmiroc::Notificador_dbus notificador;
        return talmiroc::Correr_bandeja(efectos, notificador, talmiroc::Vueltas_del_libro());
    }
    talmiroc::Calendario ventana(efectos);
    talmiroc::Enlazar(ventana, efectos);
    if (p.pagina) {
        ventana.Abrir_tiempo(*p.pagina, fecha);
    } else {
        ventana.Abrir();
    }
    return app.exec();
}
