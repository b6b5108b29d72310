#!/usr/bin/env python3
"""Draws the six toolbar bitmaps of the program (16 x 16, 24 bits).

Light grey (192, 192, 192) is the colour the toolbar treats as transparent.
Run from any folder: python3 tools/dibuja_imagenes.py (it writes into the project it belongs to).
"""
import os
import struct

DATOS = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), 'data')

G = (192, 192, 192)
COLORES = {
    '.': G, 'k': (0, 0, 0), 'w': (255, 255, 255), 'y': (255, 255, 0), 'o': (128, 128, 0),
    'b': (0, 0, 128), 'B': (0, 0, 255), 'r': (255, 0, 0), 'R': (128, 0, 0), 'g': (0, 128, 0),
    'G': (0, 255, 0), 'd': (128, 128, 128), 'c': (0, 128, 128),
}

IMAGENES = {
    'open.bmp': [
        "................",
        "................",
        "..........kkk...",
        ".........k...k.k",
        "..............kk",
        ".kkk.........kkk",
        "kyyykkkkkkk.....",
        "kywyyyyyyyk.....",
        "kwykkkkkkkkkkk..",
        "kyykoooooooooook",
        "kwkoooooooooook.",
        "kykoooooooooook.",
        "kkoooooooooook..",
        "kkkkkkkkkkkkk...",
        "................",
        "................"],
    'save.bmp': [
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kbkwwwwwwwwkbk.",
        ".kbkwwwwwwwwkbk.",
        ".kbkwwwwwwwwkbk.",
        ".kbkwwwwwwwwkbk.",
        ".kbkwwwwwwwwkbk.",
        ".kbbkkkkkkkkbbk.",
        ".kbbbbbbbbbbbbk.",
        ".kbbkkkkkkkkbbk.",
        ".kbbkddkkkkkbbk.",
        ".kbbkddkkkkkbbk.",
        ".kbbkddkkkkkbbk.",
        "..kkkkkkkkkkkkk.",
        "................",
        "................"],
    'lanzar.bmp': [
        "................",
        "....kk..........",
        "....kGkk........",
        "....kGGGkk......",
        "....kGGGGGkk....",
        "....kGGGGGGGkk..",
        "....kGGGGGGGGGk.",
        "....kgggggggggk.",
        "....kgggggggkk..",
        "....kgggggkk....",
        "....kgggkk......",
        "....kgkk........",
        "....kk..........",
        "................",
        "................",
        "................"],
    'param.bmp': [
        "................",
        "..k.....k.....k.",
        "..k.....k.....k.",
        ".rrr....k.....k.",
        ".rrr....k.....k.",
        "..k.....k....BBB",
        "..k.....k....BBB",
        "..k....ggg....k.",
        "..k....ggg....k.",
        "..k.....k.....k.",
        "..k.....k.....k.",
        "..k.....k.....k.",
        "..k.....k.....k.",
        "..k.....k.....k.",
        "................",
        "................"],
    'cristal.bmp': [
        "................",
        ".BB...BB...BB...",
        ".BB...BB...BB...",
        "..d....d....d...",
        "...d....d....d..",
        "....BB...BB...BB",
        "....BB...BB...BB",
        "...d....d....d..",
        "..d....d....d...",
        ".BB...BB...BB...",
        ".BB...BB...BB...",
        "..d....d....d...",
        "...d....d....d..",
        "....BB...BB...BB",
        "....BB...BB...BB",
        "................"],
    'parar.bmp': [
        "................",
        "................",
        "...kkkkkkkkkk...",
        "...krrrrrrrrk...",
        "...krrrrrrrrk...",
        "...krrrrrrrrk...",
        "...krrrrrrrrk...",
        "...krrrrrrrrk...",
        "...krrrrrrrrk...",
        "...krrrrrrrrk...",
        "...krrrrrrrrk...",
        "...kRRRRRRRRk...",
        "...kkkkkkkkkk...",
        "................",
        "................",
        "................"],
}


def escribe_bmp(ruta, filas):
    alto, ancho = len(filas), len(filas[0])
    relleno = (4 - (ancho * 3) % 4) % 4
    datos = bytearray()
    for fila in reversed(filas):  # BMP rows go from the bottom up
        for c in fila:
            r, g, b = COLORES[c]
            datos += bytes((b, g, r))
        datos += bytes(relleno)
    cabecera = struct.pack('<2sIHHI', b'BM', 54 + len(datos), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, ancho, alto, 1, 24, 0, len(datos), 3780, 3780, 0, 0)
    with open(ruta, 'wb') as f:
        f.write(cabecera + info + datos)


if __name__ == '__main__':
    for nombre, filas in IMAGENES.items():
        assert len(filas) == 16 and all(len(f) == 16 for f in filas), nombre
        escribe_bmp(os.path.join(DATOS, nombre), filas)
