// The 260-day count: kin, tone and seal as value types, the date-to-kin rule,
// the year bearer, the wavespell and its castle, the oracle, the harmonic
// module, and which kins are polar or portals.
//
// No words: what these numbers are called, in each language, is palabras.h's.
// Everything here is a pure function of its arguments or a constant table.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "basico.h"

namespace talmiroc {

// ---------------------------------------------------------------------------
// Kin, tone and seal
//
// Each is a small value type, so that a tone cannot stand where a seal is
// meant: Calculo_oraculo(Sello{6}, Tono{7}) compiles, the swapped call does
// not. Each says whether it is in range; a value out of range still reads
// every table safely (see En in basico.h).

// A tone 1..13. Tone tables have 14 entries: entry 0 is "Error".
struct Tono {
    int valor = 0;
    constexpr Tono() = default;
    constexpr explicit Tono(int v) : valor(v) {}
    constexpr bool ok() const { return valor >= 1 && valor <= 13; }
    friend constexpr bool operator==(Tono, Tono) = default;
    friend constexpr bool operator==(Tono a, int b) { return a.valor == b; }
};

// A seal 1..20. Seal tables have 21 entries: entry 0 repeats entry 20
// ("Sol"), because the count reaches seal 20 as a remainder of 0.
struct Sello {
    int valor = 0;
    constexpr Sello() = default;
    constexpr explicit Sello(int v) : valor(v) {}
    constexpr bool ok() const { return valor >= 1 && valor <= 20; }
    friend constexpr bool operator==(Sello, Sello) = default;
    friend constexpr bool operator==(Sello a, int b) { return a.valor == b; }
};

// A kin 1..260, and the tone and seal it carries: Kin{46}.sello() == 6.
struct Kin {
    int valor = 0;
    constexpr Kin() = default;
    constexpr explicit Kin(int v) : valor(v) {}
    constexpr bool ok() const { return valor >= 1 && valor <= 260; }
    // Outside 1..260 both are 0, which every table reads as its sentinel.
    constexpr Tono tono() const { return ok() ? Tono((valor - 1) % 13 + 1) : Tono(0); }
    constexpr Sello sello() const { return ok() ? Sello((valor - 1) % 20 + 1) : Sello(0); }
    friend constexpr bool operator==(Kin, Kin) = default;
    friend constexpr bool operator==(Kin a, int b) { return a.valor == b; }
};

// Name of each seal's image array, which is also its picture's resource
// name: :/sellos/Enlazador_mundos.svg. From sellos.def; entry 0 repeats 20.
#define SELLO(n, arreglo, maya) #arreglo,
inline constexpr std::array<std::string_view, 21> arreglos_sello = {
    "Sol",
#include "sellos.def"
};
#undef SELLO

// ---------------------------------------------------------------------------
// Colours

enum class Color { rojo = 0, blanco = 1, azul = 2, amarillo = 3 };

// Seal 1..20 (0 is read as 20). Color_sello(Sello{1}) == Color::rojo.
constexpr Color Color_sello(Sello s) {
    const int r = ((s.valor + 19) % 20) % 4;
    return static_cast<Color>(r < 0 ? r + 4 : r);
}

struct Rgb {
    std::uint8_t r, g, b;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// Text colour of `nombre` and `inter` for a seal's colour.
inline constexpr std::array<Rgb, 4> colores_etiqueta = {
    {{255, 0, 0}, {160, 160, 160}, {0, 100, 250}, {250, 250, 0}}};

constexpr Rgb Color_etiqueta(Sello s) {
    return colores_etiqueta[static_cast<std::size_t>(Color_sello(s))];
}

// ---------------------------------------------------------------------------
// Date to kin

// Days before month 1..12 in a 365-day year (entry 0 unused). The kin's month
// codes are these plus 54, mod 260.
inline constexpr std::array<int, 13> dias_antes_mes = {0,   0,   31,  59,  90,  120, 151,
                                                       181, 212, 243, 273, 304, 334};

// Place 0..364 of a date in the kin's 365-day count: 29 February shares
// 28 February's place, and a 31st of a 30-day month lands on the 1st of the
// next month. Lugar_en_cuenta(26, 7) == 206.
constexpr int Lugar_en_cuenta(int dia, int mes) {
    return dias_antes_mes[static_cast<std::size_t>(mes)] + (mes == 2 && dia == 29 ? 28 : dia) - 1;
}

// Any year y >= 38 folds to 38 + ((y - 38) mod 52); years below 38 fold the
// same way (37 -> 89), so the year bearer of a date early in year 38 is right.
constexpr int Año_plegado(std::int64_t año) {
    std::int64_t r = (año - 38) % 52;
    if (r < 0) r += 52;
    return static_cast<int>(38 + r);
}

// Year code 3..258 of a folded year 38..89: (8 + 105 (f - 38)) mod 260.
constexpr int Codigo_año(int plegado) {
    return (8 + 105 * (plegado - 38)) % 260;
}

// Month code 6..235 of month 1..12: 54 plus the days before the month, mod
// 260. Entry 0 is 0.
inline constexpr std::array<int, 13> codigos_mes = [] {
    std::array<int, 13> c{};
    for (std::size_t m = 1; m <= 12; ++m) c[m] = (54 + dias_antes_mes[m]) % 260;
    return c;
}();

struct Cuenta_kin {
    int año_plegado;  // 38..89
    int codigo_año;   // 3..258
    int codigo_mes;   // 6..235
    int dia_cuenta;   // 1..31; 28 for 29 February
    Kin kin;
    Tono tono;
    Sello sello;
};

// Day 1..31, month 1..12 (at most 29 in February), any year.
// Calculo_kin(9, 4, 2003).kin == 46.
constexpr Cuenta_kin Calculo_kin(int dia, int mes, std::int64_t año) {
    Cuenta_kin c{};
    c.año_plegado = Año_plegado(año);
    c.codigo_año = Codigo_año(c.año_plegado);
    c.codigo_mes = En(codigos_mes, mes);
    c.dia_cuenta = (mes == 2 && dia == 29) ? 28 : dia;
    c.kin = Kin((c.codigo_año + c.codigo_mes + c.dia_cuenta - 1) % 260 + 1);
    c.tono = c.kin.tono();
    c.sello = c.kin.sello();
    return c;
}

// Wavespell seal 0..20: seal - tone + 1, plus 20 when negative. 0 means
// "Sol" like 20. Sello_onda(Sello{6}, Tono{7}) == 0.
constexpr Sello Sello_onda(Sello sello, Tono tono) {
    const int s = sello.valor - tono.valor + 1;
    return Sello(s < 0 ? s + 20 : s);
}

// The castle 0..4 (red, white, blue, yellow, green) that holds the
// wavespell of a seal 0..20; 0 reads as 20, outside 0..20 as 0 (red). Each
// castle holds four wavespells. Castillo_onda(Sello{8}) == 4 (green).
constexpr int Castillo_onda(Sello sello_onda) {
    constexpr std::array<int, 21> castillos = {0, 0, 4, 3, 2, 2, 1, 0, 4, 4, 3,
                                               2, 1, 1, 0, 4, 3, 3, 2, 1, 0};
    return En(castillos, sello_onda.valor);
}

// Year of the latest 26 July on or before the date: the year of the
// thirteen-moon year and of its year bearer. Año_portador(9, 4, 2003) == 2002.
constexpr std::int64_t Año_portador(int dia, int mes, std::int64_t año) {
    return (mes > 7 || (mes == 7 && dia >= 26)) ? año : año - 1;
}

// The year bearer's kin of any year: the kin of 26 July. Always seal 4, 9, 14 or 19.
constexpr Kin Kin_portador(std::int64_t año) {
    return Calculo_kin(26, 7, año).kin;
}

// The Day-Out-of-Time banner shows on 25 July only.
constexpr bool Dia_fuera_del_tiempo(int dia, int mes) {
    return dia == 25 && mes == 7;
}

// ---------------------------------------------------------------------------
// Oracle

// The four partners of a kin, by their place in the cross.
struct Oraculo_kin {
    Sello guia;      // above the centre
    Sello antipoda;  // left
    Sello analogo;   // right
    Sello oculto;    // below
    // The four in the order of the fields: guide, antipode, analog, occult.
    constexpr std::array<Sello, 4> socios() const { return {guia, antipoda, analogo, oculto}; }
    friend constexpr bool operator==(const Oraculo_kin&, const Oraculo_kin&) = default;
};

// Calculo_oraculo(Sello{6}, Tono{7}) == {18, 16, 13, 15}: seals 1..20.
constexpr Oraculo_kin Calculo_oraculo(Sello sello, Tono tono) {
    // Offset of the guide by tone mod 5: 0 -> 8, 1 -> 0, 2 -> 12, 3 -> 4, 4 -> 16.
    constexpr std::array<int, 5> desplazamiento = {8, 0, 12, 4, 16};
    const int s = sello.valor;
    int guia = s + En(desplazamiento, tono.valor % 5);
    if (guia > 20) guia -= 20;
    int analogo = 19 - s;
    if (analogo < 0) analogo += 20;
    if (analogo == 0) analogo = 20;
    return {Sello(guia), Sello(s + 10 > 20 ? s - 10 : s + 10), Sello(analogo), Sello(21 - s)};
}

// The kin of a seal 1..20 and a tone 1..13: Kin_de(Sello{13}, Tono{10}) == Kin{153}.
constexpr Kin Kin_de(Sello s, Tono t) {
    // k = s (mod 20) and k = t (mod 13): 40 is 0 mod 20 and 1 mod 13, 221 the reverse.
    return Kin((40 * t.valor + 221 * s.valor + 259) % 260 + 1);
}

// The oracle as kins: the guide, antipode and analog share the kin's tone,
// the occult's tone is 14 minus it. Oraculo_en_kines(Kin{153}).oculto == Kin{108}.
struct Kines_oraculo {
    Kin guia, antipoda, analogo, oculto;
    friend constexpr bool operator==(const Kines_oraculo&, const Kines_oraculo&) = default;
};
constexpr Kines_oraculo Oraculo_en_kines(Kin k) {
    const Oraculo_kin o = Calculo_oraculo(k.sello(), k.tono());
    const Tono t = k.tono();
    return {Kin_de(o.guia, t), Kin_de(o.antipoda, t), Kin_de(o.analogo, t),
            Kin_de(o.oculto, Tono(14 - t.valor))};
}

// ---------------------------------------------------------------------------
// Earth families

// The five earth families, four seals each, by the seal's remainder mod 5:
// polar (Sun, Serpent, Dog, Eagle), cardinal (Dragon, Worldbridger, Monkey,
// Warrior), central (Wind, Hand, Human, Earth), señal (Night, Star,
// Skywalker, Mirror), portal (Seed, Moon, Wizard, Storm; the year bearers).
// (moc reads this header through the windows: ASCII enumerators.)
enum class Familia_terrestre { polar = 0, cardinal = 1, central = 2, senal = 3, portal = 4 };

// Familia_de(Sello{13}) == Familia_terrestre::senal; 0 reads as 20 (polar).
constexpr Familia_terrestre Familia_de(Sello s) {
    const int r = s.valor % 5;
    return static_cast<Familia_terrestre>(r < 0 ? r + 5 : r);
}

// The family's four seals in order: Sellos_familia(Familia_terrestre::polar)
// == {5, 10, 15, 20}.
constexpr std::array<Sello, 4> Sellos_familia(Familia_terrestre f) {
    const int primero = static_cast<int>(f) == 0 ? 5 : static_cast<int>(f);
    return {Sello(primero), Sello(primero + 5), Sello(primero + 10), Sello(primero + 15)};
}

// ---------------------------------------------------------------------------
// The wavespell's kins and the harmonic module

// The 13 kins from a kin of tone 1: Onda_de(Kin{153})[0] == Kin{144},
// [12] == Kin{156}.
constexpr std::array<Kin, 13> Onda_de(Kin k) {
    std::array<Kin, 13> onda{};
    const int primero = k.valor - k.tono().valor + 1;
    for (int i = 0; i < 13; ++i) onda[static_cast<std::size_t>(i)] = Kin(primero + i);
    return onda;
}

// The module: 13 columns of 20 kins, kin 1 at the top left, each row one
// seal. Column 1..13: Columna_modulo(Kin{153}) == 8; row 1..20, the seal:
// Fila_modulo(Kin{153}) == 13; Kin_en_modulo(8, 13) == Kin{153}.
constexpr int Columna_modulo(Kin k) {
    return (k.valor - 1) / 20 + 1;
}
constexpr int Fila_modulo(Kin k) {
    return (k.valor - 1) % 20 + 1;
}
constexpr Kin Kin_en_modulo(int columna, int fila) {
    return Kin((columna - 1) * 20 + fila);
}

// The central column, the seventh: kins 121..140.
inline constexpr int columna_central = 7;
constexpr bool En_columna_central(Kin k) {
    return Columna_modulo(k) == columna_central;
}

// ---------------------------------------------------------------------------
// How one kin stands to another

// What kin `b` is to kin `a`, read from a's oracle and count. The oracle's
// four hold at the level of the kin (b is a's guide kin: Oraculo_en_kines)
// or, failing that, of the seal alone (b's seal is a's guide seal, with a's
// tone: Calculo_oraculo). The rest are shared facts; one implied by another
// that holds is left out: with the same kin, no shared seal, tone, colour,
// wavespell, castle or family; with the same seal, no shared colour or
// family.
enum class Relacion : int {
    mismo_kin,
    kin_guia,
    kin_antipoda,
    kin_analogo,
    kin_oculto,
    sello_guia,
    sello_antipoda,
    sello_analogo,
    sello_oculto,
    mismo_sello,
    mismo_tono,
    mismo_color,
    misma_onda,
    mismo_castillo,
    misma_familia,
};
inline constexpr int numero_relaciones = 15;

// A set of relations, one bit each.
struct Relaciones_kin {
    std::uint32_t bits = 0;
    constexpr bool Tiene(Relacion r) const { return bits >> static_cast<int>(r) & 1u; }
    constexpr void Poner(Relacion r) { bits |= 1u << static_cast<int>(r); }
    friend constexpr bool operator==(Relaciones_kin, Relaciones_kin) = default;
};

// The wavespell of a kin 1..260, 0..19 in the count: kins 1..13 are 0.
constexpr int Numero_onda(Kin k) {
    return (k.valor - 1) / 13;
}

// Kins 1..260 in order; a and b valid. Relaciones(Kin{1}, Kin{1}) holds
// mismo_kin and kin_guia (tones 1, 6 and 11 guide themselves);
// Relaciones(Kin{153}, Kin{108}).Tiene(Relacion::kin_oculto).
constexpr Relaciones_kin Relaciones(Kin a, Kin b) {
    Relaciones_kin r;
    const auto si = [&r](bool cierto, Relacion x) {
        if (cierto) r.Poner(x);
    };
    const Kines_oraculo kines = Oraculo_en_kines(a);
    const Oraculo_kin sellos = Calculo_oraculo(a.sello(), a.tono());
    const std::array<Kin, 4> k = {kines.guia, kines.antipoda, kines.analogo, kines.oculto};
    const std::array<Sello, 4> s = sellos.socios();
    for (int i = 0; i < 4; ++i) {
        const auto n = static_cast<std::size_t>(i);
        si(b == k[n], static_cast<Relacion>(static_cast<int>(Relacion::kin_guia) + i));
        si(b != k[n] && b.sello() == s[n],
           static_cast<Relacion>(static_cast<int>(Relacion::sello_guia) + i));
    }
    const bool mismo = a == b, mismo_sello = a.sello() == b.sello();
    si(mismo, Relacion::mismo_kin);
    if (mismo) return r;
    si(mismo_sello, Relacion::mismo_sello);
    si(a.tono() == b.tono(), Relacion::mismo_tono);
    si(!mismo_sello && Color_sello(a.sello()) == Color_sello(b.sello()), Relacion::mismo_color);
    si(Numero_onda(a) == Numero_onda(b), Relacion::misma_onda);
    si(Castillo_onda(Sello_onda(a.sello(), a.tono())) ==
           Castillo_onda(Sello_onda(b.sello(), b.tono())),
       Relacion::mismo_castillo);
    si(!mismo_sello && Familia_de(a.sello()) == Familia_de(b.sello()), Relacion::misma_familia);
    return r;
}

// ---------------------------------------------------------------------------
// Polar kins and portals, which the affirmation names

constexpr bool Es_polar(Kin kin) {
    const int t = kin.tono().valor;
    return kin.valor % 5 == 0 && (t == 3 || t == 4 || t == 10 || t == 11);
}

// The 52 portal kins: Es_portal(Kin{1}), !Es_portal(Kin{2}).
bool Es_portal(Kin kin);

}  // namespace talmiroc
