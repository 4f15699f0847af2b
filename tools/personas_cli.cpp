#include "personas_cli.h"

#include <ostream>

#include "formatos.h"
#include "regresos.h"
#include "tzolkin_cli.h"

namespace talmiroc::cli {

namespace {

using personas::Persona;
using personas::Regreso;

Kin Kin_de(const Fecha& f) {
    return Calculo_kin(f.dia, f.mes, f.año).kin;
}

// One person's row in texto, JSON or CSV.
void Fila(std::string& s, std::string_view formato, const Persona& p, const Regreso* proximo,
          const Palabras& palabras) {
    const Kin kin = Kin_de(p.nacimiento);
    if (formato == "texto") {
        s.append(p.nombre).append(" · ").append(Fecha_escrita(p.nacimiento, palabras));
        s.append(" · ").append(Titulo_kin(kin, palabras));
        if (proximo) s.append(" · ").append(Fecha_escrita(proximo->fecha, palabras));
        s.push_back('\n');
    } else if (formato == "json") {
        // Keys in alphabetical order, as a day's object.
        Añadir_numero(s.append("{\"kin\":"), kin.valor).append(",\"nacimiento\":\"");
        Añadir_fecha_iso(s, p.nacimiento);
        s.append("\",\"nombre\":");
        Añadir_json(s, p.nombre);
        s.append(",\"nombre_kin\":");
        Añadir_json(s, Nombre_kin(kin, palabras));
        s.append(",\"proximo_regreso\":");
        if (proximo) {
            Añadir_fecha_iso(s.append("\""), proximo->fecha);
            s.push_back('"');
        } else {
            s.append("null");
        }
        s.append("}\n");
    } else {
        Añadir_campo_csv(s, p.nombre);
        Añadir_fecha_iso(s.append(","), p.nacimiento);
        Añadir_numero(s.append(","), kin.valor).push_back(',');
        Añadir_campo_csv(s, Nombre_kin(kin, palabras));
        s.push_back(',');
        if (proximo) Añadir_fecha_iso(s, proximo->fecha);
        s.append("\r\n");
    }
}

}  // namespace

int Listar_personas(const Peticion_personas& pedido, const Formato& formato, Entorno& e) {
    if (e.libro.empty()) {
        e.errores << "tzolkin: " << Textos_de(*e.palabras).sin_libro << '\n';
        return salida_rechazada;
    }
    personas::Libro libro(e.libro, nullptr);  // read-only: no writer
    if (const personas::Estado_lectura& l = libro.Abrir(); !l.ok()) {
        const Textos_tzolkin& t = Textos_de(*e.palabras);
        e.errores << "tzolkin: " << Componer(t.libro_malo, {e.libro, personas::Texto_defecto(l, t)})
                  << '\n';
        return salida_rechazada;
    }
    const std::vector<Persona>& lista = libro.Personas();
    std::string s;
    if (formato.nombre == "ics") {
        // iCalendar's years end at 9999.
        Fecha hasta = pedido.hasta.value_or(Fecha{31, 12, año_maximo_ics});
        if (hasta.año > año_maximo_ics) hasta = {31, 12, año_maximo_ics};
        const std::vector<Regreso> regresos =
            personas::Proximos_regresos(lista, pedido.desde, pedido.cuantas, hasta);
        if (regresos.empty()) {
            e.errores << "tzolkin: " << Textos_de(*e.palabras).ningun_regreso << '\n';
            return salida_rechazada;
        }
        s = personas::Calendario_regresos(regresos, e.ahora, *e.palabras);
    } else {
        if (formato.nombre == "csv") s = "nombre,nacimiento,kin,nombre_kin,proximo_regreso\r\n";
        const std::vector<Regreso> proximos =
            personas::Proximos_regresos(lista, pedido.desde, 1, std::nullopt);
        for (const Persona& p : lista) {
            const Regreso* proximo = nullptr;
            for (const Regreso& r : proximos) {
                if (r.persona == &p) proximo = &r;
            }
            Fila(s, formato.nombre, p, proximo, *e.palabras);
        }
    }
    e.salida.write(s.data(), static_cast<std::streamsize>(s.size()));
    e.salida.flush();
    return e.salida.good() ? salida_aceptada : salida_rechazada;
}

}  // namespace talmiroc::cli
