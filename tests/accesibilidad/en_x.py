#!/usr/bin/python3
"""The window on a private X server, used as a person would use it.

  en_x.py portapapeles VENTANA TZOLKIN  Ctrl+C and the X clipboard
  en_x.py tiempo VENTANA TZOLKIN        the count over time, read over AT-SPI
  en_x.py orca VENTANA TZOLKIN          what Orca, the screen reader, says
  en_x.py bandeja BANDEJA TALMIROC      the tray in trayer, dunst's notifications
  en_x.py sni BANDEJA TALMIROC          the tray as a StatusNotifierItem in Xfce's panel

BANDEJA is talmiroc_bandeja_x (the tray on a clock of the test's), TALMIROC
the program, started a second time beside it.

VENTANA is talmiroc_ventana_x (the window on 9 April 2003), TZOLKIN the
command whose text the clipboard must hold. Each run starts its own Xvfb,
session bus and (tiempo, orca) accessibility bus, in a private HOME and runtime
folder, presses real keys with xdotool, and stops every process it started,
on failure too. Orca allows one of its own a user (it asks pgrep), so the
orca run starts itself again in a process namespace of its own (unshare),
where no other Orca of the user's is seen. Exit 0 passed, 1 failed, 77
skipped because a tool is missing (named on stderr); where CI=true a missing
tool fails instead.
"""
import ctypes
import glob
import html
import importlib.util
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

ESPERA = 10.0  # seconds any one awaited thing may take


class Fallo(Exception):
    pass


def Esperar(condicion, que, espera=ESPERA):
    """Polls `condicion` until it returns something true; fails after `espera` s."""
    limite = time.monotonic() + espera
    while True:
        valor = condicion()
        if valor:
            return valor
        if time.monotonic() > limite:
            raise Fallo("no llegó: " + que)
        time.sleep(0.05)


def Morir_con_el_padre():
    # Children are ended with us even if this script is killed outright.
    ctypes.CDLL(None, use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def Hijos():
    """Our child processes still running; the ones that ended are reaped."""
    try:
        while os.waitpid(-1, os.WNOHANG)[0] > 0:
            pass
    except ChildProcessError:
        pass
    hijos = []
    for entrada in os.listdir("/proc"):
        try:
            with open("/proc/%s/stat" % entrada) as f:
                if int(f.read().rsplit(")", 1)[1].split()[1]) == os.getpid():
                    hijos.append(int(entrada))
        except (ValueError, OSError, IndexError):
            pass
    return hijos


class Sesion:
    """The private X server and buses, and every process started in them."""

    def __init__(self):
        self.carpeta = tempfile.mkdtemp(prefix="talmiroc-x-")
        runtime = os.path.join(self.carpeta, "run")
        os.mkdir(runtime, 0o700)
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("DISPLAY", "DBUS_", "XDG_", "QT_", "AT_SPI"))}
        self.env.update(HOME=self.carpeta, XDG_RUNTIME_DIR=runtime, LANG="C.UTF-8")
        self.procesos = []

    def Arrancar(self, orden, **opciones):
        p = subprocess.Popen(orden, env=self.env, process_group=0,
                             preexec_fn=Morir_con_el_padre, **opciones)
        self.procesos.append(p)
        return p

    def Leer_linea(self, fd, que):
        """The first line a starting server writes to `fd` (its address or display)."""
        leido = b""
        limite = time.monotonic() + ESPERA
        while not leido.endswith(b"\n"):  # the server may write the line in pieces
            listos, _, _ = select.select([fd], [], [], max(0, limite - time.monotonic()))
            trozo = os.read(fd, 4096) if listos else b""
            if not trozo:
                os.close(fd)
                raise Fallo("no arrancó: " + que)
            leido += trozo
        os.close(fd)
        return leido.decode().strip()

    def Servidor(self, orden, que, errores=subprocess.DEVNULL):
        """Starts a server that writes its address to the fd in `orden` ("{fd}")
        once it answers, and returns that address."""
        r, w = os.pipe()
        proceso = self.Arrancar([a.format(fd=w) for a in orden], pass_fds=(w,),
                                stdout=subprocess.DEVNULL, stderr=errores)
        os.close(w)
        return proceso, self.Leer_linea(r, que)

    def X_y_bus(self):
        # -noreset: by default an X server resets whenever its last client
        # leaves, and a client that connects during the reset is turned
        # away. Here clients come and go just before and while the window
        # starts (the accessibility bus launcher, xdotool looking for the
        # window), and under load the window met such a reset ("could not
        # connect to display").
        self.registro_x = os.path.join(self.carpeta, "xvfb.err")
        with open(self.registro_x, "w") as err:
            self.x, display = self.Servidor(
                ["Xvfb", "-displayfd", "{fd}", "-nolisten", "tcp", "-noreset",
                 "-screen", "0", "1024x768x24"], "Xvfb", err)
        self.env["DISPLAY"] = ":" + display
        _, self.env["DBUS_SESSION_BUS_ADDRESS"] = self.Servidor(
            ["dbus-daemon", "--session", "--nofork", "--print-address={fd}"], "dbus-daemon")

    def Informe_x(self):
        """What the X server said, and whether it still runs: for a failure's report."""
        x = getattr(self, "x", None)
        if x is not None:
            estado = "sigue en marcha" if x.poll() is None else "terminó (%s)" % x.returncode
            print("Xvfb %s %s; dijo:\n%s" % (self.env["DISPLAY"], estado,
                                            open(self.registro_x).read()[-3000:]),
                  file=sys.stderr)

    def Bus_accesible(self):
        # The session bus starts at-spi-bus-launcher on this first question,
        # and the accessibility bus starts the registry when Qt registers.
        pregunta = ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                    "/org/a11y/bus", "org.a11y.Bus.GetAddress"]
        Esperar(lambda: subprocess.run(pregunta, env=self.env, capture_output=True)
                .returncode == 0, "el bus de accesibilidad")

    def Ventana(self, programa, accesible, *fecha):
        if accesible:
            self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        self.env["QT_QPA_PLATFORM"] = "xcb"
        self.errores = os.path.join(self.carpeta, "ventana.err")
        with open(self.errores, "w") as err:
            p = self.Arrancar([programa, *fecha], stdout=subprocess.PIPE, stderr=err, text=True)
        self.mensajes = []
        threading.Thread(target=lambda: self.mensajes.extend(p.stdout), daemon=True).start()
        self.ventana = p
        ident = Esperar(lambda: self.Salida(["xdotool", "search", "--name", "^Talmiroc$"]),
                        "la ventana")
        Esperar(lambda: self.Salida(["xdotool", "getwindowfocus"]) in ident.split(),
                "el foco de teclado en la ventana")

    def Salida(self, orden):
        r = subprocess.run(orden, env=self.env, capture_output=True, text=True, timeout=ESPERA)
        return r.stdout.strip() if r.returncode == 0 else ""

    def Teclas(self, *teclas):
        subprocess.run(["xdotool", "key", "--delay", "20", *teclas], env=self.env, check=True)

    def Escribir(self, texto):
        subprocess.run(["xdotool", "type", "--delay", "20", texto], env=self.env, check=True)

    def Calcular(self, dia, mes, año):
        """Types the date into the three boxes from the first, then Alt+C."""
        for i, parte in enumerate((dia, mes, año)):
            if i:
                self.Teclas("Tab")
            self.Escribir(parte)
        self.Teclas("alt+c")

    def Salir(self):
        """Salir (Alt+S) ends the window by itself."""
        self.Teclas("alt+s")
        try:
            self.ventana.wait(ESPERA)
        except subprocess.TimeoutExpired:
            raise Fallo("Salir no cerró la ventana")

    def Parar(self):
        for p in reversed(self.procesos):
            try:
                os.killpg(p.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        for p in reversed(self.procesos):
            try:
                p.wait(3)
            except subprocess.TimeoutExpired:
                os.killpg(p.pid, signal.SIGKILL)
                p.wait()
        # What the buses started (the launcher, the accessibility bus, the
        # registry) and left behind was handed to us as their subreaper.
        limite = time.monotonic() + 3
        while Hijos():
            for pid in Hijos():
                try:
                    os.kill(pid, signal.SIGTERM if time.monotonic() < limite else signal.SIGKILL)
                except ProcessLookupError:
                    pass
            time.sleep(0.05)
        shutil.rmtree(self.carpeta, ignore_errors=True)


# ---------------------------------------------------------------------------
# The count over time, as a screen reader reads it

def Prueba_tiempo(s, programa, _):
    """What tests/tiempo reads from the models, as the accessibility bus gives it
    to a reader: the days named, the plasmas as column headings, the module's
    kins, and a page's controls told visible as it is shown and hidden as it
    is left (a reader keeps what it was told last)."""
    s.Bus_accesible()
    s.Ventana(programa, True, "13", "11", "2013")
    os.environ.update(DISPLAY=s.env["DISPLAY"],
                      DBUS_SESSION_BUS_ADDRESS=s.env["DBUS_SESSION_BUS_ADDRESS"])
    import pyatspi
    from gi.repository import GLib

    def Tabla(nombre):
        for app in pyatspi.Registry.getDesktop(0):
            if app is None or app.name != os.path.basename(programa):
                continue
            for marco in app:
                if marco is not None and marco.name == "Talmiroc: la cuenta en el tiempo":
                    return pyatspi.findDescendant(
                        marco, lambda a: a.getRoleName() == "table" and a.name == nombre
                        and a.getState().contains(pyatspi.STATE_SHOWING))
        return None

    def Leer(nombre, condicion, que):
        def Celdas(tabla):  # Kin keeps its number with a no-break space; a reader hears a space.
            return [c.name.replace("\u00a0", " ") for c in tabla
                    if c is not None and c.getRoleName() == "table cell"]
        return Esperar(lambda: (lambda t: t and (lambda c: condicion(c) and (t, c))(Celdas(t)))(
            Tabla(nombre)), que)

    contado = {True: [], False: []}  # visible: names told so
    pyatspi.Registry.registerEventListener(
        lambda e: contado[bool(e.detail1)].append(e.source.name), "object:state-changed:visible")

    def Contado(visible, nombre):
        def Condicion():
            while GLib.MainContext.default().iteration(False):
                pass
            return nombre in contado[visible]
        return Condicion

    s.Teclas("ctrl+l")
    dia = "Día 27, Limi, 13 de noviembre de 2013, Kin 14 Mago Magnético Blanco"
    tabla, _ = Leer("Días de la luna", lambda c: any(n.startswith(dia) for n in c), "el día 27")
    t = tabla.queryTable()
    cabeceras = [t.getColumnDescription(i) for i in range(t.nColumns)]
    if cabeceras != ["Dali", "Seli", "Gamma", "Kali", "Alfa", "Limi", "Silio"]:
        raise Fallo("cabeceras de la luna: %s" % cabeceras)
    print("ok la luna: sus días nombrados, los plasmas por cabeceras")
    s.Teclas("ctrl+m")
    _, kines = Leer("Módulo armónico", lambda c: len(c) == 260, "el módulo armónico")
    Esperar(Contado(True, "Módulo armónico"), "el módulo dicho visible")
    if sum(k.startswith("Kin ") for k in kines) != 260 or \
            sum(k.endswith(", portal") for k in kines) != 52:
        raise Fallo("el módulo: %s" % kines[:30])
    print("ok el módulo: 260 kines nombrados, 52 portales")
    s.Teclas("ctrl+l")
    Esperar(Contado(False, "Módulo armónico"), "el módulo dicho oculto al volver a la luna")
    print("ok el módulo dicho visible al mostrarse y oculto al dejarlo")


# ---------------------------------------------------------------------------
# What Orca says: Orca at its default settings, in Spanish, with openbox, and
# a speech-dispatcher of our own speaking with espeak-ng into ALSA's null
# device. What Orca speaks is read from its debug log.

VOZ = """AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "es"
SymbolsPreproc "char"
""" + "".join('SymbolsPreprocFile "%s"\n' % f for f in (
    "gender-neutral.dic", "font-variants.dic", "symbols.dic", "emojis.dic", "orca.dic",
    "orca-chars.dic"))


def Orca(s):
    """Starts Orca and what it needs; returns a function giving every utterance so far."""
    c = s.carpeta
    for d in ("config", "data", "cache", "voz/modules"):
        os.makedirs(os.path.join(c, d))
    # A Spanish locale of our own (LOCPATH): the machine may have none.
    subprocess.run(["localedef", "-i", "es_ES", "-f", "UTF-8", c + "/es_ES.UTF-8"], check=True,
                   capture_output=True)
    s.env.update(LOCPATH=c, LANG="es_ES.UTF-8", XDG_CONFIG_HOME=c + "/config",
                 XDG_DATA_HOME=c + "/data", XDG_CACHE_HOME=c + "/cache")
    with open(c + "/voz/speechd.conf", "w") as f:
        f.write(VOZ)
    open(c + "/voz/modules/espeak-ng.conf", "w").close()
    s.Arrancar(["speech-dispatcher", "-s", "-t", "0", "-C", c + "/voz", "-L", c + "/voz", "-l", "5"],
               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    enchufe = os.path.join(s.env["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
    # It asks espeak-ng for every voice before it listens: on a busy machine
    # that alone takes longer than anything else here.
    Esperar(lambda: os.path.exists(enchufe), "speech-dispatcher", 4 * ESPERA)
    s.Arrancar(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    Esperar(lambda: "window id" in s.Salida(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]),
            "openbox")
    s.errores_orca = c + "/orca.err"
    with open(s.errores_orca, "w") as err:
        s.Arrancar(["orca"], stdout=subprocess.DEVNULL, stderr=err)
    # What Orca sends to be spoken, as the speech server logs it (Orca's own
    # debug log is written in blocks, late): SSML, one message at a time.
    registro = open(Esperar(lambda: glob.glob(c + "/voz/speech-dispatcher.log"), "el registro")[0],
                    encoding="utf-8", errors="replace")
    leido, dichas = [""], []

    def Dicho():
        leido[0] += registro.read()
        fin = 0
        for m in re.finditer(r"Queueing message \|(.*?)\| with priority", leido[0], re.S):
            dichas.append(html.unescape(re.sub(r"<[^>]*>", "", m.group(1))))
            fin = m.end()
        resto = leido[0][fin:]
        leido[0] = resto[max(resto.rfind("Queueing message"), 0):]
        return list(dichas)

    Esperar(lambda: "Lector de pantalla activado." in Dicho(), "Orca", 4 * ESPERA)
    return Dicho


REPASO = "KP_Add KP_Add"  # pressed twice: Orca reads the whole window, line by line
KIN_153 = ("Kin 153, Caminante del Cielo Planetario Rojo. "
           "Dia Verde, del Perdón Universal o de la Libertad Galáctica")
# (step, keys, what Orca says exactly once, what it never says)
PASOS = [
    # Alt+C would overtake the digits that Qt still holds for Orca to see.
    ("25-7-2003", "2 5 Tab 7 Tab 2 0 0 3 Tab", ["Calcular botón de pulsación"], []),
    ("Alt+C", "alt+c", ["notificación " + KIN_153], []),
    ("19-1-2003", "shift+Tab shift+Tab shift+Tab 1 9 Tab 1 Tab 2 0 0 3 Tab",
     ["Calcular botón de pulsación"], []),
    ("Intro", "Return", ["notificación Kin 226, Enlazador de Mundos Entonado Blanco."], []),
    ("Ctrl+C", "ctrl+c", ["notificación Lectura copiada"], []),
    ("repaso tras dos fechas", REPASO,
     ["Fecha Gregoriana, 19-1-2003, 13 Lunas, Gamma 10, Luna Resonante del Mono (NS1.15.7.10)",
      "Kin 226, Enlazador de Mundos Entonado Blanco, Cimi Ho", "Sello Enlazador de Mundos",
      "Tono 5, Entonado", "Centro del oráculo, Enlazador de Mundos", "Kin Guía, Mago",
      "Kin Antípoda, Guerrero", "Kin Análogo, Caminante del Cielo", "Kin Oculto, Aguila"],
     ["Dragon", "Noche", "Estrella", "Tono 10", "Aceptar", "Creado en"]),
    ("Acerca de", "alt+a", ["Aceptar botón de pulsación"], []),
    ("Aceptar", "Return", ["Día texto"], []),
    ("repaso tras Aceptar", REPASO, ["Calcular Limpiar Salir Acerca de Imprimir"],
     ["Kin Guía:", "Sello", "Creado en", "Aceptar"]),
    ("Limpiar", "alt+l", ["Limpiar botón de pulsación"], ["notificación"]),
]


def Prueba_orca(s, programa, _):
    s.Bus_accesible()
    Dicho = Orca(s)
    s.Ventana(programa, accesible=True)
    # Orca says it is on before it follows windows and keys: the focus goes to
    # Mes and back to Día, once a second, until Orca tells it.
    ultima = [0.0]

    def Sigue_el_foco():
        if time.monotonic() - ultima[0] > 1:
            s.Teclas("Tab", "shift+Tab")
            ultima[0] = time.monotonic()
        return "Mes texto." in Dicho()

    Esperar(Sigue_el_foco, "Orca siguiendo el foco", 4 * ESPERA)
    errores, inicios = [], []
    for paso, teclas, dice, _ in PASOS:
        inicios.append(len(Dicho()))
        # One key at a time, each once Orca has echoed the one before: Qt
        # waits for Orca's verdict on every key, and on a busy machine a late
        # verdict lets a key overtake the one before it. The review's double
        # press goes at once, or Orca would hear two single presses.
        for tecla in [teclas] if teclas == REPASO else teclas.split():
            antes = len(Dicho())
            s.Teclas(*tecla.split())
            if tecla != REPASO:
                Esperar(lambda: len(Dicho()) > antes, "%s: el eco de %s" % (paso, tecla))
        try:
            Esperar(lambda: all(d in "\n".join(Dicho()[inicios[-1]:]) for d in dice), paso)
        except Fallo as f:
            errores.append(str(f))
    s.Salir()
    dicho = Dicho()
    inicios.append(len(dicho))
    for i, (paso, _, dice, calla) in enumerate(PASOS):
        oido = "\n".join(dicho[inicios[i]:inicios[i + 1]])
        errores += ["%s: dijo %d veces %r" % (paso, oido.count(d), d) for d in dice
                    if oido.count(d) != 1]
        # The decoration of the captions, and no colon of ours: at Orca's
        # default punctuation level a colon is said aloud ("dos puntos").
        errores += ["%s: dijo %r" % (paso, c) for c in calla + ["*", "<", ">", ":"] if c in oido]
        print("%s %s: %r" % ("--" if errores else "ok", paso, oido))
    with open(s.errores_orca) as f:
        errores += ["Orca rechazó: " + l.strip() for l in f if "invalid signature" in l][:3]
    if errores:
        raise Fallo("\n  ".join(errores))


# ---------------------------------------------------------------------------
# The tray: trayer's XEmbed tray and dunst, the notification server, both on
# the private X server and session bus; the XDG folders private too.

def Prueba_bandeja(s, programa, talmiroc):
    import json
    for d in ("config", "data", "state"):
        os.makedirs(os.path.join(s.carpeta, d))
    s.env.update(XDG_CONFIG_HOME=s.carpeta + "/config", XDG_DATA_HOME=s.carpeta + "/data",
                 XDG_STATE_HOME=s.carpeta + "/state", QT_QPA_PLATFORM="xcb",
                 QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    s.Bus_accesible()
    s.Arrancar(["trayer", "--edge", "top", "--align", "left", "--widthtype", "pixel", "--width",
                "200", "--height", "24", "--transparent", "false"],
               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    Esperar(lambda: "_NET_SYSTEM_TRAY_S0" in s.Salida(["xprop", "-root"]) or
            s.Salida(["xdotool", "search", "--class", "trayer"]), "trayer")
    with open(s.carpeta + "/dunstrc", "w") as f:
        f.write("[global]\n")
    s.Arrancar(["dunst", "-config", s.carpeta + "/dunstrc"], stdout=subprocess.DEVNULL,
               stderr=subprocess.DEVNULL)
    Esperar(lambda: subprocess.run(["dunstctl", "is-paused"], env=s.env,
                                   capture_output=True).returncode == 0, "dunst")

    def Avisos():
        """Every notification dunst has shown, oldest first: (title, body)."""
        subprocess.run(["dunstctl", "close-all"], env=s.env, check=True)
        h = json.loads(s.Salida(["dunstctl", "history"]) or '{"data": [[]]}')
        return [(n["summary"]["data"], n["body"]["data"]) for n in reversed(h["data"][0])]

    def Bandeja(reloj):
        s.env["TALMIROC_RELOJ"] = reloj
        return s.Arrancar([programa], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def Incrustados():
        """Our icons' windows inside trayer's panel."""
        arbol = s.Salida(["xwininfo", "-root", "-tree"])
        panel = arbol.split('"panel": ("panel" "trayer")', 1)
        return panel[1].count('("talmiroc_bandeja_x" ') if len(panel) == 2 else 0

    import pyatspi
    os.environ.update(DISPLAY=s.env["DISPLAY"],
                      DBUS_SESSION_BUS_ADDRESS=s.env["DBUS_SESSION_BUS_ADDRESS"])

    def Nombre_x():
        """The name of our icon's window inside trayer's panel."""
        panel = s.Salida(["xwininfo", "-root", "-tree"]).split('"panel": ("panel" "trayer")', 1)
        m = re.search(r'0x[0-9a-f]+ "([^"]*)": \("talmiroc_bandeja_x" ', panel[-1])
        return m.group(1) if m else None

    def Globo():
        """The tooltip as a screen reader meets it, the pointer moved onto the icon."""
        # The pointer leaves and comes back: Qt shows the tooltip anew.
        for x, y in ((100, 100), (12, 12), (13, 13)):
            subprocess.run(["xdotool", "mousemove", str(x), str(y)], env=s.env, check=True)
            time.sleep(0.1)

        def Leido():
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.name == os.path.basename(programa):
                    for v in app:
                        if v is not None and v.getRoleName() == "tool tip":
                            return v.name
            return None
        return Esperar(Leido, "el globo del icono")

    errores = []
    # The day before a return of Ana's kin, a few seconds before midnight.
    b = Bandeja("2003-04-08T23:59:55")
    Esperar(lambda: Incrustados() == 1, "el icono en la bandeja")
    Esperar(lambda: len(Avisos()) == 1, "el aviso del 8 de abril")
    antes = (Nombre_x(), Globo())
    ocho = ("Kin 45 · Serpiente Rítmica Roja",
            "13 Lunas: Alfa 5, Luna Planetaria del Perro (NS1.15.10.5)")
    oido = ("Kin 45, Serpiente Rítmica Roja, "
            "13 Lunas, Alfa 5, Luna Planetaria del Perro (NS1.15.10.5)")
    if antes != (oido, "\n".join(ocho)):
        errores.append("el icono del 8 de abril: %r" % (antes,))
    print("ok el icono incrustado y nombrado:", antes)
    # The second start ends at once, status 0, and adds no icon.
    otra = subprocess.run([talmiroc, "--bandeja"], env=s.env, capture_output=True, timeout=ESPERA)
    if otra.returncode != 0 or otra.stdout or otra.stderr:
        errores.append("el segundo arranque: %s %r %r" % (otra.returncode, otra.stdout, otra.stderr))
    # Midnight on the program's clock: the icon and a new notification.
    avisos = Esperar(lambda: (lambda a: len(a) == 2 and a)(Avisos()), "el aviso del 9 de abril")
    esperado = ("Kin 46 · Enlazador de Mundos Resonante Blanco",
                "13 Lunas: Limi 6, Luna Planetaria del Perro (NS1.15.10.6)\n"
                "Hoy vuelve el kin de Ana: Kin 46")
    if avisos[1] != esperado:
        errores.append("el aviso del 9 de abril: %r, se esperaba %r" % (avisos[1], esperado))
    nueve = (esperado[0], esperado[1].split("\n")[0])
    despues = (Nombre_x(), Globo())
    oido = ("Kin 46, Enlazador de Mundos Resonante Blanco, "
            "13 Lunas, Limi 6, Luna Planetaria del Perro (NS1.15.10.6)")
    if despues != (oido, "\n".join(nueve)):
        errores.append("el icono tras la medianoche: %r" % (despues,))
    if Incrustados() != 1:
        errores.append("%d iconos en la bandeja" % Incrustados())
    print("ok la medianoche:", avisos[1])
    # A click opens the day window; its Salir closes it and the tray stays.
    subprocess.run(["xdotool", "mousemove", "12", "12", "click", "1"], env=s.env, check=True)
    Esperar(lambda: s.Salida(["xdotool", "search", "--name", "^Talmiroc$"]), "la ventana del día")
    s.Teclas("alt+s")
    Esperar(lambda: not s.Salida(["xdotool", "search", "--onlyvisible", "--name", "^Talmiroc$"]),
            "la ventana cerrada por Salir")
    # The tray is still there: another click opens the window again.
    subprocess.run(["xdotool", "mousemove", "12", "12", "click", "1"], env=s.env, check=True)
    try:
        Esperar(lambda: s.Salida(["xdotool", "search", "--onlyvisible", "--name", "^Talmiroc$"]),
                "la ventana del día otra vez")
    except Fallo:
        raise Fallo("Salir de la ventana terminó la bandeja (%s)" % b.poll())
    print("ok un clic abre la ventana del día y su Salir deja la bandeja")
    # A restart on the same day shows nothing new.
    b.terminate()
    b.wait(ESPERA)
    Esperar(lambda: Incrustados() == 0, "la bandeja vacía")
    Bandeja("2003-04-09T08:00:00")
    Esperar(lambda: Incrustados() == 1, "el icono otra vez")
    time.sleep(1)
    if len(Avisos()) != 2:
        errores.append("tras volver a arrancar el mismo día: %s" % Avisos())
    if errores:
        raise Fallo("\n  ".join(errores))
    print("ok ningún aviso repetido tras volver a arrancar")


def Prueba_sni(s, programa, _):
    """The same tray where the desktop has a StatusNotifierItem watcher: the
    Xfce panel's, whose systray takes both kinds of icon. Read over D-Bus as
    the panel reads it."""
    s.env.update(QT_QPA_PLATFORM="xcb")
    s.Arrancar(["xfce4-panel", "--disable-wm-check"], stdout=subprocess.DEVNULL,
               stderr=subprocess.DEVNULL)

    def Pedir(destino, ruta, interfaz, propiedad):
        return s.Salida(["dbus-send", "--session", "--print-reply", "--dest=" + destino, ruta,
                         "org.freedesktop.DBus.Properties.Get", "string:" + interfaz,
                         "string:" + propiedad])

    def Elementos():
        return re.findall(r'string "([^"]*)"', Pedir(
            "org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
            "org.kde.StatusNotifierWatcher", "RegisteredStatusNotifierItems"))

    Esperar(lambda: "true" in Pedir("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
                                    "org.kde.StatusNotifierWatcher",
                                    "IsStatusNotifierHostRegistered"), "el panel de Xfce")
    s.env["TALMIROC_RELOJ"] = "2003-04-08T23:59:57"
    s.Arrancar([programa], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    elemento = Esperar(Elementos, "el elemento registrado")[0]
    servicio, ruta = elemento.split("/", 1)

    def Globo():
        t = Pedir(servicio, "/" + ruta, "org.kde.StatusNotifierItem", "ToolTip")
        m = re.search(r'array \[\s*\]\s*string "([^"]*)"', t)
        return m.group(1) if m else None

    errores = []
    antes = Esperar(lambda: (lambda g: g and g.startswith("Kin 45 ") and g)(Globo()),
                    "el globo del 8 de abril")
    despues = Esperar(lambda: (lambda g: g and g.startswith("Kin 46 ") and g)(Globo()),
                      "el globo tras la medianoche")
    if despues != ("Kin 46 · Enlazador de Mundos Resonante Blanco\n"
                   "13 Lunas: Limi 6, Luna Planetaria del Perro (NS1.15.10.6)"):
        errores.append("el globo: %r" % despues)
    tamaños = re.findall(r"struct \{\s*int32 (\d+)\s*int32 (\d+)\s*array of bytes",
                         Pedir(servicio, "/" + ruta, "org.kde.StatusNotifierItem", "IconPixmap"))
    if not {("16", "16"), ("22", "22"), ("32", "32")} <= set(tamaños):
        errores.append("los tamaños del icono: %s" % tamaños)
    if len(Elementos()) != 1:
        errores.append("elementos: %s" % Elementos())
    if errores:
        raise Fallo("\n  ".join(errores))
    print("ok el elemento en el panel de Xfce:", repr(antes), "->", repr(despues), tamaños)


# ---------------------------------------------------------------------------
# The X clipboard

def Prueba_portapapeles(s, programa, tzolkin):
    s.Ventana(programa, accesible=False)

    def Portapapeles():
        return subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=s.env,
                              capture_output=True, text=True, timeout=ESPERA).stdout

    def Copiar_y_esperar(esperado, que):
        def Copiado():
            s.Teclas("ctrl+c")
            return Portapapeles() == esperado
        try:
            Esperar(Copiado, que)
        except Fallo:
            raise Fallo("%s: el portapapeles tiene %r, se esperaba %r" % (
                que, Portapapeles(), esperado))
        print("ok", que)

    texto = subprocess.run([tzolkin, "25", "7", "2003"], capture_output=True, text=True,
                           check=True).stdout
    s.Calcular("25", "7", "2003")
    Copiar_y_esperar(texto, "ctrl+c en el botón Calcular: el texto de tzolkin 25 7 2003")
    # Another owner's text first, then Ctrl+C in the empty year box.
    marca = s.Arrancar(["xclip", "-i", "-selection", "clipboard", "-quiet"],
                       stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, text=True)
    marca.stdin.write("marca")
    marca.stdin.close()
    Esperar(lambda: Portapapeles() == "marca", "la marca en el portapapeles")
    s.Teclas("shift+Tab")
    Copiar_y_esperar(texto, "ctrl+c en una caja sin selección: la lectura")
    s.Escribir("1999")
    s.Teclas("ctrl+a")
    Copiar_y_esperar("1999", "ctrl+c en una caja con selección: la selección")
    # No date shown: Ctrl+C copies nothing and says nothing. Imprimir's
    # message afterwards tells that the key has been handled.
    s.Teclas("alt+l", "ctrl+c", "alt+i")
    Esperar(lambda: s.mensajes, "el mensaje de Imprimir")
    if s.mensajes != ["mensaje: Debe introducir una fecha\n"] or Portapapeles() != "1999":
        raise Fallo("sin fecha: mensajes %s, portapapeles %r" % (s.mensajes, Portapapeles()))
    print("ok sin fecha no copia nada ni dice nada")
    s.Salir()


APARTE = "TALMIROC_EN_X_APARTE"  # set in the run inside its own namespace


def Aparte():
    """Runs this script again in a process namespace of its own, with its own
    /proc, and returns its exit status; None when none can be made here. In
    it Orca sees no other Orca, and every process of the run ends with it."""
    orden = ["unshare", "--pid", "--fork", "--mount-proc", "--kill-child"]
    if not shutil.which("unshare"):
        return None
    for prueba in (orden, orden[:1] + ["--map-root-user"] + orden[1:]):  # root, or a user namespace
        if subprocess.run(prueba + ["true"], capture_output=True).returncode == 0:
            return subprocess.run(prueba + [sys.executable, *sys.argv],
                                  env=dict(os.environ, **{APARTE: "1"})).returncode
    return None


def main():
    pruebas = {"portapapeles": Prueba_portapapeles, "tiempo": Prueba_tiempo, "orca": Prueba_orca,
               "bandeja": Prueba_bandeja, "sni": Prueba_sni}
    if len(sys.argv) != 4 or sys.argv[1] not in pruebas:
        print(__doc__, file=sys.stderr)
        return 2
    prueba, programa, tzolkin = sys.argv[1:]
    herramientas = ["Xvfb", "xdotool", "dbus-daemon", "dbus-send"]
    herramientas += ["xclip"] if prueba == "portapapeles" else ["/usr/libexec/at-spi-bus-launcher"]
    if prueba == "bandeja":
        herramientas += ["trayer", "dunst", "dunstctl", "xwininfo", "xprop"]
    if prueba == "sni":
        herramientas += ["xfce4-panel"]
    if prueba == "orca":
        herramientas += ["orca", "speech-dispatcher", "openbox", "localedef", "xprop",
                         "/usr/lib/speech-dispatcher-modules/sd_espeak-ng"]
    faltan = [h for h in herramientas if not shutil.which(h)]
    if prueba in ("tiempo", "bandeja"):
        if importlib.util.find_spec("pyatspi") is None:  # imported once the buses run
            faltan.append("python3-pyatspi")
    if prueba == "orca" and not faltan and os.environ.get(APARTE) != "1":
        estado = Aparte()
        if estado is not None:
            return estado
    # Orca will not start beside another of the same user's (it asks pgrep),
    # which is left alone: without a namespace of our own, one may be running.
    if prueba == "orca" and not faltan and subprocess.run(
            ["pgrep", "-u", str(os.getuid()), "-x", "orca"], capture_output=True).returncode == 0:
        faltan.append("un Orca propio: Orca admite uno por usuario, ya hay uno en marcha y "
                      "aquí no se puede apartar la prueba en su propio espacio de procesos "
                      "(unshare --pid)")
    if faltan:
        print("falta: " + ", ".join(faltan), file=sys.stderr)
        return 1 if os.environ.get("CI") == "true" else 77
    ctypes.CDLL(None, use_errno=True).prctl(36, 1)  # PR_SET_CHILD_SUBREAPER
    s = Sesion()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    try:
        s.X_y_bus()
        pruebas[prueba](s, programa, tzolkin)
    except Fallo as f:
        print("FALLO", f, file=sys.stderr)
        if getattr(s, "errores", None) and os.path.exists(s.errores):
            print("la ventana dijo:\n" + open(s.errores).read()[-3000:], file=sys.stderr)
        s.Informe_x()
        return 1
    finally:
        s.Parar()
    return 0


if __name__ == "__main__":
    sys.exit(main())
