#include "impresion.h"

#include <algorithm>

#include <QByteArray>
#include <QFile>
#include <QLibrary>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QWidget>

#include "efectos.h"

namespace talmiroc {

namespace {

// Draws the window as one page of a PDF laid out like `impresora`'s pages:
// as large as the paintable area allows with its proportions kept, centred.
// A PDF writer, unlike a QPrinter, lets the widgets paint themselves straight
// through its painter, so text goes out as text and glyphs as drawings.
bool Pintar_pdf(QWidget& ventana, const QPrinter& impresora, const QString& archivo,
                const QString& documento) {
    const QSizeF tam = ventana.size();
    if (tam.isEmpty() || archivo.isEmpty()) return false;
    QPdfWriter pdf(archivo);
    pdf.setResolution(impresora.resolution());
    pdf.setPageLayout(impresora.pageLayout());
    pdf.setTitle(documento);
    pdf.setCreator(QStringLiteral("Talmiroc"));
    QPainter pintor;
    if (!pintor.begin(&pdf)) return false;
    const QSizeF area(pdf.width(), pdf.height());
    const double escala = std::min(area.width() / tam.width(), area.height() / tam.height());
    pintor.translate((area.width() - tam.width() * escala) / 2,
                     (area.height() - tam.height() * escala) / 2);
    pintor.scale(escala, escala);
    ventana.render(&pintor);
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

// A queue of the print system: the page goes into a PDF of the queue's paper,
// margins and resolution, and the queue is given that file.
bool Imprimir_en_cola(QWidget& ventana, const QString& documento, const QPrinter& impresora) {
    const Cups_print_file enviar = Cups_imprimir_archivo();
    QTemporaryDir carpeta;
    if (!enviar || !carpeta.isValid()) return false;
    const QString archivo = carpeta.filePath(QStringLiteral("ventana.pdf"));
    if (!Pintar_pdf(ventana, impresora, archivo, documento)) return false;

    // The queue's own name: Qt writes an lpoptions instance as "cola/instancia".
    const QByteArray cola = impresora.printerName().section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    QByteArray copias_clave("copies");
    QByteArray copias = QByteArray::number(std::max(1, impresora.copyCount()));
    Opcion_cups opciones[] = {{copias_clave.data(), copias.data()}};
    return enviar(cola.constData(), QFile::encodeName(archivo).constData(),
                  documento.toUtf8().constData(), 1, opciones) > 0;
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
        cola ? Imprimir_en_cola(ventana, documento, *impresora)
             : Pintar_pdf(ventana, *impresora, impresora->outputFileName(), documento);
    return impresa ? Resultado_impresion::impresa : Resultado_impresion::fallida;
}

void Imprimir_ventana(QWidget& ventana, const QString& documento, Impresoras& impresoras,
                      Efectos& efectos) {
    if (Imprimir_ventana(ventana, documento, impresoras) == Resultado_impresion::fallida) {
        efectos.Mensaje(QStringLiteral("No se pudo imprimir la ventana"),
                        QStringLiteral("Quenabre"), Icono::error);
    }
}

}  // namespace talmiroc
