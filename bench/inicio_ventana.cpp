// The real window, started as the program starts it, quitting at its first
// paint; in the system's language, as `talmiroc` with no --idioma.
#include <QApplication>

#include "calendario.h"
#include "efectos_qt.h"
#include "fuentes.h"
#include "idioma_qt.h"
#include "primera_pintura.h"

int main(int argc, char** argv) {
    talmiroc::Fuentes_adelantadas fuentes;
    QApplication app(argc, argv);
    talmiroc::Fijar_idioma(talmiroc::Idioma_del_entorno());
    talmiroc::Efectos_qt efectos;
    fuentes.Esperar();
    talmiroc::Calendario ventana(efectos);
    Salir_en_la_primera_pintura(ventana);
    ventana.Abrir();
    return app.exec();
}
