#!/usr/bin/python3
"""The tray at rest, beside a bare QSystemTrayIcon program.

  bench/bandeja.py TALMIROC BANDEJA_BASE [SECONDS]

Starts a private Xvfb, session bus and trayer (tests/accesibilidad/en_x.py's
session, in a temporary HOME and XDG folders), then `TALMIROC --bandeja` and
BANDEJA_BASE side by side, both embedded in trayer. After they settle, it
reads each one's CPU time (user + system, /proc/PID/stat) over SECONDS
(default 120) and extrapolates it to ten minutes, and reads each one's
resident memory (VmRSS) at the end. Prints one line a figure and
"cpu10 <s> <s>" and "rss <KiB> <KiB>" for scripts/bench; exit 1 when the tray
uses 0.1 s or more in ten minutes or more than 1.3 times the floor's memory.
"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests",
                                "accesibilidad"))
import en_x  # noqa: E402

HZ = os.sysconf("SC_CLK_TCK")


def Cpu(pid):
    """User plus system time of a process so far, in seconds."""
    with open("/proc/%d/stat" % pid) as f:
        campos = f.read().rsplit(")", 1)[1].split()
    return (int(campos[11]) + int(campos[12])) / HZ


def Rss(pid):
    with open("/proc/%d/status" % pid) as f:
        for linea in f:
            if linea.startswith("VmRSS:"):
                return int(linea.split()[1])
    return 0


def main():
    if len(sys.argv) not in (3, 4):
        print(__doc__, file=sys.stderr)
        return 2
    talmiroc, base = sys.argv[1:3]
    segundos = float(sys.argv[3]) if len(sys.argv) == 4 else 120.0
    s = en_x.Sesion()
    try:
        s.X_y_bus()
        for d in ("config", "data", "state"):
            os.makedirs(os.path.join(s.carpeta, d))
        s.env.update(XDG_CONFIG_HOME=s.carpeta + "/config", XDG_DATA_HOME=s.carpeta + "/data",
                     XDG_STATE_HOME=s.carpeta + "/state", QT_QPA_PLATFORM="xcb")
        s.Arrancar(["trayer", "--widthtype", "pixel", "--width", "200", "--height", "24"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        en_x.Esperar(lambda: s.Salida(["xdotool", "search", "--class", "trayer"]), "trayer")
        bandeja = s.Arrancar([talmiroc, "--bandeja"], stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
        suelo = s.Arrancar([base], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(5)  # both embedded and settled
        for p in (bandeja, suelo):
            if p.poll() is not None:
                raise en_x.Fallo("%s terminó (%s)" % (p.args[0], p.returncode))
        antes = [Cpu(p.pid) for p in (bandeja, suelo)]
        time.sleep(segundos)
        cpu = [(Cpu(p.pid) - a) * 600 / segundos for p, a in zip((bandeja, suelo), antes)]
        rss = [Rss(p.pid) for p in (bandeja, suelo)]
    finally:
        s.Parar()
    print("measured over %.0f s, extrapolated to ten minutes" % segundos)
    print("cpu10 %.3f %.3f" % tuple(cpu))
    print("rss %d %d" % tuple(rss))
    print("tray / floor memory: %.2f" % (rss[0] / rss[1]))
    return 0 if cpu[0] < 0.1 and rss[0] <= 1.3 * rss[1] else 1


if __name__ == "__main__":
    sys.exit(main())
