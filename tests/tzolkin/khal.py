#!/usr/bin/env python3
"""2027 from tzolkin --formato ics imported into khal, a real calendar client,
configured in a temporary folder removed afterwards: khal lists 365 days whose
kins agree with tzolkin --json. Skips (77) without khal, fails so under CI.
    khal.py TZOLKIN"""
import json, os, shutil, subprocess, sys, tempfile

tzolkin = sys.argv[1]
if not shutil.which("khal"):
    print("khal is not installed (scripts/deps installs it)")
    sys.exit(1 if os.environ.get("CI") == "true" else 77)

rango = ["--desde", "1", "1", "2027", "--hasta", "31", "12", "2027"]
with tempfile.TemporaryDirectory(prefix="tzolkin-khal-") as tmp:
    env = dict(os.environ, HOME=tmp, XDG_CONFIG_HOME=f"{tmp}/c", XDG_DATA_HOME=f"{tmp}/d",
               XDG_CACHE_HOME=f"{tmp}/k", TZ="UTC")  # nothing reaches the real home
    os.mkdir(f"{tmp}/kin")
    with open(f"{tmp}/khal.conf", "w") as c:
        c.write(f"[calendars]\n[[kin]]\npath = {tmp}/kin\ntype = calendar\n[locale]\n"
                "timeformat = %H:%M\ndateformat = %Y-%m-%d\nlongdateformat = %Y-%m-%d\n"
                "datetimeformat = %Y-%m-%d %H:%M\nlongdatetimeformat = %Y-%m-%d %H:%M\n"
                "local_timezone = UTC\ndefault_timezone = UTC\n")
    with open(f"{tmp}/2027.ics", "wb") as f:
        subprocess.run([tzolkin, *rango, "--formato", "ics"], stdout=f, check=True)
    khal = ["khal", "-c", f"{tmp}/khal.conf"]
    subprocess.run([*khal, "import", "--batch", "-a", "kin", f"{tmp}/2027.ics"], env=env,
                   check=True)
    lista = subprocess.run([*khal, "list", "--format", "{start-date} {title}", "--day-format",
                            "", "2027-01-01", "2027-12-31"], env=env, check=True,
                           capture_output=True, text=True).stdout.splitlines()

esperado = []
for linea in subprocess.run([tzolkin, *rango, "--json"], check=True, capture_output=True,
                            text=True).stdout.splitlines():
    o = json.loads(linea)
    d, m, a = (int(x) for x in o["fecha"].split(": ")[1].split("-"))
    nombre = " ".join(o["nombre"].split("\r\n")[0].split(": ", 1)[1].split())
    if o["trece_lunas"]["luna"] is None:  # 25 July, 29 February: the special day's name
        nombre += " · " + o["trece_lunas"]["nombre"]
    esperado.append(f"{a:04d}-{m:02d}-{d:02d} Kin {o['kin']} · {nombre}")
distintas = [(k, e) for k, e in zip(lista, esperado) if k != e]
for k, e in distintas[:10]:
    print(f"khal: {k!r}\n want {e!r}")
print(f"khal listed {len(lista)} days, {len(esperado)} expected, {len(distintas)} differ")
sys.exit(0 if len(lista) == len(esperado) == 365 and not distintas else 1)
