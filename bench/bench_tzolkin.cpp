// `tzolkin` over a century: every date of 2000..2099 (36,525) in each format,
// written to /dev/null as the command writes it. Target: 100 ms each.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "tzolkin_cli.h"

namespace talmiroc::cli {
namespace {

void BM_Siglo(benchmark::State& state, const char* formato) {
    std::ofstream nulo("/dev/null", std::ios::binary);
    std::istringstream in;
    std::ostringstream err;
    Entorno e{in, true, nulo, err, 9, 4, 2003, 1'700'000'000};
    for (auto _ : state) {
        const int estado = Ejecutar(
            {"--formato", formato, "--desde", "1", "1", "2000", "--hasta", "31", "12", "2099"}, e);
        if (estado != salida_aceptada) state.SkipWithError(err.str().c_str());
    }
    state.SetLabel("36525 dates");
}
BENCHMARK_CAPTURE(BM_Siglo, texto, "texto")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Siglo, json, "json")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Siglo, csv, "csv")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Siglo, ics, "ics")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace talmiroc::cli

BENCHMARK_MAIN();
