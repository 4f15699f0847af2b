// Engine speed: the whole date sweep, its thirteen-moon dates and lines, all texts of the 260 kins,
// the date checks.
#include <benchmark/benchmark.h>

#include "idiomas.h"
#include "tzolkin.h"

namespace talmiroc {
namespace {

// Calculo_kin over every accepted date from year 38 to 9999 (about 3.7 million).
void BM_CalculoKin_Barrido_38_9999(benchmark::State& state) {
    for (auto _ : state) {
        int suma = 0;
        for (std::int64_t año = 38; año <= 9999; ++año) {
            for (int mes = 1; mes <= 12; ++mes) {
                const int dias = mes == 2 ? 29 : 31;
                for (int dia = 1; dia <= dias; ++dia) suma += Calculo_kin(dia, mes, año).kin.valor;
            }
        }
        benchmark::DoNotOptimize(suma);
    }
    state.SetLabel("one sweep = 9962 years");
}
BENCHMARK(BM_CalculoKin_Barrido_38_9999)->Unit(benchmark::kMillisecond);

// Calculo_trece_lunas and Linea_trece_lunas over every accepted date from
// year 38 to 9999 (about 3.7 million): the cost of the tooltip line per date.
void BM_TreceLunas_Barrido_38_9999(benchmark::State& state) {
    for (auto _ : state) {
        std::size_t total = 0;
        for (std::int64_t año = 38; año <= 9999; ++año) {
            for (int mes = 1; mes <= 12; ++mes) {
                const int dias = mes == 2 ? 29 : 31;
                for (int dia = 1; dia <= dias; ++dia) {
                    total +=
                        Linea_trece_lunas(Calculo_trece_lunas(dia, mes, año), palabras_es).size();
                }
            }
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetLabel("one sweep = 9962 years");
}
BENCHMARK(BM_TreceLunas_Barrido_38_9999)->Unit(benchmark::kMillisecond);

// The whole description of every day of a year (2027, 365 days), the
// thirteen-moon reading included: what `tzolkin` renders for a year's range.
void BM_Describir_Año(benchmark::State& state) {
    constexpr int dias_mes[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (auto _ : state) {
        std::size_t total = 0;
        for (int mes = 1; mes <= 12; ++mes) {
            for (int dia = 1; dia <= dias_mes[mes - 1]; ++dia) {
                total += Describir_dia(Fecha{dia, mes, 2027}, palabras_es).linea_trece_lunas.size();
            }
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetLabel("365 days");
}
BENCHMARK(BM_Describir_Año)->Unit(benchmark::kMicrosecond);

// Every text the window shows, for all 260 kins.
void BM_Textos_260_Kins(benchmark::State& state) {
    for (auto _ : state) {
        std::size_t total = 0;
        for (int kin = 1; kin <= 260; ++kin) {
            const Kin k(kin);
            total += Linea_nombre(k, palabras_es).size();
            total += Linea_fecha(9, 4, 2003, palabras_es).size();
            total += Lineas_onda(Sello_onda(k.sello(), k.tono()), palabras_es).size();
            total += Lineas_portador(k, palabras_es).size();
            total += Texto_meditacion(k, palabras_es).size();
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_Textos_260_Kins)->Unit(benchmark::kMicrosecond);

void BM_ComprobarFecha(benchmark::State& state) {
    const std::string_view casos[][3] = {{"9", "4", "2003"},  {"25", "07", "2003"},
                                         {"30", "2", "2004"}, {"ab", "4", "2003"},
                                         {"1", "1", "37"},    {"", " ", "2003"}};
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& c = casos[i++ % std::size(casos)];
        benchmark::DoNotOptimize(Comprobar_fecha(c[0], c[1], c[2], palabras_es));
    }
}
BENCHMARK(BM_ComprobarFecha);

}  // namespace
}  // namespace talmiroc

BENCHMARK_MAIN();
