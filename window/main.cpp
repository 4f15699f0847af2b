// Talmiroc: the galactic count of a Gregorian date, in one window, and the
// count over time (moon, harmonic module, wavespell) in a second one.
#include <cstdio>
#include <optional>
#include <string_view>

#include <QApplication>

#include "calendario.h"
#include "efectos_qt.h"
#include "ventana_tiempo.h"

namespace {

constexpr char ayuda[] =
    "Uso: talmiroc [--luna|--modulo|--onda [DÍA MES AÑO]]\n"
    "\n"
    "Sin opciones abre la ventana del día en la fecha de hoy.\n"
    "  --luna [DÍA MES AÑO]    los 28 días de la luna de la fecha\n"
    "  --modulo [DÍA MES AÑO]  el módulo armónico, con el kin de la fecha\n"
    "  --onda [DÍA MES AÑO]    la onda encantada del kin de la fecha\n"
    "  --help                  esta ayuda\n"
    "Sin fecha, hoy. La fecha se lee como la leen las tres casillas de la ventana.\n"
    "En la ventana del día, el menú contextual (botón derecho o tecla Menú) y\n"
    "Ctrl+L, Ctrl+M y Ctrl+O abren las mismas páginas.\n";

std::optional<talmiroc::Pagina_tiempo> Pagina_de(std::string_view opcion) {
    using talmiroc::Pagina_tiempo;
    if (opcion == "--luna") return Pagina_tiempo::luna;
    if (opcion == "--modulo") return Pagina_tiempo::modulo;
    if (opcion == "--onda") return Pagina_tiempo::onda;
    return std::nullopt;
}

// A date's value, not an option: "-5" is a value, as in `tzolkin`.
bool Es_valor(std::string_view a) {
    return a.size() < 2 || a[0] != '-' || (a[1] >= '0' && a[1] <= '9');
}

}  // namespace

int main(int argc, char** argv) {
    // Our options are read before Qt's: --help and a refused date need no display.
    std::optional<talmiroc::Pagina_tiempo> pagina;
    std::optional<talmiroc::Fecha> fecha;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--help") {
            std::fputs(ayuda, stdout);
            return 0;
        }
        const std::optional<talmiroc::Pagina_tiempo> p = Pagina_de(a);
        if (!p) continue;  // Qt's own options
        if (pagina) {
            std::fputs("talmiroc: una sola de --luna, --modulo y --onda\n", stderr);
            return 2;
        }
        pagina = p;
        int valores = 0;
        while (valores < 3 && i + 1 + valores < argc && Es_valor(argv[i + 1 + valores])) ++valores;
        if (valores == 0) continue;
        if (valores < 3) {
            std::fprintf(stderr, "talmiroc: %s espera una fecha: DÍA MES AÑO\n", argv[i]);
            return 2;
        }
        const talmiroc::Veredicto v =
            talmiroc::Comprobar_fecha(argv[i + 1], argv[i + 2], argv[i + 3]);
        if (const auto* rechazo = std::get_if<talmiroc::Rechazo>(&v)) {
            std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(talmiroc::titulo_fecha.size()),
                         talmiroc::titulo_fecha.data(), static_cast<int>(rechazo->mensaje.size()),
                         rechazo->mensaje.data());
            return 1;
        }
        fecha = std::get<talmiroc::Fecha>(v);
        i += 3;
    }

    QApplication app(argc, argv);
    talmiroc::Efectos_qt efectos;
    talmiroc::Calendario ventana(efectos);
    if (pagina) {
        ventana.Abrir_tiempo(*pagina, fecha);
    } else {
        ventana.Abrir();
    }
    return app.exec();
}
