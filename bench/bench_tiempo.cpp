// Speed of the count over time: the window opened by its shortcut from the
// day window with an empty picture cache, the next moon drawn, the module
// drawn with a new kin selected.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <memory>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>

#include "apoyo_qt.h"
#include "calendario.h"
#include "controles.h"
#include "efectos_grabados.h"
#include "principal_qt.h"
#include "enlace.h"
#include "ventana_tiempo.h"

namespace talmiroc {
namespace {

// Ctrl+L in a new day window, up to the second window's first paint; each
// time a new day window, so the second window is made anew, and no picture
// is in the cache.
void BM_Tiempo_abrir(benchmark::State& state) {
    prueba::Efectos_grabados efectos(QDate(2013, 11, 13));
    for (auto _ : state) {
        state.PauseTiming();
        auto ventana = std::make_unique<Calendario>(efectos);
        Enlazar(*ventana, efectos);
        ventana->Abrir();
        QCoreApplication::processEvents();
        Cache_svg::Vaciar();
        state.ResumeTiming();
        QTest::keySequence(ventana.get(), QKeySequence(Qt::CTRL | Qt::Key_L));
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (!prueba::Tiempo() || Cache_svg::Renderizados() == 0)
            state.SkipWithError("nothing was drawn");
        ventana.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Tiempo_abrir)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// A page moved one step and drawn, the pictures of every step already in
// the cache (a year and more of moons drawn first).
void Paso(benchmark::State& state, Pagina_tiempo pagina) {
    prueba::Efectos_grabados efectos(QDate(2013, 11, 13));
    Calendario ventana(efectos);
    Enlazar(ventana, efectos);
    ventana.Abrir_tiempo(pagina);
    Ventana_tiempo* t = prueba::Tiempo();
    QCoreApplication::processEvents();
    const auto paso = [&] {
        if (pagina == Pagina_tiempo::luna) {
            t->Mover_lunas(1);
        } else {
            t->Mover_dias(1);  // the next kin
        }
        QCoreApplication::processEvents();
    };
    for (int i = 0; i < 30; ++i) paso();
    for (auto _ : state) paso();
}

void BM_Tiempo_luna_siguiente(benchmark::State& state) {
    Paso(state, Pagina_tiempo::luna);
}
BENCHMARK(BM_Tiempo_luna_siguiente)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime()
    ->Iterations(50)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_Tiempo_modulo(benchmark::State& state) {
    Paso(state, Pagina_tiempo::modulo);
}
BENCHMARK(BM_Tiempo_modulo)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime()
    ->Iterations(50)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace talmiroc

int main(int argc, char** argv) {
    return talmiroc::Principal_qt(argc, argv);
}
