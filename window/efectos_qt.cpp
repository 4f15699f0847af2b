#include "efectos_qt.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include "idioma_qt.h"
#include "impresion.h"

namespace talmiroc {

namespace {

Impresoras& Impresoras_del_sistema() {
    static Impresoras_qt impresoras;
    return impresoras;
}

}  // namespace

Efectos_qt::Efectos_qt() : impresoras_(Impresoras_del_sistema()) {}

Efectos_qt::Efectos_qt(Impresoras& impresoras) : impresoras_(impresoras) {}

void Efectos_qt::Mensaje(const QString& texto, const QString& titulo, Icono icono) {
    Cargar_palabras_qt();
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

void Efectos_qt::Imprimir(QWidget& ventana, const QString& documento) {
    Cargar_palabras_qt();
    Imprimir_ventana(ventana, documento, impresoras_, *this);
}

}  // namespace talmiroc
