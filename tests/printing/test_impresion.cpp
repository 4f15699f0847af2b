// Imprimir for real: the window on one page of the default queue, the dialog
// when there is no default printer, the message when a print cannot start.
// The window is reached through its controls' names, as a person reaches it
// through what it shows.
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "calendario_prueba.h"
#include "cups.h"
#include "impresion.h"
#include "mensajes.h"

namespace talmiroc::prueba {
namespace {

using namespace std::chrono_literals;

// The printers the test chooses: by default the system's default one, and a
// dialog that the user cancels.
struct Impresoras_prueba final : Impresoras {
    std::function<std::unique_ptr<QPrinter>()> predeterminada = [] {
        return Impresoras_qt().Predeterminada();
    };
    std::function<std::unique_ptr<QPrinter>()> dialogo = [] { return nullptr; };
    int pedidas = 0, dialogos = 0;

    std::unique_ptr<QPrinter> Predeterminada() override { return ++pedidas, predeterminada(); }
    std::unique_ptr<QPrinter> Elegir(QWidget&) override { return ++dialogos, dialogo(); }
};

// A window that has calculated 9 April 2003 (Kin 46, the white
// world-bridger) and prints for real on `impresoras`, messages noted.
struct Ventana : Ventana_en_dia {
    Ventana() : Ventana_en_dia(QDate(2010, 1, 1)) {
        efectos.imprimir = [this](QWidget& v, const QString& documento, const Escritor_pdf& hojas) {
            if (!hojas) return Imprimir_ventana(v, documento, impresoras, efectos);
            if (Imprimir_hojas(v, documento, impresoras, hojas) == Resultado_impresion::fallida)
                efectos.Mensaje(QStringLiteral("fallida"), documento, Icono::error);
        };
        Calcular(QDate(2003, 4, 9));
    }
    void Imprimir() { QTest::mouseClick(c.Command1, Qt::LeftButton); }

    Impresoras_prueba impresoras;
};

Mensaje_grabado Mensaje(std::string_view texto, std::string_view titulo, Icono icono) {
    return {talmiroc::Texto(texto), talmiroc::Texto(titulo), icono};
}
const std::vector<Mensaje_grabado> ninguno;

// The rows of a table are named by their `nombre`.
template <typename Fila>
    requires requires(const Fila& x) { x.nombre; }
void PrintTo(const Fila& x, std::ostream* os) {
    *os << x.nombre;
}
const auto por_nombre = [](const auto& info) { return std::string(info.param.nombre); };

std::unique_ptr<QPrinter> Impresora_archivo(const QString& archivo) {
    auto impresora = std::make_unique<QPrinter>(QPrinter::HighResolution);
    impresora->setOutputFormat(QPrinter::PdfFormat);
    impresora->setOutputFileName(archivo);
    return impresora;
}

// Where the window lands on a page, in points: scaled into the printable
// area with its proportions kept, centred.
struct Colocacion {
    QPointF origen;
    double escala;  // points per pixel of the window

    QRectF En_hoja(const QRect& caja) const {
        return {origen + QPointF(caja.topLeft()) * escala, QSizeF(caja.size()) * escala};
    }
};

Colocacion Colocar(const QPageLayout& hoja, QSizeF ventana) {
    const QRectF area = hoja.paintRect(QPageLayout::Point);
    const double escala =
        std::min(area.width() / ventana.width(), area.height() / ventana.height());
    const QSizeF libre = area.size() - ventana * escala;
    return {area.topLeft() + QPointF(libre.width(), libre.height()) / 2, escala};
}

// A bitmap on the page this tall (in points) is a seal glyph, or the whole
// window, sent as a picture: three quarters of the smallest glyph shown. The
// button faces that the style paints from pixmaps, and the strips where a
// renderer flattens a shadow, stay lower.
double Alto_sospechoso(const QWidget& v, const Colocacion& c) {
    int alto = v.height();
    for (const Imagen* i : v.findChildren<Imagen*>()) {
        if (i->isVisible() && !i->objectName().startsWith(QLatin1String("tono(")))
            alto = std::min(alto, i->height());
    }
    return 0.75 * alto * c.escala;
}

// The share of a box of the page that matches the picture drawn alone: both
// ink (dark), or both the same fill colour.
double Parecido(const QImage& pagina, const QRect& caja, const QString& recurso) {
    QImage dibujo(caja.size(), QImage::Format_RGB32);
    dibujo.fill(Qt::white);
    QPainter pintor(&dibujo);
    pintor.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(recurso).render(&pintor, QRectF(dibujo.rect()));
    pintor.end();
    int iguales = 0;
    for (int y = 0; y < caja.height(); ++y) {
        for (int x = 0; x < caja.width(); ++x) {
            const QColor a = dibujo.pixelColor(x, y),
                         b = pagina.pixelColor(caja.topLeft() + QPoint(x, y));
            const bool tinta = a.lightness() < 128;
            const int distancia = std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                                  std::abs(a.blue() - b.blue());
            if (tinta == (b.lightness() < 128) && (tinta || distancia < 90)) ++iguales;
        }
    }
    return static_cast<double>(iguales) / (caja.width() * caja.height());
}

// Imprimir with the private cups-pdf queue, left at Debian's default options,
// as the default printer: the window on one page, its glyphs drawings and its
// texts still text. (The queue's own renderer, ghostscript, turns a page with
// any transparency into one bitmap, and its glyphs into Type 3 shapes that no
// longer say which letters they are: Imprimir asks for another renderer.)
TEST(ColaPdf, LaVentanaEnUnaPaginaSinAplanar) {
    NECESITA(Sin_cola_pdf());
    Ventana p;
    ASSERT_EQ(p.c.fecha->Caption(), QStringLiteral("Fecha Gregoriana: 9-4-2003"));
    const QString cola = Cola_privada();
    const Carpeta_pdf carpeta;

    p.Imprimir();
    EXPECT_EQ(p.efectos.mensajes, ninguno);
    EXPECT_EQ(p.impresoras.dialogos, 0);

    ASSERT_TRUE(Esperar_cola_vacia(cola, 60s));
    const QStringList nuevos = carpeta.Esperar_nuevos(30s);
    ASSERT_EQ(nuevos.size(), 1) << nuevos.join(QLatin1Char(' ')).toStdString();
    const QString pdf = nuevos.front();
    EXPECT_TRUE(pdf.contains(QStringLiteral("Talmiroc_Kin_46")))
        << "job title: " << pdf.toStdString();
    EXPECT_EQ(Paginas(pdf), 1);
    const QString texto = Texto(pdf);
    for (const char* pieza : {"Fecha Gregoriana: 9-4-2003", "Kin 46"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(pieza))) << texto.toStdString();

    const QPageLayout hoja =
        QPrinter(QPrinterInfo::printerInfo(cola), QPrinter::HighResolution).pageLayout();
    const Colocacion colocacion = Colocar(hoja, p.ventana->size());
    EXPECT_LT(Alto_de_imagen_mas_alta(pdf), Alto_sospechoso(*p.ventana, colocacion))
        << "text and glyphs go out as drawings, not as a bitmap";

    constexpr double ppp = 100;
    const QImage pagina = Pagina_png(pdf, ppp);
    const QSizeF hoja_ppp = hoja.fullRect(QPageLayout::Point).size() * ppp / 72;
    EXPECT_NEAR(pagina.width(), hoja_ppp.width(), 2);
    EXPECT_NEAR(pagina.height(), hoja_ppp.height(), 2);
    const Imagen& sello = *(*p.c.Arreglo_de(6))[0];  // Enlazador de Mundos, the large glyph
    ASSERT_TRUE(sello.isVisible());
    const QRectF caja = colocacion.En_hoja(sello.geometry());
    const QRect en_pagina(QRectF(caja.topLeft() * ppp / 72, caja.size() * ppp / 72).toRect());
    ASSERT_TRUE(pagina.rect().contains(en_pagina));
    EXPECT_GT(Parecido(pagina, en_pagina, sello.Recurso()), 0.9)
        << "the world-bridger, outline and white fill, where the large glyph stands";
}

// No default printer: the dialog decides (cancelled: SistemaCaido).
TEST(SinPredeterminada, ElDialogoPuedeImprimirEnUnArchivoPdf) {
    NECESITA(Sin_poppler());
    QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath(QStringLiteral("ventana.pdf"));
    Ventana p;
    p.impresoras.predeterminada = [] { return nullptr; };
    p.impresoras.dialogo = [&] { return Impresora_archivo(archivo); };

    p.Imprimir();

    EXPECT_EQ(p.impresoras.dialogos, 1);
    EXPECT_EQ(p.efectos.mensajes, ninguno);
    EXPECT_EQ(Paginas(archivo), 1);
    EXPECT_EQ(Titulo(archivo), QStringLiteral("Talmiroc Kin 46"));
    EXPECT_TRUE(Texto(archivo).contains(QStringLiteral("Fecha Gregoriana: 9-4-2003")));
    EXPECT_EQ(Transparencias(archivo).join(QLatin1Char(' ')).toStdString(), "")
        << "the button faces and the boxes' shadows are composited onto white";
    EXPECT_LT(Alto_de_imagen_mas_alta(archivo),
              Alto_sospechoso(*p.ventana, Colocar(Impresora_archivo(archivo)->pageLayout(),
                                                  p.ventana->size())));
}

// A print that cannot start: one error message, and the window as it was.
struct Fallo {
    const char* nombre;
    bool en_cola;  // on the real print system
};

const Fallo fallos[] = {
    {"la_impresora_no_deja_pintar", false},
    {"la_cola_rechaza_el_trabajo", true},
};

// What the user sees: each child's visibility, place and caption.
QStringList Estado(const Calendario& v) {
    QStringList estado;
    for (const QWidget* w : v.findChildren<QWidget*>()) {
        const auto* e = qobject_cast<const Etiqueta*>(w);
        estado << QStringLiteral("%1 %2 %3 %4")
                      .arg(w->objectName())
                      .arg(w->isVisible())
                      .arg(QVariant(w->geometry()).toString(), e ? e->Caption() : QString());
    }
    return estado;
}

class FalloTest : public testing::TestWithParam<Fallo> {};

TEST_P(FalloTest, UnMensajeDeErrorYNadaMas) {
    std::optional<Cola_que_rechaza> rechaza;
    if (GetParam().en_cola) {
        NECESITA(Sin_cola_pdf());
        rechaza.emplace(QStringLiteral("Talmiroc_rechaza"));
        NECESITA(rechaza->lista ? std::nullopt
                                : std::optional<std::string>("lpadmin cannot add a queue here"));
    }
    const Carpeta_pdf carpeta;
    Ventana p;
    p.impresoras.predeterminada = [&] {
        return rechaza ? std::make_unique<QPrinter>(QPrinterInfo::printerInfo(rechaza->nombre))
                       : Impresora_archivo(QStringLiteral("/nonexistent/talmiroc/ventana.pdf"));
    };
    const QStringList antes = Estado(*p.ventana);

    p.Imprimir();

    EXPECT_EQ(p.efectos.mensajes,
              std::vector{Mensaje(mensaje_impresion_fallida, titulo_imprimir, Icono::error)});
    EXPECT_EQ(p.impresoras.dialogos, 0);
    EXPECT_EQ(Estado(*p.ventana), antes);
    EXPECT_EQ(carpeta.Nuevos(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Causas, FalloTest, testing::ValuesIn(fallos), por_nombre);

// The print system down, as the program sees it: CUPS_SERVER names the
// private system's socket, where no cupsd listens once it is stopped. No
// default printer, then, and the dialog the user cancels: nothing said.
TEST(SistemaCaido, PideElDialogoYNoImprime) {
    Apagar_sistema_privado();
    const Carpeta_pdf carpeta;
    Ventana p;

    p.Imprimir();

    EXPECT_EQ(p.impresoras.pedidas, 1);
    EXPECT_EQ(p.impresoras.dialogos, 1);
    EXPECT_EQ(p.efectos.mensajes, ninguno);
    EXPECT_EQ(carpeta.Nuevos(), QStringList());
}

// ---------------------------------------------------------------------------
// Calendars on paper, from the command line with no display and from the
// count over time's window

struct Salida {
    int estado;
    QString error;
};

Salida Talmiroc(const QStringList& argumentos, const char* lugar = nullptr) {
    QProcess p;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        entorno.remove(QLatin1String(v));
    if (lugar) entorno.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(lugar));
    p.setProcessEnvironment(entorno);
    p.start(QStringLiteral(TALMIROC_PROGRAMA), argumentos);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return {-1, {}};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

QStringList Lineas(const QString& programa, const QStringList& argumentos) {
    return Ejecutar(programa, argumentos)
        .value_or(QString())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Every page of a year against the count: each day of its moon, from the
// first to the 28th (or the Day Out of Time), with its short date and kin.
TEST(Papel, UnAñoDiaADia) {
    NECESITA(Sin_poppler());
    const QTemporaryDir carpeta;
    const QString pdf = carpeta.filePath(QStringLiteral("2027.pdf"));
    ASSERT_EQ(Talmiroc({QStringLiteral("--año"), QStringLiteral("1"), QStringLiteral("8"),
                        QStringLiteral("2027"), QStringLiteral("--pdf"), pdf})
                  .estado,
              0);
    ASSERT_EQ(Paginas(pdf), 15);
    EXPECT_EQ(Transparencias(pdf), QStringList());
    EXPECT_EQ(Lineas(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).size(), 2)
        << "the list's heading, and no image";
    const QStringList fuentes = Lineas(QStringLiteral("pdffonts"), {pdf}).mid(2);
    EXPECT_FALSE(fuentes.isEmpty());
    for (const QString& f : fuentes)
        EXPECT_TRUE(
            f.contains(QRegularExpression(QStringLiteral(" yes +(yes|no) +(yes|no) +\\d+ +\\d+$"))))
            << "not embedded: " << f.toStdString();
    const auto pagina = [&pdf](int n) {
        const QString p = QString::number(n);
        const QStringList argumentos = {QStringLiteral("-f"), p, QStringLiteral("-l"), p, pdf,
                                        QStringLiteral("-")};
        return Ejecutar(QStringLiteral("pdftotext"), argumentos).value_or(QString());
    };
    const QString año = pagina(2);
    EXPECT_EQ(año.count(QStringLiteral("0.0")), 2)
        << "the year on one page: 0.0 heads its column and is named once in the legend\n"
        << año.toStdString();
    for (int luna = 1; luna <= 13; ++luna) {
        const QString texto = pagina(luna + 2);  // after the cover and the year
        const Fecha hasta = luna == 13 ? Fuera_del_tiempo(2027) : Fecha_de_luna({2027, luna}, 28);
        for (Fecha f = Fecha_de_luna({2027, luna}, 1); f <= hasta; f = Siguiente(f)) {
            const QString kin =
                QStringLiteral("Kin %1 ·").arg(Calculo_kin(f.dia, f.mes, f.año).kin.valor);
            const QString corta = QStringLiteral("%1 %2").arg(f.dia).arg(
                talmiroc::Texto(palabras_es.meses_cortos[static_cast<std::size_t>(f.mes)]));
            EXPECT_TRUE(texto.contains(kin) && texto.contains(corta))
                << "moon " << luna << ": " << kin.toStdString() << " " << corta.toStdString();
        }
    }
}

// What is asked and what comes out: pages and paper, or the message and the
// status with nothing written.
struct Pedido {
    const char* nombre;
    QStringList argumentos;  // --pdf ARCHIVO follows, ARCHIVO in a fresh folder
    const char* archivo;
    int estado;
    const char* salida;   // pdfinfo's page size; or a piece of the message
    QStringList texto{};  // pieces of the page's text
    const char* lugar{};  // LC_ALL of the run, when not the tests' own
};

const Pedido pedidos[] = {
    {"luna_a4", {"--luna", "13", "11", "2013"}, "luna.pdf", 0, "842 x 595 pts (A4)"},
    {"modulo_carta", {"--modulo", "--papel", "carta"}, "m.pdf", 0, "612 x 792 pts (letter)"},
    {"fecha_rechazada", {"--año", "31", "2", "2027"}, "a.pdf", 1, "Fecha incorrecta"},
    {"carpeta_que_no_existe", {"--luna"}, "no/hay/l.pdf", 1, "no/hay/l.pdf"},
    {"archivo_que_es_carpeta", {"--luna"}, "", 1, "No se pudo escribir el archivo"},
    {"papel_desconocido", {"--luna", "--papel", "a3"}, "l.pdf", 2, "--papel"},
    {"pdf_sin_hojas", {}, "o.pdf", 2, "--pdf"},
    {"onda", {"--onda", "25", "7", "2003"}, "o.pdf", 0, "842 x 595 pts (A4)", {"10 Planetario"}},
    // Spanish as it is written, not as the day window spells it.
    {"onda_bien_escrita", {"--onda", "29", "2", "2016"}, "o.pdf", 0, "(A4)",
     {"Kin 69 Luna Autoexistente Roja"}},
    // Kin 153's oracle, as the published tables give it.
    {"modulo_oraculo", {"--modulo", "25", "7", "2003"}, "m.pdf", 0, "(A4)",
     {"Kin Antípoda: Kin 23 ", "Kin Análogo: Kin 166 "}},
    // With no --papel and no default printer, the paper of the place: Letter
    // only where US units are used; Britain measures in the metric system.
    {"lugar_en_US_carta", {"--luna"}, "l.pdf", 0, "792 x 612 pts (letter)", {}, "en_US.UTF-8"},
    {"lugar_es_US_carta", {"--luna"}, "l.pdf", 0, "792 x 612 pts (letter)", {}, "es_US.UTF-8"},
    {"lugar_en_GB_a4", {"--luna"}, "l.pdf", 0, "842 x 595 pts (A4)", {}, "en_GB.UTF-8"},
    {"lugar_pt_BR_a4", {"--luna"}, "l.pdf", 0, "842 x 595 pts (A4)", {}, "pt_BR.UTF-8"},
};

class PedidoTest : public testing::TestWithParam<Pedido> {};

TEST_P(PedidoTest, HojasOMensaje) {
    NECESITA(Sin_poppler());
    const Pedido& p = GetParam();
    const QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath(QString::fromUtf8(p.archivo));
    const Salida s =
        Talmiroc(p.argumentos + QStringList{QStringLiteral("--pdf"), archivo}, p.lugar);
    EXPECT_EQ(s.estado, p.estado) << s.error.toStdString();
    if (p.estado == 0) {
        EXPECT_EQ(Paginas(archivo), 1);
        EXPECT_TRUE(Ejecutar(QStringLiteral("pdfinfo"), {archivo})
                        .value_or(QString())
                        .contains(QString::fromUtf8(p.salida)));
        const QString texto = Texto(archivo);
        for (const QString& pieza : p.texto)
            EXPECT_TRUE(texto.contains(pieza)) << pieza.toStdString() << ": " << texto.toStdString();
    } else {
        EXPECT_TRUE(s.error.contains(QString::fromUtf8(p.salida))) << s.error.toStdString();
        EXPECT_EQ(QDir(carpeta.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                  QStringList())
            << "nothing written, not even beside the file";
    }
}

INSTANTIATE_TEST_SUITE_P(Pedidos, PedidoTest, testing::ValuesIn(pedidos), por_nombre);

// Every page in every language speaks only that language: no word of the
// Spanish names (seals, tones, colours, months, moons, special days, the
// oracle's places) that the language does not also use.
TEST(Papel, CadaHojaEnSuIdioma) {
    NECESITA(Sin_poppler());
    // Words of three letters and more; a word broken at its hyphen is also read joined.
    const QRegularExpression no_letra(QStringLiteral("[^\\w]+"),
                                      QRegularExpression::UseUnicodePropertiesOption);
    const auto separar = [&no_letra](const QString& texto) {
        return texto.toLower().split(no_letra, Qt::SkipEmptyParts);
    };
    const auto palabras = [&separar](const Palabras& p) {
        QSet<QString> v;
        const auto añadir = [&](std::string_view texto) {
            const QString t = talmiroc::Texto(texto);
            for (const QString& w : separar(t) + separar(QString(t).remove(QLatin1Char('-')))) {
                if (w.size() > 2) v.insert(w);
            }
        };
        const auto tablas = [&](const auto&... t) { (std::ranges::for_each(t, añadir), ...); };
        tablas(p.sellos, p.tonos_m, p.tonos_f, p.meses, p.meses_cortos, p.lunas, p.lugares_oraculo);
        for (const auto& c : p.colores) añadir(c.m), añadir(c.f);
        añadir(p.nombre_fuera_del_tiempo), añadir(p.nombre_hunab_ku);
        return v;
    };
    const QStringList hojas[] = {{"--luna", "29", "2", "2016"},
                                 {"--año", "13", "11", "2013"},
                                 {"--modulo", "25", "7", "2003"},
                                 {"--onda", "25", "7", "2003"}};
    const QSet<QString> españolas = palabras(palabras_es);
    for (const Palabras* idioma : idiomas) {
        if (idioma == &palabras_es) continue;
        const QSet<QString> ajenas = españolas - palabras(*idioma);
        for (const QStringList& h : hojas) {
            const QTemporaryDir carpeta;
            const QString pdf = carpeta.filePath(QStringLiteral("h.pdf"));
            const QString codigo = talmiroc::Texto(idioma->idioma);
            ASSERT_EQ(Talmiroc(QStringList{QStringLiteral("--idioma"), codigo} + h +
                               QStringList{QStringLiteral("--pdf"), pdf})
                          .estado,
                      0);
            const QStringList vistas = separar(Texto(pdf));
            for (const QString& w : vistas) {
                EXPECT_FALSE(ajenas.contains(w))
                    << codigo.toStdString() << " " << h.join(QLatin1Char(' ')).toStdString()
                    << ": \"" << w.toStdString() << "\"";
            }
        }
    }
}

// Imprimir on the moon page, to the private queue chosen in the dialog: the
// moon on its page, its text kept through the print system.
TEST(Papel, LaLunaPorLaColaPrivadaGuardaSuTexto) {
    NECESITA(Sin_cola_pdf());
    Ventana p;
    p.impresoras.dialogo = [] {
        return std::make_unique<QPrinter>(QPrinterInfo::printerInfo(Cola_privada()),
                                          QPrinter::HighResolution);
    };
    p.ventana->Abrir_tiempo(Pagina_tiempo::luna, Fecha{13, 11, 2013});
    const Carpeta_pdf carpeta;
    QTest::mouseClick(Tiempo()->findChild<QPushButton*>(QStringLiteral("imprimir")),
                      Qt::LeftButton);
    EXPECT_EQ(p.impresoras.dialogos, 1);
    EXPECT_EQ(p.efectos.mensajes, ninguno);
    ASSERT_TRUE(Esperar_cola_vacia(Cola_privada(), 60s));
    const QStringList nuevos = carpeta.Esperar_nuevos(30s);
    ASSERT_EQ(nuevos.size(), 1);
    EXPECT_EQ(Paginas(nuevos.front()), 1);
    const QString texto = Texto(nuevos.front());
    EXPECT_TRUE(texto.contains(QStringLiteral("Luna Autoexistente del Búho · NS1.26.4")))
        << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("Kin 14 · Mago Magnético"))) << texto.toStdString();
}

}  // namespace
}  // namespace talmiroc::prueba
