// French: every word and phrase the engine composes with. A kin's name reads
// seal, tone, colour, the tone and the colour in the seal's gender
// ("Marcheur du Ciel Planétaire Rouge", "Nuit Électrique Bleue"). What opens
// a line before a seal's name elides before a vowel ("Onde enchantée de
// l'Aigle"), and so does "afin de" before a verb ("afin d'explorer"). A
// colon takes a no-break space before it.
#include "idiomas.h"

namespace talmiroc {

namespace {
constexpr Genero m = Genero::masculino;
constexpr Genero f = Genero::femenino;

// The openings before each seal's name: "du", "de la", and "de l'" before
// Étoile (8), Humain (12) and Aigle (15).
constexpr Antes_del_sello Apertura(std::string_view du, std::string_view de_la,
                                   std::string_view de_l) {
    Antes_del_sello a{{du, de_la, du}, {}};
    a.sello[8] = a.sello[12] = a.sello[15] = de_l;
    return a;
}

// "afin de", and "afin d'" before the verbs that open with a vowel.
constexpr Antes_del_sello Afin_de() {
    Antes_del_sello a{{" afin de ", " afin de ", " afin de "}, {}};
    for (std::size_t s : {6, 10, 12, 13, 14, 17, 20}) a.sello[s] = " afin d'";
    return a;
}
}  // namespace

constexpr Palabras palabras_fr = {
    .idioma = "fr",

    .sellos = {"Soleil", "Dragon", "Vent",    "Nuit",  "Graine", "Serpent", "Passeur de Mondes",
               "Main",   "Étoile", "Lune",    "Chien", "Singe",  "Humain",  "Marcheur du Ciel",
               "Sorcier", "Aigle", "Guerrier", "Terre", "Miroir", "Tempête", "Soleil"},
    .generos = {m, m, m, f, f, m, m, f, f, f, m, m, m, m, m, m, m, f, m, f, m},
    .tonos_m = {"Error", "Magnétique", "Lunaire", "Électrique", "Auto-existant", "Harmonique",
                "Rythmique", "Résonant", "Galactique", "Solaire", "Planétaire", "Spectral",
                "Cristal", "Cosmique"},
    .tonos_f = {"Error", "Magnétique", "Lunaire", "Électrique", "Auto-existante", "Harmonique",
                "Rythmique", "Résonante", "Galactique", "Solaire", "Planétaire", "Spectrale",
                "Cristal", "Cosmique"},
    .colores = {{{"Rouge", "Rouge"}, {"Blanc", "Blanche"}, {"Bleu", "Bleue"}, {"Jaune", "Jaune"}}},
    .orden = Orden_nombre::sello_tono_color,
    .antes_del_color = " ",
    .tras_rotulo = "\u00a0: ",
    .tras_kin = "\u00a0: ",

    .castillos = {"* Château Rouge Est de la Rotation",
                  "* Château Blanc Nord du Croisement",
                  "* Château Bleu Ouest de la Combustion",
                  "* Château Jaune Sud du Don",
                  "* Château Vert Central de l'Enchantement"},
    .onda = Apertura("* Onde enchantée du ", "* Onde enchantée de la ", "* Onde enchantée de l'"),
    .portador = Apertura("* Année du ", "* Année de la ", "* Année de l'"),
    .fecha = "Date grégorienne\u00a0: ",
    .forma_fecha = "%d %M %a",
    .fuera_del_tiempo = "Jour Vert, du Pardon universel ou de la Liberté galactique",

    .lugares_oraculo = {"Kin Guide", "Kin Antipode", "Kin Analogue", "Kin Occulte"},
    .rotulos_oraculo = {"Kin Guide", "Kin Antipode", "Kin Analogue", "Kin Occulte"},
    .centro_oraculo = "Centre de l'oracle",
    .glifo_sello = "Sceau ",
    .glifo_tono = "Ton ",

    .verbo_tono = {"ERROR", "J'unifie", "Je polarise", "J'active", "Je définis",
                   "Je donne du pouvoir", "J'organise", "Je canalise", "J'harmonise", "J'impulse",
                   "Je perfectionne", "Je dissous", "Je me consacre", "Je perdure"},
    .gerundio_tono = {"ERROR", "Attirant", "Stabilisant", "Liant", "Mesurant", "Commandant",
                      "Équilibrant", "Inspirant", "Modelant", "Réalisant", "Produisant",
                      "Libérant", "Universalisant", "Transcendant"},
    .complemento_tono = {"ERROR", "du but", "du défi", "du service", "de la forme",
                         "du rayonnement", "de l'égalité", "de l'accord", "de l'intégrité",
                         "de l'intention", "de la manifestation", "de la libération",
                         "de la coopération", "de la présence"},
    .verbo_polar = {"ERROR", "", "", " j'établis", " je convertis", "", "", "", "", "",
                    " j'étends", " je transporte", "", ""},
    .fin_sello = {"ERROR",      "nourrir",   "communiquer", "rêver",     "cibler",  "survivre",
                  "égaliser",   "connaître", "embellir",    "purifier",  "aimer",   "jouer",
                  "influencer", "explorer",  "enchanter",   "créer",     "questionner",
                  "évoluer",    "refléter",  "catalyser",   "illuminer"},
    .objeto_sello = {"ERROR",        "l'être",         "le souffle",      "l'intuition",
                     "l'attention",  "l'instinct",     "l'opportunité",   "la guérison",
                     "l'art",        "le flux",        "la loyauté",      "l'illusion",
                     "la sagesse",   "la vigilance",   "la réceptivité",  "l'esprit",
                     "l'intrépidité", "la synchronicité", "l'ordre",      "l'énergie",
                     "la vie"},
    .poder_sello = {"ERROR",
                    "de la naissance",
                    "de l'esprit",
                    "de l'abondance",
                    "de l'épanouissement",
                    "de la force vitale",
                    "de la mort",
                    "de l'accomplissement",
                    "de l'élégance",
                    "de l'eau universelle",
                    "du cœur",
                    "de la magie",
                    "du libre arbitre",
                    "de l'espace",
                    "de l'intemporalité",
                    "de la vision",
                    "de l'intelligence",
                    "de la navigation",
                    "de l'infini",
                    "de l'autogénération",
                    "du feu universel"},
    .etapa_cuarteto = {"ERROR",       " l'entrée",  " la réserve", " le processus", " la sortie",
                       " la matrice", " l'entrée",  " la réserve", " le processus", " la sortie",
                       " la matrice", " l'entrée",  " la réserve", " le processus", " la sortie",
                       " la matrice", " l'entrée",  " la réserve", " le processus", " la sortie",
                       " la matrice"},
    .espectro_polar = {" le spectre galactique Rouge", " le spectre galactique Blanc",
                       " le spectre galactique Bleu", " le spectre galactique Jaune"},
    .con_el_fin_de = Afin_de(),
    .sello_etapa = "Je scelle",
    .con_el_tono = "Avec le ton ",
    .tras_el_tono = " ",
    .guia_poder = "Je suis guidé par le pouvoir ",
    .guia_propia = "Je suis guidé par mon propre pouvoir redoublé",
    .kin_polar = "Je suis un kin polaire,",
    .linea_portal = "Je suis un portail d'activation galactique, entre en moi",
    .categoria_portal = "Portail d'activation galactique",

    .lunas = {"", "Lune Magnétique de la Chauve-Souris", "Lune Lunaire du Scorpion",
              "Lune Électrique du Cerf", "Lune Auto-existante de la Chouette",
              "Lune Harmonique du Paon", "Lune Rythmique du Lézard", "Lune Résonante du Singe",
              "Lune Galactique du Faucon", "Lune Solaire du Jaguar", "Lune Planétaire du Chien",
              "Lune Spectrale du Serpent", "Lune Cristal du Lapin", "Lune Cosmique de la Tortue"},
    .plasmas = {"", "Dali", "Seli", "Gamma", "Kali", "Alpha", "Limi", "Silio"},
    .nombre_fuera_del_tiempo = "Jour Hors du Temps",
    .nombre_hunab_ku = "0.0 Hunab Ku",
    .trece_lunas = "13 Lunes\u00a0: ",

    .meses = {"", "janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août",
              "septembre", "octobre", "novembre", "décembre"},
    .meses_cortos = {"", "janv.", "févr.", "mars", "avr.", "mai", "juin", "juil.", "août",
                     "sept.", "oct.", "nov.", "déc."},
    .fecha_escrita = "%d %M %a",
    .dia_luna = "Jour ",
    .marca_portal = ", portail",
    .titulo_onda = Apertura("Onde enchantée du ", "Onde enchantée de la ", "Onde enchantée de l'"),
    .año_de = Apertura("Année du ", "Année de la ", "Année de l'"),
    .separador_titulo = " · ",
    .separador_periodo = " – ",
    .vuelve_kin = {"Aujourd'hui revient le kin de ", "\u00a0: "},
    .primer_dia = "Premier jour de la ",

    .familias = {"Polaire", "Cardinale", "Centrale", "Signal", "Portail"},
    .relaciones = {"Même kin", "Kin guide", "Kin antipode", "Kin analogue", "Kin occulte",
                   "Sceau guide", "Sceau antipode", "Sceau analogue", "Sceau occulte",
                   "Même sceau", "Même ton", "Même couleur", "Même onde enchantée",
                   "Même château", "Même famille terrestre"},
    .reglas_relacion = {
        "Tous deux sont le kin {1}, {5}.",
        "Le kin {2} est le guide du kin {1} : le guide a le même ton et le sceau de même "
        "couleur situé {5} places plus loin pour ce ton.",
        "Le kin {2} est l’antipode du kin {1} : le même ton, et le sceau 10 places plus loin.",
        "Le kin {2} est l’analogue du kin {1} : le même ton, et deux sceaux dont la somme "
        "fait {5}.",
        "Le kin {2} est l’occulte du kin {1} : leurs sceaux font 21 et leurs tons 14.",
        "{4} est le sceau guide de {3} avec le ton {5} du kin {1}, mais le kin {2} a un autre "
        "ton.",
        "{4} est le sceau antipode de {3}, 10 places plus loin, mais les tons diffèrent.",
        "{4} est le sceau analogue de {3} : leur somme fait {5}, mais les tons diffèrent.",
        "{4} est le sceau occulte de {3} : leur somme fait 21, mais les tons ne font pas 14.",
        "Les deux kins ont le sceau {3}.",
        "Les deux kins ont le ton {5}.",
        "Les deux sceaux sont de couleur {5}.",
        "Les deux kins sont dans la même onde enchantée : {5}.",
        "Les deux kins sont dans le même château : {5}.",
        "Les deux sceaux appartiennent à la famille terrestre {5}."},

    .mensaje_fecha = "Date incorrecte. Veuillez saisir une date valide",
    .mensaje_año = "Désolé, pour l'instant l'année doit être 38 ou plus",
    .titulo_fecha = "Tzolkin",
    .como_en_español = "auto central cristal de dragon en jaguar la libre me nov oct un",
};

// What tzolkin says: its help and its messages.
constexpr Textos_tzolkin tzolkin_fr = {
    .uso = "Usage\u00a0: tzolkin [JOUR MOIS ANNÉE]\n"
           "        tzolkin --json [JOUR MOIS ANNÉE]\n"
           "        tzolkin [--json] < dates    (une date par ligne\u00a0: JOUR MOIS ANNÉE ou "
           "JOUR/MOIS/ANNÉE)\n"
           "        tzolkin --desde JOUR MOIS ANNÉE --hasta JOUR MOIS ANNÉE   (chaque date "
           "entre les deux, incluses)\n"
           "        tzolkin --kin N [JOUR MOIS ANNÉE] [--cuantas K | --hasta JOUR MOIS ANNÉE]\n"
           "                                  (les dates du kin N à partir de ce jour ou "
           "d'aujourd'hui\u00a0; 5 par défaut)\n"
           "        tzolkin --personas [JOUR MOIS ANNÉE] [--cuantas K | --hasta JOUR MOIS "
           "ANNÉE]\n"
           "                                  (le carnet des personnes\u00a0: nom, naissance, kin "
           "et prochain\n"
           "                                  retour à partir de ce jour ou d'aujourd'hui\u00a0; en "
           "ics, les K retours\n"
           "                                  de chacune, 10 par défaut\u00a0; n'écrit jamais le "
           "carnet)\n",
    .salida = "Sortie\u00a0: --formato ",
    .tras_formatos = " (--json vaut --formato json).\nLangue\u00a0: --idioma ",
    .tras_idiomas = " (sinon celle de l'environnement\u00a0: LANGUAGE, LC_ALL, LC_MESSAGES, "
                    "LANG).\n",
    .uso_hoy = "Sans date, calcule le jour d'aujourd'hui\u00a0; si l'entrée standard est un tube "
               "ou un\nfichier (ni un terminal ni /dev/null), y lit les dates, dans n'importe "
               "quel format.\n",
    .ver_ayuda = " (tzolkin --help)",
    .y = {" et ", " et "},

    .dos_formatos = "deux formats différents ont été demandés",
    .repetida = "{1} répétée",
    .falta_formato = "il manque le format après --formato",
    .formato_desconocido = "format inconnu\u00a0: {1}\u00a0; ce sont {2}",
    .falta_idioma = "il manque la langue après --idioma",
    .idioma_desconocido = "langue inconnue\u00a0: {1}\u00a0; ce sont {2}",
    .faltan_fecha = "il manque JOUR MOIS ANNÉE après {1}",
    .falta_numero = "il manque le nombre après {1}",
    .kin_fuera = "le kin va de 1 à 260, pas {1}",
    .cuantas_no_positivo = "--cuantas demande un nombre positif, pas {1}",
    .desconocida = "option inconnue\u00a0: {1}",
    .personas_sin_kin = "--personas ne va ni avec --kin ni avec --desde",
    .tres_tras_personas = "trois valeurs attendues après --personas\u00a0: JOUR MOIS ANNÉE",
    .personas_solo_ics = "avec --personas, --cuantas et --hasta vont avec --formato ics",
    .desde_con_kin = "--desde ne va pas avec --kin",
    .hasta_sin_desde = "--hasta va avec --desde ou avec --kin",
    .desde_sin_hasta = "--desde demande aussi --hasta",
    .sobra_fecha = "avec --desde et --hasta, la date isolée est de trop",
    .cuantas_sin_kin = "--cuantas va avec --kin",
    .tres_tras_kin = "trois valeurs attendues après --kin N\u00a0: JOUR MOIS ANNÉE",
    .tres_valores = "trois valeurs attendues\u00a0: JOUR MOIS ANNÉE",
    .hasta_antes_de_partida = "--hasta précède la date de départ",
    .hasta_antes_de_desde = "--hasta précède --desde",
    .sello_no_numero = "n'est pas un nombre de secondes depuis 1970",
    .sello_pasado = "dépasse l'année 9999, la dernière qu'iCalendar écrit",

    .no_es_real = "{1} n'est pas une date du calendrier\u00a0; {2} demandent une date réelle",
    .años_hasta = "{1} écrit les années jusqu'à {2}",
    .acotar_busqueda = "\u00a0; restreignez la recherche avec --hasta ou --cuantas",
    .linea = "ligne {1}\u00a0: ",
    .ninguna_valida = "aucune date valide dans l'entrée",
    .ninguna_coincide = "aucune date ne correspond à la demande",

    .sin_libro = "on ne sait pas où est le carnet des personnes (ni XDG_DATA_HOME ni HOME)",
    .libro_malo = "le carnet des personnes {1} {2}",
    .defectos_libro = {"", "ne peut être lu\u00a0: {3}",
                       "n'est pas du JSON valide ou est tronqué (ligne {2})",
                       "n'est pas un carnet des personnes ({\"version\": 1, \"personas\": "
                       "[...]})",
                       "a une version inconnue\u00a0: {3}",
                       "a une personne {1} sans exactement un nom, un jour, un mois et une année",
                       "a une personne {1} au nom vide, trop long ou avec des caractères de "
                       "contrôle",
                       "a une personne {1} dont la date n'est pas valide"},
    .ningun_regreso = "aucun retour à écrire\u00a0: le carnet des personnes est vide ou n'a aucun "
                      "retour jusqu'à la date demandée",
    .salida_fallida = "impossible d'écrire la sortie\u00a0: {1}",
};

// What the desktop entry and the AppStream data say.
constexpr Textos_escritorio escritorio_fr = {
    .nombre_generico = "Calendrier Tzolkin",
    .comentario = "Calcule le kin, le sceau, le ton et l'oracle d'une date dans le compte de 260 "
                  "jours",
    .palabras_clave = "tzolkin;kin;calendrier;maya;treize lunes;",
    .accion_luna = "La lune d'aujourd'hui",
    .accion_modulo = "Module harmonique",
    .resumen = "Calculatrice du compte sacré de 260 jours",
    .descripcion = {"Pour une date grégorienne, Talmiroc calcule le kin du compte de 260 jours "
                    "(Tzolkin) dans sa lecture des treize lunes\u00a0: le sceau solaire, le ton "
                    "galactique et la couleur, l'onde enchantée et le château, le porteur de "
                    "l'année, l'oracle des quatre sceaux dessiné en croix et une affirmation à la "
                    "première personne.",
                    "Le 25 juillet, Jour Hors du Temps, il affiche aussi son annonce. La fenêtre "
                    "s'imprime telle qu'elle apparaît."},
    .leyenda_captura = "Le kin 153 du 25 juillet 2003, avec son oracle",
};

}  // namespace talmiroc
