#!/usr/bin/env python3
"""Every kind of file the programs write, through every fault of a write.

Usage: fallos.py TALMIROC TZOLKIN. Each case is a kind of file (a PDF named
on the line, a PDF on standard output, the kin card as PNG and SVG named
and as PNG on standard output, each tzolkin format on standard output, the
formats read from tzolkin --help) and a fault: a file-size
limit, a full disk (a private tmpfs in a mount namespace of the test's own;
skipped with the reason where none can be made, never under CI=true), a
device (the same: /dev/full bound in that namespace, so no fault can reach
the machine's) or a FIFO as the target, a name that is not UTF-8, an owner and mode
to keep, a hard link, the leftovers of a killed run. A failure names the
kind and the fault.
"""
import errno
import fcntl
import os
import re
import resource
import stat
import subprocess
import sys
import tempfile

TALMIROC, TZOLKIN = sys.argv[1:3]
VIEJO = b"the old file, which a failed write must leave as it was\n"
ENTORNO = dict(os.environ, LC_ALL="C.UTF-8", LANGUAGE="", QT_QPA_PLATFORM="ninguna")
ENTORNO.pop("DISPLAY", None)
ENTORNO.pop("SOURCE_DATE_EPOCH", None)


def clases():
    """(name, argv, named): named kinds take the target on the line."""
    ayuda = subprocess.run([TZOLKIN, "--help"], capture_output=True, text=True).stdout
    formatos = re.search(r"--formato (\S+)", ayuda).group(1).split("|")
    pdf = [TALMIROC, "--luna", "13", "11", "2013", "--pdf"]
    tarjeta = [TALMIROC, "--tarjeta", "25", "7", "2003"]
    rango = ["--desde", "1", "1", "2000", "--hasta", "31", "12", "2001"]
    return [("pdf", pdf, True), ("pdf_salida", pdf + ["-"], False),
            ("tarjeta_png", tarjeta + ["--png"], True), ("tarjeta_svg", tarjeta + ["--svg"], True),
            ("tarjeta_png_salida", tarjeta + ["--png", "-"], False)] + [
        (f"tzolkin_{f}", [TZOLKIN, "--formato", f] + rango, False) for f in formatos]


def correr(argv, nombrada, destino, limite=None):
    """Runs one kind with `destino` as its target; (status, stderr)."""
    def antes():
        if limite:
            resource.setrlimit(resource.RLIMIT_FSIZE, (limite, limite))
    if nombrada:
        r = subprocess.run(argv + [destino], capture_output=True, env=ENTORNO, timeout=60,
                           preexec_fn=antes)
    else:
        with open(destino, "r+b" if os.path.exists(destino) else "wb") as f:
            if stat.S_ISREG(os.fstat(f.fileno()).st_mode):
                f.truncate(0)
            r = subprocess.run(argv, stdout=f, stderr=subprocess.PIPE, env=ENTORNO,
                               timeout=60, preexec_fn=antes)
    return r.returncode, r.stderr.decode("utf-8", "replace")


def fallo(estado, error, razon, carpeta, antes):
    """A refused write: status 1, one line with the reason, nothing beside."""
    assert estado == 1, f"status {estado}: {error!r}"
    assert error.count("\n") == 1 and razon in error, f"message {error!r}, reason {razon!r}"
    assert sorted(os.listdir(carpeta)) == antes, f"left beside: {os.listdir(carpeta)}"


def caso(fallo_nombre, argv, nombrada, carpeta):
    destino = os.path.join(carpeta, "destino")
    if fallo_nombre in ("limite", "lleno"):
        with open(destino, "wb") as f:
            f.write(VIEJO)
        estado, error = correr(argv, nombrada, destino,
                               limite=8192 if fallo_nombre == "limite" else None)
        razon = os.strerror(errno.EFBIG if fallo_nombre == "limite" else errno.ENOSPC)
        fallo(estado, error, razon, carpeta, ["destino"])
        if nombrada:
            assert open(destino, "rb").read() == VIEJO, "the old file changed"
    elif fallo_nombre in ("dispositivo", "fifo"):
        # The device is /dev/full bound onto a file of the folder, in the
        # test's own mount namespace: a writer that renamed over it would
        # meet a mount point (EBUSY), never the machine's /dev/full.
        destino = os.path.join(carpeta, fallo_nombre)
        if fallo_nombre == "fifo":
            os.mkfifo(destino)
        antes = sorted(os.listdir(carpeta))
        estado, error = correr(argv, nombrada, destino)
        fallo(estado, error, "no es un archivo común" if nombrada else os.strerror(errno.ENOSPC),
              carpeta, antes)
        es = stat.S_ISFIFO if fallo_nombre == "fifo" else stat.S_ISCHR
        assert es(os.stat(destino).st_mode), "the special file was replaced"
    elif fallo_nombre == "no_utf8":
        destino = os.path.join(carpeta.encode(), b"caf\xe9 \xff.out")
        estado, error = correr(argv, nombrada, destino)
        assert estado == 0, error
        assert os.listdir(carpeta.encode()) == [b"caf\xe9 \xff.out"], os.listdir(carpeta.encode())
    elif fallo_nombre == "dueño_y_modo":
        with open(destino, "wb") as f:
            f.write(VIEJO)
        os.chmod(destino, 0o604)
        dueño = (1234, 5678) if os.geteuid() == 0 else (os.getuid(), os.getgid())
        os.chown(destino, *dueño)
        estado, error = correr(argv, nombrada, destino)
        assert estado == 0, error
        st = os.stat(destino)
        assert (stat.S_IMODE(st.st_mode), st.st_uid, st.st_gid) == (0o604,) + dueño, st
        assert open(destino, "rb").read() != VIEJO
    elif fallo_nombre == "enlace_duro":
        with open(destino, "wb") as f:
            f.write(VIEJO)
        os.link(destino, os.path.join(carpeta, "otro"))
        estado, error = correr(argv, nombrada, destino)
        assert estado == 0, error
        assert open(destino, "rb").read() != VIEJO, "not written"
        assert open(os.path.join(carpeta, "otro"), "rb").read() == VIEJO, "the other name changed"
    elif fallo_nombre == "restos":
        # One run killed before its rename, one still writing (it holds the lock).
        muerto = os.path.join(carpeta, ".destino.talmiroc-aaaaaa")
        vivo = os.path.join(carpeta, ".destino.talmiroc-bbbbbb")
        for r in (muerto, vivo):
            open(r, "wb").close()
        with open(vivo, "rb") as cerrojo:
            fcntl.flock(cerrojo, fcntl.LOCK_EX)
            estado, error = correr(argv, nombrada, destino)
        assert estado == 0, error
        assert sorted(os.listdir(carpeta)) == [".destino.talmiroc-bbbbbb", "destino"], \
            os.listdir(carpeta)


# Fault, and whether it needs the target named on the line.
FALLOS = [("limite", False), ("lleno", False), ("dispositivo", False), ("fifo", True),
          ("no_utf8", True), ("dueño_y_modo", False), ("enlace_duro", True), ("restos", True)]


# What a fault mounts in its own mount namespace over the case's folder ($0).
MONTAJES = {"lleno": 'mount -t tmpfs -o size=16k t "$0"',
            "dispositivo": 'touch "$0/dispositivo" && mount --bind /dev/full "$0/dispositivo"'}


def lleno_posible():
    """Whether a private tmpfs can be mounted; the reason when not."""
    r = subprocess.run(["unshare", "-rm", "sh", "-c", "mount -t tmpfs -o size=16k t /mnt"],
                       capture_output=True, text=True)
    return r.returncode == 0, r.stderr.strip()


def main():
    if len(sys.argv) == 6:  # one case inside the private mount namespace
        clase = next(c for c in clases() if c[0] == sys.argv[4])
        caso(sys.argv[3], clase[1], clase[2], sys.argv[5])
        return 0
    puede, por_que = lleno_posible()
    malos = []
    for nombre, argv, nombrada in clases():
        for f, solo_nombrada in FALLOS:
            if solo_nombrada and not nombrada:
                continue
            fila = f"{nombre}/{f}"
            with tempfile.TemporaryDirectory() as carpeta:
                if f in MONTAJES:
                    if not puede:
                        print(f"SKIP {fila}: no private mount can be made here ({por_que})")
                        if os.environ.get("CI") == "true":
                            malos.append(fila)
                        continue
                    r = subprocess.run(
                        ["unshare", "-rm", "sh", "-c", MONTAJES[f] + ' && exec "$@"', carpeta,
                         sys.executable, __file__, TALMIROC, TZOLKIN, f, nombre, carpeta],
                        capture_output=True, text=True)
                    ok, detalle = r.returncode == 0, r.stderr.strip().splitlines()[-1:] or [""]
                else:
                    try:
                        caso(f, argv, nombrada, carpeta)
                        ok, detalle = True, [""]
                    except (AssertionError, subprocess.TimeoutExpired) as e:
                        ok, detalle = False, [str(e) or repr(e)]
            print(("ok   " if ok else "FAIL ") + fila + ("" if ok else ": " + detalle[0]))
            if not ok:
                malos.append(fila)
    print(f"{len(malos)} failing: {' '.join(malos)}" if malos else "all rows pass")
    return 1 if malos else 0


if __name__ == "__main__":
    sys.exit(main())
