#include "impresion.h"

#include <algorithm>
#include <functional>
#include <optional>

#include <QByteArray>
#include <QFile>
#include <QLibrary>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QWidget>

#include "apoyo_qt.h"
#include "efectos.h"
#include "mensajes.h"

namespace talmiroc {

namespace {

// What `color`, with its alpha and the painter's opacity, leaves on white
// paper; nothing when it leaves nothing.
std::optional<QColor> Sobre_blanco(const QColor& color, qreal opacidad) {
    const qreal a = color.alphaF() * opacidad;
    if (a <= 0) return std::nullopt;
    if (a >= 1) return color;
    const QColor c = color.toRgb();
    const auto mezcla = [a](float v) { return v * a + (1 - a); };
    return QColor::fromRgbF(mezcla(c.redF()), mezcla(c.greenF()), mezcla(c.blueF()));
}

// A picture with alpha, or drawn with an opacity, as it shows on white paper.
QImage Imagen_sobre_blanco(QImage imagen, qreal opacidad) {
    const qreal dpr = imagen.devicePixelRatio();
    imagen.setDevicePixelRatio(1);
    QImage opaca(imagen.size(), QImage::Format_RGB32);
    opaca.fill(Qt::white);
    QPainter pintor(&opaca);
    pintor.setOpacity(opacidad);
    pintor.drawImage(0, 0, imagen);
    pintor.end();
    opaca.setDevicePixelRatio(dpr);
    return opaca;
}

QBrush Pincel_sobre_blanco(const QBrush& pincel, qreal opacidad) {
    switch (pincel.style()) {
        case Qt::NoBrush:
            return pincel;
        case Qt::LinearGradientPattern:
        case Qt::RadialGradientPattern:
        case Qt::ConicalGradientPattern: {
            QGradient degradado = *pincel.gradient();
            QGradientStops paradas = degradado.stops();
            for (auto& [posicion, color] : paradas)
                color = Sobre_blanco(color, opacidad).value_or(Qt::white);
            degradado.setStops(paradas);
            QBrush opaco(degradado);
            opaco.setTransform(pincel.transform());
            return opaco;
        }
        case Qt::TexturePattern: {
            if (!pincel.textureImage().hasAlphaChannel() && opacidad >= 1) return pincel;
            QBrush opaco(pincel);
            opaco.setTextureImage(Imagen_sobre_blanco(pincel.textureImage(), opacidad));
            return opaco;
        }
        default: {
            const auto color = Sobre_blanco(pincel.color(), opacidad);
            if (!color) return Qt::NoBrush;
            QBrush opaco(pincel);
            opaco.setColor(*color);
            return opaco;
        }
    }
}

QPen Pluma_sobre_blanco(QPen pluma, qreal opacidad) {
    if (pluma.style() == Qt::NoPen) return pluma;
    const QBrush pincel = Pincel_sobre_blanco(pluma.brush(), opacidad);
    if (pincel.style() == Qt::NoBrush) return Qt::NoPen;
    pluma.setBrush(pincel);
    return pluma;
}

// A paint engine that hands everything painted with it to `destino`, a
// painter on the real page, with no transparency left: colours, gradients
// and pictures with alpha, and whatever is drawn under an opacity, are
// composited onto white first. Text goes on as text (each run is drawn
// again, in its font, at its place), and paths stay paths. The page has
// nothing a print system must flatten: a PostScript renderer that meets
// transparency turns the whole page into one bitmap.
class Motor_sobre_blanco final : public QPaintEngine {
public:
    explicit Motor_sobre_blanco(QPainter& destino) : QPaintEngine(AllFeatures), destino_(destino) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& estado) override {
        const DirtyFlags cambios = estado.state();
        if (cambios & DirtyOpacity) opacidad_ = estado.opacity();
        if (cambios & DirtyPen) pluma_ = estado.pen();
        if (cambios & DirtyBrush) pincel_ = estado.brush();
        if (cambios & DirtyBackground) fondo_ = estado.backgroundBrush();
        if (cambios & (DirtyPen | DirtyOpacity))
            destino_.setPen(Pluma_sobre_blanco(pluma_, opacidad_));
        if (cambios & (DirtyBrush | DirtyOpacity))
            destino_.setBrush(Pincel_sobre_blanco(pincel_, opacidad_));
        if (cambios & (DirtyBackground | DirtyOpacity))
            destino_.setBackground(Pincel_sobre_blanco(fondo_, opacidad_));
        if (cambios & DirtyBackgroundMode) destino_.setBackgroundMode(estado.backgroundMode());
        if (cambios & DirtyBrushOrigin) destino_.setBrushOrigin(estado.brushOrigin());
        if (cambios & DirtyHints) {
            destino_.setRenderHints(destino_.renderHints(), false);
            destino_.setRenderHints(estado.renderHints());
        }
        if (cambios & DirtyTransform) destino_.setTransform(estado.transform());
        // The painter's clip, kept in device pixels: it is given in the
        // coordinates of the moment it was set.
        if (cambios & DirtyClipPath) Recortar(estado.clipPath(), estado);
        if (cambios & DirtyClipRegion) {
            QPainterPath camino;
            camino.addRegion(estado.clipRegion());
            Recortar(camino, estado);
        }
        if (cambios & DirtyClipEnabled) recorte_activo_ = estado.isClipEnabled();
        if (cambios & (DirtyClipPath | DirtyClipRegion | DirtyClipEnabled))
            recorte_cambiado_ = true;
    }

    void drawRects(const QRectF* rects, int n) override {
        Aplicar_recorte();
        destino_.drawRects(rects, n);
    }
    void drawLines(const QLineF* lineas, int n) override {
        Aplicar_recorte();
        destino_.drawLines(lineas, n);
    }
    void drawEllipse(const QRectF& caja) override {
        Aplicar_recorte();
        destino_.drawEllipse(caja);
    }
    void drawPath(const QPainterPath& camino) override {
        Aplicar_recorte();
        destino_.drawPath(camino);
    }
    void drawPoints(const QPointF* puntos, int n) override {
        Aplicar_recorte();
        destino_.drawPoints(puntos, n);
    }
    void drawPolygon(const QPointF* puntos, int n, PolygonDrawMode modo) override {
        Aplicar_recorte();
        if (modo == PolylineMode) {
            destino_.drawPolyline(puntos, n);
        } else if (modo == ConvexMode) {
            destino_.drawConvexPolygon(puntos, n);
        } else {
            destino_.drawPolygon(puntos, n,
                                 modo == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        }
    }

    void drawPixmap(const QRectF& caja, const QPixmap& pixmap, const QRectF& origen) override {
        Aplicar_recorte();
        if (!pixmap.isQBitmap() && !pixmap.hasAlphaChannel() && opacidad_ >= 1) {
            destino_.drawPixmap(caja, pixmap, origen);
        } else {
            destino_.drawImage(caja, Opaca(pixmap), origen);
        }
    }
    void drawImage(const QRectF& caja, const QImage& imagen, const QRectF& origen,
                   Qt::ImageConversionFlags banderas) override {
        Aplicar_recorte();
        if (!imagen.hasAlphaChannel() && opacidad_ >= 1) {
            destino_.drawImage(caja, imagen, origen, banderas);
        } else {
            destino_.drawImage(caja, Imagen_sobre_blanco(imagen, opacidad_), origen, banderas);
        }
    }
    void drawTiledPixmap(const QRectF& caja, const QPixmap& pixmap, const QPointF& desde) override {
        Aplicar_recorte();
        destino_.drawTiledPixmap(caja, QPixmap::fromImage(Opaca(pixmap)), desde);
    }

    // The run again, as text, in its font. The painter has drawn its
    // background and its underline already, through this engine.
    void drawTextItem(const QPointF& punto, const QTextItem& texto) override {
        Aplicar_recorte();
        QFont fuente = texto.font();
        fuente.setUnderline(false);
        fuente.setOverline(false);
        fuente.setStrikeOut(false);
        destino_.setFont(fuente);
        const Qt::BGMode modo = destino_.backgroundMode();
        destino_.setBackgroundMode(Qt::TransparentMode);
        destino_.drawText(punto, texto.text());
        destino_.setBackgroundMode(modo);
    }

private:
    void Recortar(const QPainterPath& camino, const QPaintEngineState& estado) {
        const QPainterPath en_dispositivo = estado.transform().map(camino);
        switch (estado.clipOperation()) {
            case Qt::NoClip:
                recorte_.reset();
                break;
            case Qt::ReplaceClip:
                recorte_ = en_dispositivo;
                break;
            case Qt::IntersectClip:
                recorte_ = recorte_ ? recorte_->intersected(en_dispositivo) : en_dispositivo;
                break;
        }
    }

    // The painter's clip and the system clip (the part of the widget that
    // is being painted) on the page, when either has changed.
    void Aplicar_recorte() {
        const QRegion sistema = systemClip();
        if (!recorte_cambiado_ && sistema == sistema_aplicado_) return;
        recorte_cambiado_ = false;
        sistema_aplicado_ = sistema;
        std::optional<QPainterPath> recorte;
        if (recorte_activo_) recorte = recorte_;
        if (!sistema.isEmpty()) {
            QPainterPath camino;
            camino.addRegion(sistema);
            recorte = recorte ? recorte->intersected(camino) : camino;
        }
        const QTransform transformacion = destino_.transform();
        destino_.resetTransform();
        if (recorte) {
            destino_.setClipPath(*recorte);
        } else {
            destino_.setClipping(false);
        }
        destino_.setTransform(transformacion);
    }

    // A bitmap is drawn in the pen's colour, on the background's in opaque mode.
    QImage Opaca(const QPixmap& pixmap) const {
        if (!pixmap.isQBitmap()) return Imagen_sobre_blanco(pixmap.toImage(), opacidad_);
        QPixmap mascara = pixmap;
        mascara.setDevicePixelRatio(1);
        QImage imagen(mascara.size(), QImage::Format_ARGB32_Premultiplied);
        imagen.fill(destino_.backgroundMode() == Qt::OpaqueMode ? fondo_.color()
                                                                : QColor(Qt::transparent));
        QPainter pintor(&imagen);
        pintor.setPen(pluma_.color());
        pintor.drawPixmap(0, 0, mascara);
        pintor.end();
        imagen.setDevicePixelRatio(pixmap.devicePixelRatio());
        return Imagen_sobre_blanco(imagen, opacidad_);
    }

    QPainter& destino_;
    qreal opacidad_ = 1;
    QPen pluma_;
    QBrush pincel_, fondo_;
    std::optional<QPainterPath> recorte_;
    bool recorte_activo_ = false;
    bool recorte_cambiado_ = true;
    QRegion sistema_aplicado_;
};

// The page as the window paints on it: a PDF page like `real` (a paged
// device, so pictures are drawn from their SVG), whose painting goes
// through Motor_sobre_blanco onto `pintor`, the painter on `real`.
class Pagina_sobre_blanco final : public QPdfWriter {
public:
    Pagina_sobre_blanco(QPdfWriter& real, QPainter& pintor)
        : QPdfWriter(QString()), motor_(pintor) {
        setResolution(real.resolution());
        setPageLayout(real.pageLayout());
    }

protected:
    QPaintEngine* paintEngine() const override { return &motor_; }

private:
    mutable Motor_sobre_blanco motor_;
};

// Draws the window as one page of a PDF laid out like `impresora`'s pages:
// as large as the paintable area allows with its proportions kept, centred.
// A PDF writer, unlike a QPrinter, lets the widgets paint themselves straight
// through its painter, so text goes out as text and glyphs as drawings. Its
// resolution is the window's, so fonts keep the size they have on screen.
bool Pintar_pdf(QWidget& ventana, const QPrinter& impresora, const QString& archivo,
                const QString& documento) {
    const QSizeF tam = ventana.size();
    if (tam.isEmpty() || archivo.isEmpty()) return false;
    QPdfWriter pdf(archivo);
    pdf.setResolution(ventana.logicalDpiY());
    pdf.setPageLayout(impresora.pageLayout());
    pdf.setTitle(documento);
    pdf.setCreator(QStringLiteral("Talmiroc"));
    QPainter pintor;
    if (!pintor.begin(&pdf)) return false;
    {
        Pagina_sobre_blanco pagina(pdf, pintor);
        QPainter sobre_blanco(&pagina);
        const QSizeF area(pdf.width(), pdf.height());
        const double escala = std::min(area.width() / tam.width(), area.height() / tam.height());
        sobre_blanco.translate((area.width() - tam.width() * escala) / 2,
                               (area.height() - tam.height() * escala) / 2);
        sobre_blanco.scale(escala, escala);
        ventana.render(&sobre_blanco);
    }
    return pintor.end();
}

// libcups, found the way Qt's own print support finds it. Qt hands its jobs
// to CUPS without looking at the answer; cupsPrintFile tells the job's id, or
// 0 when the queue does not take it.
struct Opcion_cups {  // cups_option_t
    char* nombre;
    char* valor;
};
using Cups_print_file = int (*)(const char* cola, const char* archivo, const char* titulo,
                                int n_opciones, Opcion_cups* opciones);

Cups_print_file Cups_imprimir_archivo() {
    static const auto funcion = reinterpret_cast<Cups_print_file>(
        QLibrary::resolve(QStringLiteral("cups"), 2, "cupsPrintFile"));
    return funcion;
}

// A queue of the print system: `pintar` writes the pages into a PDF file,
// and the queue is given that file.
bool Imprimir_en_cola(const QString& documento, const QPrinter& impresora,
                      const std::function<bool(const QString& archivo)>& pintar) {
    const Cups_print_file enviar = Cups_imprimir_archivo();
    QTemporaryDir carpeta;
    if (!enviar || !carpeta.isValid()) return false;
    const QString archivo = carpeta.filePath(QStringLiteral("ventana.pdf"));
    if (!pintar(archivo)) return false;

    // The queue's own name: Qt writes an lpoptions instance as "cola/instancia".
    const QByteArray cola = impresora.printerName().section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    QByteArray copias_clave("copies");
    QByteArray copias = QByteArray::number(std::max(1, impresora.copyCount()));
    // A PostScript queue (cups-pdf among them) turns the page into
    // PostScript with cups-filters' pdftops. Its default renderer,
    // ghostscript, redraws Qt's embedded fonts as Type 3 glyphs that no
    // longer say which letters they are, so a PDF made from the job has no
    // text; poppler's cairo renderer keeps the fonts. Queues that never run
    // pdftops ignore the option.
    QByteArray renderizador_clave("pdftops-renderer");
    QByteArray renderizador("pdftocairo");
    Opcion_cups opciones[] = {{copias_clave.data(), copias.data()},
                              {renderizador_clave.data(), renderizador.data()}};
    return enviar(cola.constData(), QFile::encodeName(archivo).constData(),
                  documento.toUtf8().constData(), static_cast<int>(std::size(opciones)),
                  opciones) > 0;
}

}  // namespace

std::unique_ptr<QPrinter> Impresoras_qt::Predeterminada() {
    const QPrinterInfo predeterminada = QPrinterInfo::defaultPrinter();
    if (predeterminada.isNull()) return nullptr;
    return std::make_unique<QPrinter>(predeterminada, QPrinter::HighResolution);
}

std::unique_ptr<QPrinter> Impresoras_qt::Elegir(QWidget& ventana) {
    auto impresora = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialogo(impresora.get(), &ventana);
    // One page, the whole window: there is nothing to choose pages from.
    dialogo.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialogo.exec() != QDialog::Accepted) return nullptr;
    return impresora;
}

Resultado_impresion Imprimir_ventana(QWidget& ventana, const QString& documento,
                                     Impresoras& impresoras) {
    std::unique_ptr<QPrinter> impresora = impresoras.Predeterminada();
    if (!impresora) impresora = impresoras.Elegir(ventana);
    if (!impresora) return Resultado_impresion::cancelada;

    // A queue of the print system, or a PDF file chosen in the dialog.
    const bool cola = impresora->outputFormat() == QPrinter::NativeFormat;
    const bool impresa =
        cola ? Imprimir_en_cola(documento, *impresora,
                                [&](const QString& archivo) {
                                    // a PDF of the queue's paper, margins and resolution
                                    return Pintar_pdf(ventana, *impresora, archivo, documento);
                                })
             : Pintar_pdf(ventana, *impresora, impresora->outputFileName(), documento);
    return impresa ? Resultado_impresion::impresa : Resultado_impresion::fallida;
}

Resultado_impresion Imprimir_hojas(QWidget& ventana, const QString& documento,
                                   Impresoras& impresoras, const Escritor_pdf& escribir) {
    const std::unique_ptr<QPrinter> impresora = impresoras.Elegir(ventana);
    if (!impresora) return Resultado_impresion::cancelada;
    const QPageSize papel = impresora->pageLayout().pageSize();
    const bool impresas =
        impresora->outputFormat() == QPrinter::NativeFormat
            ? Imprimir_en_cola(documento, *impresora,
                               [&](const QString& archivo) { return escribir(archivo, papel); })
            : escribir(impresora->outputFileName(), papel);
    return impresas ? Resultado_impresion::impresa : Resultado_impresion::fallida;
}

void Imprimir_ventana(QWidget& ventana, const QString& documento, Impresoras& impresoras,
                      Efectos& efectos) {
    if (Imprimir_ventana(ventana, documento, impresoras) == Resultado_impresion::fallida) {
        efectos.Mensaje(Traducido(mensaje_impresion_fallida), Traducido(titulo_imprimir), Icono::error);
    }
}

}  // namespace talmiroc
