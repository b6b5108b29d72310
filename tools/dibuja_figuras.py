#!/usr/bin/env python3
"""Draws the figures of the practice's guide as PNG files in tools/guion/.

The figures are vector drawings described in ImageMagick's drawing language
(MVG) and rasterised by `convert`; the PNG files are committed, so writing
the chapters (tools/escribe_guion.py) needs nothing but Python.
Run from any folder: python3 tools/dibuja_figuras.py (it writes into the project it belongs to).
"""
import math
import os
import subprocess

CARPETA = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'guion')
LETRA = 'Liberation-Serif'
LETRA_CURSIVA = 'Liberation-Serif-Italic'
LETRA_SANS = 'Liberation-Sans'


def texto(x, y, cadena, tam=18, fuente=LETRA, color='black'):
    cadena = cadena.replace("'", "\\'")
    return [f"fill {color}", "stroke none", f"font {fuente}", f"font-size {tam}",
            f"text {x:.1f},{y:.1f} '{cadena}'"]


def linea(x1, y1, x2, y2, color='black', ancho=2, guiones=None):
    r = ["fill none", f"stroke {color}", f"stroke-width {ancho}"]
    r.append(f"stroke-dasharray {guiones}" if guiones else "stroke-dasharray none")
    r.append(f"line {x1:.1f},{y1:.1f} {x2:.1f},{y2:.1f}")
    return r


def flecha(x1, y1, x2, y2, color='black', ancho=2, punta=12):
    """A line with a filled arrow head at (x2, y2)."""
    r = linea(x1, y1, x2, y2, color, ancho)
    ang = math.atan2(y2 - y1, x2 - x1)
    p1 = (x2 - punta * math.cos(ang - 0.35), y2 - punta * math.sin(ang - 0.35))
    p2 = (x2 - punta * math.cos(ang + 0.35), y2 - punta * math.sin(ang + 0.35))
    r += [f"fill {color}", "stroke none",
          f"polygon {x2:.1f},{y2:.1f} {p1[0]:.1f},{p1[1]:.1f} {p2[0]:.1f},{p2[1]:.1f}"]
    return r


def arco(cx, cy, radio, desde, hasta, color='black', ancho=1.5):
    """Arc in degrees measured counter-clockwise on screen (y grows downwards)."""
    puntos = []
    for i in range(41):
        a = math.radians(desde + (hasta - desde) * i / 40)
        puntos.append(f"{cx + radio * math.cos(a):.1f},{cy - radio * math.sin(a):.1f}")
    return ["fill none", f"stroke {color}", f"stroke-width {ancho}", "stroke-dasharray none",
            "polyline " + " ".join(puntos)]


def circulo(cx, cy, radio, relleno='#4060c0', borde='black'):
    return [f"fill {relleno}", f"stroke {borde}", "stroke-width 1", "stroke-dasharray none",
            f"circle {cx:.1f},{cy:.1f} {cx + radio:.1f},{cy:.1f}"]


def dibuja(nombre, ancho, alto, ordenes):
    subprocess.run(['convert', '-size', f'{ancho}x{alto}', 'xc:white', '-draw', "\n".join(ordenes),
                    '-strip', '-define', 'png:exclude-chunks=date,time', '-depth', '8',
                    '-type', 'TrueColor', os.path.join(CARPETA, nombre + '.png')], check=True)


def difractometro():
    cx, cy, r = 330, 320, 230
    t = 24.0  # the crystal angle theta, in degrees
    o = []
    o += arco(cx, cy, r, 0, 180, '#404040', 2)
    for i in range(19):
        a = math.radians(10 * i)
        o += linea(cx + r * math.cos(a), cy - r * math.sin(a),
                   cx + (r + 10) * math.cos(a), cy - (r + 10) * math.sin(a), '#404040', 1.5)
    # X-ray tube and the incident beam
    o += ["fill #c8c8c8", "stroke black", "stroke-width 2", "stroke-dasharray none",
          f"rectangle 20,{cy - 18} 92,{cy + 18}"]
    o += flecha(92, cy, cx - 4, cy, '#c00000', 3)
    o += linea(cx, cy, cx + r - 6, cy, '#808080', 1.5, '8 6')
    # the crystal, turned by theta
    a = math.radians(t)
    ux, uy = math.cos(a), -math.sin(a)
    vx, vy = math.sin(a), math.cos(a)
    esquinas = [(cx + 60 * ux + 9 * vx, cy + 60 * uy + 9 * vy), (cx - 60 * ux + 9 * vx, cy - 60 * uy + 9 * vy),
                (cx - 60 * ux - 9 * vx, cy - 60 * uy - 9 * vy), (cx + 60 * ux - 9 * vx, cy + 60 * uy - 9 * vy)]
    o += ["fill #9fb8e8", "stroke black", "stroke-width 2", "stroke-dasharray none",
          "polygon " + " ".join(f"{x:.1f},{y:.1f}" for x, y in esquinas)]
    # the diffracted beam and the detector at 2 theta
    d = math.radians(2 * t)
    o += flecha(cx, cy, cx + (r - 26) * math.cos(d), cy - (r - 26) * math.sin(d), '#c00000', 3)
    dx, dy = cx + (r - 4) * math.cos(d), cy - (r - 4) * math.sin(d)
    px, py = math.cos(d), -math.sin(d)
    qx, qy = -py, px
    caja = [(dx - 12 * px + 20 * qx, dy - 12 * py + 20 * qy), (dx + 26 * px + 20 * qx, dy + 26 * py + 20 * qy),
            (dx + 26 * px - 20 * qx, dy + 26 * py - 20 * qy), (dx - 12 * px - 20 * qx, dy - 12 * py - 20 * qy)]
    o += ["fill #707070", "stroke black", "stroke-width 2", "stroke-dasharray none",
          "polygon " + " ".join(f"{x:.1f},{y:.1f}" for x, y in caja)]
    # the angles
    o += arco(cx, cy, 95, 0, t, 'black', 1.5)
    o += texto(cx + 100, cy - 12, 'θ', 24, LETRA_CURSIVA)
    o += arco(cx, cy, 150, 0, 2 * t, 'black', 1.5)
    o += texto(cx + 150 * math.cos(d / 2) + 6, cy - 150 * math.sin(d / 2) - 2, '2θ', 24, LETRA_CURSIVA)
    o += arco(cx, cy, 70, t, 2 * t, '#c00000', 1.5)
    o += texto(cx + 76 * math.cos(1.5 * a) - 2, cy - 76 * math.sin(1.5 * a) - 2, 'θ', 20, LETRA_CURSIVA, '#c00000')
    # labels
    o += texto(8, cy + 46, 'Fuente de rayos X', 17, LETRA_SANS)
    o += texto(cx - 70, cy + 52, 'Cristal (gira θ)', 17, LETRA_SANS)
    o += texto(dx - 10, dy - 40, 'Detector (gira 2θ)', 17, LETRA_SANS)
    o += texto(cx - 150, cy - r - 18, 'Círculo del detector', 17, LETRA_SANS, '#404040')
    dibuja('difractometro', 640, 400, o)


def red_familia():
    """An oblique lattice with the family of lines (2, 1) and its spacing."""
    a, b, g = 120.0, 96.0, math.radians(72)
    ox, oy = 230, 290
    av = (a, 0.0)
    bv = (b * math.cos(g), -b * math.sin(g))
    o = []

    def punto(u, v):
        return ox + u * av[0] + v * bv[0], oy + u * av[1] + v * bv[1]

    # family (2, 1): the lines 2u + v = n, drawn across the picture
    h, k = 2, 1
    for n in range(-8, 9):
        p1 = punto((n + 6) / h, -6)
        p2 = punto((n - 6) / h, 6)
        o += linea(p1[0], p1[1], p2[0], p2[1], '#d00000', 1.5)
    for u in range(-6, 7):
        for v in range(-6, 7):
            x, y = punto(u, v)
            if 14 < x < 626 and 14 < y < 446:
                o += circulo(x, y, 7)
    o += flecha(ox, oy, *punto(1, 0), 'black', 3)
    o += flecha(ox, oy, *punto(0, 1), 'black', 3)
    o += texto(ox + a / 2 - 6, oy + 26, 'a', 26, LETRA_CURSIVA)
    bx, by = punto(0, 0.55)
    o += texto(bx - 26, by, 'b', 26, LETRA_CURSIVA)
    o += arco(ox, oy, 24, 0, math.degrees(g), 'black', 1.5)
    o += texto(ox + 14, oy - 28, 'γ', 22, LETRA_CURSIVA)
    # the spacing: the foot of the perpendicular from the origin to line n = 1
    p1, p2 = punto(0.5, 0), punto(0, 1)
    ex, ey = p2[0] - p1[0], p2[1] - p1[1]
    t = ((ox - p1[0]) * ex + (oy - p1[1]) * ey) / (ex * ex + ey * ey)
    fx, fy = p1[0] + t * ex, p1[1] + t * ey
    o += flecha(ox, oy, fx, fy, '#006000', 2.5, 10)
    o += flecha(fx, fy, ox, oy, '#006000', 2.5, 10)
    mx, my = fx + 14, fy - 10
    o += ["fill white", "stroke none", f"rectangle {mx - 2:.1f},{my - 22:.1f} {mx + 34:.1f},{my + 10:.1f}"]
    o += texto(mx, my, 'd', 24, LETRA_CURSIVA, '#006000')
    o += texto(mx + 12, my + 6, '21', 16, LETRA, '#006000')
    # intercepts of the first line: a/2 and b/1
    o += ["fill white", "stroke none", "rectangle 440,400 632,440"]
    o += texto(446, 428, 'familia (2, 1)', 20, LETRA_SANS, '#d00000')
    dibuja('red_familia', 640, 450, o)


def bragg():
    """Two rows of atoms at spacing d with the rays that Bragg's law compares."""
    o = []
    y1, y2 = 150, 250
    t = math.radians(30)
    for y in (y1, y2):
        o += linea(30, y, 610, y, '#9090c0', 1)
        for i in range(9):
            o += circulo(60 + 65 * i, y, 9)
    # two parallel incident rays reflected at (320, y1) and (320, y2)
    for y, col in ((y1, '#c00000'), (y2, '#0050c0')):
        L = 200 if y == y1 else 200 + (y2 - y1) / math.sin(t)
        x0, yy0 = 320 - L * math.cos(t), y - L * math.sin(t)
        o += flecha(x0, yy0, 320 - 6 * math.cos(t), y - 6 * math.sin(t), col, 2.5)
        o += flecha(320, y, 320 + L * math.cos(t), y - L * math.sin(t), col, 2.5)
    # the extra path: the feet of the perpendiculars from the upper atom
    s, c = math.sin(t), math.cos(t)
    dd = (y2 - y1)
    pa = (320 - dd * s * c, y1 + dd * s * s)
    pb = (320 + dd * s * c, y1 + dd * s * s)
    o += linea(320, y1, pa[0], pa[1], '#006000', 1.5, '5 4')
    o += linea(320, y1, pb[0], pb[1], '#006000', 1.5, '5 4')
    o += linea(pa[0], pa[1], 320, y2, '#006000', 5)
    o += linea(320, y2, pb[0], pb[1], '#006000', 5)
    o += texto(pa[0] - 118, pa[1] + 34, 'd sen θ', 22, LETRA_CURSIVA, '#006000')
    o += texto(pb[0] + 14, pb[1] + 34, 'd sen θ', 22, LETRA_CURSIVA, '#006000')
    o += flecha(590, y1 + 50, 590, y1 + 2, 'black', 1.5, 9)
    o += flecha(590, y1 + 50, 590, y2 - 2, 'black', 1.5, 9)
    o += texto(600, y1 + 58, 'd', 24, LETRA_CURSIVA)
    o += arco(320, y1, 70, 150, 180, 'black', 1.5)
    o += texto(320 - 100, y1 - 8, 'θ', 22, LETRA_CURSIVA)
    o += arco(320, y1, 70, 0, 30, 'black', 1.5)
    o += texto(320 + 86, y1 - 8, 'θ', 22, LETRA_CURSIVA)
    dibuja('bragg', 640, 300, o)


def ewald():
    """The Ewald circle of a rectangular crystal's reciprocal lattice at the
    first-order peak of a family, and the radial line a theta-2theta scan
    runs along."""
    radio = 250.0                   # 1/lambda
    ox, oy = 470, 300               # the origin O of the reciprocal lattice
    cx, cy = ox - radio, oy         # the circle's centre: k runs from it to O
    ga, gb = 58.0, 80.0             # |a*| and |b*|
    g = 2 * gb                      # the point (0, 2) lies on the circle
    alfa = math.acos(-g / (2 * radio))  # its direction, counter-clockwise from +x
    bx, by = math.cos(alfa), math.sin(alfa)
    ax, ay = math.cos(alfa - math.pi / 2), math.sin(alfa - math.pi / 2)

    def punto(h, k):
        return ox + ga * h * ax + gb * k * bx, oy - (ga * h * ay + gb * k * by)

    o = arco(cx, cy, radio, 0, 360, '#808080', 1.5)
    px, py = punto(0, 4.6)
    qx, qy = punto(0, -0.6)
    o += linea(qx, qy, px, py, '#006000', 1.5, '8 6')
    for h in range(-6, 7):
        for k in range(-6, 7):
            x, y = punto(h, k)
            if 12 < x < 628 and 12 < y < 548:
                o += circulo(x, y, 4 if (h, k) != (0, 0) else 6, '#7890d8' if (h, k) != (0, 0) else 'black')
    gx, gy = punto(0, 2)
    o += flecha(cx, cy, ox - 8, oy, '#c00000', 3)
    o += flecha(cx, cy, gx + 6 * (cx - gx) / radio, gy + 6 * (cy - gy) / radio, '#c00000', 3)
    o += flecha(ox, oy, gx, gy, 'black', 3)
    o += circulo(gx, gy, 7, '#ffd000')
    o += texto(ox + 10, oy + 24, 'O', 22, LETRA)
    o += texto((cx + ox) / 2 - 6, oy + 26, 'k', 24, LETRA_CURSIVA, '#c00000')
    o += texto((cx + gx) / 2 - 26, (cy + gy) / 2 - 4, "k′", 24, LETRA_CURSIVA, '#c00000')
    o += texto((ox + gx) / 2 + 16, (oy + gy) / 2 + 16, 'q', 24, LETRA_CURSIVA)
    o += arco(cx, cy, 46, 0, math.degrees(math.atan2(cy - gy, gx - cx)), 'black', 1.5)
    o += linea(cx, cy, cx - radio * 0.7071, cy + radio * 0.7071, '#808080', 1, '4 4')
    lx, ly = punto(0, 3.2)
    rotulos = [(gx + 12, gy - 6, '(0, 2)', 18, LETRA_SANS, 'black'),
               (cx + 52, cy - 14, '2θ', 22, LETRA_CURSIVA, 'black'),
               (cx - radio * 0.35 - 44, cy + radio * 0.35, '1/λ', 20, LETRA_CURSIVA, '#404040'),
               (14, 540, 'Círculo de Ewald', 18, LETRA_SANS, '#404040'),
               (lx + 14, ly + 6, 'recta del barrido θ–2θ', 18, LETRA_SANS, '#006000')]
    for x, y, cadena, tam, letra, color in rotulos:
        o += ["fill white", "stroke none",
              f"rectangle {x - 3:.1f},{y - tam:.1f} {x + 0.55 * tam * len(cadena) + 3:.1f},{y + 5:.1f}"]
        o += texto(x, y, cadena, tam, letra, color)
    dibuja('ewald', 640, 560, o)


if __name__ == '__main__':
    os.makedirs(CARPETA, exist_ok=True)
    difractometro()
    red_familia()
    bragg()
    ewald()
