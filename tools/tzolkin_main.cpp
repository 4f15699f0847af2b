#include <unistd.h>

#include <iostream>

#include <QDate>

#include "tzolkin_cli.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const QDate hoy = QDate::currentDate();
    talmiroc::cli::Entorno entorno{
        std::cin,  isatty(STDIN_FILENO) != 0, std::cout, std::cerr, hoy.day(), hoy.month(),
        hoy.year()};
    return talmiroc::cli::Ejecutar({argv + 1, argv + argc}, entorno);
}
