#!/usr/bin/env python3
"""talmiroc --personas --importar with vCards a real vCard library writes.

Usage: importar_vobject.py TALMIROC. Each row writes its cards with Python's
vobject into a fresh folder, which is also the book's (XDG_DATA_HOME) and
HOME, so the real people book is never touched. It checks the exit status,
the summary's counts and the book after. A bad file: status 1, one line on
standard error, and the book byte for byte as before.
"""
import json
import os
import subprocess
import sys
import tempfile

import vobject

TALMIROC = sys.argv[1]
LIBRO_INICIAL = {"version": 1, "personas": [{"nombre": "Ana", "dia": 9, "mes": 4, "año": 2003}]}
LARGO = "Maria da Conceição Guimarães " * 3  # folded by the library, inside a character or not


def tarjeta(fn=None, bday=None, version=None, n=None, bday_param=None):
    c = vobject.vCard()
    if version:
        c.add("version").value = version
    if n:
        c.add("n").value = vobject.vcard.Name(family=n[0], given=n[1])
    if fn is not None:
        c.add("fn").value = fn
    if bday is not None:
        b = c.add("bday")
        b.value = bday
        for clave, valor in (bday_param or {}).items():
            b.params[clave] = [valor]
    return c.serialize(validate=fn is not None)


# (name, the file's text, status, added, omitted, the book's names after)
FILAS = [
    ("vobject_30", tarjeta("Luis Ruiz", "1985-07-25") + tarjeta("李小龍", "1940-11-27"),
     0, 2, 0, ["Ana", "Luis Ruiz", "李小龍"]),
    ("vobject_40", tarjeta("Zoë", "20000101", "4.0") + tarjeta("Sin Año", "--0409", "4.0"),
     0, 1, 1, ["Ana", "Zoë"]),
    ("vobject_plegada", tarjeta(LARGO, "1999-12-31"), 0, 1, 0, ["Ana", LARGO.strip()]),
    ("vobject_ya_en_libro", tarjeta("Ana", "2003-04-09") + tarjeta("Ana", "2003-04-09"),
     0, 0, 2, ["Ana"]),
    ("vobject_sin_fn_con_n", tarjeta(None, "2001-01-01", n=("Pérez", "Rosa")),
     0, 1, 0, ["Ana", "Rosa Pérez"]),
    ("vobject_apple_sin_año", tarjeta("Pía", "1604-04-09", bday_param={"X-APPLE-OMIT-YEAR": "1604"}),
     0, 0, 1, ["Ana"]),
    ("cortada", tarjeta("Luis", "1985-07-25").rsplit("END:VCARD", 1)[0], 1, None, None, ["Ana"]),
    ("latin1", "Jos\xe9,1,1,2000\n".encode("latin-1"), 1, None, None, ["Ana"]),
    ("no_existe", None, 1, None, None, ["Ana"]),
]


def main():
    fallos = []
    for nombre, texto, estado, añadidas, omitidas, libro in FILAS:
        with tempfile.TemporaryDirectory() as carpeta:
            datos = os.path.join(carpeta, "datos", "talmiroc")
            os.makedirs(datos, mode=0o700)
            ruta_libro = os.path.join(datos, "personas.json")
            with open(ruta_libro, "w", encoding="utf-8") as f:
                json.dump(LIBRO_INICIAL, f, ensure_ascii=False)
            with open(ruta_libro, "rb") as f:
                antes = f.read()
            archivo = os.path.join(carpeta, "libreta.vcf")
            if texto is not None:
                with open(archivo, "wb") as f:
                    f.write(texto if isinstance(texto, bytes) else texto.encode("utf-8"))
            entorno = dict(os.environ, XDG_DATA_HOME=os.path.join(carpeta, "datos"), HOME=carpeta,
                           LC_ALL="C.UTF-8", LANGUAGE="")
            r = subprocess.run([TALMIROC, "--personas", "--importar", archivo, "--idioma", "es"],
                               capture_output=True, env=entorno, timeout=60)
            salida, error = r.stdout.decode(), r.stderr.decode()
            with open(ruta_libro, "rb") as f:
                despues = f.read()
            nombres = [p["nombre"] for p in json.loads(despues)["personas"]]
            if estado == 0:
                lineas = salida.splitlines()
                bien = (r.returncode == 0 and error == "" and lineas
                        and lineas[0] == f"Añadidas: {añadidas}. Omitidas: {omitidas}."
                        and len(lineas) == 1 + omitidas)
            else:
                bien = (r.returncode == estado and salida == "" and error.count("\n") == 1
                        and error.startswith("talmiroc: ") and despues == antes)
            if not bien or nombres != libro:
                fallos.append(f"{nombre}: status {r.returncode}, {salida!r}, {error!r}, {nombres}")
    print(*fallos, sep="\n")
    print(f"{len(FILAS) - len(fallos)} passed, {len(fallos)} failed")
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
