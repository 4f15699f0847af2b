// Renders the window to a PNG, for looking at it:
//   talmiroc_captura out.png [day month year] [creditos|luna|modulo|onda|como|personas]
//                    [es|en|pt] [elegir=0,1]
// The clock reads the given date (9-4-2003 when none is given); the four
// pages render that page of the count over time instead; a language code
// shows the windows in that language (Spanish when none is given). The people
// page reads the book of XDG_DATA_HOME; elegir= selects people by their
// place in it.
#include <cstdio>

#include <QApplication>
#include <QPixmap>

#include "calendario.h"
#include "efectos_grabados.h"
#include "idioma_qt.h"
#include "enlace.h"
#include "pagina_personas.h"
#include "paginas.h"
#include "ventana_tiempo.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "uso: talmiroc_captura salida.png [dia mes año] [creditos]\n");
        return 2;
    }
    QDate hoy(2003, 4, 9);
    if (args.size() >= 5) hoy = QDate(args[4].toInt(), args[3].toInt(), args[2].toInt());
    for (const QString& a : args) {
        if (const talmiroc::Palabras* p = talmiroc::Palabras_idioma(a.toStdString()))
            talmiroc::Fijar_idioma(*p);
    }
    talmiroc::prueba::Efectos_grabados efectos(hoy);
    talmiroc::Calendario ventana(efectos);
    talmiroc::Enlazar(ventana, efectos);
    const QStringList paginas = {QStringLiteral("luna"), QStringLiteral("modulo"),
                                 QStringLiteral("onda"), QStringLiteral("como"),
                                 QStringLiteral("personas")};
    for (int p = 0; p < paginas.size(); ++p) {
        if (!args.contains(paginas[p])) continue;
        ventana.Abrir_tiempo(static_cast<talmiroc::Pagina_tiempo>(p));
        app.processEvents();
        talmiroc::Ventana_tiempo* tiempo = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* t = qobject_cast<talmiroc::Ventana_tiempo*>(w)) tiempo = t;
        for (const QString& a : args) {
            if (!tiempo || !a.startsWith(QLatin1String("elegir="))) continue;
            std::vector<int> elegidas;
            for (const QString& n : a.mid(7).split(QLatin1Char(','))) elegidas.push_back(n.toInt());
            tiempo->Personas()->Seleccionar(elegidas);
            app.processEvents();
        }
        return tiempo && tiempo->grab().save(args[1]) ? 0 : 1;
    }
    if (args.contains(QStringLiteral("creditos"))) ventana.Boton4_Click();
    ventana.Abrir();
    app.processEvents();
    return ventana.grab().save(args[1]) ? 0 : 1;
}
