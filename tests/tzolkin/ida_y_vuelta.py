#!/usr/bin/env python3
"""A year through each format of `tzolkin`, read back by Python's json and csv:
every day equal to its single-date description. Then the process itself: a
reader that stops early and a full disk.

    ida_y_vuelta.py TZOLKIN
"""
import csv
import datetime
import io
import json
import subprocess
import sys

tzolkin = sys.argv[1]
fallos = []


def correr(*args, entrada=None):
    r = subprocess.run([tzolkin, *args], input=entrada and entrada.encode(), capture_output=True)
    if r.returncode != 0:
        fallos.append(f"{args}: status {r.returncode}, {r.stderr.decode().strip()}")
    return r.stdout.decode()  # as written: CR LF stays


def igual(caso, obtenido, esperado):
    if obtenido != esperado:
        fallos.append(f"{caso}:\n  got      {obtenido!r}\n  expected {esperado!r}")


def plano(o, prefijo=""):
    """The JSON object as the CSV writes it: nested keys dotted, null empty."""
    r = {}
    for k, v in o.items():
        if isinstance(v, dict):
            r.update(plano(v, k + "."))
        else:
            r[prefijo + k] = "" if v is None else str(v).lower() if isinstance(v, bool) else str(v)
    return r


for año in (2027, 2028):
    dias = [datetime.date(año, 1, 1) + datetime.timedelta(n)
            for n in range((datetime.date(año + 1, 1, 1) - datetime.date(año, 1, 1)).days)]
    rango = ["--desde", "1", "1", str(año), "--hasta", "31", "12", str(año)]
    # The single-date descriptions: JSON through the batch, text one process a day.
    solas = correr("--json", entrada="".join(f"{d.day} {d.month} {d.year}\n" for d in dias))
    objetos = [json.loads(l) for l in solas.splitlines()]
    textos = [correr(str(d.day), str(d.month), str(d.year)) for d in dias]

    igual(f"{año} json", correr(*rango, "--json"), solas)
    bloques = correr(*rango).split("\n\n")
    igual(f"{año} text", [b + "\n" for b in bloques[:-1]] + bloques[-1:], textos)

    filas = list(csv.reader(io.StringIO(correr(*rango, "--formato", "csv"), newline="")))
    igual(f"{año} csv rows", len(filas), len(dias) + 1)
    for d, fila, o, texto in zip(dias, filas[1:], objetos, textos):
        lineas = texto.split("\n")
        esperado = plano(o)
        esperado["fecha_iso"] = d.isoformat()
        esperado["linea_trece_lunas"] = lineas[1]
        esperado["nombre_kin"] = " ".join(lineas[2].split(": ", 1)[1].split())
        igual(f"csv {d}", dict(zip(filas[0], fila)), esperado)

# A reader that takes three lines of a thousand years and goes: the program
# ends at once, and says nothing.
p = subprocess.Popen([tzolkin, "--desde", "1", "1", "2000", "--hasta", "31", "12", "2999"],
                     stdout=subprocess.PIPE, stderr=subprocess.PIPE)
for _ in range(3):
    p.stdout.readline()
p.stdout.close()
try:
    igual("after the reader left: standard error", p.communicate(timeout=10)[1], b"")
except subprocess.TimeoutExpired:
    p.kill()
    fallos.append("still writing 10 s after the reader left")

# A full disk is a failure, said so.
with open("/dev/full", "w") as lleno:
    r = subprocess.run([tzolkin, "9", "4", "2003"], stdout=lleno, stderr=subprocess.PIPE,
                       text=True)
igual("/dev/full", (r.returncode, "no se pudo escribir" in r.stderr), (1, True))

for f in fallos[:20]:
    print(f)
print(f"{len(fallos)} failed" if fallos else "every day read back equal")
sys.exit(1 if fallos else 0)
