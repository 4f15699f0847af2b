#!/usr/bin/env python3
"""talmiroc's command line: what each line writes or refuses, with no display.

Usage: opciones.py TALMIROC. A window would abort on the platform the test
names ("ninguna"), so a line that opens one fails its row. The options that
take a value are read from --help, which follows the program's table.
"""
import os
import re
import subprocess
import sys
import tempfile

TALMIROC = sys.argv[1]
ENTORNO = dict(os.environ, LC_ALL="C.UTF-8", LANGUAGE="", QT_QPA_PLATFORM="ninguna")
ENTORNO.pop("DISPLAY", None)
ENTORNO.pop("WAYLAND_DISPLAY", None)
LUNA = "Talmiroc: Luna Autoexistente del Búho"  # the moon of 13 November 2013

# Arguments ({} is a file in a fresh folder), status, and either the PDF's
# title (its start) or standard error, exactly; every refusal leaves the
# folder empty.
FILAS = [
    ("fecha_al_final", ["--luna", "--pdf", "{}", "13", "11", "2013"], 0, LUNA),
    ("fecha_al_principio", ["13", "11", "2013", "--luna", "--pdf", "{}"], 0, LUNA),
    ("fecha_tras_guiones", ["--luna", "--pdf", "{}", "--", "13", "11", "2013"], 0, LUNA),
    ("platform_sin_pantalla", ["-platform", "xcb", "--luna", "13", "11", "2013", "--pdf", "{}"],
     0, LUNA),
    ("opcion_de_qt_con_igual", ["-style=fusion", "--lunaa"], 2,
     "talmiroc: opción desconocida: --lunaa\n"),
    ("desconocida", ["--lunaa", "--pdf", "{}"], 2, "talmiroc: opción desconocida: --lunaa\n"),
    ("pdf_repetido", ["--luna", "--pdf", "{}", "--pdf", "{}"], 2, "talmiroc: --pdf repetida\n"),
    ("valor_que_es_opcion", ["--luna", "--pdf", "--papel", "a4"], 2,
     "talmiroc: --pdf espera un valor\n"),
    ("fecha_incompleta_con_eñe", ["--año", "1", "2", "--pdf", "{}"], 2,
     "talmiroc: --año espera una fecha: DÍA MES AÑO\n"),
    ("fecha_sin_pagina", ["13", "11", "2013", "--pdf", "{}"], 2,
     "talmiroc: --pdf va con --luna, --año, --modulo u --onda\n"),
    ("fecha_suelta", ["13", "11", "2013"], 2,
     "talmiroc: la fecha va con --luna, --modulo, --onda o --año\n"),
    ("dos_paginas", ["--luna", "--onda"], 2, "talmiroc: una sola de --luna, --modulo y --onda\n"),
    ("papel_sin_pdf", ["--modulo", "--papel", "a4"], 2, "talmiroc: --papel va con --pdf\n"),
    ("bandeja_con_pagina", ["--bandeja", "--luna"], 2,
     "talmiroc: --bandeja no va con una página ni con --pdf\n"),
    ("bandeja_con_fecha", ["--bandeja", "13", "11", "2013"], 2,
     "talmiroc: la fecha va con --luna, --modulo, --onda o --año\n"),
    ("bandeja_repetida", ["--bandeja", "--bandeja"], 2, "talmiroc: --bandeja repetida\n"),
    ("idioma_tras_el_error", ["--lunaa", "--idioma", "en"], 2,
     "talmiroc: unknown option: --lunaa\n"),
    ("onda_en_pdf", ["--onda", "25", "7", "2003", "--pdf", "{}"], 0,
     "Talmiroc: Onda encantada de la Semilla"),
    # A date the day window reads as another: no page, no window, no file.
    ("fecha_irreal_ventana", ["--luna", "29", "2", "2023"], 1,
     "talmiroc: 29-2-2023 no es una fecha del calendario; las páginas piden una fecha real\n"),
    ("fecha_irreal_pdf", ["--modulo", "31", "4", "2024", "--pdf", "{}"], 1,
     "talmiroc: 31-4-2024 no es una fecha del calendario; las páginas piden una fecha real\n"),
    ("tarjeta_fecha_rechazada", ["--tarjeta", "31", "2", "2027", "--png", "{}"], 1,
     "Tzolkin: Fecha incorrecta. Debe introducir una fecha correcta\n"),
    ("tarjeta_carpeta_que_no_existe", ["--tarjeta", "--svg", "/no/hay/t.svg"], 1,
     "talmiroc: No se pudo escribir el archivo /no/hay/t.svg: No such file or directory\n"),
    ("tarjeta_sin_archivo", ["--tarjeta", "25", "7", "2003"], 2,
     "talmiroc: --tarjeta va con --png o --svg\n"),
    ("png_sin_tarjeta", ["--luna", "--png", "{}"], 2, "talmiroc: --png va con --tarjeta\n"),
    ("forma_desconocida", ["--tarjeta", "--png", "{}", "--forma", "redonda"], 2,
     "talmiroc: --forma es cuadrada, vertical o ancha, no «redonda»\n"),
    ("importar_sin_personas", ["--importar", "{}"], 2, "talmiroc: --importar va con --personas\n"),
    ("tarjeta_y_luna", ["--tarjeta", "--luna", "--png", "{}"], 2,
     "talmiroc: --tarjeta no va con --luna, --modulo, --onda ni --año\n"),
]

# The kin card: arguments ({} a file), what the file begins with and the
# size a reader sees. Each is written twice, by two processes: the same
# bytes both times.
TARJETAS = [
    ("png_cuadrada", ["--tarjeta", "25", "7", "2003", "--png", "{}"], b"\x89PNG", "1080x1080"),
    ("svg_ancha_en", ["--idioma", "en", "--tarjeta", "9", "4", "2003", "--forma", "ancha",
                      "--svg", "{}"], b"<?xml", "1200x630"),
    ("png_vertical_pt", ["--tarjeta", "29", "2", "2028", "--png", "{}", "--idioma", "pt",
                         "--forma", "vertical"], b"\x89PNG", "1080x1920"),
]


def correr(argumentos, **kw):
    return subprocess.run([TALMIROC, *argumentos], capture_output=True, env=ENTORNO,
                          timeout=60, **kw)


def titulo(pdf):
    r = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True)
    return next((l.split(":", 1)[1].strip() for l in r.stdout.splitlines()
                 if l.startswith("Title:")), "")


def main():
    fallos = []
    ayuda = correr(["--help"]).stdout.decode()
    # Every option that takes a word (not the optional date), last on the line.
    con_valor = re.findall(r"^  (--\S+) (?!\[)\S", ayuda, re.M)
    filas = FILAS + [(f"sin_valor{o}", ["--luna", o] if o != "--pdf" else [o], 2, None)
                     for o in con_valor]
    for nombre, argumentos, estado, esperado in filas:
        with tempfile.TemporaryDirectory() as carpeta:
            archivo = os.path.join(carpeta, "hojas.pdf")
            r = correr([a.replace("{}", archivo) for a in argumentos])
            error = r.stderr.decode()
            if estado == 0:
                bien = r.returncode == 0 and titulo(archivo).startswith(esperado)
            else:
                linea = error.count("\n") == 1 and error.startswith("talmiroc: ")
                bien = r.returncode == estado and (error == esperado if esperado else linea)
                bien = bien and os.listdir(carpeta) == []
            if not bien:
                fallos.append(f"{nombre}: status {r.returncode}, {error!r}, "
                              f"files {os.listdir(carpeta)}")
    for nombre, argumentos, inicio, tamaño in TARJETAS:
        with tempfile.TemporaryDirectory() as carpeta:
            archivos = [os.path.join(carpeta, f"t{n}") for n in (1, 2)]
            estados = [correr([a.replace("{}", f) for a in argumentos]).returncode for f in archivos]
            bytes_ = [open(f, "rb").read() if os.path.exists(f) else b"" for f in archivos]
            medida = subprocess.run(["identify", "-format", "%wx%h", archivos[0]],
                                    capture_output=True, text=True).stdout
            if estados != [0, 0] or not bytes_[0].startswith(inicio) or bytes_[0] != bytes_[1] \
                    or medida != tamaño:
                fallos.append(f"{nombre}: status {estados}, {len(bytes_[0])} and "
                              f"{len(bytes_[1])} bytes, {medida!r}")
    filas += TARJETAS
    # Help, -h as tzolkin takes it, and help that cannot be written.
    if correr(["-h"]).stdout.decode() != ayuda or not con_valor:
        fallos.append("ayuda: -h differs from --help, or no option with a value listed")
    with open("/dev/full", "w") as lleno:
        r = subprocess.run([TALMIROC, "--help"], stdout=lleno, stderr=subprocess.PIPE,
                           env=ENTORNO, timeout=60)
    if r.returncode != 1 or r.stderr.count(b"\n") != 1:
        fallos.append(f"ayuda_a_dev_full: status {r.returncode}, {r.stderr!r}")
    print(*fallos, sep="\n")
    print(f"{len(fallos)} failed" if fallos else f"{len(filas) + 2} rows pass")
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
