#include "tarjeta.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QWidget>

#include <zlib.h>

#include "apoyo_qt.h"
#include "archivo_qt.h"
#include "efectos.h"
#include "idioma_qt.h"

namespace talmiroc {

namespace {

const char contexto[] = "talmiroc::Tarjeta";

QString Nacimiento(const Tarjeta& t) {
    const Palabras& p = *t.lectura.palabras;
    return Traducir(p, contexto, QT_TRANSLATE_NOOP("talmiroc::Tarjeta", "Nacimiento: %1"))
        .arg(Texto(Fecha_escrita(t.lectura.entrada, p)));
}

// A PNG chunk: its length, type, data and CRC over type and data.
QByteArray Trozo_png(const char tipo[4], const QByteArray& datos) {
    QByteArray trozo;
    const auto n = static_cast<quint32>(datos.size());
    for (int desplazamiento : {24, 16, 8, 0}) trozo.append(static_cast<char>((n >> desplazamiento) & 0xff));
    trozo.append(tipo, 4);
    trozo.append(datos);
    uLong crc = crc32(0L, Z_NULL, 0);
    crc = crc32(crc, reinterpret_cast<const Bytef*>(trozo.constData() + 4),
                static_cast<uInt>(trozo.size() - 4));
    for (int desplazamiento : {24, 16, 8, 0}) trozo.append(static_cast<char>((crc >> desplazamiento) & 0xff));
    return trozo;
}

// An uncompressed iTXt chunk: a Latin-1 keyword, the text's language and
// the text in UTF-8 (Qt writes Latin-1 texts as tEXt or zTXt, which have
// no language and mangle any other script).
QByteArray Itxt(const char* clave, const QByteArray& idioma, const QString& texto) {
    QByteArray datos(clave);
    datos.append('\0').append('\0').append('\0');  // end of keyword; not compressed; method 0
    datos.append(idioma).append('\0');             // language tag
    datos.append('\0');                            // no translated keyword
    datos.append(texto.toUtf8());
    return Trozo_png("iTXt", datos);
}

// Qt's generator writes the title and description as given, unescaped:
// they are given as these marks and written here.
const QString marca_titulo = QStringLiteral("@titulo@");
const QString marca_descripcion = QStringLiteral("@descripcion@");

// The SVG as Qt's generator writes it, made to say its size in pixels, its
// language and its alternative text to assistive technology.
QByteArray Ajustar_svg(const QByteArray& svg, const Datos_forma& d, const QByteArray& idioma,
                       const QString& titulo, const QString& descripcion) {
    QString texto = QString::fromUtf8(svg);
    static const QRegularExpression raiz(QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\""));
    texto.replace(raiz, QStringLiteral("<svg width=\"%1\" height=\"%2\" xml:lang=\"%3\" role=\"img\" "
                                       "aria-labelledby=\"titulo descripcion\"")
                            .arg(d.ancho)
                            .arg(d.alto)
                            .arg(QString::fromLatin1(idioma)));
    texto.replace(QStringLiteral("<title>") + marca_titulo,
                  QStringLiteral("<title id=\"titulo\">") + titulo.toHtmlEscaped());
    texto.replace(QStringLiteral("<desc>") + marca_descripcion,
                  QStringLiteral("<desc id=\"descripcion\">") + descripcion.toHtmlEscaped());
    return texto.toUtf8();
}

}  // namespace

const Datos_forma& Datos_de(Forma_tarjeta forma) {
    for (const Datos_forma& d : formas_tarjeta) {
        if (d.forma == forma) return d;
    }
    return formas_tarjeta.front();
}

std::optional<Forma_tarjeta> Forma_de_nombre(std::string_view nombre) {
    for (const Datos_forma& d : formas_tarjeta) {
        if (d.nombre == nombre) return d.forma;
    }
    return std::nullopt;
}

Tarjeta Tarjeta_dia(const Fecha& fecha, const Palabras& p) {
    return {Describir_dia(fecha, p), {}};
}

Tarjeta Tarjeta_persona(const QString& nombre, const Fecha& nacimiento, const Palabras& p) {
    return {Describir_dia(nacimiento, p), nombre.simplified()};
}

QString Titulo_tarjeta(const Tarjeta& t) {
    const Palabras& p = *t.lectura.palabras;
    const QString sep = Texto(p.separador_titulo);
    QString titulo = QStringLiteral("%1 %2").arg(Texto(p.kin)).arg(t.lectura.kin.valor) + sep +
                     Texto(t.lectura.nombre_kin) + sep + Texto(Fecha_escrita(t.lectura.entrada, p));
    return t.persona.isEmpty() ? titulo : t.persona + sep + titulo;
}

QString Texto_alternativo(const Tarjeta& t) {
    const QString frase = Texto(Frase_dia(t.lectura));
    return t.persona.isEmpty() ? frase : t.persona + QStringLiteral(", ") + Nacimiento(t) +
                                             QStringLiteral(": ") + frase;
}

QString Nombre_archivo_tarjeta(const Tarjeta& t, Formato_tarjeta formato) {
    const Fecha& f = t.lectura.entrada;
    QString nombre = QStringLiteral("Talmiroc-Kin-%1-%2-%3-%4")
                         .arg(t.lectura.kin.valor)
                         .arg(f.año, 4, 10, QLatin1Char('0'))
                         .arg(f.mes, 2, 10, QLatin1Char('0'))
                         .arg(f.dia, 2, 10, QLatin1Char('0'));
    if (!t.persona.isEmpty()) {
        // The person's name as far as a file name keeps it: letters and digits.
        QString persona;
        for (const QChar c : t.persona) {
            if (c.isLetterOrNumber()) persona += c;
            else if (!persona.endsWith(QLatin1Char('-'))) persona += QLatin1Char('-');
        }
        persona = persona.left(40);
        while (persona.endsWith(QLatin1Char('-'))) persona.chop(1);
        if (!persona.isEmpty() && persona != QLatin1String("-")) nombre += QLatin1Char('-') + persona;
    }
    return nombre + (formato == Formato_tarjeta::png ? QStringLiteral(".png") : QStringLiteral(".svg"));
}

void Pintar_tarjeta(QPainter& pintor, const Tarjeta& t, Forma_tarjeta forma) {
    const Datos_forma& d = Datos_de(forma);
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setRenderHint(QPainter::TextAntialiasing);
    pintor.fillRect(QRectF(0, 0, d.ancho, d.alto), Qt::white);
    for (const Pieza_tarjeta& p : Disponer_tarjeta(t, forma)) {
        switch (p.tipo) {
            case Pieza_tarjeta::Tipo::relleno:
                pintor.fillRect(p.caja, p.color);
                break;
            case Pieza_tarjeta::Tipo::glifo:
                Pintar_recurso(pintor, p.caja, p.texto);
                break;
            case Pieza_tarjeta::Tipo::texto:
                pintor.setFont(p.letra);
                pintor.setPen(p.color);
                pintor.drawText(p.caja, p.banderas, p.texto);
                break;
        }
    }
    pintor.restore();
}

QByteArray Png_tarjeta(const Tarjeta& t, Forma_tarjeta forma) {
    const Datos_forma& d = Datos_de(forma);
    QImage imagen(d.ancho, d.alto, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    {
        QPainter pintor(&imagen);
        Pintar_tarjeta(pintor, t, forma);
    }
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !imagen.save(&buffer, "PNG")) return {};
    // The texts right after the header, where readers look for them first.
    constexpr qsizetype tras_cabecera = 8 + 25;
    if (png.size() < tras_cabecera || png.mid(12, 4) != "IHDR") return {};
    const std::string_view etiqueta = Etiqueta_idioma(*t.lectura.palabras);
    const QByteArray idioma(etiqueta.data(), static_cast<qsizetype>(etiqueta.size()));
    png.insert(tras_cabecera, Itxt("Title", idioma, Titulo_tarjeta(t)) +
                                  Itxt("Description", idioma, Texto_alternativo(t)));
    return png;
}

QByteArray Svg_tarjeta(const Tarjeta& t, Forma_tarjeta forma) {
    const Datos_forma& d = Datos_de(forma);
    QByteArray svg;
    QBuffer buffer(&svg);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    QSvgGenerator generador;
    generador.setOutputDevice(&buffer);
    generador.setSize(QSize(d.ancho, d.alto));
    generador.setViewBox(QRect(0, 0, d.ancho, d.alto));
    generador.setResolution(96);
    generador.setTitle(marca_titulo);
    generador.setDescription(marca_descripcion);
    {
        QPainter pintor;
        if (!pintor.begin(&generador)) return {};
        Pintar_tarjeta(pintor, t, forma);
        if (!pintor.end()) return {};
    }
    const std::string_view etiqueta = Etiqueta_idioma(*t.lectura.palabras);
    const QByteArray idioma(etiqueta.data(), static_cast<qsizetype>(etiqueta.size()));
    return Ajustar_svg(svg, d, idioma, Titulo_tarjeta(t), Texto_alternativo(t));
}

QByteArray Bytes_tarjeta(const Tarjeta& t, Forma_tarjeta forma, Formato_tarjeta formato) {
    return formato == Formato_tarjeta::png ? Png_tarjeta(t, forma) : Svg_tarjeta(t, forma);
}

std::vector<Opcion_tarjeta> Opciones_tarjeta() {
    std::vector<Opcion_tarjeta> opciones;
    for (const Datos_forma& d : formas_tarjeta) {
        QString forma;
        switch (d.forma) {
            case Forma_tarjeta::cuadrada:
                forma = QCoreApplication::translate("talmiroc::Tarjeta", "Tarjeta cuadrada");
                break;
            case Forma_tarjeta::vertical:
                forma = QCoreApplication::translate("talmiroc::Tarjeta", "Tarjeta vertical");
                break;
            case Forma_tarjeta::ancha:
                forma = QCoreApplication::translate("talmiroc::Tarjeta", "Tarjeta ancha");
                break;
        }
        const QString tam = QStringLiteral(" %1 × %2, ").arg(d.ancho).arg(d.alto);
        opciones.push_back({d.forma, Formato_tarjeta::png, forma + tam + QStringLiteral("PNG (*.png)")});
        opciones.push_back({d.forma, Formato_tarjeta::svg, forma + tam + QStringLiteral("SVG (*.svg)")});
    }
    return opciones;
}

std::optional<Formato_tarjeta> Formato_de_archivo(const QString& archivo) {
    const QString extension = QFileInfo(archivo).suffix().toLower();
    if (extension == QLatin1String("png")) return Formato_tarjeta::png;
    if (extension == QLatin1String("svg")) return Formato_tarjeta::svg;
    return std::nullopt;
}

QString Escribir_tarjeta(const std::string& ruta, const Tarjeta& t, Forma_tarjeta forma,
                         Formato_tarjeta formato) {
    const QByteArray bytes = Bytes_tarjeta(t, forma, formato);
    salida::Escritura destino(ruta);
    if (!bytes.isEmpty() &&
        destino.Escribir(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))) &&
        destino.Terminar())
        return {};
    return Mensaje_escritura(destino);
}

QString Escribir_tarjeta(const QString& archivo, const Tarjeta& t, Forma_tarjeta forma,
                         Formato_tarjeta formato) {
    return Escribir_tarjeta(QFile::encodeName(archivo).toStdString(), t, forma, formato);
}

std::unique_ptr<QMimeData> Datos_portapapeles(const Tarjeta& t, Forma_tarjeta forma) {
    auto datos = std::make_unique<QMimeData>();
    datos->setData(QStringLiteral("image/png"), Png_tarjeta(t, forma));
    datos->setData(QStringLiteral("image/svg+xml"), Svg_tarjeta(t, forma));
    return datos;
}

void Guardar_tarjeta(QWidget& ventana, Efectos& efectos, const Tarjeta& t) {
    const std::vector<Opcion_tarjeta> opciones = Opciones_tarjeta();
    QStringList filtros;
    for (const Opcion_tarjeta& o : opciones) filtros << o.filtro;
    const QString titulo = QCoreApplication::translate("talmiroc::Tarjeta", "Guardar tarjeta");
    const Efectos::Archivo_elegido elegido =
        efectos.Archivo_guardar(ventana, titulo, Nombre_archivo_tarjeta(t, Formato_tarjeta::png),
                                filtros, Efectos::Carpeta::imagenes);
    if (elegido.archivo.isEmpty()) return;
    const Opcion_tarjeta& o =
        opciones.at(std::min(static_cast<std::size_t>(std::max(elegido.filtro, 0)), opciones.size() - 1));
    const QString error = Escribir_tarjeta(elegido.archivo, t, o.forma,
                                           Formato_de_archivo(elegido.archivo).value_or(o.formato));
    if (!error.isEmpty()) efectos.Mensaje(error, titulo, Icono::error);
}

void Copiar_tarjeta(const Tarjeta& t) {
    QGuiApplication::clipboard()->setMimeData(
        Datos_portapapeles(t, Forma_tarjeta::cuadrada).release());
}

QList<QAction*> Acciones_tarjeta(QWidget& ventana, Efectos& efectos, Tarjeta_elegida elegida) {
    auto* guardar =
        new QAction(QCoreApplication::translate("talmiroc::Tarjeta", "Guardar tarjeta…"), &ventana);
    QObject::connect(guardar, &QAction::triggered, &ventana, [&ventana, &efectos, elegida] {
        if (const std::optional<Tarjeta> t = elegida()) Guardar_tarjeta(ventana, efectos, *t);
    });
    auto* copiar =
        new QAction(QCoreApplication::translate("talmiroc::Tarjeta", "Copiar tarjeta"), &ventana);
    QObject::connect(copiar, &QAction::triggered, &ventana, [elegida] {
        if (const std::optional<Tarjeta> t = elegida()) Copiar_tarjeta(*t);
    });
    return {guardar, copiar};
}

}  // namespace talmiroc
