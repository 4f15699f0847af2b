// Where the program's windows meet: neither the day window nor the count
// over time knows the other; each is handed what it needs here.
#pragma once

#include "bandeja.h"

namespace talmiroc {

class Calendario;
class Efectos;
class Notificador;

// Hands `dia` the count over time: its window is made when a page is first
// asked for and lives as long as `dia`; Enter there reads the selected day
// in `dia`. E.g. after Enlazar(dia, efectos), dia.Abrir_tiempo(Pagina_tiempo::luna)
// shows today's moon.
void Enlazar(Calendario& dia, Efectos& efectos);

// `talmiroc --bandeja`: the tray until its Salir, its menu opening the day
// window (made on first need, then kept) and through it the count over
// time. Returns the exit status: 0 at once, showing nothing, when this
// session has a tray already. Needs the QApplication.
int Correr_bandeja(Efectos& efectos, Notificador& notificador, Vueltas_de vueltas);

// Who of the people book has a kin return on a day, for the tray's notice:
// the book read as it is on disk when asked ($XDG_DATA_HOME/talmiroc/
// personas.json), never written. With Ana born 9 April 2003 in the book,
// Vueltas_del_libro()({28, 6, 2027}) == {{"Ana", Kin(46)}}.
Vueltas_de Vueltas_del_libro();

}  // namespace talmiroc
