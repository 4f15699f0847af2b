// The kin card from a warm program: the square card of 25 July 2003 as PNG
// and as SVG bytes, after one card has been drawn (faces loaded, pictures
// parsed and rendered), as a second Guardar tarjeta… or Copiar tarjeta
// draws it. The file's size is reported as the counter `bytes`.
#include <benchmark/benchmark.h>

#include "idiomas.h"
#include "principal_qt.h"
#include "tarjeta.h"

namespace talmiroc {
namespace {

void Tarjeta_cuadrada(benchmark::State& state, Formato_tarjeta formato) {
    const Tarjeta t = Tarjeta_dia(Fecha{25, 7, 2003}, palabras_es);
    QByteArray bytes = Bytes_tarjeta(t, Forma_tarjeta::cuadrada, formato);  // warm
    for (auto _ : state) {
        bytes = Bytes_tarjeta(t, Forma_tarjeta::cuadrada, formato);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

void BM_Tarjeta_png(benchmark::State& state) {
    Tarjeta_cuadrada(state, Formato_tarjeta::png);
}
BENCHMARK(BM_Tarjeta_png)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_Tarjeta_svg(benchmark::State& state) {
    Tarjeta_cuadrada(state, Formato_tarjeta::svg);
}
BENCHMARK(BM_Tarjeta_svg)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace talmiroc

int main(int argc, char** argv) {
    return talmiroc::Principal_qt(argc, argv);
}
