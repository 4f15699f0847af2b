// The kin card: every kin's card laid out in every shape and language with
// nothing cut or overlapping, and the files read back by other programs
// (exiftool for the PNG's texts, librsvg for the SVG's picture).
#include <gtest/gtest.h>

#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "apoyo_qt.h"
#include "calendario_prueba.h"
#include "tarjeta.h"

namespace talmiroc {
namespace {

// ---------------------------------------------------------------------------
// The layout, measured

// The first fault of a card's layout, or "" when it has none.
std::string Fallo(const std::vector<Pieza_tarjeta>& piezas, Forma_tarjeta forma) {
    const Datos_forma& d = Datos_de(forma);
    const QRectF tarjeta(0, 0, d.ancho, d.alto);
    for (std::size_t i = 0; i < piezas.size(); ++i) {
        const Pieza_tarjeta& p = piezas[i];
        const std::string cual = "piece " + std::to_string(i) + " «" + p.texto.toStdString() + "»";
        if (!tarjeta.contains(p.caja)) return cual + " leaves the card";
        if (p.tipo == Pieza_tarjeta::Tipo::relleno) continue;
        for (std::size_t j = 0; j < i; ++j) {
            if (piezas[j].tipo != Pieza_tarjeta::Tipo::relleno && piezas[j].caja.intersects(p.caja))
                return cual + " overlaps «" + piezas[j].texto.toStdString() + "»";
        }
        if (p.tipo != Pieza_tarjeta::Tipo::texto) continue;
        if (p.letra.pixelSize() < d.letra_minima)
            return cual + " is drawn at " + std::to_string(p.letra.pixelSize()) + " px";
        const QRectF medida = QFontMetricsF(p.letra).boundingRect(p.caja, p.banderas, p.texto);
        if (medida.width() > p.caja.width() + 0.5 || medida.height() > p.caja.height() + 0.5)
            return cual + " does not fit its box";
    }
    return {};
}

struct Caso_disposicion {
    const Palabras* idioma;
    Forma_tarjeta forma;
};

void PrintTo(const Caso_disposicion& c, std::ostream* os) {
    *os << c.idioma->idioma << " " << Datos_de(c.forma).nombre;
}

class CabenTest : public testing::TestWithParam<Caso_disposicion> {};

// Every kin of a 260-day round, the two special days, and a person's card
// with a long name, each with its own texts in the language.
TEST_P(CabenTest, CadaKinCabeSinCortesNiSolapes) {
    const auto [idioma, forma] = GetParam();
    std::vector<Fecha> fechas = {{25, 7, 2027}, {29, 2, 2028}};
    for (QDate d(2027, 1, 1); fechas.size() < 262; d = d.addDays(1)) {
        if (d.month() != 2 || d.day() != 29) fechas.push_back({d.day(), d.month(), d.year()});
    }
    for (const Fecha& f : fechas) {
        const std::string fallo = Fallo(Disponer_tarjeta(Tarjeta_dia(f, *idioma), forma), forma);
        EXPECT_EQ(fallo, "") << f.dia << "-" << f.mes << "-" << f.año;
    }
    const QString nombre = QStringLiteral("Maria Aparecida dos Santos Oliveira de Albuquerque Wolff");
    const Tarjeta persona = Tarjeta_persona(nombre, {28, 2, 2027}, *idioma);
    EXPECT_EQ(Fallo(Disponer_tarjeta(persona, forma), forma), "") << "the person's card";
}

std::vector<Caso_disposicion> Casos_disposicion() {
    std::vector<Caso_disposicion> casos;
    for (const Palabras* p : idiomas) {
        for (const Datos_forma& d : formas_tarjeta) casos.push_back({p, d.forma});
    }
    return casos;
}

INSTANTIATE_TEST_SUITE_P(Formas, CabenTest, testing::ValuesIn(Casos_disposicion()),
                         [](const auto& info) {
                             return std::string(info.param.idioma->idioma) + "_" +
                                    std::string(Datos_de(info.param.forma).nombre);
                         });

// ---------------------------------------------------------------------------
// The files, read back

std::optional<QByteArray> Ejecutar(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    return p.readAllStandardOutput();
}

// How many pixels of two pictures of one size differ, seen at a quarter of
// their size (where the two renderers' anti-aliasing of an edge evens out):
// those with a channel more than a quarter of its range apart.
int Distintos(const QImage& a, const QImage& b) {
    const QSize cuarto = a.size() / 4;
    const QImage x = a.convertToFormat(QImage::Format_RGB32).scaled(cuarto, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage y = b.convertToFormat(QImage::Format_RGB32).scaled(cuarto, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int distintos = 0;
    for (int fila = 0; fila < x.height(); ++fila) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, fila), q = y.pixel(col, fila);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            if (d > 64) ++distintos;
        }
    }
    return distintos;
}

// The SVG's title, description and every text it draws, joined by blanks.
struct Textos_svg {
    QString titulo, descripcion, textos;
    bool bien_formado;
};

Textos_svg Leer_svg(const QByteArray& svg) {
    Textos_svg t;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("title")) t.titulo = xml.readElementText();
        else if (xml.name() == QLatin1String("desc")) t.descripcion = xml.readElementText();
        else if (xml.name() == QLatin1String("text")) t.textos += xml.readElementText() + QLatin1Char(' ');
    }
    t.bien_formado = !xml.hasError();
    return t;
}

struct Caso_archivo {
    const char* nombre;
    Fecha fecha;
    Forma_tarjeta forma;
    const char* idioma;
    const char* persona;  // "" for a day's card
};

void PrintTo(const Caso_archivo& c, std::ostream* os) {
    *os << c.nombre;
}

const Caso_archivo casos_archivo[] = {
    {"es_cuadrada_fuera_del_tiempo", {25, 7, 2003}, Forma_tarjeta::cuadrada, "es", ""},
    {"en_vertical_nombre_mas_largo", {28, 2, 2027}, Forma_tarjeta::vertical, "en", ""},
    {"pt_ancha_nombre_mas_largo", {15, 2, 2027}, Forma_tarjeta::ancha, "pt", ""},
    {"pt_cuadrada_hunab_ku_persona", {29, 2, 2028}, Forma_tarjeta::cuadrada, "pt", "João Ñandú"},
    {"es_vertical_persona_griega", {9, 4, 2003}, Forma_tarjeta::vertical, "es", "Ελένη"},
    {"en_ancha_persona", {13, 11, 2013}, Forma_tarjeta::ancha, "en", "Ann & <Bo>"},
};

class ArchivoTest : public testing::TestWithParam<Caso_archivo> {};

TEST_P(ArchivoTest, PngYSvgDicenLoMismo) {
    const Caso_archivo& c = GetParam();
    const Palabras& idioma = *Palabras_idioma(c.idioma);
    const Tarjeta t = *c.persona ? Tarjeta_persona(QString::fromUtf8(c.persona), c.fecha, idioma)
                                 : Tarjeta_dia(c.fecha, idioma);
    const Datos_forma& d = Datos_de(c.forma);
    const QByteArray png = Png_tarjeta(t, c.forma), svg = Svg_tarjeta(t, c.forma);
    EXPECT_EQ(png, Png_tarjeta(t, c.forma)) << "the same PNG twice";
    EXPECT_EQ(svg, Svg_tarjeta(t, c.forma)) << "the same SVG twice";

    const QImage imagen = QImage::fromData(png, "PNG");
    ASSERT_EQ(imagen.size(), QSize(d.ancho, d.alto));

    const QTemporaryDir carpeta;
    const QString ruta_png = carpeta.filePath(QStringLiteral("t.png"));
    const QString ruta_svg = carpeta.filePath(QStringLiteral("t.svg"));
    const QString ruta_rsvg = carpeta.filePath(QStringLiteral("rsvg.png"));
    for (const auto& [ruta, bytes] : {std::pair{ruta_png, png}, std::pair{ruta_svg, svg}}) {
        QFile f(ruta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }

    // The PNG's alternative text, as exiftool reads its iTXt chunk.
    // In its language's full tag, from the registry ("pt-BR").
    const std::string_view etiqueta = Etiqueta_idioma(idioma);
    const QString clave = QStringLiteral("-Description-") +
                          QString::fromLatin1(etiqueta.data(), static_cast<qsizetype>(etiqueta.size()));
    const std::optional<QByteArray> descripcion =
        Ejecutar(QStringLiteral("exiftool"), {QStringLiteral("-s3"), QStringLiteral("-b"), clave, ruta_png});
    ASSERT_TRUE(descripcion) << "exiftool (libimage-exiftool-perl)";
    EXPECT_EQ(QString::fromUtf8(*descripcion), Texto_alternativo(t));

    // The SVG: well-formed, titled and described, the kin's name as text.
    const Textos_svg leidos = Leer_svg(svg);
    EXPECT_TRUE(leidos.bien_formado);
    EXPECT_FALSE(svg.contains("<image")) << "glyphs as paths, not pictures";
    EXPECT_EQ(leidos.titulo, Titulo_tarjeta(t));
    EXPECT_EQ(leidos.descripcion, Texto_alternativo(t));
    for (const QString& palabra : Texto(t.lectura.nombre_kin).split(QLatin1Char(' ')))
        EXPECT_TRUE(leidos.textos.contains(palabra)) << palabra.toStdString();
    if (*c.persona) {
        EXPECT_TRUE(leidos.textos.contains(t.persona));
    }

    // librsvg draws the SVG as the PNG is drawn.
    ASSERT_TRUE(Ejecutar(QStringLiteral("rsvg-convert"), {ruta_svg, QStringLiteral("-o"), ruta_rsvg}))
        << "rsvg-convert (librsvg2-bin)";
    const QImage rsvg(ruta_rsvg);
    ASSERT_EQ(rsvg.size(), imagen.size());
    EXPECT_LE(Distintos(imagen, rsvg), imagen.width() * imagen.height() / 16 / 500)
        << "more than 0.2 % of the picture differs";
}

INSTANTIATE_TEST_SUITE_P(Tarjetas, ArchivoTest, testing::ValuesIn(casos_archivo),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(Tarjeta, NombresDeFormaYArchivo) {
    for (const Datos_forma& d : formas_tarjeta) EXPECT_EQ(Forma_de_nombre(d.nombre), d.forma);
    EXPECT_EQ(Forma_de_nombre("redonda"), std::nullopt);
    const Tarjeta ana = Tarjeta_persona(QStringLiteral(" Ana / María "), {9, 4, 2003}, palabras_es);
    EXPECT_EQ(ana.persona, QStringLiteral("Ana / María"));
    EXPECT_EQ(Nombre_archivo_tarjeta(ana, Formato_tarjeta::svg),
              QStringLiteral("Talmiroc-Kin-46-2003-04-09-Ana-María.svg"));
}

// ---------------------------------------------------------------------------
// The day window's context menu

struct Caso_ventana {
    const char* nombre;
    bool con_fecha;      // Calcular pressed on 25 July 2003 first; else Limpiar
    const char* elige;   // the file the dialog answers, in a fresh folder; "" cancelled
    int filtro;          // the kind chosen, an index of Opciones_tarjeta()
    const char* inicio;  // how the file written begins; "" when none is
    bool aviso;          // a message tells the failure
};

void PrintTo(const Caso_ventana& c, std::ostream* os) {
    *os << c.nombre;
}

// Opciones_tarjeta() lists each shape as PNG, then SVG: 3 is the vertical SVG.
const Caso_ventana casos_ventana[] = {
    {"png_cuadrada", true, "t.png", 0, "\x89PNG", false},
    {"svg_vertical", true, "t.svg", 3, "<?xml", false},
    {"nombre_svg_con_filtro_png", true, "t.svg", 4, "<?xml", false},
    {"carpeta_que_no_existe", true, "no/hay/t.png", 0, "", true},
    {"cancelado", true, "", 0, "", false},
    {"sin_fecha", false, "t.png", 0, "", false},
};

class VentanaTest : public testing::TestWithParam<Caso_ventana> {};

TEST_P(VentanaTest, GuardarYCopiarTarjeta) {
    const Caso_ventana& c = GetParam();
    prueba::Ventana_en_dia v;
    if (c.con_fecha) {
        v.Calcular(QStringLiteral("25"), QStringLiteral("7"), QStringLiteral("2003"));
    } else {
        v.ventana->Boton2_Click();  // Limpiar: the window opens on today's date
    }
    const QTemporaryDir carpeta;
    const QString archivo = *c.elige ? carpeta.filePath(QString::fromUtf8(c.elige)) : QString();
    v.efectos.archivo_elegido = {archivo, c.filtro};
    QGuiApplication::clipboard()->setText(QStringLiteral("marca"));

    v.ventana->Guardar_tarjeta();
    v.ventana->Copiar_tarjeta();

    const QMimeData* copiado = QGuiApplication::clipboard()->mimeData();
    if (!c.con_fecha) {
        EXPECT_TRUE(v.efectos.propuestos.empty()) << "no dialog without a date";
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("marca"));
    } else {
        EXPECT_EQ(v.efectos.propuestos, std::vector<QString>{QStringLiteral("Talmiroc-Kin-153-2003-07-25.png")});
        EXPECT_EQ(v.efectos.ofrecidos.size(), static_cast<qsizetype>(Opciones_tarjeta().size()));
        ASSERT_TRUE(copiado);
        EXPECT_EQ(QImage::fromData(copiado->data(QStringLiteral("image/png")), "PNG").size(), QSize(1080, 1080));
        EXPECT_TRUE(copiado->data(QStringLiteral("image/svg+xml")).startsWith("<?xml"));
    }
    QFile escrito(archivo);
    if (*c.inicio) {
        ASSERT_TRUE(escrito.open(QIODevice::ReadOnly));
        const QByteArray bytes = escrito.readAll();
        EXPECT_TRUE(bytes.startsWith(QByteArray(c.inicio)));
        if (c.filtro == 3) {
            EXPECT_TRUE(bytes.contains("width=\"1080\" height=\"1920\""));
        }
    }
    EXPECT_EQ(QDir(carpeta.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              *c.inicio ? QStringList{QString::fromUtf8(c.elige)} : QStringList())
        << "the file alone, nothing beside it";
    EXPECT_EQ(v.efectos.mensajes.size(), c.aviso ? 1U : 0U);
    if (c.aviso && !v.efectos.mensajes.empty()) {
        EXPECT_TRUE(v.efectos.mensajes[0].texto.contains(QStringLiteral("no/hay/t.png")));
        EXPECT_EQ(v.efectos.mensajes[0].icono, Icono::error);
    }
}

INSTANTIATE_TEST_SUITE_P(Menu, VentanaTest, testing::ValuesIn(casos_ventana),
                         [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace talmiroc
