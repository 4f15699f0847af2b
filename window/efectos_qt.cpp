#include "efectos_qt.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTranslator>
#include <QWidget>

#include "apoyo_qt.h"
#include "impresion.h"
#include "mensajes.h"

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

void Efectos_qt::Imprimir_hojas(QWidget& ventana, const QString& documento,
                                const Escritor_pdf& escribir) {
    Dialogos_en_español();
    if (talmiroc::Imprimir_hojas(ventana, documento, impresoras_, escribir) ==
        Resultado_impresion::fallida) {
        Mensaje(Texto(mensaje_hojas_fallidas), Texto(titulo_imprimir), Icono::error);
    }
}

QString Efectos_qt::Archivo_pdf(QWidget& ventana, const QString& nombre) {
    Dialogos_en_español();
    const QString carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileDialog::getSaveFileName(
        &ventana, QCoreApplication::translate("talmiroc::Papel", "Guardar PDF"),
        QDir(carpeta).filePath(nombre),
        QCoreApplication::translate("talmiroc::Papel", "Documentos PDF (*.pdf)"));
}

}  // namespace talmiroc
