// Where the program's windows meet: neither the day window nor the count
// over time knows the other; each is handed what it needs here.
#pragma once

namespace talmiroc {

class Calendario;
class Efectos;

// Hands `dia` the count over time: its window is made when a page is first
// asked for and lives as long as `dia`; Enter there reads the selected day
// in `dia`. E.g. after Enlazar(dia, efectos), dia.Abrir_tiempo(Pagina_tiempo::luna)
// shows today's moon.
void Enlazar(Calendario& dia, Efectos& efectos);

}  // namespace talmiroc
