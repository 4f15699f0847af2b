// Spanish: every word and phrase the engine composes with, spelled as the
// language is written (palabras_es), and the same words with the spellings
// the day window and tzolkin have always shown (palabras_es_dia), which
// their callers rely on letter for letter.
#include "idiomas.h"

namespace talmiroc {

constexpr Palabras palabras_es = {
    .idioma = "es",

    .sellos =
        {"Sol",  "Dragón",   "Viento",   "Noche",  "Semilla", "Serpiente", "Enlazador de Mundos",
         "Mano", "Estrella", "Luna",     "Perro",  "Mono",    "Humano",    "Caminante del Cielo",
         "Mago", "Águila",   "Guerrero", "Tierra", "Espejo",  "Tormenta",  "Sol"},
    // "del" goes before a masculine seal's name, "de la" before a feminine one.
    .generos = {Genero::masculino, Genero::masculino, Genero::masculino, Genero::femenino,
                Genero::femenino,  Genero::femenino,  Genero::masculino, Genero::femenino,
                Genero::femenino,  Genero::femenino,  Genero::masculino, Genero::masculino,
                Genero::masculino, Genero::masculino, Genero::masculino, Genero::femenino,
                Genero::masculino, Genero::femenino,  Genero::masculino, Genero::femenino,
                Genero::masculino},
    .tonos_m = {"Error", "Magnético", "Lunar", "Eléctrico", "Autoexistente", "Entonado", "Rítmico",
                "Resonante", "Galáctico", "Solar", "Planetario", "Espectral", "Cristal", "Cósmico"},
    .tonos_f = {"Error", "Magnética", "Lunar", "Eléctrica", "Autoexistente", "Entonada", "Rítmica",
                "Resonante", "Galáctica", "Solar", "Planetaria", "Espectral", "Cristal", "Cósmica"},
    .colores =
        {{{"Rojo", "Roja"}, {"Blanco", "Blanca"}, {"Azul", "Azul"}, {"Amarillo", "Amarilla"}}},
    .orden = Orden_nombre::sello_tono_color,
    .antes_del_color = "  ",

    .castillos = {"* Castillo Rojo Este del Girar", "* Castillo Blanco Norte del Cruzar",
                  "* Castillo Azul Oeste del Quemar", "* Castillo Amarillo Sur del Dar",
                  "* Castillo Verde Central del Encantar"},
    .onda = {{"* Onda encantada del ", "* Onda encantada de la ", "* Onda encantada del "}},
    .portador = {{"* Año del ", "* Año de la ", "* Año del "}},
    .fecha = "Fecha Gregoriana: ",
    .forma_fecha = "%d-%m-%a",  // 9-4-2003
    .fuera_del_tiempo = "Día Verde, del Perdón Universal o de la Libertad Galáctica",

    .lugares_oraculo = {"Kin Guía", "Kin Antípoda", "Kin Análogo", "Kin Oculto"},
    .rotulos_oraculo = {"Kin Guía", "Kin Antípoda", "Kin Análogo", "Kin Oculto"},
    .centro_oraculo = "Centro del oráculo",
    .glifo_sello = "Sello ",
    .glifo_tono = "Tono ",

    .verbo_tono = {"ERROR", "Unifico", "Polarizo", "Activo", "Defino", "Confiero poder", "Organizo",
                   "Canalizo", "Armonizo", "Pulso", "Perfecciono", "Disuelvo", "Me dedico",
                   "Perduro"},
    .gerundio_tono = {"ERROR", "Atrayendo", "Estabilizando", "Vinculando", "Midiendo", "Comandando",
                      "Equilibrando", "Inspirando", "Modelando", "Realizando", "Produciendo",
                      "Divulgando", "Universalizando", "Trascendiendo"},
    .complemento_tono = {"ERROR", "del propósito", "del desafío", "del servicio", "de la forma",
                         "del esplendor", "de la igualdad", "de la armonización",
                         "de la integridad", "de la intención", "de la manifestación",
                         "de la liberación", "de la cooperación", "de la presencia"},
    // Only tones 3, 4, 10 and 11 have polar kins.
    .verbo_polar = {"ERROR", "", "", " Establezco", " Convierto", "", "", "", "", "", " Extiendo",
                    " Transporto", "", ""},
    .fin_sello = {"ERROR",      "nutrir",     "comunicar",   "soñar",       "atinar",
                  "sobrevivir", "igualar",    "conocer",     "embellecer",  "purificar",
                  "amar",       "jugar",      "influenciar", "explorar",    "encantar",
                  "crear",      "cuestionar", "evolucionar", "reflexionar", "catalizar",
                  "iluminar"},
    .objeto_sello = {"ERROR",         "el ser",        "el aliento",      "la intuición",
                     "la atención",   "el instinto",   "la oportunidad",  "la curación",
                     "el arte",       "el flujo",      "la lealtad",      "la ilusión",
                     "la sabiduría",  "la vigilancia", "la receptividad", "la mente",
                     "la intrepidez", "la sincronía",  "el orden",        "la energía",
                     "la vida"},
    .poder_sello = {"ERROR",
                    "del nacimiento",
                    "del espíritu",
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
                    "de la autogeneración",
                    "del fuego universal"},
    .etapa_cuarteto = {"ERROR",      " la entrada", " el almacén", " el proceso", " la salida",
                       " la matriz", " la entrada", " el almacén", " el proceso", " la salida",
                       " la matriz", " la entrada", " el almacén", " el proceso", " la salida",
                       " la matriz", " la entrada", " el almacén", " el proceso", " la salida",
                       " la matriz"},
    .espectro_polar = {" el espectro galáctico Rojo", " el espectro galáctico Blanco",
                       " el espectro galáctico Azul", " el espectro galáctico Amarillo"},
    .con_el_fin_de = {{" con el fin de ", " con el fin de ", " con el fin de "}},
    .sello_etapa = "Sello",
    .con_el_tono = "Con el tono ",
    .tras_el_tono = " ",
    .guia_poder = "Me guía el poder ",
    .guia_propia = "Me guía mi propio poder duplicado",
    .kin_polar = "Soy un kin Polar.",
    .linea_portal = "Soy un portal de activación galáctico, entra en mí",
    .categoria_portal = "Portal de activación galáctica",

    .lunas = {"", "Luna Magnética del Murciélago", "Luna Lunar del Escorpión",
              "Luna Eléctrica del Venado", "Luna Autoexistente del Búho",
              "Luna Entonada del Pavo Real", "Luna Rítmica de la Lagartija",
              "Luna Resonante del Mono", "Luna Galáctica del Halcón", "Luna Solar del Jaguar",
              "Luna Planetaria del Perro", "Luna Espectral de la Serpiente",
              "Luna Cristal del Conejo", "Luna Cósmica de la Tortuga"},
    .plasmas = {"", "Dali", "Seli", "Gamma", "Kali", "Alfa", "Limi", "Silio"},
    .nombre_fuera_del_tiempo = "Día fuera del tiempo",
    .nombre_hunab_ku = "0.0 Hunab Ku",
    .trece_lunas = "13 Lunas: ",

    .meses = {"", "enero", "febrero", "marzo", "abril", "mayo", "junio", "julio", "agosto",
              "septiembre", "octubre", "noviembre", "diciembre"},
    .meses_cortos = {"", "ene", "feb", "mar", "abr", "may", "jun", "jul", "ago", "sep", "oct",
                     "nov", "dic"},
    .fecha_escrita = "%d de %M de %a",
    .dia_luna = "Día ",
    .marca_portal = ", portal",
    .titulo_onda = {{"Onda encantada del ", "Onda encantada de la ", "Onda encantada del "}},
    .año_de = {{"Año del ", "Año de la ", "Año del "}},
    .separador_titulo = " · ",
    .separador_periodo = " – ",
    .vuelve_kin = {"Hoy vuelve el kin de ", ": "},
    .primer_dia = "Primer día de la ",

    .familias = {"Polar", "Cardinal", "Central", "Señal", "Portal"},
    .relaciones = {"Mismo kin", "Kin guía", "Kin antípoda", "Kin análogo", "Kin oculto",
                   "Sello guía", "Sello antípoda", "Sello análogo", "Sello oculto", "Mismo sello",
                   "Mismo tono", "Mismo color", "Misma onda encantada", "Mismo castillo",
                   "Misma familia terrestre"},
    .reglas_relacion = {
        "Los dos son el kin {1}, {5}.",
        "El kin {2} es el guía del kin {1}: el guía lleva el mismo tono y el sello de su "
        "mismo color que está {5} lugares más allá con ese tono.",
        "El kin {2} es el antípoda del kin {1}: el mismo tono, y el sello que está 10 lugares "
        "más allá.",
        "El kin {2} es el análogo del kin {1}: el mismo tono, y dos sellos que suman {5}.",
        "El kin {2} es el oculto del kin {1}: sus sellos suman 21 y sus tonos 14.",
        "{4} es el sello guía de {3} con el tono {5} del kin {1}, pero el kin {2} lleva otro "
        "tono.",
        "{4} es el sello antípoda de {3}, 10 lugares más allá, pero los tonos difieren.",
        "{4} es el sello análogo de {3}: los dos suman {5}, pero los tonos difieren.",
        "{4} es el sello oculto de {3}: los dos suman 21, pero los tonos no suman 14.",
        "Los dos kines llevan el sello {3}.",
        "Los dos kines llevan el tono {5}.",
        "Los dos sellos son de color {5}.",
        "Los dos kines están en la misma onda encantada: {5}.",
        "Los dos kines están en el mismo castillo: {5}.",
        "Los dos sellos son de la familia terrestre {5}."},

    .mensaje_fecha = "Fecha incorrecta. Debe introducir una fecha correcta",
    .mensaje_año = "Lo siento, por ahora los valores del año solo pueden estar de 38 en adelante",
    .titulo_fecha = "Tzolkin",
    .como_en_español = "",
};

// The day window's and tzolkin's spellings: seals 1 and 15, tone 4 in both
// genders, the 25 July banner, the guide's caption and its own-power line,
// the power of seals 2 and 19, and "almacen" in rows 7, 12 and 17 of the
// quartet (row 2 keeps its accent there too). A function, so the two sets
// differ only where it says.
constexpr Palabras Grafias_del_dia(Palabras p) {
    p.sellos[1] = "Dragon";
    p.sellos[15] = "Aguila";
    p.tonos_m[4] = p.tonos_f[4] = "Auto-exitente";
    p.fuera_del_tiempo = "Dia Verde, del Perdón Universal o de la Libertad Galáctica";
    p.rotulos_oraculo[0] = "Kin Guia";
    p.guia_propia = "Me guia mi propio poder duplicado";
    p.poder_sello[2] = "del espiritu";
    p.poder_sello[19] = "de la auto-generación";
    p.etapa_cuarteto[7] = p.etapa_cuarteto[12] = p.etapa_cuarteto[17] = " el almacen";
    return p;
}

constexpr Palabras palabras_es_dia = Grafias_del_dia(palabras_es);

// What tzolkin says: its help and its messages.
constexpr Textos_tzolkin tzolkin_es = {
    .uso = "Uso: tzolkin [DIA MES AÑO]\n"
           "     tzolkin --json [DIA MES AÑO]\n"
           "     tzolkin [--json] < fechas    (una fecha por línea: DIA MES AÑO o DIA/MES/AÑO)\n"
           "     tzolkin --desde DIA MES AÑO --hasta DIA MES AÑO   (cada fecha entre las dos, "
           "incluidas)\n"
           "     tzolkin --kin N [DIA MES AÑO] [--cuantas K | --hasta DIA MES AÑO]\n"
           "                                  (las fechas del kin N desde ese día u hoy; 5 si no "
           "se dice)\n"
           "     tzolkin --personas [DIA MES AÑO] [--cuantas K | --hasta DIA MES AÑO]\n"
           "                                  (el libro de personas: nombre, nacimiento, kin y "
           "próximo\n"
           "                                  regreso desde ese día u hoy; en ics, los K regresos "
           "de\n"
           "                                  cada una, 10 si no se dice; nunca escribe el libro)\n",
    .salida = "Salida: --formato ",
    .tras_formatos = " (--json es --formato json).\nIdioma: --idioma ",
    .tras_idiomas = " (si no, el del entorno: LANGUAGE, LC_ALL, LC_MESSAGES, LANG).\n",
    .uso_hoy = "Sin fecha, calcula el día de hoy; si la entrada estándar es una tubería o un\n"
               "archivo (no un terminal ni /dev/null), lee de ella las fechas, en cualquier "
               "formato.\n",
    .ver_ayuda = " (tzolkin --help)",
    .y = {" y ", " e "},

    .dos_formatos = "se pidieron dos formatos distintos",
    .repetida = "{1} repetida",
    .falta_formato = "falta el formato tras --formato",
    .formato_desconocido = "formato desconocido: {1}; son {2}",
    .falta_idioma = "falta el idioma tras --idioma",
    .idioma_desconocido = "idioma desconocido: {1}; son {2}",
    .faltan_fecha = "faltan DIA MES AÑO tras {1}",
    .falta_numero = "falta el número tras {1}",
    .kin_fuera = "el kin va de 1 a 260, no {1}",
    .cuantas_no_positivo = "--cuantas pide un número positivo, no {1}",
    .desconocida = "opción desconocida: {1}",
    .personas_sin_kin = "--personas no va con --kin ni con --desde",
    .tres_tras_personas = "se esperan tres valores tras --personas: DIA MES AÑO",
    .personas_solo_ics = "con --personas, --cuantas y --hasta van con --formato ics",
    .desde_con_kin = "--desde no va con --kin",
    .hasta_sin_desde = "--hasta va con --desde o con --kin",
    .desde_sin_hasta = "--desde pide también --hasta",
    .sobra_fecha = "con --desde y --hasta sobra la fecha suelta",
    .cuantas_sin_kin = "--cuantas va con --kin",
    .tres_tras_kin = "se esperan tres valores tras --kin N: DIA MES AÑO",
    .tres_valores = "se esperan tres valores: DIA MES AÑO",
    .hasta_antes_de_partida = "--hasta es anterior a la fecha de partida",
    .hasta_antes_de_desde = "--hasta es anterior a --desde",
    .sello_no_numero = "no es un número de segundos desde 1970",
    .sello_pasado = "pasa del año 9999, el último que iCalendar escribe",

    .no_es_real = "{1} no es una fecha del calendario; {2} piden una fecha real",
    .años_hasta = "{1} escribe años hasta {2}",
    .acotar_busqueda = "; acote la búsqueda con --hasta o --cuantas",
    .linea = "línea {1}: ",
    .ninguna_valida = "ninguna fecha válida en la entrada",
    .ninguna_coincide = "ninguna fecha coincide con lo pedido",

    .sin_libro = "no se sabe dónde está el libro de personas (ni XDG_DATA_HOME ni HOME)",
    .libro_malo = "el libro de personas {1} {2}",
    .defectos_libro = {"", "no se puede leer: {3}", "no es JSON válido o está cortado (línea {2})",
                       "no es un libro de personas ({\"version\": 1, \"personas\": [...]})",
                       "tiene una versión desconocida: {3}",
                       "la persona {1} no tiene justo nombre, dia, mes y año",
                       "la persona {1} tiene un nombre vacío, demasiado largo o con caracteres de "
                       "control",
                       "la persona {1} tiene una fecha rechazada: {3}"},
    .ningun_regreso = "ningún regreso que escribir: el libro de personas está vacío o no hay "
                      "fechas hasta la pedida",
    .salida_fallida = "no se pudo escribir la salida: {1}",
};

// What the desktop entry and the AppStream data say.
constexpr Textos_escritorio escritorio_es = {
    .nombre_generico = "Calendario Tzolkin",
    .comentario = "Calcula el kin, el sello, el tono y el oráculo de una fecha en la cuenta de 260 "
                  "días",
    .palabras_clave = "tzolkin;kin;calendario;maya;trece lunas;",
    .accion_luna = "Luna de hoy",
    .accion_modulo = "Módulo armónico",
    .resumen = "Calculadora de la cuenta sagrada de 260 días",
    .descripcion = {"Talmiroc calcula, para una fecha gregoriana, el kin de la cuenta de 260 días "
                    "(Tzolkin) en su lectura de las trece lunas: el sello solar, el tono galáctico "
                    "y el color, la onda encantada y el castillo, el portador del año, el oráculo "
                    "de cuatro sellos dibujado en cruz y una afirmación en primera persona.",
                    "El 25 de julio, día fuera del tiempo, muestra además su aviso. La ventana "
                    "puede imprimirse tal como se ve."},
    .leyenda_captura = "El kin 153 del 25 de julio de 2003, con su oráculo",
};

}  // namespace talmiroc
