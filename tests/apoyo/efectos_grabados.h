// A stand-in for the windows' effects: a fixed clock (or one of the test's), and a record of every
// message shown and every print asked for.
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
    void Imprimir(QWidget& ventana, const QString&) override { impresiones.push_back(&ventana); }
    void Imprimir_hojas(QWidget& ventana, const QString&, const Escritor_pdf&) override {
        impresiones.push_back(&ventana);
    }
    QString Archivo_pdf(QWidget&, const QString&) override { return archivo_pdf; }
    QString Archivo(QWidget&, const QString&, const QString&, const QString&, bool) override {
        return archivo;
    }
    Archivo_elegido Archivo_guardar(QWidget&, const QString&, const QString& nombre,
                                    const QStringList& filtros) override {
        propuestos.push_back(nombre);
        ofrecidos = filtros;
        return archivo_elegido;
    }

    std::vector<Mensaje_grabado> mensajes;
    std::vector<QWidget*> impresiones;
    std::function<void()> al_mostrar;
    QString archivo_pdf;  // what the file dialog answers; empty: cancelled
    QString archivo;      // what the other file dialogs answer
    Archivo_elegido archivo_elegido;  // what the file dialog for other files answers
    std::vector<QString> propuestos;  // the names it proposed
    QStringList ofrecidos;            // the kinds it offered last
    std::function<QDateTime()> reloj;  // a clock that moves, for the day's turn

private:
    QDate hoy_;
};

}  // namespace talmiroc::prueba
