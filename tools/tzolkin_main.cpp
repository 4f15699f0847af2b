#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>

#include "libro.h"
#include "tzolkin_cli.h"

int main(int argc, char** argv) {
    // A reader that stops early (`tzolkin ... | head -3`) ends the program
    // quietly, even when the parent left SIGPIPE ignored.
    std::signal(SIGPIPE, SIG_DFL);
    std::ios::sync_with_stdio(false);

    const std::time_t ahora = std::time(nullptr);
    std::tm hoy{};
    localtime_r(&ahora, &hoy);
    // A batch comes through a pipe or from a file; a terminal, /dev/null
    // (cron, a systemd unit) or a closed standard input brings none.
    struct stat entrada {};
    const bool lote = fstat(STDIN_FILENO, &entrada) == 0 &&
                      (S_ISFIFO(entrada.st_mode) || S_ISREG(entrada.st_mode));
    talmiroc::cli::Entorno entorno{
        std::cin,           !lote,       std::cout,
        std::cerr,          hoy.tm_mday, hoy.tm_mon + 1,
        hoy.tm_year + 1900, ahora,       std::getenv("SOURCE_DATE_EPOCH")};
    entorno.palabras = &talmiroc::Idioma_del_entorno();
    entorno.libro =
        talmiroc::personas::Ruta_libro(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));

    const int estado = talmiroc::cli::Ejecutar({argv + 1, argv + argc}, entorno);
    std::cout.flush();
    if (!std::cout) {
        const int error = errno;
        std::cerr << "tzolkin: no se pudo escribir la salida: " << std::strerror(error) << '\n';
        return talmiroc::cli::salida_rechazada;
    }
    return estado;
}
