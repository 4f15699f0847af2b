#include "papel.h"

#include "idioma_qt.h"

#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>

#include "apoyo_qt.h"
#include "archivo_qt.h"
#include "celdas.h"

namespace talmiroc {

namespace {

// Half an inch: inside what every office printer can reach, on A4 and Letter.
constexpr qreal margen_mm = 12.7;

const QColor gris_rejilla(0x80, 0x80, 0x80);

// The seal colours as fills on paper, each a different grey when printed
// without colour (white 255, yellow about 229, blue 200, red 170), all light
// enough for black text.
QColor Relleno_papel(Color c) {
    switch (c) {
        case Color::rojo:
            return QColor(0xe8, 0x90, 0x90);
        case Color::blanco:
            return QColor(0xff, 0xff, 0xff);
        case Color::azul:
            return QColor(0xb0, 0xcc, 0xf0);
        case Color::amarillo:
            return QColor(0xf8, 0xec, 0x8c);
    }
    return Qt::white;
}

QFont Letra(double puntos, QFont::Weight peso = QFont::Normal) {
    return Qfont({"MS Sans Serif", puntos, peso});
}

// One line of text in `caja`, in `letra` or smaller when it would not fit
// across (a year of many digits).
void Linea(QPainter& p, const QRectF& caja, Qt::Alignment alineacion, const QString& texto,
           QFont letra) {
    const qreal ancho = QFontMetricsF(letra).horizontalAdvance(texto);
    if (ancho > caja.width()) letra.setPointSizeF(letra.pointSizeF() * caja.width() / ancho);
    p.setFont(letra);
    p.drawText(caja, alineacion | Qt::AlignVCenter | Qt::TextSingleLine, texto);
}

void Rejilla(QPainter& p, const QRectF& r) {
    p.setPen(QPen(gris_rejilla, 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

// The moon's title, its plasmas over 4 heptads of 7 days, and under them a
// row for 29 February or 25 July when the moon has one.
void Pagina_luna(QPainter& p, const QRectF& area, const Lectura_luna& luna) {
    p.setPen(Qt::black);
    Linea(p, QRectF(area.left(), area.top(), area.width(), 26), Qt::AlignHCenter,
          Texto(luna.titulo), Letra(16, QFont::Bold));
    const qreal cabecera = area.top() + 34, alto_cabecera = 16, alto_leyenda = 14;
    const bool especial = luna.dias.size() > 28;
    const qreal ancho = area.width() / 7;
    const qreal y0 = cabecera + alto_cabecera;
    const qreal alto = (area.bottom() - alto_leyenda - 4 - y0) / (especial ? 5 : 4);
    for (int plasma = 1; plasma <= 7; ++plasma) {
        Linea(p, QRectF(area.left() + (plasma - 1) * ancho, cabecera, ancho, alto_cabecera),
              Qt::AlignHCenter, Texto(En(Palabras_ventana().plasmas, plasma)),
              Letra(10, QFont::Bold));
    }
    const QFont letra = Letra(7);
    for (const Dia_de_luna& d : luna.dias) {
        // The special day, as on the screen: a band of its own under the heptads.
        const bool dia = d.especial == Dia_especial::ninguno;
        const QRectF r = dia ? QRectF(area.left() + (d.plasma - 1) * ancho,
                                      y0 + ((d.dia - 1) / 7) * alto, ancho, alto)
                             : QRectF(area.left(), y0 + 4 * alto, 7 * ancho, alto);
        Pintar_dia(p, r, letra,
                   {dia ? Texto(d.numero) : QString(), Texto(d.fecha_corta),
                    dia ? Texto(d.mes) : Texto(Nombre_especial(d, Palabras_ventana())),
                    Texto(d.kin_nombre), Recurso_sello(d.kin.sello()), Recurso_tono(d.kin.tono()),
                    (d.portal ? marca_portal : 0) | (dia ? 0 : marca_especial), 2});
        Rejilla(p, r);
    }
    p.setPen(Qt::black);
    Linea(p, QRectF(area.left(), area.bottom() - alto_leyenda, area.width(), alto_leyenda),
          Qt::AlignLeft,
          QCoreApplication::translate("talmiroc::Papel",
                                      "Marco verde: portal de activación galáctica"),
          Letra(8));
}

// The year's name after its bearer, its NS year and span, the bearer's
// glyph; the thirteen moons with their spans filling the page's height, and
// the year's special days with their dates and kins.
void Portada(QPainter& p, const QRectF& area, const Lectura_año& año) {
    const Palabras& palabras = Palabras_ventana();
    p.setPen(Qt::black);
    Linea(p, QRectF(area.left(), area.top() + 10, area.width(), 44), Qt::AlignHCenter,
          Texto(año.nombre), Letra(30, QFont::Bold));
    Linea(p, QRectF(area.left(), area.top() + 58, area.width(), 26), Qt::AlignHCenter,
          Texto(año.ns) + Texto(palabras.separador_titulo) + Texto(año.periodo), Letra(16));
    const qreal arriba = area.top() + 100;
    // The special days: 25 July always, 29 February when the year has one.
    std::vector<Dia_de_luna> especiales;
    for (const int n : {8, 13}) {
        for (const Dia_de_luna& d : Describir_luna({año.año, n}, palabras).dias) {
            if (d.especial != Dia_especial::ninguno) especiales.push_back(d);
        }
    }
    const qreal alto_especial = 30;
    const qreal abajo = area.bottom() - alto_especial * static_cast<qreal>(especiales.size()) - 8;
    const qreal alto_glifo = abajo - arriba - 28;
    const QRectF glifo(area.left() + 10, arriba, qMin<qreal>(240, alto_glifo * 0.75), alto_glifo);
    Pintar_recurso(p, QRectF(glifo.left(), glifo.top(), glifo.width(), glifo.height() * 0.22),
                   Recurso_tono(año.portador.tono()));
    Pintar_recurso(p,
                   QRectF(glifo.left(), glifo.top() + glifo.height() * 0.25, glifo.width(),
                          glifo.height() * 0.75),
                   Recurso_sello(año.portador.sello()));
    p.setPen(Qt::black);
    Linea(p, QRectF(glifo.left(), glifo.bottom() + 6, glifo.width(), 18), Qt::AlignHCenter,
          Texto(Titulo_kin(año.portador, palabras)), Letra(10));
    const qreal x = glifo.right() + 40, ancho = area.right() - x;
    const qreal paso = (abajo - arriba) / 13;
    for (int n = 1; n <= 13; ++n) {
        const Lectura_luna luna = Describir_luna({año.año, n}, palabras);
        const QRectF linea(x, arriba + (n - 1) * paso, ancho, paso);
        if (n % 2 == 0) p.fillRect(linea, QColor(0xee, 0xee, 0xee));
        p.setPen(Qt::black);
        Linea(p, QRectF(linea.left(), linea.top(), 24, paso), Qt::AlignRight, QString::number(n),
              Letra(12, QFont::Bold));
        Linea(p, linea.adjusted(34, 0, -210, 0), Qt::AlignLeft, Texto(luna.nombre), Letra(12));
        Linea(p, QRectF(linea.right() - 205, linea.top(), 200, paso), Qt::AlignRight,
              Texto(luna.periodo), Letra(12));
    }
    qreal y = abajo + 8;
    for (const Dia_de_luna& d : especiales) {
        const QRectF linea(area.left(), y, area.width(), alto_especial);
        p.setPen(violeta_onda);
        Linea(p, QRectF(linea.left(), linea.top(), 200, alto_especial), Qt::AlignLeft,
              Texto(Nombre_especial(d, palabras)), Letra(13, QFont::Bold));
        p.setPen(Qt::black);
        Linea(p, linea.adjusted(210, 0, 0, 0), Qt::AlignLeft,
              Texto(Fecha_escrita(d.fecha, palabras)) + Texto(palabras.separador_titulo) +
                  Texto(Titulo_kin(d.kin, palabras)),
              Letra(13));
        y += alto_especial;
    }
}

// The whole year on one page: the thirteen moons as 13 rows of 28 days,
// each cell the day's date and kin, 29 February in a column of its own
// between days 22 and 23, 25 July in one after day 28.
void Pagina_año_entero(QPainter& p, const QRectF& area, const Lectura_año& año) {
    const Palabras& palabras = Palabras_ventana();
    p.setPen(Qt::black);
    Linea(p, QRectF(area.left(), area.top(), area.width(), 24), Qt::AlignHCenter,
          Texto(año.nombre) + Texto(palabras.separador_titulo) + Texto(año.ns) +
              Texto(palabras.separador_titulo) + Texto(año.periodo),
          Letra(14, QFont::Bold));
    const qreal etiqueta = 92, alto_cabecera = 14, alto_leyenda = 14;
    // Columns: days 1..22, 29 February, days 23..28, 25 July.
    constexpr int columnas = 30;
    const qreal ancho = (area.width() - etiqueta) / columnas;
    const qreal y0 = area.top() + 30 + alto_cabecera;
    const qreal alto = (area.bottom() - alto_leyenda - 4 - y0) / 13;
    const auto columna = [](const Dia_de_luna& d) {
        if (d.especial == Dia_especial::hunab_ku) return 22;
        if (d.especial == Dia_especial::fuera_del_tiempo) return 29;
        return d.dia <= 22 ? d.dia - 1 : d.dia;
    };
    for (int c = 0; c < columnas; ++c) {
        const QString cabeza = c == 22   ? QStringLiteral("0.0")
                               : c == 29 ? QStringLiteral("25/7")
                                         : QString::number(c < 22 ? c + 1 : c);
        Linea(p, QRectF(area.left() + etiqueta + c * ancho, area.top() + 30, ancho, alto_cabecera),
              Qt::AlignHCenter, cabeza, Letra(7, QFont::Bold));
    }
    for (int n = 1; n <= 13; ++n) {
        const Lectura_luna luna = Describir_luna({año.año, n}, palabras);
        const qreal fila = y0 + (n - 1) * alto;
        p.setPen(Qt::black);
        p.setFont(Letra(7));
        p.drawText(QRectF(area.left(), fila, etiqueta - 4, alto),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                   QString::number(n) + QStringLiteral(" ") + Texto(luna.nombre));
        for (const Dia_de_luna& d : luna.dias) {
            const QRectF r(area.left() + etiqueta + columna(d) * ancho, fila, ancho, alto);
            p.fillRect(r,
                       d.especial == Dia_especial::ninguno ? Qt::white : QColor(0xee, 0xe6, 0xf4));
            if (d.portal) {
                p.setPen(QPen(verde_portal, 1.5));
                p.setBrush(Qt::NoBrush);
                p.drawRect(r.adjusted(1, 1, -1, -1));
            }
            p.setPen(Qt::black);
            // In reading order: the date, then the kin.
            Linea(p, QRectF(r.left() + 1, r.top() + 2, r.width() - 2, r.height() / 2 - 2),
                  Qt::AlignHCenter, Texto(d.fecha_corta), Letra(5.5));
            Linea(p, QRectF(r.left() + 1, r.center().y(), r.width() - 2, r.height() / 2 - 2),
                  Qt::AlignHCenter, QString::number(d.kin.valor), Letra(8, QFont::Bold));
            Rejilla(p, r);
        }
    }
    p.setPen(Qt::black);
    Linea(p, QRectF(area.left(), area.bottom() - alto_leyenda, area.width(), alto_leyenda),
          Qt::AlignLeft,
          QCoreApplication::translate("talmiroc::Papel",
                                      "En cada día, su fecha y su kin · 0.0: %1 · 25/7: %2 · "
                                      "marco verde: portal de activación galáctica")
              .arg(Texto(palabras.nombre_hunab_ku), Texto(palabras.nombre_fuera_del_tiempo)),
          Letra(8));
}

// The wavespell of the date's kin: its thirteen kins with their tones,
// glyphs and dates, in the round that holds the date.
void Pagina_onda(QPainter& p, const QRectF& area, const Fecha& fecha) {
    const Palabras& palabras = Palabras_ventana();
    const Kin kin = Calculo_kin(fecha.dia, fecha.mes, fecha.año).kin;
    const Lectura_onda onda = Describir_onda(kin, fecha, palabras);
    p.setPen(Qt::black);
    Linea(p, QRectF(area.left(), area.top(), area.width(), 26), Qt::AlignHCenter,
          Texto(onda.titulo), Letra(18, QFont::Bold));
    const qreal y0 = area.top() + 34;
    const qreal alto = (area.bottom() - y0) / 13;
    for (std::size_t n = 0; n < onda.kines.size(); ++n) {
        const Kin_de_onda& k = onda.kines[n];
        const QRectF r(area.left(), y0 + static_cast<qreal>(n) * alto, area.width(), alto);
        p.fillRect(r, k.kin == kin ? QColor(0xe3, 0xec, 0xf8) : QColor(Qt::white));
        if (Es_portal(k.kin)) Anillo_portal(p, r);
        const qreal lado = alto - 6;
        Pintar_recurso(p, QRectF(r.left() + 6, r.top() + 3, lado * 1.4, lado),
                       Recurso_tono(k.kin.tono()));
        Pintar_recurso(p, QRectF(r.left() + 12 + lado * 1.4, r.top() + 3, lado, lado),
                       Recurso_sello(k.kin.sello()));
        p.setPen(Qt::black);
        const qreal x = r.left() + 24 + lado * 2.4;
        Linea(p, QRectF(x, r.top(), 110, alto), Qt::AlignLeft,
              QString::number(n + 1) + QStringLiteral(" ") + Texto(k.tono), Letra(11, QFont::Bold));
        Linea(p, QRectF(x + 115, r.top(), r.right() - x - 115 - 180, alto), Qt::AlignLeft,
              Texto(Titulo_kin(k.kin, palabras)),
              Letra(11, k.kin == kin ? QFont::Bold : QFont::Normal));
        Linea(p, QRectF(r.right() - 176, r.top(), 170, alto), Qt::AlignRight, Texto(k.cuando),
              Letra(11));
        Rejilla(p, r);
    }
}

// The 13 x 20 kins, each row a seal; portals filled, the central column
// between lines and, when asked, one kin framed with its oracle and
// wavespell, named above the grid.
void Pagina_modulo(QPainter& p, const QRectF& area, std::optional<Fecha> resaltado) {
    p.setPen(Qt::black);
    Linea(p, QRectF(area.left(), area.top(), area.width(), 26), Qt::AlignHCenter,
          QCoreApplication::translate("talmiroc::Papel", "Módulo armónico"),
          Letra(18, QFont::Bold));
    qreal y = area.top() + 30;
    Kin kin{0};
    Kines_oraculo oraculo{};
    std::array<Kin, 13> onda{};
    if (resaltado) {
        kin = Calculo_kin(resaltado->dia, resaltado->mes, resaltado->año).kin;
        oraculo = Oraculo_en_kines(kin);
        onda = Onda_de(kin);
        const Lectura_onda lectura = Describir_onda(kin, *resaltado, Palabras_ventana());
        const QString sep = Texto(Palabras_ventana().separador_titulo);
        const auto socio = [](std::size_t lugar, Kin k) {
            return Texto(Palabras_ventana().lugares_oraculo[lugar]) + QStringLiteral(": ") +
                   Texto(Titulo_kin(k, Palabras_ventana()));
        };
        const QString lineas[] = {
            Texto(Titulo_kin(kin, Palabras_ventana())) + sep +
                Texto(Fecha_escrita(*resaltado, Palabras_ventana())),
            socio(0, oraculo.guia),
            socio(1, oraculo.antipoda),
            socio(2, oraculo.analogo),
            socio(3, oraculo.oculto),
            Texto(lectura.titulo) + sep + Texto(lectura.kines[0].cuando) +
                Texto(Palabras_ventana().separador_periodo) + Texto(lectura.kines[12].cuando),
        };
        for (std::size_t i = 0; i < std::size(lineas); ++i) {
            Linea(p, QRectF(area.left(), y, area.width(), 14), Qt::AlignHCenter, lineas[i],
                  Letra(i == 0 ? 11 : 9, i == 0 ? QFont::Bold : QFont::Normal));
            y += i == 0 ? 17 : 13;
        }
        y += 4;
    }
    const qreal alto_leyenda = 26, etiqueta = 86, alto_cabecera = 14;
    const qreal ancho = (area.width() - etiqueta) / 13;
    const qreal y0 = y + alto_cabecera;
    const qreal alto = (area.bottom() - alto_leyenda - 4 - y0) / 20;
    p.setPen(Qt::black);
    for (int c = 1; c <= 13; ++c) {
        Linea(p, QRectF(area.left() + etiqueta + (c - 1) * ancho, y, ancho, alto_cabecera),
              Qt::AlignHCenter, QString::number(c), Letra(9, QFont::Bold));
    }
    const QFont letra = Letra(9);
    for (int f = 1; f <= 20; ++f) {
        const qreal fila = y0 + (f - 1) * alto;
        const qreal lado = qMin(alto - 4, 22.0);
        Pintar_recurso(p, QRectF(area.left(), fila + (alto - lado) / 2, lado, lado),
                       Recurso_sello(Sello(f)));
        p.setPen(Qt::black);
        p.setFont(Letra(7));
        p.drawText(QRectF(area.left() + lado + 3, fila, etiqueta - lado - 5, alto),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                   Texto(Nombre_sello(Sello(f), Palabras_ventana())));
        for (int c = 1; c <= 13; ++c) {
            const Kin k = Kin_en_modulo(c, f);
            int marcas =
                (Es_portal(k) ? marca_portal : 0) | (En_columna_central(k) ? marca_central : 0);
            if (resaltado) {
                if (k == kin) marcas |= marca_seleccion;
                if (k == oraculo.guia) marcas |= marca_guia;
                if (k == oraculo.antipoda) marcas |= marca_antipoda;
                if (k == oraculo.analogo) marcas |= marca_analogo;
                if (k == oraculo.oculto) marcas |= marca_oculto;
                if (k.valor >= onda[0].valor && k.valor <= onda[12].valor) marcas |= marca_onda;
            }
            const QRectF r(area.left() + etiqueta + (c - 1) * ancho, fila, ancho, alto);
            Pintar_kin_modulo(p, r, letra,
                              {k.valor, Relleno_papel(Color_sello(k.sello())), marcas});
            Rejilla(p, r);
            if (marcas & marca_seleccion) {
                p.setPen(QPen(azul_seleccion, 3));
                p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
            }
        }
    }
    p.setPen(Qt::black);
    const QRectF leyenda(area.left(), area.bottom() - alto_leyenda, area.width(), alto_leyenda);
    p.setFont(Letra(8));
    p.drawText(leyenda, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap,
               resaltado ? QCoreApplication::translate(
                               "talmiroc::Papel",
                               "Verde: portal de activación galáctica · columna 7 entre líneas: "
                               "columna central · marco azul: el kin resaltado · Gu guía, "
                               "Ap antípoda, An análogo, Oc oculto · barra violeta: su onda "
                               "encantada")
                         : QCoreApplication::translate(
                               "talmiroc::Papel",
                               "Verde: portal de activación galáctica · columna 7 entre líneas: "
                               "columna central"));
}

Luna_del_año Luna_pedida(const Pedido_hojas& pedido) {
    return Luna_de(pedido.fecha);
}

}  // namespace

QPageSize Papel_del_lugar(const QLocale& lugar) {
    return QPageSize(lugar.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                            : QPageSize::A4);
}

QPageSize Papel_predeterminado() {
    const QPrinterInfo impresora = QPrinterInfo::defaultPrinter();
    if (!impresora.isNull() && impresora.defaultPageSize().id() == QPageSize::Letter)
        return QPageSize(QPageSize::Letter);
    return Papel_del_lugar(QLocale());
}

std::optional<QPageSize> Papel_de_nombre(const QString& nombre) {
    if (nombre == QLatin1String("a4")) return QPageSize(QPageSize::A4);
    if (nombre == QLatin1String("carta")) return QPageSize(QPageSize::Letter);
    return std::nullopt;
}

QString Titulo_hojas(const Pedido_hojas& pedido) {
    const QString talmiroc = QStringLiteral("Talmiroc: ");
    switch (pedido.hojas) {
        case Hojas::luna:
            return talmiroc + Texto(Describir_luna(Luna_pedida(pedido), Palabras_ventana()).titulo);
        case Hojas::año: {
            const Lectura_año año = Describir_año(Luna_pedida(pedido).año, Palabras_ventana());
            return talmiroc + Texto(año.nombre) + Texto(Palabras_ventana().separador_titulo) +
                   Texto(año.ns);
        }
        case Hojas::onda: {
            const Fecha& f = pedido.fecha;
            return talmiroc +
                   Texto(Describir_onda(Calculo_kin(f.dia, f.mes, f.año).kin, f, Palabras_ventana())
                             .titulo);
        }
        case Hojas::modulo:
            break;
    }
    return talmiroc + QCoreApplication::translate("talmiroc::Papel", "Módulo armónico");
}

bool Pintar_hojas(QPdfWriter& pdf, const Pedido_hojas& pedido, const QPageSize& papel) {
    // Points as units: the cells' sizes and the faces' point sizes hold as they are.
    pdf.setResolution(72);
    pdf.setPageLayout(QPageLayout(
        papel, pedido.hojas == Hojas::modulo ? QPageLayout::Portrait : QPageLayout::Landscape,
        QMarginsF(margen_mm, margen_mm, margen_mm, margen_mm), QPageLayout::Millimeter));
    pdf.setTitle(Titulo_hojas(pedido));
    pdf.setCreator(QStringLiteral("Talmiroc"));
    QPainter p;
    if (!p.begin(&pdf)) return false;
    const QRectF area(QPointF(0, 0), pdf.pageLayout().paintRectPoints().size());
    const Luna_del_año luna = Luna_pedida(pedido);
    switch (pedido.hojas) {
        case Hojas::luna:
            Pagina_luna(p, area, Describir_luna(luna, Palabras_ventana()));
            break;
        case Hojas::año:
            Portada(p, area, Describir_año(luna.año, Palabras_ventana()));
            pdf.newPage();
            Pagina_año_entero(p, area, Describir_año(luna.año, Palabras_ventana()));
            for (int n = 1; n <= 13; ++n) {
                pdf.newPage();
                Pagina_luna(p, area, Describir_luna({luna.año, n}, Palabras_ventana()));
            }
            break;
        case Hojas::onda:
            Pagina_onda(p, area, pedido.fecha);
            break;
        case Hojas::modulo:
            Pagina_modulo(p, area,
                          pedido.resaltar ? std::optional<Fecha>(pedido.fecha) : std::nullopt);
            break;
    }
    return p.end();
}

QString Escribir_pdf(const std::string& ruta, const Pedido_hojas& pedido, const QPageSize& papel) {
    salida::Escritura destino(ruta);
    bool pintadas = false;
    if (destino.Error() == 0) {
        Dispositivo_escritura dispositivo(destino);
        QPdfWriter pdf(&dispositivo);
        pintadas = Pintar_hojas(pdf, pedido, papel);
    }
    // QPdfWriter reports no write error of its own: the writer keeps it.
    if (pintadas && destino.Terminar()) return {};
    return Mensaje_escritura(destino);
}

QString Escribir_pdf(const QString& archivo, const Pedido_hojas& pedido, const QPageSize& papel) {
    return Escribir_pdf(QFile::encodeName(archivo).toStdString(), pedido, papel);
}

}  // namespace talmiroc
