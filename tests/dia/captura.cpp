// Renders the window to a PNG, for looking at it:
//   talmiroc_captura out.png [day month year] [creditos|luna|modulo|onda|como] [es|en|pt]
// The clock reads the given date (9-4-2003 when none is given); the four
// pages render that page of the count over time instead; a language code
// shows the windows in that language (Spanish when none is given).
#include <cstdio>

#include <QApplication>
#include <QPixmap>

#include "calendario.h"
#include "efectos_grabados.h"
#include "idioma_qt.h"
#include "enlace.h"
#include "paginas.h"

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
                                 QStringLiteral("onda"), QStringLiteral("como")};
    for (int p = 0; p < paginas.size(); ++p) {
        if (!args.contains(paginas[p])) continue;
        ventana.Abrir_tiempo(static_cast<talmiroc::Pagina_tiempo>(p));
        app.processEvents();
        QWidget* tiempo = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("Ventana_tiempo")) tiempo = w;
        return tiempo && tiempo->grab().save(args[1]) ? 0 : 1;
    }
    if (args.contains(QStringLiteral("creditos"))) ventana.Boton4_Click();
    ventana.Abrir();
    app.processEvents();
    return ventana.grab().save(args[1]) ? 0 : 1;
}
