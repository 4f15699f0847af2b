#include "efectos_qt.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QWidget>

#include "idioma_qt.h"
#include "impresion.h"
#include "mensajes.h"

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

QDateTime Efectos_qt::Ahora() {
    return QDateTime::currentDateTime();
}

void Efectos_qt::Imprimir(QWidget& ventana, const QString& documento) {
    Cargar_palabras_qt();
    Imprimir_ventana(ventana, documento, impresoras_, *this);
}

void Efectos_qt::Imprimir_hojas(QWidget& ventana, const QString& documento,
                                const Escritor_pdf& escribir) {
    Cargar_palabras_qt();
    if (talmiroc::Imprimir_hojas(ventana, documento, impresoras_, escribir) ==
        Resultado_impresion::fallida) {
        Mensaje(Traducido(mensaje_hojas_fallidas), Traducido(titulo_imprimir), Icono::error);
    }
}

Efectos::Archivo_elegido Efectos_qt::Archivo_guardar(QWidget& ventana, const QString& titulo,
                                                     const QString& nombre,
                                                     const QStringList& filtros, Carpeta carpeta) {
    Cargar_palabras_qt();
    const QString lugar = QStandardPaths::writableLocation(
        carpeta == Carpeta::imagenes ? QStandardPaths::PicturesLocation
                                     : QStandardPaths::DocumentsLocation);
    QString elegido = filtros.value(0);
    const QString archivo = QFileDialog::getSaveFileName(
        &ventana, titulo, QDir(lugar).filePath(nombre), filtros.join(QStringLiteral(";;")), &elegido);
    return {archivo, std::max<int>(0, static_cast<int>(filtros.indexOf(elegido)))};
}

QString Efectos_qt::Archivo_abrir(QWidget& ventana, const QString& titulo,
                                  const QStringList& filtros) {
    Cargar_palabras_qt();
    const QString lugar = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileDialog::getOpenFileName(&ventana, titulo, lugar, filtros.join(QStringLiteral(";;")));
}

}  // namespace talmiroc
