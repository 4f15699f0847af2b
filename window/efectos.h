// What the window reaches outside itself: a modal message, today's date and
// the printer. The program uses Efectos_qt; tests hand in a recording fake.
#pragma once

#include <QDate>
#include <QString>

#include "tzolkin.h"

class QWidget;

namespace talmiroc {

class Efectos {
public:
    virtual ~Efectos() = default;

    // A modal message box with one OK button; returns once it is closed.
    virtual void Mensaje(const QString& texto, const QString& titulo, Icono icono) = 0;

    // Today's local date.
    virtual QDate Hoy() = 0;

    // Prints an image of the window's client area as it is shown now, under
    // the document name `documento`.
    virtual void Imprimir(QWidget& ventana, const QString& documento) = 0;
};

}  // namespace talmiroc
