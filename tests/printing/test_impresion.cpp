// Imprimir for real: the window on one page of the default queue, the dialog
// when there is no default printer, the message when a print cannot start.
#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include "boton.h"
#include "calendario.h"
#include "cups.h"
#include "efectos.h"
#include "etiqueta.h"
#include "imagen.h"
#include "impresion.h"

namespace talmiroc::prueba {
namespace {

using namespace std::chrono_literals;

// The printers the window gets: by default the system's default printer and
// a dialog that the user cancels. Counts how often each is asked for.
class Impresoras_prueba final : public Impresoras {
public:
    std::function<std::unique_ptr<QPrinter>()> predeterminada = [] {
        return Impresoras_qt().Predeterminada();
    };
    std::function<std::unique_ptr<QPrinter>()> dialogo = [] { return nullptr; };
    int pedidas = 0;
    int dialogos = 0;

    std::unique_ptr<QPrinter> Predeterminada() override {
        ++pedidas;
        return predeterminada();
    }
    std::unique_ptr<QPrinter> Elegir(QWidget&) override {
        ++dialogos;
        return dialogo();
    }
};

struct Mensaje_visto {
    QString texto;
    QString titulo;
    Icono icono;
};

// Efectos_qt's printing with the printers above; messages are only noted.
class Efectos_impresion final : public Efectos {
public:
    explicit Efectos_impresion(Impresoras& impresoras) : impresoras_(impresoras) {}

    void Mensaje(const QString& texto, const QString& titulo, Icono icono) override {
        mensajes.push_back({texto, titulo, icono});
    }
    QDate Hoy() override { return QDate(2010, 1, 1); }
    void Imprimir(QWidget& ventana, const QString& documento) override {
        Imprimir_ventana(ventana, documento, impresoras_, *this);
    }

    std::vector<Mensaje_visto> mensajes;

private:
    Impresoras& impresoras_;
};

// A window that has calculated 9 April 2003 (Kin 46, the white world-bridger).
struct Ventana_impresa {
    Ventana_impresa() {
        ventana->Abrir();
        QTest::keyClicks(ventana->dia, QStringLiteral("9"));
        QTest::keyClicks(ventana->mes, QStringLiteral("4"));
        QTest::keyClicks(ventana->año, QStringLiteral("2003"));
        QTest::mouseClick(ventana->Boton1, Qt::LeftButton);
    }
    void Imprimir() { QTest::mouseClick(ventana->Command1, Qt::LeftButton); }

    Impresoras_prueba impresoras;
    Efectos_impresion efectos{impresoras};
    std::unique_ptr<Calendario> ventana = std::make_unique<Calendario>(efectos);
};

// What the user sees of the window: every child's visibility and place, and
// every label's caption.
QStringList Estado(const Calendario& v) {
    QStringList estado;
    for (const QWidget* w : v.findChildren<QWidget*>()) {
        QString linea = QStringLiteral("%1 %2 %3,%4 %5x%6")
                            .arg(w->objectName())
                            .arg(w->isVisible())
                            .arg(w->x())
                            .arg(w->y())
                            .arg(w->width())
                            .arg(w->height());
        if (const auto* e = qobject_cast<const Etiqueta*>(w))
            linea += QLatin1Char(' ') + e->Caption();
        estado << linea;
    }
    return estado;
}

QStringList Pdfs_nuevos_tras_vaciar(const Carpeta_pdf& carpeta) {
    EXPECT_TRUE(Esperar_cola_vacia(Cola_predeterminada(), 60s));
    return carpeta.Nuevos();
}

// A printer that writes a PDF file, as the dialog gives one.
std::unique_ptr<QPrinter> Impresora_archivo(const QString& archivo) {
    auto impresora = std::make_unique<QPrinter>(QPrinter::HighResolution);
    impresora->setOutputFormat(QPrinter::PdfFormat);
    impresora->setOutputFileName(archivo);
    return impresora;
}

// Where the window lands on a page: scaled into the printable area with its
// proportions kept, centred. In points.
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

// Three quarters of the printed height of the smallest seal glyph shown, in
// points. A bitmap in the PDF as tall as this is a glyph, or the whole
// window, sent as a picture; the button faces that the style paints from its
// pixmaps, and the patches where a renderer flattens a shadow, stay lower.
double Alto_de_mapa_de_bits_sospechoso(Calendario& v, const Colocacion& c) {
    int alto = v.height();
    for (int sello = 1; sello <= 20; ++sello) {
        for (const Imagen* i : *v.Arreglo_de(sello)) {
            if (i->isVisible()) alto = std::min(alto, i->height());
        }
    }
    return 0.75 * alto * c.escala;
}

// How closely a box of the page matches the picture drawn there on its own:
// the share of pixels where both are ink (dark) or both are the same fill.
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
            const QColor a = dibujo.pixelColor(x, y);
            const QColor b = pagina.pixelColor(caja.x() + x, caja.y() + y);
            const bool tinta_a = a.lightness() < 128, tinta_b = b.lightness() < 128;
            const int distancia = std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                                  std::abs(a.blue() - b.blue());
            if (tinta_a == tinta_b && (tinta_a || distancia < 90)) ++iguales;
        }
    }
    return static_cast<double>(iguales) / (caja.width() * caja.height());
}

TEST(ColaPdf, ImprimeLaVentanaEnUnaPaginaConSuTextoYSuSello) {
    NECESITA_COLA_PDF();
    Ventana_impresa p;
    ASSERT_EQ(p.ventana->fecha->Caption(), QStringLiteral("Fecha Gregoriana: 9-4-2003"));
    const Renderizador_cairo renderizador(Cola_predeterminada());
    const Carpeta_pdf carpeta;

    p.Imprimir();

    EXPECT_TRUE(p.efectos.mensajes.empty());
    EXPECT_EQ(p.impresoras.dialogos, 0);
    ASSERT_TRUE(Esperar_cola_vacia(Cola_predeterminada(), 60s));
    const QStringList nuevos = carpeta.Esperar_nuevos(30s);
    ASSERT_EQ(nuevos.size(), 1) << nuevos.join(QLatin1Char(' ')).toStdString();
    const QString pdf = nuevos.front();
    EXPECT_TRUE(QFileInfo(pdf).fileName().contains(QStringLiteral("Talmiroc_Kin_46")))
        << "the job's title names the kin: " << pdf.toStdString();
    EXPECT_EQ(Paginas(pdf), 1);
    const QString texto = Texto(pdf);
    EXPECT_TRUE(texto.contains(QStringLiteral("Fecha Gregoriana: 9-4-2003")))
        << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("Kin 46"))) << texto.toStdString();

    // Where the large glyph must stand, as the queue's page is laid out.
    const QPageLayout hoja =
        QPrinter(QPrinterInfo::printerInfo(Cola_predeterminada()), QPrinter::HighResolution)
            .pageLayout();
    const Colocacion colocacion = Colocar(hoja, p.ventana->size());
    EXPECT_LT(Alto_de_imagen_mas_alta(pdf) * 72,
              Alto_de_mapa_de_bits_sospechoso(*p.ventana, colocacion))
        << "text and glyphs go out as drawings, not as a bitmap";

    constexpr int ppp = 100;
    const double puntos_a_pixeles = ppp / 72.0;
    const QImage pagina = Pagina_png(pdf, ppp);
    ASSERT_FALSE(pagina.isNull());
    const QSizeF tam_hoja = hoja.fullRect(QPageLayout::Point).size() * puntos_a_pixeles;
    EXPECT_NEAR(pagina.width(), tam_hoja.width(), 2);
    EXPECT_NEAR(pagina.height(), tam_hoja.height(), 2);
    const Imagen* sello = p.ventana->Enlazador_mundos[0];
    ASSERT_TRUE(sello->isVisible());
    const QRectF caja = colocacion.En_hoja(sello->geometry());
    const QRect en_pagina(
        QPoint(qRound(caja.x() * puntos_a_pixeles), qRound(caja.y() * puntos_a_pixeles)),
        QSize(qRound(caja.width() * puntos_a_pixeles), qRound(caja.height() * puntos_a_pixeles)));
    ASSERT_TRUE(pagina.rect().contains(en_pagina));
    EXPECT_GT(Parecido(pagina, en_pagina, sello->Recurso()), 0.9)
        << "the world-bridger's glyph, outline and white fill, where the large glyph stands";
}

// Nothing to print: the message, and neither printer nor dialog is asked.
struct Sin_fecha {
    const char* nombre;
    std::function<void(Ventana_impresa&)> imprimir;
};

void PrintTo(const Sin_fecha& x, std::ostream* os) {
    *os << x.nombre;
}

const Sin_fecha sin_fecha[] = {
    {"tras_limpiar",
     [](Ventana_impresa& p) {
         QTest::mouseClick(p.ventana->Boton2, Qt::LeftButton);
         p.Imprimir();
     }},
    {"en_los_creditos_con_alt_i",
     [](Ventana_impresa& p) {
         QTest::mouseClick(p.ventana->Boton4, Qt::LeftButton);
         ASSERT_TRUE(QTest::qWaitForWindowActive(p.ventana.get()));
         QTest::keyClick(p.ventana.get(), Qt::Key_I, Qt::AltModifier);
     }},
};

class SinFechaTest : public testing::TestWithParam<Sin_fecha> {};

TEST_P(SinFechaTest, AvisaYNoImprime) {
    NECESITA_COLA_PDF();
    Ventana_impresa p;
    const Carpeta_pdf carpeta;

    GetParam().imprimir(p);

    ASSERT_EQ(p.efectos.mensajes.size(), 1u);
    EXPECT_EQ(p.efectos.mensajes[0].texto, QStringLiteral("Debe introducir una fecha"));
    EXPECT_EQ(p.efectos.mensajes[0].titulo, QStringLiteral("Quenabre"));
    EXPECT_EQ(p.efectos.mensajes[0].icono, Icono::informacion);
    EXPECT_EQ(p.impresoras.pedidas, 0);
    EXPECT_EQ(p.impresoras.dialogos, 0);
    EXPECT_EQ(Pdfs_nuevos_tras_vaciar(carpeta), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Momentos, SinFechaTest, testing::ValuesIn(sin_fecha),
                         [](const auto& info) { return std::string(info.param.nombre); });

// No default printer: the dialog decides.
TEST(SinPredeterminada, ElDialogoCanceladoNoImprimeNiAvisa) {
    Ventana_impresa p;
    p.impresoras.predeterminada = [] { return nullptr; };

    p.Imprimir();

    EXPECT_EQ(p.impresoras.dialogos, 1);
    EXPECT_TRUE(p.efectos.mensajes.empty());
}

TEST(SinPredeterminada, ElDialogoPuedeImprimirEnUnArchivoPdf) {
    NECESITA_POPPLER();
    QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath(QStringLiteral("ventana.pdf"));
    Ventana_impresa p;
    p.impresoras.predeterminada = [] { return nullptr; };
    p.impresoras.dialogo = [&] { return Impresora_archivo(archivo); };

    p.Imprimir();

    EXPECT_EQ(p.impresoras.dialogos, 1);
    EXPECT_TRUE(p.efectos.mensajes.empty());
    EXPECT_EQ(Paginas(archivo), 1);
    EXPECT_EQ(Titulo(archivo), QStringLiteral("Talmiroc Kin 46"));
    EXPECT_TRUE(Texto(archivo).contains(QStringLiteral("Fecha Gregoriana: 9-4-2003")));
    const Colocacion colocacion =
        Colocar(Impresora_archivo(archivo)->pageLayout(), p.ventana->size());
    EXPECT_LT(Alto_de_imagen_mas_alta(archivo) * 72,
              Alto_de_mapa_de_bits_sospechoso(*p.ventana, colocacion));
}

// A print that cannot start: one error message, and the window as it was.
struct Fallo {
    const char* nombre;
    bool en_cola;  // needs the real print system
};

void PrintTo(const Fallo& x, std::ostream* os) {
    *os << x.nombre;
}

const Fallo fallos[] = {
    {"la_impresora_no_deja_pintar", false},
    {"la_cola_rechaza_el_trabajo", true},
};

class FalloTest : public testing::TestWithParam<Fallo> {};

TEST_P(FalloTest, UnMensajeDeErrorYNadaMas) {
    std::unique_ptr<Cola_que_rechaza> rechaza;
    std::unique_ptr<Carpeta_pdf> carpeta;
    Ventana_impresa p;
    if (GetParam().en_cola) {
        NECESITA_COLA_PDF();
        rechaza = std::make_unique<Cola_que_rechaza>(QStringLiteral("Talmiroc_rechaza"));
        ASSERT_TRUE(rechaza->Lista()) << "could not set up a queue that refuses jobs";
        carpeta = std::make_unique<Carpeta_pdf>();
        p.impresoras.predeterminada = [&] {
            return std::make_unique<QPrinter>(QPrinterInfo::printerInfo(rechaza->Nombre()),
                                              QPrinter::HighResolution);
        };
    } else {
        p.impresoras.predeterminada = [] {
            return Impresora_archivo(QStringLiteral("/nonexistent/talmiroc/ventana.pdf"));
        };
    }
    const QStringList antes = Estado(*p.ventana);

    p.Imprimir();

    ASSERT_EQ(p.efectos.mensajes.size(), 1u);
    EXPECT_EQ(p.efectos.mensajes[0].texto, QStringLiteral("No se pudo imprimir la ventana"));
    EXPECT_EQ(p.efectos.mensajes[0].titulo, QStringLiteral("Quenabre"));
    EXPECT_EQ(p.efectos.mensajes[0].icono, Icono::error);
    EXPECT_EQ(p.impresoras.dialogos, 0);
    EXPECT_EQ(Estado(*p.ventana), antes);
    if (carpeta) {
        EXPECT_EQ(Pdfs_nuevos_tras_vaciar(*carpeta), QStringList());
    }
}

INSTANTIATE_TEST_SUITE_P(Causas, FalloTest, testing::ValuesIn(fallos),
                         [](const auto& info) { return std::string(info.param.nombre); });

// Run by CTest with CUPS_SERVER naming a socket where no cupsd listens: to
// the program the print system is down.
TEST(SistemaCaido, PideElDialogoYNoImprime) {
    const QString servidor = qEnvironmentVariable("CUPS_SERVER");
    if (servidor.isEmpty() || QFileInfo::exists(servidor))
        GTEST_SKIP() << "needs CUPS_SERVER set to a socket where no cupsd listens (CTest sets it)";
    const Carpeta_pdf carpeta;
    Ventana_impresa p;

    p.Imprimir();

    EXPECT_EQ(p.impresoras.pedidas, 1);
    EXPECT_EQ(p.impresoras.dialogos, 1);
    EXPECT_TRUE(p.efectos.mensajes.empty());
    EXPECT_EQ(carpeta.Nuevos(), QStringList());
}

}  // namespace
}  // namespace talmiroc::prueba
