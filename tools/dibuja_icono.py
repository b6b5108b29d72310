#!/usr/bin/env python3
"""Draws the program's icon: the diffractometer's detector circle, the crystal
and a red diffracted beam, as an SVG and as a 48 x 48 PNG of the same drawing.

Run from any folder: python3 tools/dibuja_icono.py (it writes into the project it belongs to).
"""
import math
import os
import struct
import zlib

DATOS = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), 'data')

LADO = 48
FONDO = (255, 224, 192)
AZUL = (0, 0, 128)
ROJO = (220, 0, 0)
NEGRO = (0, 0, 0)
CENTRO = (24.0, 34.0)
RADIO = 19.0
HAZ = math.radians(35)


def svg():
    cx, cy = CENTRO
    x1, y1 = cx - RADIO, cy
    x2, y2 = cx + RADIO, cy
    hx, hy = cx + (RADIO - 2) * math.cos(HAZ), cy - (RADIO - 2) * math.sin(HAZ)
    return f'''<svg xmlns="http://www.w3.org/2000/svg" width="{LADO}" height="{LADO}" viewBox="0 0 {LADO} {LADO}">
  <rect x="1" y="1" width="46" height="46" rx="6" fill="rgb{FONDO}" stroke="rgb{AZUL}" stroke-width="2"/>
  <path d="M {x1:.2f} {y1:.2f} A {RADIO} {RADIO} 0 0 1 {x2:.2f} {y2:.2f}" fill="none" stroke="rgb{NEGRO}" stroke-width="2"/>
  <line x1="4" y1="{cy}" x2="{cx}" y2="{cy}" stroke="rgb{NEGRO}" stroke-width="1.5" stroke-dasharray="2 2"/>
  <line x1="{cx}" y1="{cy}" x2="{hx:.2f}" y2="{hy:.2f}" stroke="rgb{ROJO}" stroke-width="2.5"/>
  <rect x="{cx - 4}" y="{cy - 4}" width="8" height="8" fill="rgb{AZUL}" transform="rotate(-17.5 {cx} {cy})"/>
</svg>
'''


def png():
    px = [[FONDO for _ in range(LADO)] for _ in range(LADO)]

    def punto(x, y, color, grosor=1.0):
        r = int(math.ceil(grosor))
        for dx in range(-r, r + 1):
            for dy in range(-r, r + 1):
                xi, yi = int(round(x)) + dx, int(round(y)) + dy
                if 0 <= xi < LADO and 0 <= yi < LADO and math.hypot(xi - x, yi - y) <= grosor:
                    px[yi][xi] = color

    def linea(x1, y1, x2, y2, color, grosor=1.0, punteada=False):
        pasos = int(max(abs(x2 - x1), abs(y2 - y1)) * 4) + 1
        for i in range(pasos + 1):
            t = i / pasos
            if punteada and int(t * math.hypot(x2 - x1, y2 - y1) / 2) % 2:
                continue
            punto(x1 + (x2 - x1) * t, y1 + (y2 - y1) * t, color, grosor)

    for i in range(LADO):  # the frame
        for j in (0, 1, LADO - 2, LADO - 1):
            px[i][j] = px[j][i] = AZUL
    cx, cy = CENTRO
    for i in range(361):
        a = math.pi * i / 360
        punto(cx + RADIO * math.cos(a), cy - RADIO * math.sin(a), NEGRO, 0.9)
    linea(4, cy, cx, cy, NEGRO, 0.6, punteada=True)
    linea(cx, cy, cx + (RADIO - 2) * math.cos(HAZ), cy - (RADIO - 2) * math.sin(HAZ), ROJO, 1.2)
    giro = math.radians(17.5)
    for u in range(-8, 9):
        for v in range(-8, 9):
            x, y = u / 2, v / 2
            punto(cx + x * math.cos(giro) - y * math.sin(giro), cy - x * math.sin(giro) - y * math.cos(giro), AZUL, 0.5)

    filas = b''.join(b'\x00' + bytes(c for p in fila for c in p) for fila in px)
    def trozo(tipo, datos):
        return struct.pack('>I', len(datos)) + tipo + datos + struct.pack('>I', zlib.crc32(tipo + datos) & 0xffffffff)
    return (b'\x89PNG\r\n\x1a\n' + trozo(b'IHDR', struct.pack('>IIBBBBB', LADO, LADO, 8, 2, 0, 0, 0)) +
            trozo(b'IDAT', zlib.compress(filas, 9)) + trozo(b'IEND', b''))


if __name__ == '__main__':
    with open(os.path.join(DATOS, 'varlek.svg'), 'w') as f:
        f.write(svg())
    with open(os.path.join(DATOS, 'varlek.png'), 'wb') as f:
        f.write(png())
