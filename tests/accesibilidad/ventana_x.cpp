// The window on a fixed day, for the tests that use it as a person would, on
// a real X server with a screen reader and a clipboard:
//   talmiroc_ventana_x [day month year]
// The clock reads the given date (9-4-2003 when none is given). A message box
// is not shown: its text is written to standard output as "mensaje: <text>".
#include <cstdio>

#include <QApplication>

#include "calendario.h"
#include "enlace.h"
#include "efectos_grabados.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    QDate hoy(2003, 4, 9);
    if (args.size() >= 4) hoy = QDate(args[3].toInt(), args[2].toInt(), args[1].toInt());
    talmiroc::prueba::Efectos_grabados efectos(hoy);
    efectos.al_mostrar = [&efectos] {
        std::printf("mensaje: %s\n", efectos.mensajes.back().texto.toUtf8().constData());
        std::fflush(stdout);
    };
    talmiroc::Calendario ventana(efectos);
    talmiroc::Enlazar(ventana, efectos);
    ventana.Abrir();
    return app.exec();
}
