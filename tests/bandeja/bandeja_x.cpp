// The tray on a clock of the test's own, for the tests that run it on a real
// X server beside a real tray and a real notification server:
//   TALMIROC_RELOJ=2003-04-09T23:59:58 talmiroc_bandeja_x
// The clock starts at that local time and runs on at the real pace, so the
// day turns a moment later; without it, 9 April 2003 at noon, standing. A
// person born on a day of kin 46 ("Ana") has her return on every day of
// that kin. The language is the system's. A message box is written to
// standard output instead.
#include <cstdio>

#include <QApplication>
#include <QElapsedTimer>

#include "aviso.h"
#include "efectos_grabados.h"
#include "enlace.h"
#include "idioma_qt.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    talmiroc::Fijar_idioma(talmiroc::Idioma_del_entorno());  // the system's, as talmiroc's
    talmiroc::prueba::Efectos_grabados efectos;
    efectos.al_mostrar = [&efectos] {
        std::printf("mensaje: %s\n", efectos.mensajes.back().texto.toUtf8().constData());
        std::fflush(stdout);
    };
    const QDateTime inicio = QDateTime::fromString(qEnvironmentVariable("TALMIROC_RELOJ"), Qt::ISODate);
    if (inicio.isValid()) {
        QElapsedTimer desde;
        desde.start();
        efectos.reloj = [inicio, desde] { return inicio.addMSecs(desde.elapsed()); };
    }
    talmiroc::Notificador_dbus notificador;
    return talmiroc::Correr_bandeja(efectos, notificador, [](const talmiroc::Fecha& f) {
        std::vector<talmiroc::Vuelta> v;
        if (talmiroc::Describir_dia(f, talmiroc::palabras_es).kin.valor == 46)
            v.push_back({"Ana", talmiroc::Kin{46}});
        return v;
    });
}
