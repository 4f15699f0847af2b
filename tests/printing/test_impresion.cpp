// Imprimir for real: the window on one page of the default queue, the dialog
// when there is no default printer, the message when a print cannot start.
// The window is reached through its controls' names, as a person reaches it
// through what it shows.
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include "boton.h"
#include "calendario.h"
#include "controles.h"
#include "cups.h"
#include "efectos.h"
#include "etiqueta.h"
#include "idiomas.h"
#include "imagen.h"
#include "impresion.h"
#include "mensajes.h"
#include "ventana_tiempo.h"

namespace talmiroc::prueba {
namespace {

using namespace std::chrono_literals;
using Mensaje_visto = std::tuple<std::string, std::string, Icono>;

// The program's printing, with the printers chosen by the test (by default
// the system's default one, and a dialog that the user cancels) and messages
// noted instead of shown.
struct Efectos_prueba final : Efectos, Impresoras {
    std::function<std::unique_ptr<QPrinter>()> predeterminada = [] {
        return Impresoras_qt().Predeterminada();
    };
    std::function<std::unique_ptr<QPrinter>()> dialogo = [] { return nullptr; };
    int pedidas = 0, dialogos = 0;
    std::vector<Mensaje_visto> mensajes;

    void Mensaje(const QString& texto, const QString& titulo, Icono icono) override {
        mensajes.emplace_back(texto.toStdString(), titulo.toStdString(), icono);
    }
    QDate Hoy() override { return QDate(2010, 1, 1); }
    QDateTime Ahora() override { return QDateTime(Hoy(), QTime(12, 0)); }
    void Imprimir(QWidget& ventana, const QString& documento) override {
        Imprimir_ventana(ventana, documento, *this, *this);
    }
    void Imprimir_hojas(QWidget& ventana, const QString& documento,
                        const Escritor_pdf& escribir) override {
        if (talmiroc::Imprimir_hojas(ventana, documento, *this, escribir) ==
            Resultado_impresion::fallida)
            Mensaje(QStringLiteral("fallida"), documento, Icono::error);
    }
    Archivo_elegido Archivo_guardar(QWidget&, const QString&, const QString&, const QStringList&,
                                    Carpeta) override {
        return {};
    }
    QString Archivo_abrir(QWidget&, const QString&, const QStringList&) override { return {}; }
    std::unique_ptr<QPrinter> Predeterminada() override {
        ++pedidas;
        return predeterminada();
    }
    std::unique_ptr<QPrinter> Elegir(QWidget&) override {
        ++dialogos;
        return dialogo();
    }
};

// A window that has calculated 9 April 2003: Kin 46, the white world-bridger.
struct Ventana {
    Ventana() {
        v->Abrir();
        QTest::keyClicks(c.dia, QStringLiteral("9"));
        QTest::keyClicks(c.mes, QStringLiteral("4"));
        QTest::keyClicks(c.año, QStringLiteral("2003"));
        Pulsar(c.Boton1);
    }
    static void Pulsar(Boton* boton) { QTest::mouseClick(boton, Qt::LeftButton); }
    void Imprimir() { Pulsar(c.Command1); }
    QString Fecha() const { return c.fecha->Caption(); }

    Efectos_prueba efectos;
    std::unique_ptr<Calendario> v = std::make_unique<Calendario>(efectos);
    Controles c{*v};  // the window's controls, by name
};

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

// How the page reaches the private cups-pdf queue, left at Debian's default
// options.
struct Envio {
    const char* nombre;
    bool imprimir;  // Imprimir pressed; otherwise the window's PDF as the
                    // dialog writes it, sent with lp and no option at all
    bool texto;     // pdftotext finds the texts in what cups-pdf wrote
};

void PrintTo(const Envio& x, std::ostream* os) {
    *os << x.nombre;
}

const Envio envios[] = {
    {"imprimir", true, true},
    // The queue's own renderer, ghostscript, which turns a page with any
    // transparency into one bitmap. The page stays drawings; its glyphs come
    // back as Type 3 shapes that no longer say which letters they are, which
    // is why Imprimir asks for another renderer.
    {"lp_sin_opciones", false, false},
};

class ColaPdfTest : public testing::TestWithParam<Envio> {};

TEST_P(ColaPdfTest, LaVentanaEnUnaPaginaSinAplanar) {
    NECESITA(Sin_cola_pdf());
    Ventana p;
    ASSERT_EQ(p.Fecha(), QStringLiteral("Fecha Gregoriana: 9-4-2003"));
    const QString cola = Cola_privada();
    const Carpeta_pdf carpeta;
    const QTemporaryDir temporal;

    if (GetParam().imprimir) {
        p.Imprimir();
        EXPECT_EQ(p.efectos.mensajes, std::vector<Mensaje_visto>());
        EXPECT_EQ(p.efectos.dialogos, 0);
    } else {
        const QString archivo = temporal.filePath(QStringLiteral("ventana.pdf"));
        p.efectos.predeterminada = [] { return nullptr; };
        p.efectos.dialogo = [&] {
            auto impresora = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(cola),
                                                        QPrinter::HighResolution);
            impresora->setOutputFormat(QPrinter::PdfFormat);
            impresora->setOutputFileName(archivo);
            return impresora;
        };
        p.Imprimir();
        ASSERT_TRUE(
            Ejecutar(QStringLiteral("lp"), {QStringLiteral("-d"), cola, QStringLiteral("-t"),
                                            QStringLiteral("Talmiroc Kin 46"), archivo}));
    }

    ASSERT_TRUE(Esperar_cola_vacia(cola, 60s));
    const QStringList nuevos = carpeta.Esperar_nuevos(30s);
    ASSERT_EQ(nuevos.size(), 1) << nuevos.join(QLatin1Char(' ')).toStdString();
    const QString pdf = nuevos.front();
    EXPECT_TRUE(pdf.contains(QStringLiteral("Talmiroc_Kin_46")))
        << "job title: " << pdf.toStdString();
    EXPECT_EQ(Paginas(pdf), 1);
    if (GetParam().texto) {
        const QString texto = Texto(pdf);
        EXPECT_TRUE(texto.contains(QStringLiteral("Fecha Gregoriana: 9-4-2003")))
            << texto.toStdString();
        EXPECT_TRUE(texto.contains(QStringLiteral("Kin 46"))) << texto.toStdString();
    }

    const QPageLayout hoja =
        QPrinter(QPrinterInfo::printerInfo(cola), QPrinter::HighResolution).pageLayout();
    const Colocacion colocacion = Colocar(hoja, p.v->size());
    EXPECT_LT(Alto_de_imagen_mas_alta(pdf), Alto_sospechoso(*p.v, colocacion))
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

INSTANTIATE_TEST_SUITE_P(Envios, ColaPdfTest, testing::ValuesIn(envios),
                         [](const auto& info) { return std::string(info.param.nombre); });

// Nothing calculated: the message, and neither printer nor dialog is asked.
struct Sin_fecha {
    const char* nombre;
    std::function<void(Ventana&)> imprimir;
};

void PrintTo(const Sin_fecha& x, std::ostream* os) {
    *os << x.nombre;
}

const Sin_fecha sin_fecha[] = {
    {"tras_limpiar",
     [](Ventana& p) {
         p.Pulsar(p.c.Boton2);
         p.Imprimir();
     }},
    {"en_los_creditos_con_alt_i",
     [](Ventana& p) {
         p.Pulsar(p.c.Boton4);
         ASSERT_TRUE(QTest::qWaitForWindowActive(p.v.get()));
         QTest::keyClick(p.v.get(), Qt::Key_I, Qt::AltModifier);
     }},
};

class SinFechaTest : public testing::TestWithParam<Sin_fecha> {};

TEST_P(SinFechaTest, AvisaYNoImprime) {
    NECESITA(Sin_cola_pdf());
    Ventana p;
    const Carpeta_pdf carpeta;

    GetParam().imprimir(p);

    EXPECT_EQ(p.efectos.mensajes,
              (std::vector<Mensaje_visto>{{std::string(mensaje_sin_fecha),
                                           std::string(titulo_imprimir), Icono::informacion}}));
    EXPECT_EQ(p.efectos.pedidas + p.efectos.dialogos, 0);
    EXPECT_TRUE(Esperar_cola_vacia(Cola_privada(), 60s));
    EXPECT_EQ(carpeta.Nuevos(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Momentos, SinFechaTest, testing::ValuesIn(sin_fecha),
                         [](const auto& info) { return std::string(info.param.nombre); });

// No default printer: the dialog decides.
TEST(SinPredeterminada, ElDialogoCanceladoNoImprimeNiAvisa) {
    Ventana p;
    p.efectos.predeterminada = [] { return nullptr; };

    p.Imprimir();

    EXPECT_EQ(p.efectos.dialogos, 1);
    EXPECT_EQ(p.efectos.mensajes, std::vector<Mensaje_visto>());
}

TEST(SinPredeterminada, ElDialogoPuedeImprimirEnUnArchivoPdf) {
    NECESITA(Sin_poppler());
    QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath(QStringLiteral("ventana.pdf"));
    Ventana p;
    p.efectos.predeterminada = [] { return nullptr; };
    p.efectos.dialogo = [&] { return Impresora_archivo(archivo); };

    p.Imprimir();

    EXPECT_EQ(p.efectos.dialogos, 1);
    EXPECT_EQ(p.efectos.mensajes, std::vector<Mensaje_visto>());
    EXPECT_EQ(Paginas(archivo), 1);
    EXPECT_EQ(Titulo(archivo), QStringLiteral("Talmiroc Kin 46"));
    EXPECT_TRUE(Texto(archivo).contains(QStringLiteral("Fecha Gregoriana: 9-4-2003")));
    EXPECT_EQ(Transparencias(archivo).join(QLatin1Char(' ')).toStdString(), "")
        << "the button faces and the boxes' shadows are composited onto white";
    EXPECT_LT(
        Alto_de_imagen_mas_alta(archivo),
        Alto_sospechoso(*p.v, Colocar(Impresora_archivo(archivo)->pageLayout(), p.v->size())));
}

// A print that cannot start: one error message, and the window as it was.
struct Fallo {
    const char* nombre;
    bool en_cola;  // on the real print system
};

void PrintTo(const Fallo& x, std::ostream* os) {
    *os << x.nombre;
}

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
    p.efectos.predeterminada = [&] {
        return rechaza ? std::make_unique<QPrinter>(QPrinterInfo::printerInfo(rechaza->nombre))
                       : Impresora_archivo(QStringLiteral("/nonexistent/talmiroc/ventana.pdf"));
    };
    const QStringList antes = Estado(*p.v);

    p.Imprimir();

    EXPECT_EQ(p.efectos.mensajes,
              (std::vector<Mensaje_visto>{{std::string(mensaje_impresion_fallida),
                                           std::string(titulo_imprimir), Icono::error}}));
    EXPECT_EQ(p.efectos.dialogos, 0);
    EXPECT_EQ(Estado(*p.v), antes);
    EXPECT_EQ(carpeta.Nuevos(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Causas, FalloTest, testing::ValuesIn(fallos),
                         [](const auto& info) { return std::string(info.param.nombre); });

// The print system down, as the program sees it: CUPS_SERVER names the
// private system's socket, where no cupsd listens once it is stopped.
TEST(SistemaCaido, PideElDialogoYNoImprime) {
    Apagar_sistema_privado();
    const Carpeta_pdf carpeta;
    Ventana p;

    p.Imprimir();

    EXPECT_EQ(p.efectos.pedidas, 1);
    EXPECT_EQ(p.efectos.dialogos, 1);
    EXPECT_EQ(p.efectos.mensajes, std::vector<Mensaje_visto>());
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

// Every page of a year against tzolkin's count of its days: each day's date
// and kin on its moon's page, as text.
TEST(Papel, UnAñoComoLoCuentaTzolkin) {
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
    for (int luna = 1; luna <= 13; ++luna) {
        const Fecha desde = Fecha_de_luna({2027, luna}, 1);
        const Fecha hasta = luna == 13 ? Fuera_del_tiempo(2027) : Fecha_de_luna({2027, luna}, 28);
        const auto fecha = [](const Fecha& f) {
            return QStringList{QString::number(f.dia), QString::number(f.mes),
                               QString::number(f.año)};
        };
        const QString pagina = QString::number(luna + 2);  // after the cover and the year
        const QString texto = Ejecutar(QStringLiteral("pdftotext"),
                                       {QStringLiteral("-f"), pagina, QStringLiteral("-l"), pagina,
                                        pdf, QStringLiteral("-")})
                                  .value_or(QString());
        const QStringList dias =
            Lineas(QStringLiteral(TALMIROC_TZOLKIN),
                   QStringList{QStringLiteral("--json"), QStringLiteral("--desde")} + fecha(desde) +
                       QStringList{QStringLiteral("--hasta")} + fecha(hasta));
        EXPECT_EQ(dias.size(), luna == 8 || luna == 13 ? 29 : 28) << "moon " << luna;
        for (const QString& linea : dias) {
            const QJsonObject dia = QJsonDocument::fromJson(linea.toUtf8()).object();
            const QDate d =
                QDate::fromString(dia[QLatin1String("fecha_iso")].toString(), Qt::ISODate);
            const QString kin = QStringLiteral("Kin %1 ·").arg(dia[QLatin1String("kin")].toInt());
            const QString corta = QStringLiteral("%1 %2").arg(d.day()).arg(talmiroc::Texto(
                talmiroc::palabras_es.meses_cortos[static_cast<std::size_t>(d.month())]));
            EXPECT_TRUE(texto.contains(kin))
                << d.toString(Qt::ISODate).toStdString() << " " << kin.toStdString();
            EXPECT_TRUE(texto.contains(corta))
                << d.toString(Qt::ISODate).toStdString() << " " << corta.toStdString();
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
    const char* salida;           // pdfinfo's page size; or a piece of the message
    const char* lugar = nullptr;  // LC_ALL of the run, when not the tests' own
    const char* texto = "";       // a piece of the page's text
};

void PrintTo(const Pedido& x, std::ostream* os) {
    *os << x.nombre;
}

const Pedido pedidos[] = {
    {"luna_a4", {"--luna", "13", "11", "2013"}, "luna.pdf", 0, "842 x 595 pts (A4)"},
    {"modulo_carta", {"--modulo", "--papel", "carta"}, "m.pdf", 0, "612 x 792 pts (letter)"},
    {"fecha_rechazada", {"--año", "31", "2", "2027"}, "a.pdf", 1, "Fecha incorrecta"},
    {"carpeta_que_no_existe", {"--luna"}, "no/hay/l.pdf", 1, "no/hay/l.pdf"},
    {"archivo_que_es_carpeta", {"--luna"}, "", 1, "No se pudo escribir el archivo"},
    {"papel_desconocido", {"--luna", "--papel", "a3"}, "l.pdf", 2, "--papel"},
    {"pdf_sin_hojas", {}, "o.pdf", 2, "--pdf"},
    {"onda",
     {"--onda", "25", "7", "2003"},
     "o.pdf",
     0,
     "842 x 595 pts (A4)",
     nullptr,
     "10 Planetario"},
    // Kin 153's oracle, as the published tables give it.
    {"modulo_antipoda",
     {"--modulo", "25", "7", "2003"},
     "m.pdf",
     0,
     "(A4)",
     nullptr,
     "Kin Antípoda: Kin 23 "},
    {"modulo_analogo",
     {"--modulo", "25", "7", "2003"},
     "m.pdf",
     0,
     "(A4)",
     nullptr,
     "Kin Análogo: Kin 166 "},
    // With no --papel and no default printer, the paper of the place: Letter
    // only where US units are used; Britain measures in the metric system.
    {"lugar_en_US_carta", {"--luna"}, "l.pdf", 0, "792 x 612 pts (letter)", "en_US.UTF-8"},
    {"lugar_es_US_carta", {"--luna"}, "l.pdf", 0, "792 x 612 pts (letter)", "es_US.UTF-8"},
    {"lugar_en_GB_a4", {"--luna"}, "l.pdf", 0, "842 x 595 pts (A4)", "en_GB.UTF-8"},
    {"lugar_pt_BR_a4", {"--luna"}, "l.pdf", 0, "842 x 595 pts (A4)", "pt_BR.UTF-8"},
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
        EXPECT_TRUE(texto.contains(QString::fromUtf8(p.texto))) << texto.toStdString();
    } else {
        EXPECT_TRUE(s.error.contains(QString::fromUtf8(p.salida))) << s.error.toStdString();
        EXPECT_EQ(QDir(carpeta.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                  QStringList())
            << "nothing written, not even beside the file";
    }
}

INSTANTIATE_TEST_SUITE_P(Pedidos, PedidoTest, testing::ValuesIn(pedidos),
                         [](const auto& info) { return std::string(info.param.nombre); });

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
        for (const auto& t : p.sellos) añadir(t);
        for (const auto& t : p.tonos_m) añadir(t);
        for (const auto& t : p.tonos_f) añadir(t);
        for (const auto& c : p.colores) {
            añadir(c.m);
            añadir(c.f);
        }
        for (const auto& t : p.meses) añadir(t);
        for (const auto& t : p.meses_cortos) añadir(t);
        for (const auto& t : p.lunas) añadir(t);
        for (const auto& t : p.lugares_oraculo) añadir(t);
        añadir(p.nombre_fuera_del_tiempo);
        añadir(p.nombre_hunab_ku);
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
    Efectos_prueba efectos;
    efectos.dialogo = [] {
        return std::make_unique<QPrinter>(QPrinterInfo::printerInfo(Cola_privada()),
                                          QPrinter::HighResolution);
    };
    Ventana_tiempo v(efectos, {});
    v.Abrir(Pagina_tiempo::luna, Fecha{13, 11, 2013});
    const Carpeta_pdf carpeta;
    QTest::mouseClick(v.findChild<QPushButton*>(QStringLiteral("imprimir")), Qt::LeftButton);
    EXPECT_EQ(efectos.dialogos, 1);
    EXPECT_EQ(efectos.mensajes, std::vector<Mensaje_visto>());
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
