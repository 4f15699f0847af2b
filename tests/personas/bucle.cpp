// A helper for the book's process tests: adds one person after another to
// the book at argv[1], saving after each. Alone it goes on until it is
// killed, person n being "P<n>" (the kill test); given a prefix and a
// count it adds "<prefix>0" .. "<prefix><count-1>" and ends (two at once).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "libro.h"

int main(int argc, char** argv) {
    using namespace talmiroc::personas;
    if (argc != 2 && argc != 4) return 2;
    Libro libro(argv[1]);
    if (!libro.Abrir().ok()) return 3;
    if (argc == 4) {
        const std::string prefijo = argv[2];
        const int cuantas = std::atoi(argv[3]);
        for (int n = 0; n < cuantas; ++n) {
            const Cambio c{Cambio::Tipo::añadir, {}, {prefijo + std::to_string(n), {n % 28 + 1, 1, 2000}}};
            if (libro.Aplicar(c).error != 0) return 4;
        }
        return 0;
    }
    // Ready: the test's random wait starts now, not while the process starts
    // (which under the sanitizers takes longer than the wait itself).
    std::fputs("listo\n", stdout);
    std::fflush(stdout);
    for (std::size_t n = libro.Personas().size();; ++n) {
        const int d = static_cast<int>(n % 28) + 1, m = static_cast<int>(n % 12) + 1;
        const Cambio c{Cambio::Tipo::añadir, {}, {"P" + std::to_string(n), {d, m, 2000}}};
        if (libro.Aplicar(c).error != 0) return 4;
    }
}
