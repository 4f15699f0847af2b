#include "efectos_qt.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <QWidget>

#include "impresion.h"

namespace talmiroc {

namespace {

Impresoras& Impresoras_del_sistema() {
    static Impresoras_qt impresoras;
    return impresoras;
}

// Qt's own words in the message box and the print dialog ("Aceptar",
// "Imprimir"...) in Spanish, like everything else the window shows. Loaded
// the first time a box or dialog opens, so start-up does not pay for it.
void Dialogos_en_español() {
    static bool hecho = false;
    if (hecho) return;
    hecho = true;
    auto* traductor = new QTranslator(qApp);
    if (traductor->load(QStringLiteral("qtbase_es"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(traductor);
    } else {
        delete traductor;
    }
}

}  // namespace

Efectos_qt::Efectos_qt() : impresoras_(Impresoras_del_sistema()) {}

Efectos_qt::Efectos_qt(Impresoras& impresoras) : impresoras_(impresoras) {}

void Efectos_qt::Mensaje(const QString& texto, const QString& titulo, Icono icono) {
    Dialogos_en_español();
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
    Dialogos_en_español();
    Imprimir_ventana(ventana, documento, impresoras_, *this);
}

}  // namespace talmiroc
