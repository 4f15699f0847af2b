// Brazilian Portuguese: every word and phrase the engine composes with. A
// kin's name reads seal, tone, colour, the tone and the colour in the seal's
// Portuguese gender ("Caminhante do Céu Planetário Vermelho", "Lua Planetária
// Vermelha").
#include "idiomas.h"

namespace talmiroc {

namespace {
constexpr Genero m = Genero::masculino;
constexpr Genero f = Genero::femenino;
}  // namespace

constexpr Palabras palabras_pt = {
    .idioma = "pt",
    .etiqueta = "pt-BR",  // Brazil's words: Cachorro, Harmônico

    .sellos =
        {"Sol",  "Dragão",  "Vento",     "Noite",    "Semente", "Serpente", "Enlaçador de Mundos",
         "Mão",  "Estrela", "Lua",       "Cachorro", "Macaco",  "Humano",   "Caminhante do Céu",
         "Mago", "Águia",   "Guerreiro", "Terra",    "Espelho", "Tormenta", "Sol"},
    .generos = {m, m, m, f, f, f, m, f, f, f, m, m, m, m, m, f, m, f, m, f, m},
    .tonos_m = {"Error", "Magnético", "Lunar", "Elétrico", "Autoexistente", "Harmônico", "Rítmico",
                "Ressonante", "Galáctico", "Solar", "Planetário", "Espectral", "Cristal",
                "Cósmico"},
    .tonos_f = {"Error", "Magnética", "Lunar", "Elétrica", "Autoexistente", "Harmônica", "Rítmica",
                "Ressonante", "Galáctica", "Solar", "Planetária", "Espectral", "Cristal",
                "Cósmica"},
    .colores = {{{"Vermelho", "Vermelha"},
                 {"Branco", "Branca"},
                 {"Azul", "Azul"},
                 {"Amarelo", "Amarela"}}},
    .orden = Orden_nombre::sello_tono_color,
    .antes_del_color = " ",

    .castillos = {"* Castelo Vermelho Leste do Girar", "* Castelo Branco Norte do Cruzar",
                  "* Castelo Azul Oeste do Queimar", "* Castelo Amarelo Sul do Dar",
                  "* Castelo Verde Central do Encantar"},
    .onda = {{"* Onda encantada do ", "* Onda encantada da ", "* Onda encantada do "}},
    .portador = {{"* Ano do ", "* Ano da ", "* Ano do "}},
    .fecha = "Data gregoriana: ",
    .forma_fecha = "%d-%m-%a",  // 9-4-2003, day first as in Brazil
    .fuera_del_tiempo = "Dia Verde, do Perdão Universal ou da Liberdade Galáctica",

    .lugares_oraculo = {"Kin Guia", "Kin Antípoda", "Kin Análogo", "Kin Oculto"},
    .rotulos_oraculo = {"Kin Guia", "Kin Antípoda", "Kin Análogo", "Kin Oculto"},
    .centro_oraculo = "Centro do oráculo",
    .glifo_sello = "Selo ",
    .glifo_tono = "Tom ",

    .verbo_tono = {"ERROR", "Eu unifico", "Polarizo", "Ativo", "Defino", "Confiro poder", "Organizo",
                   "Canalizo", "Harmonizo", "Pulso", "Aperfeiçoo", "Dissolvo", "Dedico-me",
                   "Perduro"},
    .gerundio_tono = {"ERROR", "Atraindo", "Estabilizando", "Vinculando", "Medindo", "Comandando",
                      "Equilibrando", "Inspirando", "Modelando", "Realizando", "Produzindo",
                      "Liberando", "Universalizando", "Transcendendo"},
    .complemento_tono = {"ERROR", "do propósito", "do desafio", "do serviço", "da forma",
                         "do esplendor", "da igualdade", "da harmonização", "da integridade",
                         "da intenção", "da manifestação", "da liberação", "da cooperação",
                         "da presença"},
    .verbo_polar = {"ERROR", "", "", " Estabeleço", " Converto", "", "", "", "", "", " Estendo",
                    " Transporto", "", ""},
    .fin_sello = {"ERROR",       "nutrir",    "comunicar", "sonhar",    "acertar",    "sobreviver",
                  "igualar",     "conhecer",  "embelezar", "purificar", "amar",       "jogar",
                  "influenciar", "explorar",  "encantar",  "criar",     "questionar", "evoluir",
                  "refletir",    "catalisar", "iluminar"},
    .objeto_sello = {"ERROR",        "o ser",        "a respiração",        "a intuição",
                     "a atenção",    "o instinto",   "a oportunidade",  "a cura",
                     "a arte",       "o fluxo",      "a lealdade",      "a ilusão",
                     "a sabedoria",  "a vigilância", "a receptividade", "a mente",
                     "a intrepidez", "a sincronicidade",  "a ordem",         "a energia",
                     "a vida"},
    .poder_sello = {"ERROR",
                    "do nascimento",
                    "do espírito",
                    "da abundância",
                    "do florescimento",
                    "da força vital",
                    "da morte",
                    "da realização",
                    "da elegância",
                    "da água universal",
                    "do coração",
                    "da magia",
                    "do livre-arbítrio",
                    "do espaço",
                    "da atemporalidade",
                    "da visão",
                    "da inteligência",
                    "da navegação",
                    "do sem-fim",
                    "da autogeração",
                    "do fogo universal"},
    .etapa_cuarteto = {"ERROR",     " a entrada", " o armazém", " o processo", " a saída",
                       " a matriz", " a entrada", " o armazém", " o processo", " a saída",
                       " a matriz", " a entrada", " o armazém", " o processo", " a saída",
                       " a matriz", " a entrada", " o armazém", " o processo", " a saída",
                       " a matriz"},
    .espectro_polar = {" o espectro galáctico Vermelho", " o espectro galáctico Branco",
                       " o espectro galáctico Azul", " o espectro galáctico Amarelo"},
    .con_el_fin_de = {{" a fim de ", " a fim de ", " a fim de "}},
    .sello_etapa = "Eu selo",
    .con_el_tono = "Com o tom ",
    .tras_el_tono = " ",
    .guia_poder = "Guia-me o poder ",
    .guia_propia = "Guia-me o meu próprio poder duplicado",
    .kin_polar = "Sou um kin Polar.",
    .linea_portal = "Sou um portal de ativação galáctica, entre em mim",
    .categoria_portal = "Portal de ativação galáctica",

    .lunas = {"", "Lua Magnética do Morcego", "Lua Lunar do Escorpião", "Lua Elétrica do Cervo",
              "Lua Autoexistente da Coruja", "Lua Harmônica do Pavão", "Lua Rítmica do Lagarto",
              "Lua Ressonante do Macaco", "Lua Galáctica do Falcão", "Lua Solar do Jaguar",
              "Lua Planetária do Cachorro", "Lua Espectral da Serpente", "Lua Cristal do Coelho",
              "Lua Cósmica da Tartaruga"},
    .plasmas = {"", "Dali", "Seli", "Gama", "Kali", "Alfa", "Limi", "Silio"},
    .nombre_fuera_del_tiempo = "Dia Fora do Tempo",
    .nombre_hunab_ku = "0.0 Hunab Ku",
    .trece_lunas = "13 Luas: ",

    .meses = {"", "janeiro", "fevereiro", "março", "abril", "maio", "junho", "julho", "agosto",
              "setembro", "outubro", "novembro", "dezembro"},
    .meses_cortos = {"", "jan", "fev", "mar", "abr", "mai", "jun", "jul", "ago", "set", "out",
                     "nov", "dez"},
    .fecha_escrita = "%d de %M de %a",
    .dia_luna = "Dia ",
    .marca_portal = ", portal",
    .titulo_onda = {{"Onda encantada do ", "Onda encantada da ", "Onda encantada do "}},
    .año_de = {{"Ano do ", "Ano da ", "Ano do "}},
    .separador_titulo = " · ",
    .separador_periodo = " – ",
    .vuelve_kin = {"Hoje volta o kin de ", ": "},
    .primer_dia = "Primeiro dia da ",

    .familias = {"Polar", "Cardinal", "Central", "Sinal", "Portal"},
    .relaciones = {"Mesmo kin", "Kin guia", "Kin antípoda", "Kin análogo", "Kin oculto",
                   "Selo guia", "Selo antípoda", "Selo análogo", "Selo oculto", "Mesmo selo",
                   "Mesmo tom", "Mesma cor", "Mesma onda encantada", "Mesmo castelo",
                   "Mesma família terrestre"},
    .reglas_relacion = {
        "Os dois são o kin {1}, {5}.",
        "O kin {2} é o guia do kin {1}: o guia tem o mesmo tom e o selo da mesma cor que está "
        "{5} lugares adiante com esse tom.",
        "O kin {2} é o antípoda do kin {1}: o mesmo tom, e o selo 10 lugares adiante.",
        "O kin {2} é o análogo do kin {1}: o mesmo tom, e dois selos que somam {5}.",
        "O kin {2} é o oculto do kin {1}: os selos somam 21 e os tons 14.",
        "{4} é o selo guia de {3} com o tom {5} do kin {1}, mas o kin {2} tem outro tom.",
        "{4} é o selo antípoda de {3}, 10 lugares adiante, mas os tons diferem.",
        "{4} é o selo análogo de {3}: os dois somam {5}, mas os tons diferem.",
        "{4} é o selo oculto de {3}: os dois somam 21, mas os tons não somam 14.",
        "Os dois kins têm o selo {3}.",
        "Os dois kins têm o tom {5}.",
        "Os dois selos são da cor {5}.",
        "Os dois kins estão na mesma onda encantada: {5}.",
        "Os dois kins estão no mesmo castelo: {5}.",
        "Os dois selos são da família terrestre {5}."},

    .mensaje_fecha = "Data inválida. Digite uma data válida.",
    .mensaje_año = "Desculpe, por enquanto o ano só pode ser de 38 em diante",
    .titulo_fecha = "Tzolkin",
    .como_en_español =
        "abr abril ago agosto jul jun mar nov amar antípoda análogo arte autoexistente azul canalizo "
        "central centro comandando comunicar cristal cruzar cósmica cósmico dar de dedico defino "
        "dia divulgando duplicado encantada encantar entrada equilibrando espectral espectro "
        "esplendor estabilizando explorar forma galáctica galáctico girar gregoriana guia humano "
        "igualar iluminar influenciar inspirando instinto intrepidez jaguar lunar magia magnética "
        "magnético mago matriz me mente modelando mundos norte nutrir o oculto oeste onda "
        "organizo oráculo perduro poder polar polarizo por portal propósito pulso purificar "
        "realizando rítmica rítmico ser sol solar tormenta transporto unifico universal "
        "universalizando verde vida vinculando vital",
};

// What tzolkin says: its help and its messages.
constexpr Textos_tzolkin tzolkin_pt = {
    .uso = "Uso: tzolkin [DIA MÊS ANO]\n"
           "     tzolkin --json [DIA MÊS ANO]\n"
           "     tzolkin [--json] < datas    (uma data por linha: DIA MÊS ANO ou DIA/MÊS/ANO)\n"
           "     tzolkin --desde DIA MÊS ANO --hasta DIA MÊS ANO   (cada data entre as duas, "
           "inclusive)\n"
           "     tzolkin --kin N [DIA MÊS ANO] [--cuantas K | --hasta DIA MÊS ANO]\n"
           "                                  (as datas do kin N a partir desse dia ou de hoje; 5 "
           "se não for dito)\n"
           "     tzolkin --personas [DIA MÊS ANO] [--cuantas K | --hasta DIA MÊS ANO]\n"
           "                                  (o livro de pessoas: nome, nascimento, kin e "
           "próximo\n"
           "                                  retorno a partir desse dia ou de hoje; em ics, os K "
           "retornos\n"
           "                                  de cada uma, 10 se não for dito; nunca escreve o "
           "livro)\n",
    .salida = "Saída: --formato ",
    .tras_formatos = " (--json é --formato json).\nIdioma: --idioma ",
    .tras_idiomas = " (se não, o do ambiente: LANGUAGE, LC_ALL, LC_MESSAGES, LANG).\n",
    .uso_hoy = "Sem data, calcula o dia de hoje; se a entrada padrão for um pipe ou um\n"
               "arquivo (não um terminal nem /dev/null), lê dela as datas, em qualquer "
               "formato.\n",
    .ver_ayuda = " (tzolkin --help)",
    .y = {" e ", " e "},

    .dos_formatos = "foram pedidos dois formatos diferentes",
    .repetida = "{1} repetida",
    .falta_formato = "falta o formato depois de --formato",
    .formato_desconocido = "formato desconhecido: {1}; são {2}",
    .falta_idioma = "falta o idioma depois de --idioma",
    .idioma_desconocido = "idioma desconhecido: {1}; são {2}",
    .faltan_fecha = "faltam DIA MÊS ANO depois de {1}",
    .falta_numero = "falta o número depois de {1}",
    .kin_fuera = "o kin vai de 1 a 260, não {1}",
    .cuantas_no_positivo = "--cuantas pede um número positivo, não {1}",
    .desconocida = "opção desconhecida: {1}",
    .personas_sin_kin = "--personas não vai com --kin nem com --desde",
    .tres_tras_personas = "esperam-se três valores depois de --personas: DIA MÊS ANO",
    .personas_solo_ics = "com --personas, --cuantas e --hasta vão com --formato ics",
    .desde_con_kin = "--desde não vai com --kin",
    .hasta_sin_desde = "--hasta vai com --desde ou com --kin",
    .desde_sin_hasta = "--desde pede também --hasta",
    .sobra_fecha = "com --desde e --hasta, a data avulsa está sobrando",
    .cuantas_sin_kin = "--cuantas vai com --kin",
    .tres_tras_kin = "esperam-se três valores depois de --kin N: DIA MÊS ANO",
    .tres_valores = "esperam-se três valores: DIA MÊS ANO",
    .hasta_antes_de_partida = "--hasta é anterior à data de partida",
    .hasta_antes_de_desde = "--hasta é anterior a --desde",
    .sello_no_numero = "não é um número de segundos desde 1970",
    .sello_pasado = "passa do ano 9999, o último que o iCalendar escreve",

    .no_es_real = "{1} não é uma data do calendário; {2} pedem uma data real",
    .años_hasta = "{1} escreve anos até {2}",
    .acotar_busqueda = "; limite a busca com --hasta ou --cuantas",
    .linea = "linha {1}: ",
    .ninguna_valida = "nenhuma data válida na entrada",
    .ninguna_coincide = "nenhuma data corresponde ao pedido",

    .sin_libro = "não se sabe onde está o livro de pessoas (nem XDG_DATA_HOME nem HOME)",
    .libro_malo = "o livro de pessoas {1} {2}",
    .defectos_libro = {"", "não pode ser lido: {3}",
                       "não é JSON válido ou está cortado (linha {2})",
                       "não é um livro de pessoas ({\"version\": 1, \"personas\": [...]})",
                       "tem uma versão desconhecida: {3}",
                       "tem a pessoa {1} sem exatamente nome, dia, mês e ano",
                       "tem a pessoa {1} com um nome vazio, longo demais ou com caracteres de "
                       "controle",
                       "tem a pessoa {1} com uma data que não é válida"},
    .ningun_regreso = "nenhum retorno para escrever: o livro de pessoas está vazio ou não há "
                      "datas até a pedida",
    .salida_fallida = "não foi possível escrever a saída: {1}",
};

// What the desktop entry and the AppStream data say.
constexpr Textos_escritorio escritorio_pt = {
    .nombre_generico = "Calendário Tzolkin",
    .comentario = "Calcula o kin, o selo, o tom e o oráculo de uma data na contagem de 260 dias",
    .palabras_clave = "tzolkin;kin;calendário;maia;treze luas;",
    .accion_luna = "Lua de hoje",
    .accion_modulo = "Módulo harmônico",
    .resumen = "Calculadora da contagem sagrada de 260 dias",
    .descripcion = {"Para uma data gregoriana, o Talmiroc calcula o kin da contagem de 260 dias "
                    "(Tzolkin) na sua leitura das treze luas: o selo solar, o tom galáctico e a "
                    "cor, a onda encantada e o castelo, o portador do ano, o oráculo de quatro "
                    "selos desenhado em cruz e uma afirmação em primeira pessoa.",
                    "No dia 25 de julho, o Dia Fora do Tempo, mostra também o seu aviso. A janela "
                    "pode ser impressa tal como se vê."},
    .leyenda_captura = "O kin 153 de 25 de julho de 2003, com o seu oráculo",
};

}  // namespace talmiroc
