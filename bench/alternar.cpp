// Times two or more programs as whole processes, taking turns: each round
// starts every program once, the order reversed on every other round so that
// neither profits from coming second, and the medians are compared at the end.
//
//   alternar [--runs N] [--warmup N] PROGRAM... [-- ARG...]
//
// The programs run without a shell, with this process's environment and the
// given arguments; their output goes to /dev/null. For each it prints the
// median, first and third quartile and minimum of the wall time, the median
// CPU time (user + system) and the median peak resident set, then the ratio of
// every program's median wall time to the first one's. Exits non-zero when a
// program fails.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Medida {
    double pared_ms;
    double cpu_ms;
    long pico_kib;
};

struct Programa {
    std::string ruta;
    std::vector<Medida> medidas;
};

double Ms(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

bool Ejecutar(const std::string& ruta, const std::vector<std::string>& args, Medida& m) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(ruta.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&acciones, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const auto inicio = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int error = posix_spawn(&pid, ruta.c_str(), &acciones, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acciones);
    if (error != 0) {
        std::fprintf(stderr, "alternar: %s: %s\n", ruta.c_str(), std::strerror(error));
        return false;
    }
    int estado = 0;
    rusage uso{};
    if (wait4(pid, &estado, 0, &uso) != pid) return false;
    const auto fin = std::chrono::steady_clock::now();

    m.pared_ms = std::chrono::duration<double, std::milli>(fin - inicio).count();
    m.cpu_ms = Ms(uso.ru_utime) + Ms(uso.ru_stime);
    m.pico_kib = uso.ru_maxrss;  // kibibytes on Linux
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) {
        std::fprintf(stderr, "alternar: %s ended with status %d\n", ruta.c_str(), estado);
        return false;
    }
    return true;
}

// The value at quantile q (0..1) of a sorted list, interpolated.
template <typename T>
double Cuantil(std::vector<T> v, double q) {
    std::sort(v.begin(), v.end());
    const double pos = q * static_cast<double>(v.size() - 1);
    const auto i = static_cast<std::size_t>(pos);
    const double f = pos - static_cast<double>(i);
    if (i + 1 >= v.size()) return static_cast<double>(v.back());
    return static_cast<double>(v[i]) * (1 - f) + static_cast<double>(v[i + 1]) * f;
}

int Uso() {
    std::fprintf(stderr, "usage: alternar [--runs N] [--warmup N] PROGRAM... [-- ARG...]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int rondas = 40, calentamiento = 5;
    std::vector<Programa> programas;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "--runs" || a == "--warmup") && i + 1 < argc) {
            (a == "--runs" ? rondas : calentamiento) = std::atoi(argv[++i]);
        } else if (a == "--") {
            args.assign(argv + i + 1, argv + argc);
            break;
        } else if (!a.empty() && a[0] == '-') {
            return Uso();
        } else {
            programas.push_back({a, {}});
        }
    }
    if (programas.empty() || rondas < 1 || calentamiento < 0) return Uso();

    for (int ronda = -calentamiento; ronda < rondas; ++ronda) {
        for (std::size_t k = 0; k < programas.size(); ++k) {
            const bool al_reves = ronda % 2 != 0;
            Programa& p = programas[al_reves ? programas.size() - 1 - k : k];
            Medida m{};
            if (!Ejecutar(p.ruta, args, m)) return 1;
            if (ronda >= 0) p.medidas.push_back(m);
        }
    }

    std::printf("%-28s %9s %9s %9s %9s %9s %10s\n", "program", "median", "q1", "q3", "min", "cpu",
                "peak");
    std::vector<double> medianas;
    for (const Programa& p : programas) {
        std::vector<double> pared, cpu;
        std::vector<long> pico;
        for (const Medida& m : p.medidas) {
            pared.push_back(m.pared_ms);
            cpu.push_back(m.cpu_ms);
            pico.push_back(m.pico_kib);
        }
        medianas.push_back(Cuantil(pared, 0.5));
        const std::string nombre = p.ruta.substr(p.ruta.find_last_of('/') + 1);
        std::printf("%-28s %6.2f ms %6.2f ms %6.2f ms %6.2f ms %6.2f ms %6.0f KiB\n",
                    nombre.c_str(), medianas.back(), Cuantil(pared, 0.25), Cuantil(pared, 0.75),
                    Cuantil(pared, 0.0), Cuantil(cpu, 0.5), Cuantil(pico, 0.5));
    }
    for (std::size_t k = 1; k < programas.size(); ++k) {
        std::printf("ratio of medians %s / first: %.3f\n",
                    programas[k].ruta.substr(programas[k].ruta.find_last_of('/') + 1).c_str(),
                    medianas[k] / medianas[0]);
    }
    std::printf("%d alternating rounds after %d warm-up rounds\n", rondas, calentamiento);
    return 0;
}
