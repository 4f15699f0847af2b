// Any bytes as the batch input of `tzolkin --json`: one JSON object a line,
// in order, and an exit status that tells whether any line was refused.
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include <QJsonDocument>
#include <QJsonObject>

#include "tzolkin_cli.h"

namespace {

void Exigir(bool ok, const char* que) {
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", que);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamaño) {
    const std::string entrada(reinterpret_cast<const char*>(datos), tamaño);
    std::istringstream in(entrada);
    std::ostringstream out, err;
    talmiroc::cli::Entorno e{in, false, out, err, 9, 4, 2003};
    const int estado = talmiroc::cli::Ejecutar({"--json"}, e);

    std::size_t lineas_entrada = 0;
    {
        std::istringstream cuenta(entrada);
        for (std::string l; std::getline(cuenta, l);) ++lineas_entrada;
    }
    std::istringstream salida(out.str());
    std::size_t lineas_salida = 0;
    bool alguna_rechazada = false;
    for (std::string l; std::getline(salida, l); ++lineas_salida) {
        QJsonParseError error{};
        const QJsonDocument d = QJsonDocument::fromJson(QByteArray::fromStdString(l), &error);
        Exigir(error.error == QJsonParseError::NoError && d.isObject(), "each line is JSON");
        const QJsonObject o = d.object();
        if (o.contains("error")) {
            alguna_rechazada = true;
            Exigir(o.size() == 2 && o.contains("icono"), "refusal object shape");
        } else {
            const int kin = o["kin"].toInt();
            Exigir(kin >= 1 && kin <= 260, "kin 1..260");
            Exigir(o.size() == 11, "day object has its eleven fields");
        }
    }
    Exigir(lineas_salida == lineas_entrada, "one object per input line");
    Exigir(estado == (alguna_rechazada ? 1 : 0), "exit status matches refusals");
    Exigir(err.str().empty(), "nothing on standard error");
    return 0;
}
