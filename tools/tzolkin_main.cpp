#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>

#include "tzolkin_cli.h"

int main(int argc, char** argv) {
    // A reader that stops early (`tzolkin ... | head -3`) ends the program
    // quietly, even when the parent left SIGPIPE ignored.
    std::signal(SIGPIPE, SIG_DFL);
    std::ios::sync_with_stdio(false);

    const std::time_t ahora = std::time(nullptr);
    std::tm hoy{};
    localtime_r(&ahora, &hoy);
    talmiroc::cli::Entorno entorno{
        std::cin,       isatty(STDIN_FILENO) != 0, std::cout, std::cerr, hoy.tm_mday,
        hoy.tm_mon + 1, hoy.tm_year + 1900,        ahora};
    entorno.palabras = &talmiroc::Idioma_del_entorno();
    // A reproducible DTSTAMP for iCalendar when the build or caller asks for one.
    if (const char* fijo = std::getenv("SOURCE_DATE_EPOCH")) {
        char* fin = nullptr;
        const long long s = std::strtoll(fijo, &fin, 10);
        if (fin != fijo && *fin == '\0' && s >= 0) entorno.ahora = s;
    }

    const int estado = talmiroc::cli::Ejecutar({argv + 1, argv + argc}, entorno);
    std::cout.flush();
    if (!std::cout) {
        const int error = errno;
        std::cerr << "tzolkin: no se pudo escribir la salida: " << std::strerror(error) << '\n';
        return talmiroc::cli::salida_rechazada;
    }
    return estado;
}
