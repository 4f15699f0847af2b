#include "efectos_qt.h"

#include <algorithm>

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

namespace talmiroc {

void Efectos_qt::Mensaje(const QString& texto, const QString& titulo, Icono icono) {
    QWidget* ventana = QApplication::activeWindow();
    QMessageBox caja(icono == Icono::error ? QMessageBox::Critical : QMessageBox::Information,
                     titulo, texto, QMessageBox::Ok, ventana);
    caja.exec();
    // Give the keyboard back: without a window manager nobody else does.
    if (ventana) ventana->activateWindow();
}

QDate Efectos_qt::Hoy() {
    return QDate::currentDate();
}

void Efectos_qt::Imprimir(QWidget& ventana) {
    QPrinter impresora;  // the default printer
    QPainter pintor;
    if (!pintor.begin(&impresora)) return;

    // The client area, as large as the page allows, centred on it.
    const QRect pagina = pintor.viewport();
    const QSize tam = ventana.size();
    const double escala = std::min(static_cast<double>(pagina.width()) / tam.width(),
                                   static_cast<double>(pagina.height()) / tam.height());
    pintor.translate(pagina.x() + (pagina.width() - tam.width() * escala) / 2,
                     pagina.y() + (pagina.height() - tam.height() * escala) / 2);
    pintor.scale(escala, escala);
    ventana.render(&pintor);
    pintor.end();
}

}  // namespace talmiroc
