// A helper for the kill test: adds one person after another to the book at
// argv[1], saving after each, until it is killed. Person n is "P<n>".
#include <cstdio>
#include <string>

#include "libro.h"

int main(int argc, char** argv) {
    using namespace talmiroc::personas;
    if (argc != 2) return 2;
    Libro libro(argv[1]);
    if (!libro.Abrir().ok()) return 3;
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
