// The card's layout: each shape is a few columns (boxes of the card), each
// column a flow of blocks from top to bottom. A block is a text in a role
// (its face and colour), the tone over the seal, or the oracle cross.
// Every text is measured with its face; when a column's blocks do not fit
// its height, every text of the card is made a step smaller and the card
// laid out again.
#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QFontMetricsF>

#include "apoyo_qt.h"
#include "idioma_qt.h"
#include "tarjeta.h"

namespace talmiroc {

namespace {

// What each text is, and so its face and colour.
enum class Rol { persona, kin, nombre, maya, fecha, trece, especial, onda, afirmacion, pie };

struct Estilo {
    const char* familia;
    qreal px;  // on the square card; the shape's factor scales it
    QFont::Weight peso;
    bool cursiva;
};

// Indexed by Rol.
constexpr std::array<Estilo, 10> estilos = {{
    {"Liberation Sans", 58, QFont::Bold, false},    // persona
    {"Liberation Sans", 63, QFont::Bold, false},    // kin
    {"Liberation Sans", 44, QFont::Bold, false},    // nombre
    {"Liberation Sans", 27, QFont::Normal, false},  // maya
    {"Liberation Sans", 33, QFont::Bold, false},    // fecha
    {"Liberation Sans", 26, QFont::Normal, false},  // trece
    {"Liberation Sans", 31, QFont::Bold, false},    // especial
    {"Liberation Sans", 26, QFont::Normal, false},  // onda
    {"Liberation Serif", 28, QFont::Normal, true},  // afirmacion
    {"Liberation Serif", 24, QFont::Normal, true},  // pie
}};

const QColor tinta(0x22, 0x22, 0x22);
const QColor gris(0x6b, 0x6b, 0x6b);
const QColor verde(0x1b, 0x7f, 0x3b);  // the special days, as the Green Day's banner

// The seal colour as a band across the card and as the kin's name: the
// name's tone dark enough to read on white.
struct Colores_sello {
    QColor banda, nombre;
};
Colores_sello Colores_de(Color c) {
    switch (c) {
        case Color::rojo:
            return {QColor(0xd6, 0x3a, 0x2f), QColor(0xb0, 0x24, 0x1b)};
        case Color::blanco:
            return {QColor(0xc9, 0xc9, 0xc9), QColor(0x44, 0x44, 0x44)};
        case Color::azul:
            return {QColor(0x2f, 0x6d, 0xc4), QColor(0x1d, 0x4f, 0x96)};
        case Color::amarillo:
            return {QColor(0xf2, 0xc1, 0x1d), QColor(0x8a, 0x68, 0x00)};
    }
    return {gris, tinta};
}

struct Bloque {
    enum class Tipo { texto, glifo, cruz } tipo = Tipo::texto;
    Rol rol = Rol::pie;
    QString texto;
    int alineacion = Qt::AlignHCenter;
    bool una_linea = false;  // shrunk, then shortened with "…", never wrapped
    qreal tam = 0;           // a glyph's width, a cross cell's side
    qreal antes = 0;         // space above it, at the square card's scale
};

struct Columna {
    QRectF caja;
    bool centrar = false;  // centred vertically in its box; else from the top
    std::vector<Bloque> bloques;
};

Bloque Texto_rol(Rol rol, const QString& texto, int alineacion, qreal antes = 0,
                 bool una_linea = false) {
    Bloque b;
    b.tipo = Bloque::Tipo::texto;
    b.rol = rol;
    b.texto = texto;
    b.alineacion = alineacion;
    b.antes = antes;
    b.una_linea = una_linea;
    return b;
}

Bloque Glifo(qreal ancho, qreal antes = 0) {
    Bloque b;
    b.tipo = Bloque::Tipo::glifo;
    b.tam = ancho;
    b.antes = antes;
    return b;
}

Bloque Cruz(qreal celda, qreal antes = 0) {
    Bloque b;
    b.tipo = Bloque::Tipo::cruz;
    b.tam = celda;
    b.antes = antes;
    return b;
}

// A caption's lines as the eye reads them on a card: its "\r\n" breaks as
// line breaks, without the "* " that opens a line or the blanks around it.
QString Lineas(std::string_view caption) {
    QStringList lineas;
    for (QString l : Texto(caption).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        l = l.simplified();
        if (l.startsWith(QLatin1String("* "))) l.remove(0, 2);
        if (!l.isEmpty()) lineas << l;
    }
    return lineas.join(QLatin1Char('\n'));
}

// The texts of a card, each once.
struct Textos {
    QString persona, nacimiento, kin, nombre, maya, fecha, trece, especial, onda, afirmacion, pie;
};

Textos Textos_de(const Tarjeta& t) {
    const Lectura_dia& l = t.lectura;
    const Palabras& p = *l.palabras;
    Textos x;
    x.persona = t.persona;
    if (!t.persona.isEmpty()) {
        x.nacimiento = Traducir(p, "talmiroc::Tarjeta", QT_TRANSLATE_NOOP("talmiroc::Tarjeta",
                                                                        "Nacimiento: %1"))
                           .arg(Texto(Fecha_escrita(l.entrada, p)));
    }
    x.kin = QStringLiteral("%1 %2").arg(Texto(p.kin)).arg(l.kin.valor);
    x.nombre = Texto(l.nombre_kin);
    // The name line's second line: the Maya day and numeral.
    QStringList nombre = Lineas(l.nombre).split(QLatin1Char('\n'));
    if (nombre.size() > 1) x.maya = nombre.back().remove(QLatin1Char('<')).remove(QLatin1Char('>')).trimmed();
    x.fecha = Texto(Fecha_escrita(l.entrada, p));
    x.trece = Texto(l.linea_trece_lunas);
    x.especial = Texto(Nombre_dia_especial(l.trece_lunas.especial, p));
    x.onda = Lineas(l.onda_encantada);
    x.afirmacion = Lineas(l.inter);
    x.pie = QStringLiteral("Talmiroc");
    return x;
}

// A person's name, on one line, heads their card.
void Persona(std::vector<Bloque>& b, const Textos& x, int al) {
    if (!x.persona.isEmpty()) b.push_back(Texto_rol(Rol::persona, x.persona, al, 0, true));
}

// The date, or a person's birth; the thirteen-moon date or the special day.
void Cabecera(std::vector<Bloque>& b, const Textos& x, int al, qreal antes = 0) {
    b.push_back(Texto_rol(Rol::fecha, x.persona.isEmpty() ? x.fecha : x.nacimiento, al, antes));
    // A special day's thirteen-moon line only says its name: the name alone.
    if (x.especial.isEmpty()) b.push_back(Texto_rol(Rol::trece, x.trece, al, 6));
    else b.push_back(Texto_rol(Rol::especial, x.especial, al, 6));
}

void Nombres(std::vector<Bloque>& b, const Textos& x, int al, qreal antes = 0) {
    b.push_back(Texto_rol(Rol::kin, x.kin, al, antes, true));
    b.push_back(Texto_rol(Rol::nombre, x.nombre, al, 2));
    b.push_back(Texto_rol(Rol::maya, x.maya, al, 4));
}

// The columns of each shape.
std::vector<Columna> Columnas(const Textos& x, Forma_tarjeta forma) {
    constexpr int izq = Qt::AlignLeft, centro = Qt::AlignHCenter, der = Qt::AlignRight;
    std::vector<Columna> c;
    switch (forma) {
        case Forma_tarjeta::cuadrada: {
            // The glyph at the left, the names and dates at its right; the
            // cross and the affirmation under them; the foot.
            Columna glifo{QRectF(64, 84, 340, 560), true, {Glifo(340)}};
            Columna textos{QRectF(444, 84, 572, 560), true, {}};
            Persona(textos.bloques, x, izq);
            Nombres(textos.bloques, x, izq, 24);
            Cabecera(textos.bloques, x, izq, 30);
            textos.bloques.push_back(Texto_rol(Rol::onda, x.onda, izq, 22));
            Columna cruz{QRectF(64, 668, 340, 310), true, {Cruz(92)}};
            Columna afirmacion{QRectF(444, 668, 572, 310), true,
                               {Texto_rol(Rol::afirmacion, x.afirmacion, izq)}};
            Columna pie{QRectF(64, 986, 952, 40), false, {Texto_rol(Rol::pie, x.pie, der)}};
            c = {glifo, textos, cruz, afirmacion, pie};
            break;
        }
        case Forma_tarjeta::vertical: {
            // One column down the middle, the cross beside the wavespell and
            // the affirmation below.
            Columna cabeza{QRectF(72, 96, 936, 300), true, {}};
            Persona(cabeza.bloques, x, centro);
            Cabecera(cabeza.bloques, x, centro, 10);
            Columna glifo{QRectF(72, 410, 936, 600), true, {Glifo(430)}};
            Columna nombres{QRectF(72, 1024, 936, 250), true, {}};
            Nombres(nombres.bloques, x, centro);
            Columna cruz{QRectF(72, 1290, 400, 420), true, {Cruz(112)}};
            Columna resto{QRectF(500, 1290, 508, 420), true,
                          {Texto_rol(Rol::onda, x.onda, izq),
                           Texto_rol(Rol::afirmacion, x.afirmacion, izq, 26)}};
            Columna pie{QRectF(72, 1800, 936, 48), false, {Texto_rol(Rol::pie, x.pie, centro)}};
            c = {cabeza, glifo, nombres, cruz, resto, pie};
            break;
        }
        case Forma_tarjeta::ancha: {
            // The glyph over the cross at the left; everything said at the right.
            Columna izquierda{QRectF(40, 44, 250, 546), true, {Glifo(196), Cruz(54, 26)}};
            Columna textos{QRectF(326, 44, 834, 510), true, {}};
            Persona(textos.bloques, x, izq);
            Nombres(textos.bloques, x, izq, 14);
            Cabecera(textos.bloques, x, izq, 16);
            textos.bloques.push_back(Texto_rol(Rol::onda, x.onda, izq, 10));
            textos.bloques.push_back(Texto_rol(Rol::afirmacion, x.afirmacion, izq, 12));
            Columna pie{QRectF(326, 560, 834, 34), false, {Texto_rol(Rol::pie, x.pie, der)}};
            c = {izquierda, textos, pie};
            break;
        }
    }
    return c;
}

// Text sizes of each shape against the square card's.
qreal Factor(Forma_tarjeta forma) {
    switch (forma) {
        case Forma_tarjeta::cuadrada:
            return 1.0;
        case Forma_tarjeta::vertical:
            return 1.2;
        case Forma_tarjeta::ancha:
            return 0.8;
    }
    return 1.0;
}

// Qt draws text of 64 pixels or more as outlines, and the first outline of
// a glyph in a process comes out a shade apart from the next ones: a card
// drawn twice would not give the same bytes twice. Below that size glyphs
// come from one cache, alike every time.
constexpr int letra_maxima = 63;

QFont Letra_rol(Rol rol, qreal px) {
    const Estilo& e = estilos[static_cast<std::size_t>(rol)];
    QFont f(QString::fromLatin1(e.familia));
    f.setPixelSize(std::clamp(static_cast<int>(std::lround(px)), 1, letra_maxima));
    f.setWeight(e.peso);
    f.setItalic(e.cursiva);
    // Placed as an SVG renderer places them: no hinting moves a glyph.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QColor Color_rol(Rol rol, const Colores_sello& sello) {
    switch (rol) {
        case Rol::nombre:
            return sello.nombre;
        case Rol::maya:
        case Rol::trece:
        case Rol::pie:
            return gris;
        case Rol::especial:
            return verde;
        default:
            return tinta;
    }
}

// Lays out one column at text scale `escala`: its pieces, and whether they fit.
bool Disponer_columna(const Columna& col, const Tarjeta& t, qreal escala, int minima,
                      const Colores_sello& colores, std::vector<Pieza_tarjeta>& piezas) {
    std::vector<Pieza_tarjeta> propias;
    qreal y = 0;
    bool primero = true;
    const qreal ancho = col.caja.width();
    for (const Bloque& b : col.bloques) {
        if (b.tipo == Bloque::Tipo::texto && b.texto.isEmpty()) continue;
        if (!primero) y += b.antes * escala;
        primero = false;
        switch (b.tipo) {
            case Bloque::Tipo::texto: {
                const qreal px = std::max<qreal>(estilos[static_cast<std::size_t>(b.rol)].px * escala, minima);
                QFont letra = Letra_rol(b.rol, px);
                QString texto = b.texto;
                int banderas = b.alineacion | Qt::AlignTop;
                QSizeF tam;
                if (b.una_linea) {
                    // Smaller down to the least size, then shortened.
                    qreal w = QFontMetricsF(letra).horizontalAdvance(texto);
                    if (w > ancho) {
                        letra = Letra_rol(b.rol, std::max<qreal>(minima, std::floor(px * ancho / w)));
                        w = QFontMetricsF(letra).horizontalAdvance(texto);
                    }
                    if (w > ancho) texto = QFontMetricsF(letra).elidedText(texto, Qt::ElideRight, ancho);
                    banderas |= Qt::TextSingleLine;
                } else {
                    banderas |= Qt::TextWordWrap;
                }
                const QFontMetricsF m(letra);
                tam = m.boundingRect(QRectF(0, 0, ancho, 1e6), banderas, texto).size();
                Pieza_tarjeta p{Pieza_tarjeta::Tipo::texto, QRectF(0, y, ancho, std::ceil(tam.height())),
                                texto, letra, Color_rol(b.rol, colores), banderas};
                propias.push_back(p);
                y += p.caja.height();
                break;
            }
            case Bloque::Tipo::glifo: {
                // The tone's numeral over the seal, as the day window shows them.
                const qreal w = std::min(b.tam, ancho);
                const QSize natural = Cache_svg::Tamano(Recurso_tono(t.lectura.kin.tono()));
                const qreal wt = w * 0.78;
                const qreal ht = natural.isEmpty() ? wt / 3 : wt * natural.height() / natural.width();
                propias.push_back({Pieza_tarjeta::Tipo::glifo, QRectF((ancho - wt) / 2, y, wt, ht),
                                   Recurso_tono(t.lectura.kin.tono()), {}, {}, 0});
                y += ht + w * 0.06;
                propias.push_back({Pieza_tarjeta::Tipo::glifo, QRectF((ancho - w) / 2, y, w, w),
                                   Recurso_sello(t.lectura.kin.sello()), {}, {}, 0});
                y += w;
                break;
            }
            case Bloque::Tipo::cruz: {
                // Guide above, antipode left, analog right, occult below, the
                // day's seal in the centre.
                const qreal c = b.tam, hueco = c * 0.14, lado = 3 * c + 2 * hueco;
                const qreal x0 = (ancho - lado) / 2;
                const Oraculo_kin& o = t.lectura.oraculo;
                const std::pair<Sello, QPointF> lugares[] = {
                    {o.guia, {1, 0}}, {o.antipoda, {0, 1}}, {t.lectura.kin.sello(), {1, 1}},
                    {o.analogo, {2, 1}}, {o.oculto, {1, 2}}};
                for (const auto& [sello, lugar] : lugares) {
                    propias.push_back({Pieza_tarjeta::Tipo::glifo,
                                       QRectF(x0 + lugar.x() * (c + hueco), y + lugar.y() * (c + hueco), c, c),
                                       Recurso_sello(sello), {}, {}, 0});
                }
                y += lado;
                break;
            }
        }
    }
    const qreal dy = col.caja.top() + (col.centrar ? std::max<qreal>(0, (col.caja.height() - y) / 2) : 0);
    for (Pieza_tarjeta& p : propias) {
        p.caja.translate(col.caja.left(), dy);
        piezas.push_back(std::move(p));
    }
    return y <= col.caja.height();
}

}  // namespace

std::vector<Pieza_tarjeta> Disponer_tarjeta(const Tarjeta& t, Forma_tarjeta forma) {
    const Datos_forma& datos = Datos_de(forma);
    const Colores_sello colores = Colores_de(Color_sello(t.lectura.kin.sello()));
    const Textos textos = Textos_de(t);
    const std::vector<Columna> columnas = Columnas(textos, forma);
    std::vector<Pieza_tarjeta> piezas;
    // The band of the seal's colour along the top.
    const Pieza_tarjeta banda{Pieza_tarjeta::Tipo::relleno,
                              QRectF(0, 0, datos.ancho, forma == Forma_tarjeta::ancha ? 14 : 22),
                              {}, {}, colores.banda, 0};
    // Steps of 4 %, at most 15 of them (to about half the size).
    qreal escala = Factor(forma);
    for (int paso = 0; paso <= 15; ++paso, escala *= 0.96) {
        piezas = {banda};
        bool cabe = true;
        for (const Columna& c : columnas) {
            cabe = Disponer_columna(c, t, escala, datos.letra_minima, colores, piezas) && cabe;
        }
        if (cabe) break;
    }
    return piezas;
}

}  // namespace talmiroc
