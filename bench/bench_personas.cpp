// The people book: a book of 10,000 people read from its file and saved
// (through the project's file writer, flushed to disk), and the relations
// between two people's kins in words, both ways.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "idiomas.h"
#include "libro.h"
#include "tzolkin.h"

namespace talmiroc::personas {
namespace {

// A book of `n` people with names of any script and dates over centuries.
std::vector<Persona> Muchas(std::size_t n) {
    std::vector<Persona> v;
    for (std::size_t i = 0; i < n; ++i) {
        const int k = static_cast<int>(i);
        v.push_back({"Persona " + std::to_string(i) + " Muñoz 李",
                     {k % 28 + 1, k % 12 + 1, 1900 + k % 150}});
    }
    return v;
}

// A folder of its own for the book, removed at the end.
struct Carpeta {
    Carpeta() {
        std::string p = (std::filesystem::temp_directory_path() / "bench-personas-XXXXXX").string();
        raiz = ::mkdtemp(p.data());
    }
    ~Carpeta() { std::filesystem::remove_all(raiz); }
    std::string raiz;
};

void BM_Cargar_10000(benchmark::State& state) {
    Carpeta c;
    const std::string ruta = c.raiz + "/talmiroc/personas.json";
    std::filesystem::create_directories(c.raiz + "/talmiroc");
    if (Escribir_archivo(ruta, Texto_libro(Muchas(10'000))) != 0) state.SkipWithError("write");
    for (auto _ : state) {
        Libro libro(ruta);
        benchmark::DoNotOptimize(libro.Abrir().ok());
        if (libro.Personas().size() != 10'000) state.SkipWithError("not whole");
    }
}
BENCHMARK(BM_Cargar_10000)->Unit(benchmark::kMillisecond);

// One change to a book of 10,000: lock, check the disk, write beside,
// flush, rename.
void BM_Guardar_10000(benchmark::State& state) {
    Carpeta c;
    const std::string ruta = c.raiz + "/talmiroc/personas.json";
    std::filesystem::create_directories(c.raiz + "/talmiroc");
    Escribir_archivo(ruta, Texto_libro(Muchas(10'000)));
    Libro libro(ruta);
    libro.Abrir();
    for (auto _ : state) {
        const Persona p{"Nueva", {9, 4, 2003}};
        if (libro.Aplicar({Cambio::Tipo::añadir, {}, p}).error != 0) state.SkipWithError("save");
        state.PauseTiming();
        libro.Aplicar({Cambio::Tipo::quitar, p, {}});
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Guardar_10000)->Unit(benchmark::kMillisecond);

// Everything the page shows for two selected people: both ways, in words.
void BM_Relaciones_dos_personas(benchmark::State& state) {
    int a = 1;
    for (auto _ : state) {
        const Kin x(a), y(261 - a);
        benchmark::DoNotOptimize(Describir_relaciones(x, y, palabras_es));
        benchmark::DoNotOptimize(Describir_relaciones(y, x, palabras_es));
        a = a % 260 + 1;
    }
}
BENCHMARK(BM_Relaciones_dos_personas)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace talmiroc::personas

BENCHMARK_MAIN();
