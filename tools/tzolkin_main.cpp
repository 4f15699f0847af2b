#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <iostream>

#include "flujo.h"
#include "libro.h"
#include "tzolkin_cli.h"

int main(int argc, char** argv) {
    // A reader that stops early (`tzolkin ... | head -3`) ends the program
    // quietly, even when the parent left SIGPIPE ignored.
    std::signal(SIGPIPE, SIG_DFL);
    // A file-size limit is a failed write with its reason, not a kill.
    std::signal(SIGXFSZ, SIG_IGN);
    std::ios::sync_with_stdio(false);

    const std::time_t ahora = std::time(nullptr);
    std::tm hoy{};
    localtime_r(&ahora, &hoy);
    // A batch comes through a pipe or from a file; a terminal, /dev/null
    // (cron, a systemd unit) or a closed standard input brings none.
    struct stat entrada {};
    const bool lote = fstat(STDIN_FILENO, &entrada) == 0 &&
                      (S_ISFIFO(entrada.st_mode) || S_ISREG(entrada.st_mode));
    // Every write to standard output is checked, and its failure kept.
    talmiroc::salida::Descriptor salida_fd(STDOUT_FILENO);
    talmiroc::salida::Flujo flujo(salida_fd);
    std::ostream salida(&flujo);
    talmiroc::cli::Entorno entorno{
        std::cin,           !lote,       salida,
        std::cerr,          hoy.tm_mday, hoy.tm_mon + 1,
        hoy.tm_year + 1900, ahora,       std::getenv("SOURCE_DATE_EPOCH")};
    entorno.palabras = &talmiroc::Idioma_del_entorno();
    entorno.libro =
        talmiroc::personas::Ruta_libro(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));

    const int estado = talmiroc::cli::Ejecutar({argv + 1, argv + argc}, entorno);
    salida.flush();
    if (!salida || salida_fd.Error() != 0) {
        std::cerr << "tzolkin: "
                  << talmiroc::Componer(talmiroc::Textos_de(*entorno.palabras).salida_fallida,
                                        {talmiroc::salida::Razon_del_sistema(salida_fd.Error())})
                  << '\n';
        return talmiroc::cli::salida_rechazada;
    }
    return estado;
}
