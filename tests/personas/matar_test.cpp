// A killed save leaves the book before or after it: a helper that saves a
// growing book in a loop is killed with SIGKILL at random moments, 200
// times; after each kill the file reads back whole, and holds P0 .. Pk-1
// for a k no smaller than the last. And two processes adding at once.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

#include "carpeta.h"
#include "idiomas.h"
#include "libro.h"

extern char** environ;

namespace talmiroc::personas {
namespace {

TEST(Matar, DoscientasVecesElLibroQuedaEntero) {
    prueba::Carpeta c;
    const unsigned semilla = std::random_device{}();
    SCOPED_TRACE(testing::Message() << "seed " << semilla);
    std::mt19937 azar(semilla);
    std::uniform_int_distribution<int> espera(0, 30000);  // microseconds: a save takes about 15 ms here
    std::size_t antes = 0;
    for (int vez = 0; vez < 200; ++vez) {
        pid_t hijo = 0;
        const std::string ruta = c.Libro();
        char* argumentos[] = {const_cast<char*>(PERSONAS_BUCLE), const_cast<char*>(ruta.c_str()),
                              nullptr};
        int tubo[2];
        ASSERT_EQ(::pipe(tubo), 0);
        posix_spawn_file_actions_t acciones;
        posix_spawn_file_actions_init(&acciones);
        posix_spawn_file_actions_adddup2(&acciones, tubo[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&acciones, tubo[0]);
        const int lanzado = posix_spawn(&hijo, PERSONAS_BUCLE, &acciones, nullptr, argumentos, environ);
        posix_spawn_file_actions_destroy(&acciones);
        ::close(tubo[1]);
        ASSERT_EQ(lanzado, 0);
        char listo = 0;  // the helper has opened the book and starts saving
        const bool abierto = ::read(tubo[0], &listo, 1) == 1;
        ::close(tubo[0]);
        ASSERT_TRUE(abierto) << "kill " << vez << ": the helper never opened the book";
        std::this_thread::sleep_for(std::chrono::microseconds(espera(azar)));
        ::kill(hijo, SIGKILL);
        int estado = 0;
        ASSERT_EQ(::waitpid(hijo, &estado, 0), hijo);
        ASSERT_TRUE(WIFSIGNALED(estado)) << "kill " << vez << ": the helper ended by itself, "
                                         << WEXITSTATUS(estado);
        if (antes == 0 && !std::filesystem::exists(ruta)) continue;  // killed before a save
        Estado_lectura e;
        const std::vector<Persona> libro = Leer_texto(prueba::Leer(ruta), e);
        ASSERT_TRUE(e.ok()) << "kill " << vez << ": " << Texto_defecto(e, tzolkin_es);
        ASSERT_GE(libro.size(), antes) << "kill " << vez;
        for (std::size_t n = 0; n < libro.size(); ++n) {
            ASSERT_EQ(libro[n].nombre, "P" + std::to_string(n)) << "kill " << vez;
        }
        antes = libro.size();
    }
    EXPECT_GT(antes, 20u) << "the helper saved too little to prove anything";
}

// Two processes add to one book at once, each saving after every person:
// under the lock each change lands on the book as the other left it, so
// every person of both is kept, once.
TEST(DosProcesos, AñadenALaVezYNadieSePierde) {
    prueba::Carpeta c;
    const std::string ruta = c.Libro();
    constexpr int cuantas = 25;
    const std::string numero = std::to_string(cuantas);
    std::vector<pid_t> hijos;
    for (const char* prefijo : {"A", "B"}) {
        char* argumentos[] = {const_cast<char*>(PERSONAS_BUCLE), const_cast<char*>(ruta.c_str()),
                              const_cast<char*>(prefijo), const_cast<char*>(numero.c_str()), nullptr};
        pid_t hijo = 0;
        ASSERT_EQ(posix_spawn(&hijo, PERSONAS_BUCLE, nullptr, nullptr, argumentos, environ), 0);
        hijos.push_back(hijo);
    }
    for (const pid_t hijo : hijos) {
        int estado = 0;
        ASSERT_EQ(::waitpid(hijo, &estado, 0), hijo);
        EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << "a helper failed: " << estado;
    }
    Estado_lectura e;
    const std::vector<Persona> libro = Leer_texto(prueba::Leer(ruta), e);
    ASSERT_TRUE(e.ok()) << Texto_defecto(e, tzolkin_es);
    std::vector<std::string> nombres, esperados;
    for (const Persona& p : libro) nombres.push_back(p.nombre);
    for (const char* prefijo : {"A", "B"})
        for (int n = 0; n < cuantas; ++n) esperados.push_back(prefijo + std::to_string(n));
    std::sort(nombres.begin(), nombres.end());
    std::sort(esperados.begin(), esperados.end());
    EXPECT_EQ(nombres, esperados);
}

}  // namespace
}  // namespace talmiroc::personas
