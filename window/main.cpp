// Talmiroc: the galactic count of a Gregorian date, in one window.
#include <QApplication>

#include "calendario.h"
#include "efectos_qt.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    talmiroc::Efectos_qt efectos;
    talmiroc::Calendario ventana(efectos);
    ventana.Abrir();
    return app.exec();
}
