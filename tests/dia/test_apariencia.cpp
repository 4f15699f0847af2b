// How the window looks: size, fonts, captions as drawn, pictures.
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "calendario_prueba.h"

namespace talmiroc::prueba {
namespace {

TEST(Ventana, TituloTamanoFijoFondoEIcono) {
    Ventana_en_dia p;
    const Controles& v = p.c;
    EXPECT_EQ(v.ventana->windowTitle(), QStringLiteral("Talmiroc"));
    EXPECT_EQ(v.ventana->size(), QSize(Pixeles(11370), Pixeles(6630)));
    EXPECT_EQ(v.ventana->minimumSize(), v.ventana->maximumSize());
    EXPECT_EQ(v.ventana->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(v.ventana->autoFillBackground());
    EXPECT_FALSE(v.ventana->windowIcon().isNull());
    // Centred by its client area; the frame may shift it by its own width.
    const QPoint desvio =
        v.ventana->geometry().center() - v.ventana->screen()->availableGeometry().center();
    const QSize marco = v.ventana->frameGeometry().size() - v.ventana->size();
    EXPECT_LE(std::abs(desvio.x()), marco.width() / 2 + 1);
    EXPECT_LE(std::abs(desvio.y()), marco.height() / 2 + 1);
}

// Captions hold "\r\n"; the label draws one line per pair and takes nothing
// between angle brackets for markup.
TEST(Etiquetas, TextoPlanoUnaLineaPorSalto) {
    Ventana_en_dia p;
    const Controles& v = p.c;
    EXPECT_EQ(v.nombre->text(),
              QStringLiteral("* Kin 46: Enlazador de Mundos Resonante  Blanco\n <Cimi Uuk> "));
    p.ventana->Boton4_Click();  // fills creado2, which keeps its caption
    p.ventana->Boton5_Click();
    p.Calcular(QDate(2003, 7, 25));
    for (const Etiqueta* e : v.ventana->findChildren<Etiqueta*>()) {
        SCOPED_TRACE(e->objectName().toStdString());
        EXPECT_EQ(e->textFormat(), Qt::PlainText);
        EXPECT_FALSE(e->text().contains(QLatin1Char('\r')));
        EXPECT_EQ(e->text().count(QLatin1Char('\n')), e->Caption().count(QStringLiteral("\r\n")));
    }
}

// Each face resolves to the face installed in its place, at its size.
struct Fuente_esperada {
    const char* etiqueta;
    const char* familia;
    double puntos;
    QFont::Weight peso;
};

void PrintTo(const Fuente_esperada& x, std::ostream* os) {
    *os << x.etiqueta;
}

const Fuente_esperada fuentes[] = {
    {"nombre", "Liberation Sans", 9.75, QFont::Bold},
    {"Label8", "OCRA", 18, QFont::Medium},
    {"Label4", "Liberation Serif", 12, QFont::Bold},
    {"diafueradeltiempo", "Blankenburg_UNZ1A", 15.75, QFont::Normal},
    {"creado5", "Liberation Serif", 14.25, QFont::Normal},
};

class FuenteTest : public testing::TestWithParam<Fuente_esperada> {};

TEST_P(FuenteTest, SeResuelveALaCaraInstalada) {
    Ventana_en_dia p;
    const auto* e = p.ventana->findChild<Etiqueta*>(QString::fromLatin1(GetParam().etiqueta));
    ASSERT_NE(e, nullptr);
    const QFontInfo info(e->font());
    EXPECT_EQ(info.family(), QString::fromLatin1(GetParam().familia));
    EXPECT_DOUBLE_EQ(e->font().pointSizeF(), GetParam().puntos);
    EXPECT_EQ(e->font().weight(), GetParam().peso);
}

INSTANTIATE_TEST_SUITE_P(Caras, FuenteTest, testing::ValuesIn(fuentes),
                         [](const auto& info) { return std::string(info.param.etiqueta); });

// A caption fits its box when, wrapped at word boundaries inside it, no line
// sticks out and every line is inside (the spacing under the last line aside):
// nothing the user should read is cut.
::testing::AssertionResult Cabe(const Etiqueta* e) {
    const QFontMetrics fm(e->font());
    const QRect libre(0, 0, e->width(), 10000);
    const QRect ocupado = fm.boundingRect(libre, Qt::TextWordWrap | e->alignment(), e->text());
    if (ocupado.width() <= e->width() && ocupado.height() - fm.leading() <= e->height()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << e->objectName().toStdString() << " needs " << ocupado.width() << "x"
           << ocupado.height() << ", has " << e->width() << "x" << e->height() << " for \""
           << e->text().toStdString() << "\"";
}

// A button's caption, its access key's mark aside, fits inside its frame.
::testing::AssertionResult Cabe(const QPushButton* b) {
    QString texto = b->text();
    texto.remove(QLatin1Char('&'));
    const int ancho = QFontMetrics(b->font()).horizontalAdvance(texto);
    if (ancho <= b->width() - 6) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << b->objectName().toStdString() << " needs " << ancho
                                         << ", has " << b->width() << " for \""
                                         << texto.toStdString() << "\"";
}

// Every caption fits its box in every language, and in the window.
class CabenTest : public testing::TestWithParam<const Palabras*> {};

TEST_P(CabenTest, LosCaptionsFijosCabenEnSuCaja) {
    const En_idioma idioma(*GetParam());
    Ventana_en_dia p(QDate(2003, 7, 25));  // the banner shows
    const Controles& v = p.c;
    const auto caben = [&v](std::initializer_list<const Etiqueta*> etiquetas) {
        for (const Etiqueta* e : etiquetas) {
            EXPECT_TRUE(Cabe(e));
            EXPECT_LE(e->geometry().right(), v.ventana->width()) << e->objectName().toStdString();
        }
    };
    for (const QPushButton* b : {v.Boton1, v.Boton2, v.Boton3, v.Boton4, v.Command1, v.Boton5})
        EXPECT_TRUE(Cabe(b));
    caben({v.Label1, v.Label2, v.Label3, v.Label4, v.Label5, v.Label6, v.Label7, v.Label8,
           v.diafueradeltiempo});
    p.ventana->Boton4_Click();  // fills creado2
    caben({v.creado1, v.creado2, v.creado3, v.creado4, v.creado5});
}

TEST_P(CabenTest, LosTextosDeCadaKinCabenEnSuCaja) {
    const En_idioma idioma(*GetParam());
    Ventana_en_dia p;
    const Controles& v = p.c;
    for (int kin = 1; kin <= 260; ++kin) {
        p.Calcular(Fecha_de_kin(kin));
        for (const Etiqueta* e : {v.fecha, v.a_maya, v.nombre, v.Onda_encantada, v.inter}) {
            EXPECT_TRUE(Cabe(e)) << "kin " << kin;
        }
        EXPECT_LE(v.fecha->geometry().right(), v.ventana->width()) << "kin " << kin;
    }
}

INSTANTIATE_TEST_SUITE_P(Idiomas, CabenTest, testing::ValuesIn(idiomas),
                         [](const auto& info) { return std::string(info.param->idioma); });

TEST(Etiquetas, LaFechaCreceDesdeSuBordeIzquierdo) {
    Ventana_en_dia p;
    const Etiqueta* fecha = p.c.fecha;
    EXPECT_EQ(fecha->x(), Pixeles(3120));
    EXPECT_EQ(fecha->y(), Pixeles(1440));
    EXPECT_GE(fecha->width(), QFontMetrics(fecha->font()).horizontalAdvance(fecha->text()));
    EXPECT_LT(fecha->geometry().right(), p.ventana->width());
}

// "Ostrevana" goes under the place and date: the run of spaces fills the
// first line.
TEST(Etiquetas, OstrevanaEnSuPropiaLinea) {
    Ventana_en_dia p;
    const Etiqueta* e = p.c.creado5;
    const QFontMetrics fm(e->font());
    const QRect libre(0, 0, e->width(), 10000);
    const int flags = Qt::TextWordWrap | e->alignment();
    const QRect dibujado = fm.boundingRect(libre, flags, e->text());
    const QRect dos_lineas =
        fm.boundingRect(libre, flags, QStringLiteral("Varnesca 9 de abril de 2003\nOstrevana"));
    EXPECT_EQ(dibujado.height(), dos_lineas.height());
    EXPECT_EQ(e->text().count(QLatin1Char(' ')), 5 + 64);
}

// A picture placed by hand fills its box whatever its own proportions; kept
// in proportion, it is fitted whole and centred.
TEST(Imagenes, LaFiguraLlenaLaCajaOSeCentraEnProporcion) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ruta = dir.filePath(QStringLiteral("cuadro.svg"));
    QFile svg(ruta);
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.write(R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 10 10">)"
              R"(<rect width="10" height="10" fill="#000"/></svg>)");
    svg.close();

    QWidget fondo;
    Imagen imagen(&fondo, QStringLiteral("cuadro"), ruta);
    Imagen en_proporcion(&fondo, QStringLiteral("cuadro"), ruta, Qt::KeepAspectRatio);
    imagen.setGeometry(Rect_twips(480, 2280, 2475, 2175));  // 165 x 145, not square
    en_proporcion.setGeometry(imagen.geometry());
    const QImage pintada = imagen.grab().toImage();
    for (const QPoint punto : {QPoint(0, 0), QPoint(164, 0), QPoint(0, 144), QPoint(164, 144),
                               QPoint(2, 72), QPoint(162, 72)}) {
        EXPECT_EQ(pintada.pixelColor(punto), QColor(Qt::black)) << punto.x() << "," << punto.y();
    }
    // In proportion the square spans x 10..154.
    const QImage centrada = en_proporcion.grab().toImage();
    for (int x : {10, 154}) EXPECT_EQ(centrada.pixelColor(x, 72), QColor(Qt::black)) << x;
    for (int x : {9, 155}) EXPECT_NE(centrada.pixelColor(x, 72), QColor(Qt::black)) << x;
}

// In a layout a picture asks for its own size and keeps its proportions at
// any width; on a device of pixel ratio 2 it is the rendering made for 2,
// pixel for pixel, not one made for 1 and enlarged.
TEST(Imagenes, EnUnaDisposicionGuardaSusProporcionesYEsNitida) {
    struct Fila {
        QString recurso;
        int ancho;
        QSize natural;
        int alto;
    };
    const Fila filas[] = {
        {Recurso_sello(Sello(1)), 120, {256, 256}, 120},
        {Recurso_tono(Tono(1)), 266, {133, 32}, 64},
        {Recurso_tono(Tono(13)), 70, {133, 52}, 27},  // 27.4
    };
    for (const Fila& f : filas) {
        QWidget ventana;
        auto* capa = new QVBoxLayout(&ventana);
        capa->setContentsMargins(0, 0, 0, 0);
        auto* imagen =
            new Imagen(&ventana, QStringLiteral("glifo"), f.recurso, Qt::KeepAspectRatio);
        capa->addWidget(imagen);
        capa->addStretch();
        ventana.resize(f.ancho, 400);
        capa->activate();
        EXPECT_EQ(imagen->sizeHint(), f.natural) << f.recurso.toStdString();
        EXPECT_EQ(imagen->size(), QSize(f.ancho, f.alto)) << f.recurso.toStdString();

        QPixmap lienzo(imagen->size() * 2), directa(imagen->size() * 2);
        for (QPixmap* p : {&lienzo, &directa}) {
            p->setDevicePixelRatio(2);
            p->fill(Qt::white);
        }
        imagen->render(&lienzo, QPoint(), QRegion(), QWidget::DrawChildren);
        QPainter(&directa).drawPixmap(0, 0, Cache_svg::Pixmap(f.recurso, imagen->size(), 2.0));
        EXPECT_EQ(lienzo.toImage(), directa.toImage()) << f.recurso.toStdString();
    }
}

TEST(Imagenes, UnaRenderizacionPorRecursoTamanoYDensidad) {
    Cache_svg::Vaciar();
    const QString dragon = QStringLiteral(":/sellos/Dragon.svg");
    const QPixmap nitida = Cache_svg::Pixmap(dragon, QSize(67, 67), 2.0);
    EXPECT_EQ(nitida.size(), QSize(134, 134));
    EXPECT_DOUBLE_EQ(nitida.devicePixelRatio(), 2.0);
    EXPECT_EQ(Cache_svg::Pixmap(dragon, QSize(67, 67), 2.0).cacheKey(), nitida.cacheKey());
    EXPECT_EQ(Cache_svg::Renderizados(), 1);

    (void)Cache_svg::Pixmap(dragon, QSize(67, 67), 1.0);
    (void)Cache_svg::Pixmap(dragon, QSize(165, 145), 2.0);
    (void)Cache_svg::Pixmap(QStringLiteral(":/sellos/Sol.svg"), QSize(67, 67), 2.0);
    EXPECT_EQ(Cache_svg::Renderizados(), 4);

    // 69 MiB (of nothing, to spare the drawing) is more than the cache keeps: made each time.
    for (int i = 0; i < 2; ++i) (void)Cache_svg::Pixmap({}, QSize(4250, 4250), 1.0);
    EXPECT_EQ(Cache_svg::Renderizados(), 6);
    EXPECT_EQ(Cache_svg::Pixmap(dragon, QSize(67, 67), 2.0).cacheKey(), nitida.cacheKey());
}

// A picture rendered ahead, on another thread, is the one its paint would
// make: the same pixels, and taken for it (nothing rendered a second time).
TEST(Imagenes, LoAdelantadoEsLoQueSePinta) {
    struct Fila {
        QSizeF caja;
        Qt::AspectRatioMode ajuste;
        qreal dpr;
    };
    const Fila filas[] = {{{67, 67}, Qt::IgnoreAspectRatio, 1.0},
                          {{165, 145}, Qt::IgnoreAspectRatio, 2.0},
                          {{90, 40}, Qt::KeepAspectRatio, 2.0},
                          {{50.5, 70}, Qt::KeepAspectRatio, 1.5}};
    for (const Fila& f : filas) {
        const std::string fila = std::to_string(f.caja.width()) + "x" +
                                 std::to_string(f.caja.height()) + "@" + std::to_string(f.dpr);
        QList<Cache_svg::Pedido> pedidos;
        for (int s = 1; s <= 20; ++s)
            pedidos.append({Recurso_sello(Sello(s)), QRectF(QPointF(), f.caja), f.ajuste, f.dpr});
        const auto pintar = [&] {
            QList<QImage> hechas;
            for (const Cache_svg::Pedido& p : pedidos) {
                QImage lienzo((f.caja * f.dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
                lienzo.setDevicePixelRatio(f.dpr);
                lienzo.fill(Qt::white);
                QPainter pintor(&lienzo);
                Pintar_recurso(pintor, p.caja, p.recurso, p.ajuste);
                pintor.end();
                hechas.append(lienzo);
            }
            return hechas;
        };
        Cache_svg::Vaciar();
        Cache_svg::Adelantar(pedidos);
        const QList<QImage> adelantadas = pintar();
        EXPECT_EQ(Cache_svg::Renderizados(), 20) << fila;
        Cache_svg::Vaciar();
        EXPECT_EQ(pintar(), adelantadas) << fila;
    }
}

}  // namespace
}  // namespace talmiroc::prueba
