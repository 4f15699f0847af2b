// The real effects: QMessageBox, the system clock and the printers.
#pragma once

#include "efectos.h"

namespace talmiroc {

class Impresoras;

class Efectos_qt final : public Efectos {
public:
    Efectos_qt();  // the system's printers and print dialog
    explicit Efectos_qt(Impresoras& impresoras);

    void Mensaje(const QString& texto, const QString& titulo, Icono icono) override;
    QDate Hoy() override;
    QDateTime Ahora() override;
    void Imprimir(QWidget& ventana, const QString& documento) override;
    void Imprimir_hojas(QWidget& ventana, const QString& documento,
                        const Escritor_pdf& escribir) override;
    Archivo_elegido Archivo_guardar(QWidget& ventana, const QString& titulo, const QString& nombre,
                                    const QStringList& filtros, Carpeta carpeta) override;
    QString Archivo_abrir(QWidget& ventana, const QString& titulo,
                          const QStringList& filtros) override;

private:
    Impresoras& impresoras_;
};

}  // namespace talmiroc
