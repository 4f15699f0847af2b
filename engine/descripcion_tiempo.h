// The description of the count over time: a moon's days with their dates,
// a thirteen-moon year by its bearer, and a wavespell's kins dated in a
// 260-day round, composed here from the count, the dates and a language's
// words for the second window and the printed pages to show as they are.
//
// Texts are UTF-8. Every function writes in the language whose words it is
// handed (translations/idiomas.h has them all); the examples are Spanish's,
// palabras_es.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cuenta.h"
#include "fechas.h"
#include "palabras.h"

namespace talmiroc {

// ---------------------------------------------------------------------------
// Dates and kins in words

// "13 de noviembre de 2013"; short "13 nov".
std::string Fecha_escrita(const Fecha& f, const Palabras& p);
std::string Fecha_corta(const Fecha& f, const Palabras& p);

// "Kin 153 Caminante del Cielo Planetario Rojo, portal": the kin's number,
// its name (Nombre_kin) and, on a portal, the language's marca_portal.
std::string Titulo_kin(Kin k, const Palabras& p);

// ---------------------------------------------------------------------------
// A moon

// One day of a moon, or one of its two special days.
struct Dia_de_luna {
    Fecha fecha;
    Dia_especial especial;  // hunab_ku on 29 February, fuera_del_tiempo on 25 July
    int dia;                // 1..28; 0 on the special days
    int plasma;             // 1..7; 0 on the special days
    Kin kin;                // 29 February carries 28 February's
    bool portal;
    std::string numero;       // "27", "0.0" for Hunab Ku, "" out of time
    std::string fecha_corta;  // "13 nov"
    std::string mes;          // "noviembre" on the 1st of a month, else ""
    // For screen readers: "Día 27, Limi, 13 de noviembre de 2013, Kin 14 Mago
    // Magnético Blanco"; "0.0 Hunab Ku, 29 de febrero de 2016, Kin ...";
    // "Día fuera del tiempo, 25 de julio de 2014, Kin ...". ", portal" ends it
    // on a portal day.
    std::string nombre;
    std::string kin_nombre;  // "Kin 14 · Mago Magnético Blanco"
};

// A special day's own name: "0.0 Hunab Ku", "Día fuera del tiempo"; "" on
// a moon's day.
std::string_view Nombre_especial(const Dia_de_luna& d, const Palabras& p);

struct Lectura_luna {
    Luna_del_año luna;
    std::string nombre;   // "Luna Autoexistente del Búho"
    std::string ns;       // "NS1.26.4"
    std::string periodo;  // "18 oct – 14 nov 2013"; "13 dic 2015 – 9 ene 2016" across a year
    std::string titulo;   // the three joined by " · "
    // Days 1..28 in order; 29 February after day 22 of moon 8 when the year
    // has one; 25 July after day 28 of moon 13.
    std::vector<Dia_de_luna> dias;
};

// Describir_luna({2013, 4}).titulo ==
//     "Luna Autoexistente del Búho · NS1.26.4 · 18 oct – 14 nov 2013".
Lectura_luna Describir_luna(Luna_del_año l, const Palabras& p);

// ---------------------------------------------------------------------------
// A thirteen-moon year, named after its bearer, the kin of its 26 July

struct Lectura_año {
    std::int64_t año;  // of its 26 July, 38..año_maximo - 1
    Kin portador;
    std::string nombre;   // "Año del Mago Solar Blanco"
    std::string ns;       // "NS1.40"
    std::string periodo;  // "26 jul 2027 – 25 jul 2028"
};

// Describir_año(2002).nombre == "Año de la Luna Planetaria Roja";
// Describir_año(2013).ns == "NS1.26".
Lectura_año Describir_año(std::int64_t año, const Palabras& p);

// ---------------------------------------------------------------------------
// A wavespell

struct Kin_de_onda {
    Kin kin;
    std::string tono;    // "Magnético": the tone itself, masculine whatever the seal
    Fecha fecha;         // in the round that holds the date the wavespell was asked for
    std::string cuando;  // "25 de julio de 2003"
    std::string nombre;  // Titulo_kin
};

struct Lectura_onda {
    Sello sello;         // the seal of tone 1
    std::string titulo;  // "Onda encantada de la Mano"
    std::array<Kin_de_onda, 13> kines;
};

// The wavespell of kin `k`, its days dated in the round that holds `dentro`:
// Describir_onda(Kin{153}, {25, 7, 2003}).kines[9].fecha == {25, 7, 2003}.
Lectura_onda Describir_onda(Kin k, const Fecha& dentro, const Palabras& p);

}  // namespace talmiroc
