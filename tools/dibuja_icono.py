#!/usr/bin/env python3
"""Draws the program's icon: the diffractometer's detector circle, the crystal
and a red diffracted beam, as an SVG, and renders it as PNG at the sizes of
the icon theme with rsvg-convert (Debian package librsvg2-bin).

Run from any folder: python3 tools/dibuja_icono.py (it writes into the project it belongs to).
"""
import math
import os
import subprocess

DATOS = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), 'data')

LADO = 48
TAMANOS = (16, 22, 24, 32, 48, 64, 128, 256)
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


if __name__ == '__main__':
    with open(os.path.join(DATOS, 'varlek.svg'), 'w') as f:
        f.write(svg())
    os.makedirs(os.path.join(DATOS, 'iconos'), exist_ok=True)
    for lado in TAMANOS:
        png = os.path.join(DATOS, 'iconos', f'varlek-{lado}.png')
        subprocess.run(['rsvg-convert', '-w', str(lado), '-h', str(lado), '-o', png, os.path.join(DATOS, 'varlek.svg')],
                       check=True)
