// Speed and size of the calendars on paper: one moon's page and a whole
// thirteen-moon year written as PDF files, with the pictures parsed anew for
// each (an empty cache, as in a fresh `talmiroc --pdf`). The year's file
// size is reported as the counter `bytes`.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "apoyo_qt.h"
#include "papel.h"
#include "principal_qt.h"

namespace talmiroc {
namespace {

void Escribir(benchmark::State& state, Hojas hojas) {
    const QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath(QStringLiteral("hojas.pdf"));
    for (auto _ : state) {
        state.PauseTiming();
        Cache_svg::Vaciar();
        state.ResumeTiming();
        if (!Escribir_pdf(archivo, {hojas, Fecha{1, 8, 2027}}, QPageSize(QPageSize::A4)).isEmpty())
            state.SkipWithError("no se pudo escribir");
    }
    state.counters["bytes"] = static_cast<double>(QFileInfo(archivo).size());
}

void BM_Papel_luna(benchmark::State& state) {
    Escribir(state, Hojas::luna);
}
BENCHMARK(BM_Papel_luna)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_Papel_año(benchmark::State& state) {
    Escribir(state, Hojas::año);
}
BENCHMARK(BM_Papel_año)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace talmiroc

int main(int argc, char** argv) {
    return talmiroc::Principal_qt(argc, argv);
}
