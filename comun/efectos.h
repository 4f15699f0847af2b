// What the windows reach outside themselves: a modal message, the clock and
// the printer. The program uses Efectos_qt; tests hand in a recording fake.
#pragma once

#include <functional>

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include "tzolkin.h"

class QPageSize;
class QWidget;

namespace talmiroc {

// Writes pages as a PDF file on a paper: true when the file is complete.
using Escritor_pdf = std::function<bool(const QString& archivo, const QPageSize& papel)>;

class Efectos {
public:
    virtual ~Efectos() = default;

    // A modal message box with one OK button; returns once it is closed.
    virtual void Mensaje(const QString& texto, const QString& titulo, Icono icono) = 0;

    // Today's local date.
    virtual QDate Hoy() = 0;

    // The local date and time now, as Hoy() reads it.
    virtual QDateTime Ahora() = 0;

    // Prints an image of the window's client area as it is shown now, under
    // the document name `documento`.
    virtual void Imprimir(QWidget& ventana, const QString& documento) = 0;

    // Prints the pages `escribir` writes, through the print dialog over
    // `ventana`, where the person picks the printer, paper and copies;
    // the job is named `documento`. A print that cannot start is told.
    virtual void Imprimir_hojas(QWidget& ventana, const QString& documento,
                                const Escritor_pdf& escribir) = 0;

    // Where a file dialog opens: the documents folder (PDF pages, calendars)
    // or the pictures folder (cards).
    enum class Carpeta { documentos, imagenes };

    // Asks where to save a file, in a dialog titled `titulo` that opens in
    // `carpeta`, proposes `nombre` and offers the file kinds `filtros` (as
    // "PNG (*.png)"): the file and the index of the kind chosen, or an empty
    // file when the dialog is cancelled. The only dialog for a file to write.
    struct Archivo_elegido {
        QString archivo;
        int filtro = 0;
    };
    virtual Archivo_elegido Archivo_guardar(QWidget& ventana, const QString& titulo,
                                            const QString& nombre, const QStringList& filtros,
                                            Carpeta carpeta) = 0;

    // Asks for a file to read, in a dialog titled `titulo` that opens in the
    // documents folder and offers the kinds `filtros`: the file chosen, or
    // empty when the dialog is cancelled.
    virtual QString Archivo_abrir(QWidget& ventana, const QString& titulo,
                                  const QStringList& filtros) = 0;
};

}  // namespace talmiroc
