#include "enlace.h"

#include <memory>

#include "calendario.h"
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

}  // namespace talmiroc
