// Any three byte strings through the date checks: what must always hold.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <cstdio>

#include "idiomas.h"
#include "tzolkin.h"

using namespace talmiroc;

namespace {

void Falla(const char* que) {
    std::fprintf(stderr, "invariant broken: %s\n", que);
    std::abort();
}

void Exigir(bool ok, const char* que) {
    if (!ok) Falla(que);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamaño) {
    FuzzedDataProvider fdp(datos, tamaño);
    const std::string dia = fdp.ConsumeRandomLengthString(64);
    const std::string mes = fdp.ConsumeRandomLengthString(64);
    const std::string año = fdp.ConsumeRemainingBytesAsString();

    const Veredicto v = Comprobar_fecha(dia, mes, año, palabras_es);
    if (const auto* r = std::get_if<Rechazo>(&v)) {
        const bool fecha = r->mensaje == mensaje_fecha && r->icono == Icono::informacion;
        const bool del_año = r->mensaje == mensaje_año && r->icono == Icono::error;
        Exigir(fecha || del_año, "refusal is one of the two messages with its icon");
        return 0;
    }
    const Fecha f = std::get<Fecha>(v);
    Exigir(f.dia >= 1 && f.dia <= 31, "day 1..31");
    Exigir(f.mes >= 1 && f.mes <= 12, "month 1..12");
    Exigir(f.mes != 2 || f.dia <= 29, "at most 29 in February");
    Exigir(f.año >= 38 && f.año <= año_maximo, "year 38..max");
    std::int64_t d = 0, m = 0;
    Exigir(Lectura_completa(dia, d) && d == f.dia, "day reads the same both ways");
    Exigir(Lectura_completa(mes, m) && m == f.mes, "month reads the same both ways");

    const Lectura_dia l = Describir_dia(f, palabras_es);
    Exigir(l.kin.ok() && l.kin.tono().ok() && l.kin.sello().ok(), "kin, tone and seal in range");
    Exigir(l.portador.ok(), "bearer kin 1..260");
    Exigir((l.trece_lunas.luna == 0) == (l.trece_lunas.especial != Dia_especial::ninguno),
           "a moon unless a special day");
    Exigir(!l.nombre.empty() && !l.fecha.empty() && !l.onda_encantada.empty() &&
               !l.a_maya.empty() && !l.inter.empty(),
           "texts non-empty");
    Exigir(
        l.nombre.find("Error") == std::string::npos && l.inter.find("ERROR") == std::string::npos,
        "no sentinel reached");
    return 0;
}
