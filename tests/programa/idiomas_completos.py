#!/usr/bin/env python3
"""Every language of the registry is whole: its windows' catalogue with every
text translated, and its name in the desktop entry and the AppStream data the
build wrote, and in the README.
Usage: idiomas_completos.py SOURCE_DIR PACKAGING_BUILD_DIR LUPDATE SOURCE,SOURCE... CODE...
(Spanish, the texts' own language, needs no catalogue). Each catalogue is read
after LUPDATE has brought a copy of it up to date with the sources."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

raiz, empaque, lupdate = sys.argv[1:4]
fuentes, codigos = sys.argv[4].split(","), sys.argv[5:]
copias = tempfile.TemporaryDirectory()
faltas = []
escritorio = open(f"{empaque}/talmiroc.desktop", encoding="utf-8").read()
appstream = open(f"{empaque}/io.github.talmiroc.Talmiroc.metainfo.xml", encoding="utf-8").read()
leeme = open(f"{raiz}/README.md", encoding="utf-8").read()
idiomas = leeme[leeme.index("## Languages"):]
idiomas = idiomas[:idiomas.index("\n## ", 1)]
for codigo in codigos:
    if codigo == "es":
        continue
    try:
        copia = os.path.join(copias.name, f"talmiroc_{codigo}.ts")
        shutil.copyfile(f"{raiz}/translations/talmiroc_{codigo}.ts", copia)
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", *fuentes,
                        "-ts", copia], check=True)
        ts = ET.parse(copia).getroot()
        for m in ts.iter("message"):
            t = m.find("translation")
            if t.get("type") in ("obsolete", "vanished"):
                continue
            if t.get("type") == "unfinished" or not (t.text or "").strip():
                faltas.append(f"{codigo}: sin traducir en talmiroc_{codigo}.ts: {m.find('source').text[:60]!r}")
    except (OSError, ET.ParseError, subprocess.CalledProcessError) as e:
        faltas.append(f"{codigo}: sin catálogo de ventanas: {e}")
    for clave in ("GenericName", "Comment", "Keywords"):
        if not re.search(rf"^{clave}\[{codigo}(_[A-Z]+)?\]=.+", escritorio, re.M):
            faltas.append(f"{codigo}: talmiroc.desktop no tiene {clave}[{codigo}]")
    if not re.search(rf'xml:lang="{codigo}(_[A-Z]+)?"', appstream) or \
       not re.search(rf"<lang>{codigo}(_[A-Z]+)?</lang>", appstream):
        faltas.append(f"{codigo}: los datos AppStream no tienen xml:lang=\"{codigo}\" y <lang>{codigo}")
    if f"`{codigo}`" not in idiomas:
        faltas.append(f"{codigo}: README (Languages) no nombra `{codigo}`")
for f in faltas:
    print(f)
sys.exit(1 if faltas else 0)
