// English: every word and phrase the engine composes with. A kin's name reads
// colour, tone, seal ("Red Planetary Skywalker"); no word takes a gender.
#include "idiomas.h"

namespace talmiroc {

constexpr Palabras palabras_en = {
    .idioma = "en",

    .sellos = {"Sun",    "Dragon", "Wind",    "Night", "Seed",   "Serpent", "Worldbridger",
               "Hand",   "Star",   "Moon",    "Dog",   "Monkey", "Human",   "Skywalker",
               "Wizard", "Eagle",  "Warrior", "Earth", "Mirror", "Storm",   "Sun"},
    .generos = {},  // all masculine: one form of each word
    .tonos_m = {"Error", "Magnetic", "Lunar", "Electric", "Self-Existing", "Overtone", "Rhythmic",
                "Resonant", "Galactic", "Solar", "Planetary", "Spectral", "Crystal", "Cosmic"},
    .tonos_f = {"Error", "Magnetic", "Lunar", "Electric", "Self-Existing", "Overtone", "Rhythmic",
                "Resonant", "Galactic", "Solar", "Planetary", "Spectral", "Crystal", "Cosmic"},
    .colores = {{{"Red", "Red"}, {"White", "White"}, {"Blue", "Blue"}, {"Yellow", "Yellow"}}},
    .orden = Orden_nombre::color_tono_sello,
    .antes_del_color = " ",

    .castillos = {"* Red Eastern Castle of Turning", "* White Northern Castle of Crossing",
                  "* Blue Western Castle of Burning", "* Yellow Southern Castle of Giving",
                  "* Green Central Castle of Enchantment"},
    .onda = {{"* Wavespell of the ", "* Wavespell of the ", "* Wavespell of the "}},
    .portador = {{"* Year of the ", "* Year of the ", "* Year of the "}},
    .fecha = "Gregorian date: ",
    // Written out: "9-4-2003" reads as 4 September to many readers of English.
    .forma_fecha = "%d %M %a",
    .fuera_del_tiempo = "Green Day: day of Universal Forgiveness and Galactic Freedom",

    .lugares_oraculo = {"Guide Kin", "Antipode Kin", "Analog Kin", "Occult Kin"},
    .rotulos_oraculo = {"Guide Kin", "Antipode Kin", "Analog Kin", "Occult Kin"},
    .centro_oraculo = "Center of the oracle",
    .glifo_sello = "Seal ",
    .glifo_tono = "Tone ",

    .verbo_tono = {"ERROR", "I unify", "I polarize", "I activate", "I define", "I empower",
                   "I organize", "I channel", "I harmonize", "I pulse", "I perfect", "I dissolve",
                   "I dedicate myself", "I endure"},
    .gerundio_tono = {"ERROR", "Attracting", "Stabilizing", "Bonding", "Measuring", "Commanding",
                      "Balancing", "Inspiring", "Modeling", "Realizing", "Producing", "Releasing",
                      "Universalizing", "Transcending"},
    .complemento_tono = {"ERROR", "of purpose", "of challenge", "of service", "of form",
                         "of radiance", "of equality", "of attunement", "of integrity",
                         "of intention", "of manifestation", "of liberation", "of cooperation",
                         "of presence"},
    .verbo_polar = {"ERROR", "", "", " I establish", " I convert", "", "", "", "", "", " I extend",
                    " I transport", "", ""},
    .fin_sello = {"ERROR",     "nurture",  "communicate", "dream",  "target",      "survive",
                  "equalize",  "know",     "beautify",    "purify", "love",     "play",
                  "influence", "explore",  "enchant",     "create", "question", "evolve",
                  "reflect",   "catalyze", "enlighten"},
    .objeto_sello = {"ERROR",    "being",        "breath",        "intuition",   "awareness",
                     "instinct", "opportunity",  "healing",       "art",         "flow",
                     "loyalty",  "illusion",     "wisdom",        "wakefulness", "receptivity",
                     "mind",     "fearlessness", "synchronicity", "order",       "energy",
                     "life"},
    .poder_sello = {"ERROR",
                    "of birth",
                    "of spirit",
                    "of abundance",
                    "of flowering",
                    "of life force",
                    "of death",
                    "of accomplishment",
                    "of elegance",
                    "of universal water",
                    "of heart",
                    "of magic",
                    "of free will",
                    "of space",
                    "of timelessness",
                    "of vision",
                    "of intelligence",
                    "of navigation",
                    "of endlessness",
                    "of self-generation",
                    "of universal fire"},
    .etapa_cuarteto = {"ERROR",       " the input", " the store", " the process", " the output",
                       " the matrix", " the input", " the store", " the process", " the output",
                       " the matrix", " the input", " the store", " the process", " the output",
                       " the matrix", " the input", " the store", " the process", " the output",
                       " the matrix"},
    .espectro_polar = {" the Red galactic spectrum", " the White galactic spectrum",
                       " the Blue galactic spectrum", " the Yellow galactic spectrum"},
    .con_el_fin_de = {{" in order to ", " in order to ", " in order to "}},
    .sello_etapa = "I seal",
    .con_el_tono = "With the ",
    .tras_el_tono = " tone ",
    .guia_poder = "I am guided by the power ",
    .guia_propia = "I am guided by my own power doubled",
    .kin_polar = "I am a polar kin,",
    .linea_portal = "I am a galactic activation portal, enter me",
    .categoria_portal = "Galactic activation portal",

    .lunas = {"", "Magnetic Bat Moon", "Lunar Scorpion Moon", "Electric Deer Moon",
              "Self-Existing Owl Moon", "Overtone Peacock Moon", "Rhythmic Lizard Moon",
              "Resonant Monkey Moon", "Galactic Hawk Moon", "Solar Jaguar Moon",
              "Planetary Dog Moon", "Spectral Serpent Moon", "Crystal Rabbit Moon",
              "Cosmic Turtle Moon"},
    .plasmas = {"", "Dali", "Seli", "Gamma", "Kali", "Alpha", "Limi", "Silio"},
    .nombre_fuera_del_tiempo = "Day Out of Time",
    .nombre_hunab_ku = "0.0 Hunab Ku",
    .trece_lunas = "13 Moons: ",

    .meses = {"", "January", "February", "March", "April", "May", "June", "July", "August",
              "September", "October", "November", "December"},
    .meses_cortos = {"", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct",
                     "Nov", "Dec"},
    .fecha_escrita = "%d %M %a",
    .dia_luna = "Day ",
    .marca_portal = ", portal",
    .titulo_onda = {{"Wavespell of the ", "Wavespell of the ", "Wavespell of the "}},
    .año_de = {{"Year of the ", "Year of the ", "Year of the "}},
    .separador_titulo = " · ",
    .separador_periodo = " – ",
    .vuelve_kin = {"", "'s kin returns today: "},
    .primer_dia = "First day of the ",

    .familias = {"Polar", "Cardinal", "Core", "Signal", "Gateway"},
    .relaciones = {"Same kin", "Guide kin", "Antipode kin", "Analog kin", "Occult kin",
                   "Guide seal", "Antipode seal", "Analog seal", "Occult seal", "Same seal",
                   "Same tone", "Same colour", "Same wavespell", "Same castle",
                   "Same earth family"},
    .reglas_relacion = {
        "Both are kin {1}, {5}.",
        "Kin {2} is the guide of kin {1}: the guide has the same tone and the seal of the "
        "same colour {5} places further on for that tone.",
        "Kin {2} is the antipode of kin {1}: the same tone, and the seal 10 places further on.",
        "Kin {2} is the analog of kin {1}: the same tone, and two seals that add up to {5}.",
        "Kin {2} is the occult of kin {1}: their seals add up to 21 and their tones to 14.",
        "{4} is the guide seal of {3} with tone {5} of kin {1}, but kin {2} has another tone.",
        "{4} is the antipode seal of {3}, 10 places further on, but the tones differ.",
        "{4} is the analog seal of {3}: the two add up to {5}, but the tones differ.",
        "{4} is the occult seal of {3}: the two add up to 21, but the tones do not add up to "
        "14.",
        "Both kins have the seal {3}.",
        "Both kins have tone {5}.",
        "Both seals are {5}.",
        "Both kins are in the same wavespell: {5}.",
        "Both kins are in the same castle: {5}.",
        "Both seals belong to the {5} earth family."},

    .mensaje_fecha = "Invalid date. Please enter a valid date.",
    .mensaje_año = "Sorry, the year must be 38 or later for now.",
    .titulo_fecha = "Tzolkin",
    .como_en_español =
        "central dragon jaguar lunar me polar portal solar universal feb jul jun "
        "mar may nov oct sep",
};

// What tzolkin says: its help and its messages.
constexpr Textos_tzolkin tzolkin_en = {
    .uso = "Usage: tzolkin [DAY MONTH YEAR]\n"
           "       tzolkin --json [DAY MONTH YEAR]\n"
           "       tzolkin [--json] < dates    (one date a line: DAY MONTH YEAR or DAY/MONTH/YEAR)\n"
           "       tzolkin --desde DAY MONTH YEAR --hasta DAY MONTH YEAR   (every date between "
           "the two, both included)\n"
           "       tzolkin --kin N [DAY MONTH YEAR] [--cuantas K | --hasta DAY MONTH YEAR]\n"
           "                                  (the dates of kin N from that day or today; 5 "
           "unless told)\n"
           "       tzolkin --personas [DAY MONTH YEAR] [--cuantas K | --hasta DAY MONTH YEAR]\n"
           "                                  (the people book: name, birth, kin and next\n"
           "                                  return from that day or today; in ics, each "
           "person's\n"
           "                                  K returns, 10 unless told; never writes the book)\n",
    .salida = "Output: --formato ",
    .tras_formatos = " (--json is --formato json).\nLanguage: --idioma ",
    .tras_idiomas = " (otherwise the environment's: LANGUAGE, LC_ALL, LC_MESSAGES, LANG).\n",
    .uso_hoy = "With no date, it reads today; if standard input is a pipe or a file (not\n"
               "a terminal nor /dev/null), it reads the dates from it, in any format.\n",
    .ver_ayuda = " (tzolkin --help)",
    .y = {" and ", " and "},

    .dos_formatos = "two different formats were asked for",
    .repetida = "{1} given twice",
    .falta_formato = "a format is missing after --formato",
    .formato_desconocido = "unknown format: {1}; they are {2}",
    .falta_idioma = "a language is missing after --idioma",
    .idioma_desconocido = "unknown language: {1}; they are {2}",
    .faltan_fecha = "DAY MONTH YEAR missing after {1}",
    .falta_numero = "a number is missing after {1}",
    .kin_fuera = "the kin runs from 1 to 260, not {1}",
    .cuantas_no_positivo = "--cuantas takes a positive number, not {1}",
    .desconocida = "unknown option: {1}",
    .personas_sin_kin = "--personas does not go with --kin or --desde",
    .tres_tras_personas = "three values expected after --personas: DAY MONTH YEAR",
    .personas_solo_ics = "with --personas, --cuantas and --hasta go with --formato ics",
    .desde_con_kin = "--desde does not go with --kin",
    .hasta_sin_desde = "--hasta goes with --desde or with --kin",
    .desde_sin_hasta = "--desde also needs --hasta",
    .sobra_fecha = "with --desde and --hasta, the loose date is one too many",
    .cuantas_sin_kin = "--cuantas goes with --kin",
    .tres_tras_kin = "three values expected after --kin N: DAY MONTH YEAR",
    .tres_valores = "three values expected: DAY MONTH YEAR",
    .hasta_antes_de_partida = "--hasta is before the starting date",
    .hasta_antes_de_desde = "--hasta is before --desde",
    .sello_no_numero = "is not a number of seconds since 1970",
    .sello_pasado = "is past the year 9999, the last one iCalendar writes",

    .no_es_real = "{1} is not a calendar date; {2} need a real date",
    .años_hasta = "{1} writes years up to {2}",
    .acotar_busqueda = "; narrow the search with --hasta or --cuantas",
    .linea = "line {1}: ",
    .ninguna_valida = "no valid date in the input",
    .ninguna_coincide = "no date matches what was asked",

    .sin_libro = "the people book has no known place (neither XDG_DATA_HOME nor HOME is set)",
    .libro_malo = "the people book {1} {2}",
    .defectos_libro = {"", "cannot be read: {3}", "is not valid JSON or is cut short (line {2})",
                       "is not a people book ({\"version\": 1, \"personas\": [...]})",
                       "has an unknown version: {3}",
                       "has person {1} without exactly a name, day, month and year",
                       "has person {1} with a name that is empty, too long or holds control "
                       "characters",
                       "has person {1} with a date that is not valid"},
    .ningun_regreso = "no return to write: the people book is empty or has no return up to the "
                      "date asked",
    .salida_fallida = "could not write the output: {1}",
};

// What the desktop entry and the AppStream data say.
constexpr Textos_escritorio escritorio_en = {
    .nombre_generico = "Tzolkin Calendar",
    .comentario = "Works out the kin, seal, tone and oracle of a date in the 260-day count",
    .palabras_clave = "tzolkin;kin;calendar;maya;thirteen moons;",
    .accion_luna = "Today's moon",
    .accion_modulo = "Harmonic module",
    .resumen = "Calculator of the sacred 260-day count",
    .descripcion = {"For a Gregorian date, Talmiroc works out the kin of the 260-day count "
                    "(Tzolkin) in its thirteen-moon reading: the solar seal, the galactic tone and "
                    "the colour, the wavespell and the castle, the year bearer, the four-seal "
                    "oracle drawn as a cross, and an affirmation in the first person.",
                    "On 25 July, the Day Out of Time, it also shows its banner. The window can be "
                    "printed just as it looks."},
    .leyenda_captura = "Kin 153 of 25 July 2003, with its oracle",
};

}  // namespace talmiroc
