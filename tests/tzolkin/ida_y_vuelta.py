#!/usr/bin/env python3
"""tzolkin's years read back by Python's json and csv, each day equal to its
single-date description; then the process: an early reader, a full disk.
    ida_y_vuelta.py TZOLKIN"""
import csv, datetime, io, json, subprocess, sys, tempfile

tzolkin, fallos = sys.argv[1], []
# The CSV header, pinned here once: a column moved shows, not only a value.
CABECERA = ("fecha_iso,kin,sello,tono,nombre_kin,nombre,fecha,onda_encantada,a_maya,inter,"
            "dia_fuera_del_tiempo,oraculo.guia,oraculo.antipoda,oraculo.analogo,oraculo.oculto,"
            "portador,linea_trece_lunas,trece_lunas.ns,trece_lunas.luna,trece_lunas.nombre,"
            "trece_lunas.dia,trece_lunas.heptada,trece_lunas.plasma,familia_terrestre").split(",")


def correr(*args, entrada=None):
    r = subprocess.run([tzolkin, *args], input=entrada and entrada.encode(), capture_output=True)
    if r.returncode:
        fallos.append(f"{args}: status {r.returncode}, {r.stderr.decode().strip()}")
    return r.stdout.decode()  # as written: CR LF stays


def igual(caso, obtenido, esperado):
    if obtenido != esperado:
        fallos.append(f"{caso}:\n  got      {obtenido!r}\n  expected {esperado!r}")


def plano(o, prefijo=""):  # the JSON object as the CSV writes it: keys dotted, null empty
    r = {}
    for k, v in o.items():
        if isinstance(v, dict):
            r.update(plano(v, k + "."))
        else:
            r[prefijo + k] = "" if v is None else str(v).lower() if isinstance(v, bool) else str(v)
    return r


for año in (2027, 2028):
    dias = [datetime.date(año, 1, 1) + datetime.timedelta(n) for n in range(366)]
    dias = [d for d in dias if d.year == año]
    rango = ["--desde", "1", "1", str(año), "--hasta", "31", "12", str(año)]
    # The single-date descriptions: JSON through the batch, text one process a day.
    fechas = "".join(f"{d.day} {d.month} {d.year}\n" for d in dias)
    solas = correr("--json", entrada=fechas)
    # A date file redirected with `<` (a regular file, not a pipe) is a batch too.
    with tempfile.TemporaryFile() as archivo:
        archivo.write(fechas.encode())
        archivo.seek(0)
        igual(f"{año} from a file", subprocess.run([tzolkin, "--json"], stdin=archivo,
                                                   capture_output=True).stdout.decode(), solas)
    textos = [correr(str(d.day), str(d.month), str(d.year)) for d in dias]
    igual(f"{año} json", correr(*rango, "--json"), solas)
    bloques = correr(*rango).split("\n\n")
    igual(f"{año} text", [b + "\n" for b in bloques[:-1]] + bloques[-1:], textos)
    filas = list(csv.reader(io.StringIO(correr(*rango, "--formato", "csv"), newline="")))
    igual(f"{año} csv rows", len(filas), len(dias) + 1)
    igual(f"{año} csv header", filas[0], CABECERA)
    for d, fila, o, texto in zip(dias, filas[1:], solas.splitlines(), textos):
        lineas = texto.split("\n")
        esperado = plano(json.loads(o)) | {
            "fecha_iso": d.isoformat(), "linea_trece_lunas": lineas[1],
            "nombre_kin": " ".join(lineas[2].split(": ", 1)[1].split())}
        igual(f"csv {d}", dict(zip(filas[0], fila)), esperado)

# A reader that takes three lines of a thousand years and goes: tzolkin ends
# at once and says nothing. A full disk: status 1, said so, the walk stopped.
mil = ["--desde", "1", "1", "2000", "--hasta", "31", "12", "2999"]
p = subprocess.Popen([tzolkin, *mil], stdout=subprocess.PIPE, stderr=subprocess.PIPE)
for _ in range(3):
    p.stdout.readline()
p.stdout.close()
igual("stderr after the reader left", p.communicate(timeout=10)[1], b"")
for args in (["9", "4", "2003"], ["--desde", "1", "1", "38", "--hasta", "1", "1", 10**15]):
    with open("/dev/full", "w") as lleno:
        r = subprocess.run([tzolkin, *map(str, args)], stdout=lleno, stderr=subprocess.PIPE,
                           text=True, timeout=10)
    igual(f"{args} to /dev/full", (r.returncode, "no se pudo escribir" in r.stderr), (1, True))

print(*fallos[:20], sep="\n")
print(f"{len(fallos)} failed" if fallos else "every day read back equal")
sys.exit(1 if fallos else 0)
