// A stand-in for the windows' effects: a fixed clock (or one of the test's), and a record of every
// message shown and every print asked for (printed for real by `imprimir` when a test sets it).
#pragma once

#include <functional>
#include <vector>

#include <QDate>
#include <QString>
#include <QWidget>

#include "efectos.h"

namespace talmiroc::prueba {

struct Mensaje_grabado {
    QString texto;
    QString titulo;
    Icono icono;
    friend bool operator==(const Mensaje_grabado&, const Mensaje_grabado&) = default;
};

class Efectos_grabados final : public Efectos {
public:
    explicit Efectos_grabados(QDate hoy = QDate(2003, 4, 9)) : hoy_(hoy) {}

    void Mensaje(const QString& texto, const QString& titulo, Icono icono) override {
        mensajes.push_back({texto, titulo, icono});
        if (al_mostrar) al_mostrar();  // the box is open: the window as the user sees it
    }
    // The fixed day at noon, or what `reloj` says when one is set.
    QDate Hoy() override { return Ahora().date(); }
    QDateTime Ahora() override { return reloj ? reloj() : QDateTime(hoy_, QTime(12, 0)); }
    void Imprimir(QWidget& ventana, const QString& documento) override {
        Imprimir_hojas(ventana, documento, nullptr);
    }
    void Imprimir_hojas(QWidget& ventana, const QString& documento,
                        const Escritor_pdf& hojas) override {
        impresiones.push_back(&ventana);
        if (imprimir) imprimir(ventana, documento, hojas);
    }
    Archivo_elegido Archivo_guardar(QWidget&, const QString& titulo, const QString& nombre,
                                    const QStringList& filtros, Carpeta carpeta) override {
        propuestos.push_back(nombre);
        titulos.push_back(titulo);
        ofrecidos = filtros;
        carpetas.push_back(carpeta);
        return archivo_elegido;
    }
    QString Archivo_abrir(QWidget&, const QString& titulo, const QStringList& filtros) override {
        titulos.push_back(titulo);
        ofrecidos = filtros;
        return archivo_abierto;
    }

    std::vector<Mensaje_grabado> mensajes;
    std::vector<QWidget*> impresiones;
    std::function<void()> al_mostrar;
    // The window's page (no `hojas`) or the pages `hojas` writes, printed.
    std::function<void(QWidget&, const QString&, const Escritor_pdf& hojas)> imprimir;
    Archivo_elegido archivo_elegido;  // what the save dialog answers; empty: cancelled
    QString archivo_abierto;          // what the open dialog answers; empty: cancelled
    std::vector<QString> propuestos;  // the names the save dialog proposed
    std::vector<QString> titulos;     // the titles of the dialogs asked for
    std::vector<Carpeta> carpetas;    // where the save dialogs opened
    QStringList ofrecidos;            // the kinds it offered last
    std::function<QDateTime()> reloj;  // a clock that moves, for the day's turn

private:
    QDate hoy_;
};

}  // namespace talmiroc::prueba
