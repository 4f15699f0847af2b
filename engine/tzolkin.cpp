#include "tzolkin.h"

#include <algorithm>
#include <limits>

namespace talmiroc {

namespace {

constexpr std::string_view salto = "\r\n";

// Castle line by wavespell seal 0..20. Each castle holds four wavespells.
constexpr std::string_view castillo_rojo = "* Castillo Rojo Este del Girar";
constexpr std::string_view castillo_blanco = "* Castillo Blanco Norte del Cruzar";
constexpr std::string_view castillo_azul = "* Castillo Azul Oeste del Quemar";
constexpr std::string_view castillo_amarillo = "* Castillo Amarillo Sur del Dar";
constexpr std::string_view castillo_verde = "* Castillo Verde Central del Encantar";

constexpr std::array<std::string_view, 21> castillos = {
    castillo_rojo,     castillo_rojo,     castillo_verde,    castillo_amarillo, castillo_azul,
    castillo_azul,     castillo_blanco,   castillo_rojo,     castillo_verde,    castillo_verde,
    castillo_amarillo, castillo_azul,     castillo_blanco,   castillo_blanco,   castillo_rojo,
    castillo_verde,    castillo_amarillo, castillo_amarillo, castillo_azul,     castillo_blanco,
    castillo_rojo};

// Phrase tables of the affirmation, indexed from 1; slot 0 is never selected.
constexpr std::array<std::string_view, 14> verbo_tono = {
    "ERROR",    "Unifico",  "Polarizo", "Activo",      "Defino",   "Confiero poder", "Organizo",
    "Canalizo", "Armonizo", "Pulso",    "Perfecciono", "Disuelvo", "Me dedico",      "Perduro"};

constexpr std::array<std::string_view, 14> gerundio_tono = {
    "ERROR",       "Atrayendo",    "Estabilizando",   "Vinculando",   "Midiendo",
    "Comandando",  "Equilibrando", "Inspirando",      "Modelando",    "Realizando",
    "Produciendo", "Divulgando",   "Universalizando", "Trascendiendo"};

constexpr std::array<std::string_view, 14> complemento_tono = {"ERROR",
                                                               "del propósito",
                                                               "del desafío",
                                                               "del servicio",
                                                               "de la forma",
                                                               "del esplendor",
                                                               "de la igualdad",
                                                               "de la armonización",
                                                               "de la integridad",
                                                               "de la intención",
                                                               "de la manifestación",
                                                               "de la liberación",
                                                               "de la cooperación",
                                                               "de la presencia"};

// Only tones 3, 4, 10 and 11 have polar kins.
constexpr std::array<std::string_view, 14> verbo_polar = {
    "ERROR", "", "", " Establezco", " Convierto",  "", "",
    "",      "", "", " Extiendo",   " Transporto", "", ""};

constexpr std::array<std::string_view, 21> fin_sello = {
    "ERROR",       "nutrir",    "comunicar",  "soñar",     "atinar",     "sobrevivir",
    "igualar",     "conocer",   "embellecer", "purificar", "amar",       "jugar",
    "influenciar", "explorar",  "encantar",   "crear",     "cuestionar", "evolucionar",
    "reflexionar", "catalizar", "iluminar"};

constexpr std::array<std::string_view, 21> objeto_sello = {
    "ERROR",       "el ser",         "el aliento",   "la intuición",  "la atención",
    "el instinto", "la oportunidad", "la curación",  "el arte",       "el flujo",
    "la lealtad",  "la ilusión",     "la sabiduría", "la vigilancia", "la receptividad",
    "la mente",    "la intrepidez",  "la sincronía", "el orden",      "la energía",
    "la vida"};

constexpr std::array<std::string_view, 21> poder_sello = {"ERROR",
                                                          "del nacimiento",
                                                          "del espiritu",
                                                          "de la abundancia",
                                                          "del florecimiento",
                                                          "de la fuerza vital",
                                                          "de la muerte",
                                                          "de la realización",
                                                          "de la elegancia",
                                                          "del agua universal",
                                                          "del corazón",
                                                          "de la magia",
                                                          "de la libre voluntad",
                                                          "del espacio",
                                                          "de la atemporalidad",
                                                          "de la visión",
                                                          "de la inteligencia",
                                                          "de la navegación",
                                                          "del sinfín",
                                                          "de la auto-generación",
                                                          "del fuego universal"};

// Stage by row 1..20 of the quartet; "almacén" keeps its accent in row 2 only.
constexpr std::array<std::string_view, 21> etapa_cuarteto = {
    "ERROR",       " la entrada", " el almacén", " el proceso", " la salida",  " la matriz",
    " la entrada", " el almacen", " el proceso", " la salida",  " la matriz",  " la entrada",
    " el almacen", " el proceso", " la salida",  " la matriz",  " la entrada", " el almacen",
    " el proceso", " la salida",  " la matriz"};

// Colour phrase of a polar kin by the seal's colour (seal 5 red, 10 white,
// 15 blue, 20 yellow).
constexpr std::array<std::string_view, 4> espectro_polar = {
    " el espectro galáctico Rojo", " el espectro galáctico Blanco", " el espectro galáctico Azul",
    " el espectro galáctico Amarillo"};

constexpr std::array<int, 52> portales = {
    1,   20,  22,  39,  43,  50,  51,  58,  64,  69,  72,  77,  85,  88,  93,  96,  106, 107,
    108, 109, 110, 111, 112, 113, 114, 115, 146, 147, 148, 149, 150, 151, 152, 153, 154, 155,
    165, 168, 173, 176, 184, 189, 192, 197, 203, 210, 211, 218, 222, 239, 241, 260};

constexpr std::string_view linea_portal = "Soy un portal de activación galáctico, entra en mí";
constexpr std::string_view linea_guia_propia = "Me guia mi propio poder duplicado";

constexpr bool Es_blanco(char c) {
    return c == ' ' || c == '\t';
}
constexpr bool Es_digito(char c) {
    return c >= '0' && c <= '9';
}

// Reads an optional sign and digits from `i`, saturating at the int64 range.
// Returns false if no digit follows the sign.
bool Leer_numero(std::string_view t, std::size_t& i, std::int64_t& valor) {
    bool negativo = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        negativo = t[i] == '-';
        ++i;
    }
    if (i >= t.size() || !Es_digito(t[i])) return false;
    constexpr std::int64_t tope = std::numeric_limits<std::int64_t>::max();
    std::int64_t v = 0;
    for (; i < t.size() && Es_digito(t[i]); ++i) {
        const int d = t[i] - '0';
        v = (v > (tope - d) / 10) ? tope : v * 10 + d;
    }
    valor = negativo ? -v : v;
    return true;
}

std::string& operator<<(std::string& s, std::string_view v) {
    return s.append(v);
}
std::string& operator<<(std::string& s, std::int64_t n) {
    return Añadir_numero(s, n);
}

}  // namespace

std::string_view Castillo(Sello sello_onda) {
    return En(castillos, sello_onda.valor);
}

std::string Linea_nombre(Kin kin) {
    const Tono t = kin.tono();
    const Sello s = kin.sello();
    std::string l;
    l.reserve(80);
    // Two blanks before the colour, as the caption always had them.
    l << "* Kin " << std::int64_t{kin.valor} << ": " << Nombre_sello(s) << " " << Nombre_tono(t, s)
      << "  " << Palabra_color(s) << salto << " <" << Dia_maya(s) << " " << Numero_maya(t) << "> ";
    return l;
}

std::string Linea_fecha(int dia, int mes, std::int64_t año) {
    std::string s = "Fecha Gregoriana: ";
    s << std::int64_t{dia} << "-" << std::int64_t{mes} << "-" << año;
    return s;
}

std::string Lineas_onda(Sello sello_onda) {
    std::string t = Es_masculino(sello_onda) ? "* Onda encantada del " : "* Onda encantada de la ";
    t << Nombre_sello(sello_onda) << salto << Castillo(sello_onda);
    return t;
}

std::string Lineas_portador(Kin portador) {
    const Tono t = portador.tono();
    const Sello s = portador.sello();
    std::string l = Es_masculino(s) ? "* Año del" : "* Año de la";
    l << " " << Nombre_sello(s) << " " << Nombre_tono(t, s) << " " << Palabra_color(s) << " Kin "
      << std::int64_t{portador.valor} << salto << " <" << Dia_maya(s) << " " << Numero_maya(t)
      << "> ";
    return l;
}

bool Es_portal(Kin kin) {
    return std::binary_search(portales.begin(), portales.end(), kin.valor);
}

std::string Texto_meditacion(Kin kin) {
    const int tono = kin.tono().valor;
    const int sello = kin.sello().valor;
    const Sello guia = Calculo_oraculo(kin.sello(), kin.tono()).guia;
    const int cuarteto = (kin.valor + 3) / 4;
    const int fila = (cuarteto - 1) % 20 + 1;
    std::string s;
    s.reserve(320);
    s << En(verbo_tono, tono) << " con el fin de " << En(fin_sello, sello) << salto;
    s << En(gerundio_tono, tono) << " " << En(objeto_sello, sello) << salto;
    s << "Sello" << En(etapa_cuarteto, fila) << " " << En(poder_sello, sello) << salto;
    s << "Con el tono " << En(tonos_m, tono) << " " << En(complemento_tono, tono) << salto;
    if (tono == 1 || tono == 6 || tono == 11) {
        s << linea_guia_propia << salto;
    } else {
        s << "Me guía el poder " << En(poder_sello, guia.valor) << salto;
    }
    if (Es_polar(kin)) {
        s << "Soy un kin Polar." << En(verbo_polar, tono)
          << En(espectro_polar, static_cast<int>(Color_sello(kin.sello()))) << salto;
    }
    if (Es_portal(kin)) s << linea_portal;
    return s;
}

std::int64_t Lectura_inicial(std::string_view texto) {
    std::size_t i = 0;
    while (i < texto.size() && Es_blanco(texto[i])) ++i;
    std::int64_t v = 0;
    return Leer_numero(texto, i, v) ? v : 0;
}

bool Lectura_completa(std::string_view texto, std::int64_t& valor) {
    std::size_t i = 0;
    while (i < texto.size() && Es_blanco(texto[i])) ++i;
    std::int64_t v = 0;
    if (!Leer_numero(texto, i, v)) return false;
    while (i < texto.size() && Es_blanco(texto[i])) ++i;
    if (i != texto.size()) return false;
    valor = v;
    return true;
}

Veredicto Comprobar_fecha(std::string_view dia, std::string_view mes, std::string_view año) {
    const auto vacio = [](std::string_view t) { return t.empty() || t == " "; };
    if (vacio(dia) || vacio(mes) || vacio(año)) return Rechazo{mensaje_fecha, Icono::informacion};

    std::int64_t d = 0;
    std::int64_t m = 0;
    if (!Lectura_completa(dia, d) || !Lectura_completa(mes, m)) {
        return Rechazo{mensaje_fecha, Icono::informacion};
    }
    if (m == 2 && d > 29) return Rechazo{mensaje_fecha, Icono::informacion};

    const std::int64_t a = Lectura_inicial(año);
    if (a < 38) return Rechazo{mensaje_año, Icono::error};

    if (m < 1 || m > 12 || d < 1 || d > 31 || a > año_maximo) {
        return Rechazo{mensaje_fecha, Icono::informacion};
    }
    return Fecha{static_cast<int>(d), static_cast<int>(m), a};
}

Lectura_dia Describir_dia(const Fecha& f) {
    const Cuenta_kin c = Calculo_kin(f.dia, f.mes, f.año);
    Lectura_dia l{};
    l.entrada = f;
    l.kin = c.kin;
    l.sello_onda = Sello_onda(c.sello, c.tono);
    l.oraculo = Calculo_oraculo(c.sello, c.tono);
    l.portador = Kin_portador(Año_portador(f.dia, f.mes, f.año));
    l.nombre = Linea_nombre(c.kin);
    l.fecha = Linea_fecha(f.dia, f.mes, f.año);
    l.onda_encantada = Lineas_onda(l.sello_onda);
    l.a_maya = Lineas_portador(l.portador);
    l.inter = Texto_meditacion(c.kin);
    l.color = Color_etiqueta(c.sello);
    l.dia_fuera_del_tiempo = Dia_fuera_del_tiempo(f.dia, f.mes);
    l.trece_lunas = Calculo_trece_lunas(f.dia, f.mes, f.año);
    l.linea_trece_lunas = Linea_trece_lunas(l.trece_lunas);
    l.nombre_kin << Nombre_sello(c.sello) << " " << Nombre_tono(c.tono, c.sello) << " "
                 << Palabra_color(c.sello);
    l.nombre_sello << "Sello " << Nombre_sello(c.sello);
    l.nombre_tono << "Tono " << std::int64_t{c.tono.valor} << ", " << En(tonos_m, c.tono.valor);
    l.nombre_centro << lugar_centro << ": " << Nombre_sello(c.sello);
    const std::array<Sello, 4> socios = {l.oraculo.guia, l.oraculo.antipoda, l.oraculo.analogo,
                                         l.oraculo.oculto};
    for (std::size_t i = 0; i < socios.size(); ++i) {
        l.nombres_oraculo[i] << lugares_oraculo[i] << ": " << Nombre_sello(socios[i]);
    }
    l.anuncio << "Kin " << std::int64_t{c.kin.valor} << ": " << l.nombre_kin;
    if (l.dia_fuera_del_tiempo) l.anuncio << ". " << texto_fuera_del_tiempo;
    return l;
}

std::string Para_oir(std::string_view caption) {
    std::string oido;
    bool espacio = false;        // a space is owed before the next word
    bool inicio_linea = true;    // nothing but spaces yet on this line
    for (const char c : caption) {
        if (c == '\r' || c == '\n') {
            if (!inicio_linea) oido += ',';
            espacio = !oido.empty();
            inicio_linea = true;
            continue;
        }
        if (c == ' ' || c == '<' || c == '>' || (c == '*' && inicio_linea)) {
            espacio = !oido.empty();
            continue;
        }
        if (espacio && oido.back() != ' ') oido += ' ';
        espacio = false;
        inicio_linea = false;
        oido += c;
    }
    if (!oido.empty() && oido.back() == ',') oido.pop_back();
    return oido;
}

std::string Texto_dia(const Lectura_dia& l) {
    std::string s;
    s.reserve(640);
    const auto linea = [&s](std::string_view texto) {
        // Captions break their lines with CR LF; the text uses LF alone.
        for (std::size_t i = 0; i < texto.size(); ++i) {
            if (texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') continue;
            s += texto[i];
        }
        if (s.empty() || s.back() != '\n') s += '\n';
    };
    linea(l.fecha);
    linea(l.linea_trece_lunas);
    linea(l.nombre);
    linea(l.a_maya);
    linea(l.onda_encantada);
    s << "Kin Guia: " << Nombre_sello(l.oraculo.guia) << "\n";
    s << "Kin Antípoda: " << Nombre_sello(l.oraculo.antipoda) << "\n";
    s << "Kin Análogo: " << Nombre_sello(l.oraculo.analogo) << "\n";
    s << "Kin Oculto: " << Nombre_sello(l.oraculo.oculto) << "\n";
    linea(l.inter);
    if (l.dia_fuera_del_tiempo) linea(texto_fuera_del_tiempo);
    return s;
}

}  // namespace talmiroc
