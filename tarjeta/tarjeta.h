// The kin card: a day, or a person's birth kin, as a picture to share. The
// seal with its tone large, the kin's number and name, the date written out
// and its thirteen-moon date, the oracle cross, the wavespell and castle,
// the affirmation and a quiet "Talmiroc" at the foot, laid out anew for each
// of three shapes.
//
// One painting code draws the card on any QPainter: a PNG (QImage) and an
// SVG (QSvgGenerator, text as text, glyphs as paths) are the same drawing.
// Both files carry the reading as one sentence for those who cannot see
// them (an iTXt Description in the PNG, <title> and <desc> in the SVG), and
// the same card always gives the same bytes: no time stamp, nothing random.
//
// Needs a QGuiApplication (fonts); no display: the offscreen platform does.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QList>
#include <QMimeData>
#include <QRectF>
#include <QSize>
#include <QString>
#include <vector>

#include "tzolkin.h"

class QAction;
class QPainter;
class QWidget;

namespace talmiroc {

// ---------------------------------------------------------------------------
// Shapes and formats

enum class Forma_tarjeta { cuadrada, vertical, ancha };

struct Datos_forma {
    Forma_tarjeta forma;
    std::string_view nombre;  // as the command line names it
    int ancho, alto;          // pixels
    int letra_minima;         // no text of the card is drawn smaller (pixels)
};

// Square for messages and feeds, vertical for stories and phone screens,
// wide at the size link previews use.
inline constexpr std::array<Datos_forma, 3> formas_tarjeta = {{
    {Forma_tarjeta::cuadrada, "cuadrada", 1080, 1080, 18},
    {Forma_tarjeta::vertical, "vertical", 1080, 1920, 20},
    {Forma_tarjeta::ancha, "ancha", 1200, 630, 14},
}};

// Datos_de(Forma_tarjeta::ancha).ancho == 1200.
const Datos_forma& Datos_de(Forma_tarjeta forma);

// "cuadrada", "vertical", "ancha"; empty for anything else.
// Forma_de_nombre("vertical") == Forma_tarjeta::vertical.
std::optional<Forma_tarjeta> Forma_de_nombre(std::string_view nombre);

enum class Formato_tarjeta { png, svg };

// ---------------------------------------------------------------------------
// What a card shows

struct Tarjeta {
    Lectura_dia lectura;  // the day, in the card's language
    QString persona;      // the person's name on a person's card; empty on a day's
};

// The card of a day the date checks accepted (Comprobar_fecha), in language `p`.
// Tarjeta_dia(Fecha{25, 7, 2003}, palabras_en).lectura.kin == Kin{153}.
Tarjeta Tarjeta_dia(const Fecha& fecha, const Palabras& p);

// A person's card: `nombre` over their birth date and birth kin, in language
// `p`. The name is trimmed; one too long for its line is shortened with "…"
// on the picture, never in the alternative text. `nacimiento` is a date the
// date checks accepted. E.g. Tarjeta_persona("Ana", Fecha{9, 4, 2003},
// palabras_es) shows "Ana", "Nacimiento: 9 de abril de 2003" and kin 46.
Tarjeta Tarjeta_persona(const QString& nombre, const Fecha& nacimiento, const Palabras& p);

// The card's title: "Kin 153 · Caminante del Cielo Planetario Rojo · 25 de
// julio de 2003", the person's name first on a person's card ("Ana · Kin 46 · ...").
QString Titulo_tarjeta(const Tarjeta& t);

// The alternative text: the reading as one sentence (Frase_dia), after the
// person's name and birth date on a person's card.
QString Texto_alternativo(const Tarjeta& t);

// A file name to propose: "Talmiroc-Kin-153-2003-07-25.png" for a day.
QString Nombre_archivo_tarjeta(const Tarjeta& t, Formato_tarjeta formato);

// ---------------------------------------------------------------------------
// The layout: every piece of the card with its place, in the shape's pixels

struct Pieza_tarjeta {
    enum class Tipo { texto, glifo, relleno };
    Tipo tipo;
    QRectF caja;
    QString texto;    // a text, or a glyph's resource (Recurso_sello, Recurso_tono)
    QFont letra;      // a text's face, sized in pixels
    QColor color;     // a text's or a fill's
    int banderas = 0; // a text's Qt::Alignment and Qt::TextWordWrap
};

// The pieces of card `t` in shape `forma`, in painting order: fills first,
// then glyphs and texts, none of which overlap one another. Every text fits
// its box as measured with its face, at letra_minima or larger; a text that
// would not fit at the shape's sizes makes every text of the card smaller.
std::vector<Pieza_tarjeta> Disponer_tarjeta(const Tarjeta& t, Forma_tarjeta forma);

// Paints card `t` in shape `forma` on `pintor`, whose device is the shape's
// size in pixels (Datos_de(forma).ancho x .alto).
void Pintar_tarjeta(QPainter& pintor, const Tarjeta& t, Forma_tarjeta forma);

// The card as a PNG file's bytes (8-bit RGB, an iTXt Title and Description
// in the card's language) or as an SVG file's (text as text, <title> and
// <desc>, width and height in pixels). Empty only when Qt cannot encode.
QByteArray Png_tarjeta(const Tarjeta& t, Forma_tarjeta forma);
QByteArray Svg_tarjeta(const Tarjeta& t, Forma_tarjeta forma);
QByteArray Bytes_tarjeta(const Tarjeta& t, Forma_tarjeta forma, Formato_tarjeta formato);

// ---------------------------------------------------------------------------
// Saving and copying, as the windows offer them

// The choices of a file dialog, each shape in each format, in the windows'
// language: "Tarjeta cuadrada 1080 × 1080, PNG (*.png)", ...
struct Opcion_tarjeta {
    Forma_tarjeta forma;
    Formato_tarjeta formato;
    QString filtro;
};
std::vector<Opcion_tarjeta> Opciones_tarjeta();

// The format a file name asks for by its extension (".png", ".svg", in any
// case); empty for another. Formato_de_archivo("a/b.SVG") == Formato_tarjeta::svg.
std::optional<Formato_tarjeta> Formato_de_archivo(const QString& archivo);

// Writes the card to `ruta` (a name as bytes, or "-" for standard output)
// through the one writer of files (salida/archivo.h): beside it first, then
// renamed over it once complete, so a failure leaves neither a partial file
// nor a changed one. Empty when written; otherwise the message, naming the
// file and why: "No se pudo escribir el archivo k.png: No queda espacio en
// el dispositivo".
QString Escribir_tarjeta(const std::string& ruta, const Tarjeta& t, Forma_tarjeta forma,
                         Formato_tarjeta formato);
// The same for a name from a window (a file dialog's).
QString Escribir_tarjeta(const QString& archivo, const Tarjeta& t, Forma_tarjeta forma,
                         Formato_tarjeta formato);

// The card for the clipboard: its PNG ("image/png") and, as a second
// format, its SVG ("image/svg+xml").
std::unique_ptr<QMimeData> Datos_portapapeles(const Tarjeta& t, Forma_tarjeta forma);

class Efectos;

// "Guardar tarjeta…": asks over `ventana` where to save card `t` (the one
// save dialog of `efectos`, in the pictures folder, offering
// Opciones_tarjeta() and proposing Nombre_archivo_tarjeta's PNG name) and
// writes it there; a name ending in .png or .svg is written in that format
// whatever kind was chosen. A failure is told in a message.
void Guardar_tarjeta(QWidget& ventana, Efectos& efectos, const Tarjeta& t);

// "Copiar tarjeta": the square card on the clipboard (Datos_portapapeles).
void Copiar_tarjeta(const Tarjeta& t);

// The two menu entries every window offers for a card, "Guardar tarjeta…"
// and "Copiar tarjeta", owned by `ventana`, in the windows' language. Each
// acts on the card `elegida` gives when it is triggered; none, nothing.
using Tarjeta_elegida = std::function<std::optional<Tarjeta>()>;
QList<QAction*> Acciones_tarjeta(QWidget& ventana, Efectos& efectos, Tarjeta_elegida elegida);

}  // namespace talmiroc
