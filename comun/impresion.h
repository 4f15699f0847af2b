// Printing the window: its client area as shown, on one page, as large as the
// page allows with its proportions kept, centred. Text stays text and glyphs
// are drawn from their SVG; nothing on the page is transparent (what the
// style draws with alpha is composited onto the window's white first), so no
// print system flattens the page into a bitmap.
#pragma once

#include <memory>

#include <QString>

#include "efectos.h"

class QPrinter;
class QWidget;

namespace talmiroc {

// Where a print can go. The program uses Impresoras_qt; tests choose.
class Impresoras {
public:
    virtual ~Impresoras() = default;

    // The default printer, or null when there is none: the print system is
    // down or has no default queue.
    virtual std::unique_ptr<QPrinter> Predeterminada() = 0;

    // Asks the user in the standard print dialog over `ventana`: the printer
    // or PDF file chosen, or null when the dialog is cancelled.
    virtual std::unique_ptr<QPrinter> Elegir(QWidget& ventana) = 0;
};

// The system's printers (CUPS) and Qt's print dialog.
class Impresoras_qt final : public Impresoras {
public:
    std::unique_ptr<QPrinter> Predeterminada() override;
    std::unique_ptr<QPrinter> Elegir(QWidget& ventana) override;
};

enum class Resultado_impresion {
    impresa,    // the page went to a file, or a queue took the job
    cancelada,  // no default printer, and the user cancelled the dialog
    fallida,    // the printer refused the painter, or the queue the job
};

// Prints `ventana` under the document name `documento` on the default
// printer, or where the user chooses when there is no default one. A queue
// gets the page as a PDF job titled `documento`, e.g. "Talmiroc Kin 46".
Resultado_impresion Imprimir_ventana(QWidget& ventana, const QString& documento,
                                     Impresoras& impresoras);

// Prints the pages `escribir` writes where the user chooses in the print
// dialog: a queue gets them as one PDF job titled `documento`, with the
// copies asked for; a PDF file chosen in the dialog is written by `escribir`.
Resultado_impresion Imprimir_hojas(QWidget& ventana, const QString& documento,
                                   Impresoras& impresoras, const Escritor_pdf& escribir);

// The same as Imprimir_ventana, telling the user through `efectos` when the print cannot start.
// A cancelled dialog says nothing.
void Imprimir_ventana(QWidget& ventana, const QString& documento, Impresoras& impresoras,
                      Efectos& efectos);

}  // namespace talmiroc
