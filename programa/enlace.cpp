#include "enlace.h"

#include <cstdlib>
#include <memory>

#include <QApplication>

#include "calendario.h"
#include "libro.h"
#include "regresos.h"
#include "ventana_tiempo.h"

namespace talmiroc {

void Enlazar(Calendario& dia, Efectos& efectos) {
    // Shared so that the handed function stays copyable; `dia` owns it.
    auto tiempo = std::make_shared<std::unique_ptr<Ventana_tiempo>>();
    dia.Fijar_paginas([&dia, &efectos, tiempo](Pagina_tiempo pagina, std::optional<Fecha> fecha) {
        if (!*tiempo) {
            *tiempo = std::make_unique<Ventana_tiempo>(
                efectos, [&dia](const Fecha& f) { dia.Mostrar_dia(f); });
        }
        (*tiempo)->Abrir(pagina, fecha);
    });
}

int Correr_bandeja(Efectos& efectos, Notificador& notificador, Vueltas_de vueltas) {
    if (!Bandeja::Ocupar_sesion()) return 0;
    auto dia = std::make_shared<std::unique_ptr<Calendario>>();
    const auto ventana = [dia, &efectos]() -> Calendario& {
        if (!*dia) {
            *dia = std::make_unique<Calendario>(efectos);
            Enlazar(**dia, efectos);
        }
        return **dia;
    };
    Destinos_bandeja destinos{
        [ventana](const Fecha& f) { ventana().Mostrar_dia(f); },
        [ventana](Pagina_tiempo p, std::optional<Fecha> f) { ventana().Abrir_tiempo(p, f); },
        [ventana] { ventana().Abrir_tiempo(Pagina_tiempo::personas, std::nullopt); }};
    Bandeja bandeja(efectos, notificador, std::move(destinos), std::move(vueltas),
                    QCoreApplication::applicationFilePath());
    return QApplication::exec();
}

Vueltas_de Vueltas_del_libro() {
    return [](const Fecha& dia) {
        std::vector<Vuelta> vueltas;
        const std::string ruta =
            personas::Ruta_libro(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
        if (ruta.empty()) return vueltas;
        personas::Libro libro(ruta);
        libro.Abrir();  // a missing or unreadable book: nobody returns
        const Kin kin = Calculo_kin(dia.dia, dia.mes, dia.año).kin;
        for (const personas::Persona* p : personas::Regresan_el(libro.Personas(), dia))
            vueltas.push_back({p->nombre, kin});
        return vueltas;
    };
}

}  // namespace talmiroc
