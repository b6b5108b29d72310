#!/usr/bin/env python3
"""Makes the guide's pictures of the program and of its results in tools/guion/.

  ventana.png          the main window after a scan of the square lattice of
                       the Simulaciones' first stage, its parts numbered
  cristal.png          the dialog "Condiciones del espectro" with that crystal
  polvo_wolframio.png  the powder pattern of tungsten (tools/guion/wolframio.cif,
                       not one of the practice's samples) as varlek-muestra
                       makes it, each line marked with its indices

The window is run under Xvfb with openbox and driven with xdotool; the powder
pattern is drawn like the program's plot from the companion's sample file.
None of them shows a problem crystal or a shipped sample. When the figures
companion can draw a diffractogram, polvo_wolframio() is the one place to
change. The PNG files are committed, so writing the chapters needs nothing
but Python.

Needs Xvfb, openbox, xdotool and ImageMagick (import, convert).
Run from the project's root after a build:
    python3 tools/capturas_guion.py build/programa
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import dibuja_figuras as fig  # noqa: E402

CARPETA = fig.CARPETA
PANTALLA = ':97'

# Where things are on the main window placed at the screen's corner, in
# pixels: its layout is fixed in twips, so these do not move.
BOTON_PARAMETROS = (73, 32)
BOTON_LANZAR = (124, 32)
PARTES = [(1, 312, 9), (2, 176, 32), (3, 168, 100), (4, 440, 190), (5, 600, 380), (6, 28, 416)]


def xdo(*args):
    return subprocess.run(['xdotool', *map(str, args)], capture_output=True, text=True,
                          env=dict(os.environ, DISPLAY=PANTALLA)).stdout.strip()


def espera_ventana(nombre, segundos=30):
    for _ in range(segundos * 10):
        ids = xdo('search', '--name', nombre).split()
        if ids:
            return ids[0]
        time.sleep(0.1)
    raise SystemExit(f'no window named {nombre!r}')


def captura_ventana(ventana, destino):
    subprocess.run(['import', '-window', ventana, destino], check=True, env=dict(os.environ, DISPLAY=PANTALLA))


def escribe_campo(texto):
    xdo('key', 'ctrl+a')
    xdo('type', texto)


def numera(origen, destino):
    """The window's picture with each part's number in a red disc."""
    ordenes = []
    for n, x, y in PARTES:
        ordenes += [f"fill #c00000", "stroke white", "stroke-width 2", f"circle {x},{y} {x + 10},{y}"]
        ordenes += fig.texto(x - 5, y + 6, str(n), 16, fig.LETRA_SANS, 'white')
    subprocess.run(['convert', origen, '-draw', '\n'.join(ordenes), '-strip', '-define',
                    'png:exclude-chunks=date,time', destino], check=True)


def capturas(programa):
    trabajo = tempfile.mkdtemp()
    procesos = []
    try:
        procesos.append(subprocess.Popen(['Xvfb', PANTALLA, '-screen', '0', '1280x1024x24'],
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        time.sleep(1)
        entorno = dict(os.environ, DISPLAY=PANTALLA, QT_QPA_PLATFORM='xcb')
        procesos.append(subprocess.Popen(['openbox'], env=entorno, stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL))
        time.sleep(1)
        procesos.append(subprocess.Popen([os.path.join(programa, 'varlek')], cwd=programa, env=entorno,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        principal = espera_ventana('Simulacion de la difracci')
        xdo('windowmove', principal, 0, 0)
        time.sleep(0.5)

        # The square lattice: a = b = 5, 90 degrees, one atom at the origin.
        xdo('mousemove', *BOTON_PARAMETROS, 'click', 1)
        espera_ventana('Condiciones del espectro')
        for texto in ('5', '5', '90'):
            escribe_campo(texto)
            xdo('key', 'Tab')
        xdo('key', 'Return')
        time.sleep(0.5)
        xdo('mousemove', *BOTON_PARAMETROS, 'click', 1)
        dialogo = espera_ventana('Condiciones del espectro')
        time.sleep(0.5)
        captura_ventana(dialogo, os.path.join(trabajo, 'cristal.png'))
        xdo('key', 'Escape')
        time.sleep(0.5)

        xdo('mousemove', *BOTON_LANZAR, 'click', 1)
        aviso = espera_ventana('INFORMACION', 60)
        xdo('windowactivate', '--sync', aviso)
        xdo('key', 'Return')
        time.sleep(0.5)
        xdo('mousemove', 600, 700)
        captura_ventana(principal, os.path.join(trabajo, 'ventana.png'))

        numera(os.path.join(trabajo, 'ventana.png'), os.path.join(CARPETA, 'ventana.png'))
        subprocess.run(['convert', os.path.join(trabajo, 'cristal.png'), '-strip', '-define',
                        'png:exclude-chunks=date,time', os.path.join(CARPETA, 'cristal.png')], check=True)
    finally:
        for p in reversed(procesos):
            p.terminate()
            p.wait()
        shutil.rmtree(trabajo)


def lee_muestra(ruta):
    """The 401 intensities of a sample file (records 4 to 404, 4 bytes each)."""
    with open(ruta, 'rb') as f:
        datos = f.read()
    return list(struct.unpack('<401f', datos[12:12 + 4 * 401]))


def polvo_wolframio(programa):
    cif = os.path.join(CARPETA, 'wolframio.cif')
    with tempfile.TemporaryDirectory() as trabajo:
        muestra = os.path.join(trabajo, 'w.bin')
        lineas = subprocess.run([os.path.join(programa, 'varlek-muestra'), '--lineas', '--semilla', '7', cif, muestra],
                                capture_output=True, text=True, check=True).stdout.splitlines()
        puntos = lee_muestra(muestra)
    marcas = [(l.split()[0], float(l.split()[2])) for l in lineas[2:] if l.strip()]
    # The program's plot: 2 theta from 5 to 105, intensity 0 to 500 shown as 0 to 100.
    x0, y0, ancho, alto = 70, 40, 760, 300

    def punto(angulo, valor):
        return x0 + (angulo - 5) / 100 * ancho, y0 + alto - min(valor, 500) / 500 * alto

    o = ["fill #ffffc0", "stroke #808080", "stroke-width 1", f"rectangle {x0},{y0} {x0 + ancho},{y0 + alto}"]
    for angulo in range(5, 106, 10):
        x, _ = punto(angulo, 0)
        o += fig.linea(x, y0 + alto, x, y0 + alto - 6, 'black', 1)
        o += fig.texto(x - 9, y0 + alto + 20, str(angulo), 14, fig.LETRA_SANS, '#000080')
    for valor in range(0, 501, 100):
        _, y = punto(5, valor)
        o += fig.linea(x0, y, x0 + 6, y, 'black', 1)
        o += fig.texto(x0 - 32, y + 5, str(valor // 5), 14, fig.LETRA_SANS, '#000080')
    o += fig.texto(x0 + ancho / 2 - 70, y0 + alto + 42, 'Angulo de difracción', 15, fig.LETRA_SANS, '#000080')
    o += fig.texto(8, y0 - 14, 'I(U.A.)', 15, fig.LETRA_SANS, '#000080')
    curva = ' '.join('%.1f,%.1f' % punto(5 + i / 4, v) for i, v in enumerate(puntos))
    o += ["fill none", "stroke black", "stroke-width 1.5", "stroke-dasharray none", "polyline " + curva]
    for indices, angulo in marcas:
        i = round((angulo - 5) * 4)
        x, y = punto(angulo, max(puntos[max(0, i - 2):i + 3]))
        o += fig.texto(x - 14, y - 8, indices, 15, fig.LETRA, '#c00000')
    fig.dibuja('polvo_wolframio', 860, 400, o)


if __name__ == '__main__':
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    programa = os.path.abspath(sys.argv[1])
    polvo_wolframio(programa)
    capturas(programa)
