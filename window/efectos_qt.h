// The real effects: QMessageBox, the system clock and the default printer.
#pragma once

#include "efectos.h"

namespace talmiroc {

class Efectos_qt final : public Efectos {
public:
    void Mensaje(const QString& texto, const QString& titulo, Icono icono) override;
    QDate Hoy() override;
    void Imprimir(QWidget& ventana) override;
};

}  // namespace talmiroc
