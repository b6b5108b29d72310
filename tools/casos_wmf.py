#!/usr/bin/env python3
"""Writes the metafile cases of the guide's tests into tests/guide/casos/.

  formula.wmf    the formula "nλ = 2d senθ" with Times New Roman and Symbol runs,
                 as a formula editor writes it
  trazos.wmf     lines, a polyline, a polygon claiming more points than it holds,
                 a rectangle, objects deleted and their slots reused, null pens and
                 brushes, clipped text, an unknown record and a selection beyond
                 the object table
  no-es.wmf      the start of a PNG file: no metafile at all
  companero.rtf  a short chapter with a Symbol run, a table and the formula, for
                 the command-line companion

Run it from anywhere: python3 tools/casos_wmf.py
"""
import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import formulas  # noqa: E402

from formulas import (CREATEFONTINDIRECT, CREATEPENINDIRECT, DELETEOBJECT, LINETO, MOVETO, POLYLINE,  # noqa: E402
                      SELECTOBJECT, SETBKMODE, SETMAPMODE, SETTEXTALIGN, SETTEXTCOLOR, SETWINDOWEXT, SETWINDOWORG,
                      TEXTOUT)

# Records the guide's formulas never write.
CREATEBRUSHINDIRECT = 0x02FC
POLYGON = 0x0324
RECTANGLE = 0x041B
EXTTEXTOUT = 0x0A32
DESCONOCIDO = 0x1234

CASOS = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), 'tests', 'guide', 'casos')


def metafile(registros):
    """A 2400 by 480 twip placeable metafile with an eight-object table."""
    mf = formulas.Metafile()
    for funcion, palabras, datos in registros:
        mf.registro(funcion, *palabras, datos=datos)
    mf.objetos = 8
    return mf.bytes(2400, 480)


def ventana(x, y, ancho, alto):
    return [(SETMAPMODE, [8], b''), (SETWINDOWORG, [y, x], b''), (SETWINDOWEXT, [alto, ancho], b'')]


def fuente(alto, cara, juego=0):
    """Height, width, escapement, orientation, weight; italic to family (the charset fourth); the face."""
    return (CREATEFONTINDIRECT, [alto, 0, 0, 0, 400], bytes([0, 0, 0, juego, 0, 0, 0, 0]) + cara.ljust(32, b'\0'))


def selecciona(objeto):
    return (SELECTOBJECT, [objeto], b'')


def texto(x, y, cadena):
    relleno = b'\0' * (len(cadena) % 2)  # texts are padded to whole words
    return (TEXTOUT, [len(cadena)], cadena + relleno + struct.pack('<2h', y, x))


def formula():
    return metafile(ventana(0, 0, 2400, 480) + [
        fuente(-320, b'Times New Roman'), selecciona(0), fuente(-320, b'Symbol', 2),
        (SETTEXTALIGN, [24], b''), (SETBKMODE, [1], b''), (SETTEXTCOLOR, [0, 0], b''),
        texto(40, 300, b'n'), selecciona(1), texto(200, 300, b'l'), selecciona(0), texto(400, 300, b' = 2d sen'),
        selecciona(1), texto(1900, 300, b'q')])


def trazos():
    return metafile(ventana(10, 20, 100, -50) + [
        (CREATEPENINDIRECT, [0, 15, 0, 0x00FF, 0], b''),   # pen 0: red, 15 wide
        (CREATEBRUSHINDIRECT, [0, 0x0000, 0x00FF, 0], b''),  # brush 1: blue
        selecciona(0), selecciona(1),
        (MOVETO, [5, 1], b''), (LINETO, [7, 3], b''),  # move to (1,5), line to (3,7)
        (POLYLINE, [3, 0, 0, 10, 0, 10, 10], b''),      # polyline of three points
        (POLYGON, [99, 1, 2], b''),                    # polygon claiming more points than it holds
        (RECTANGLE, [40, 30, 20, 10], b''),              # rectangle: bottom, right, top, left
        (DELETEOBJECT, [0], b''),                           # pen 0 deleted; the next object takes slot 0
        (CREATEPENINDIRECT, [5, 0, 0, 0, 0], b''),               # a null pen
        (CREATEBRUSHINDIRECT, [1, 0, 0, 0], b''),                  # brush 2: a null brush
        selecciona(0), selecciona(2), (LINETO, [0, 0], b''),
        (EXTTEXTOUT, [8, 6, 2, 4, 1, 2, 3, 4], b'ab'),    # ext text out with a clipping rectangle
        texto(60, 70, b''),                                # an empty text
        (DESCONOCIDO, [1, 2, 3], b''),                     # unknown: skipped
        fuente(-100, b'Arial'), selecciona(9)])       # beyond the table: ignored


def main():
    os.makedirs(CASOS, exist_ok=True)
    bragg = formula()
    ficheros = {
        'formula.wmf': bragg,
        'trazos.wmf': trazos(),
        'no-es.wmf': b'\x89PNG\r\n\x1a\n' + bytes(12),
        'companero.rtf': (b'{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset2 Symbol;}}Bragg: {\\f1 l}\\par'
                          b'\\trowd\\cellx900\\cellx1800\\pard\\intbl h\\cell k\\cell\\row'
                          b'\\pard{\\pict\\wmetafile8\\picwgoal2400\\pichgoal480 ' + bragg.hex().encode() + b'}\\par}'),
    }
    for nombre, datos in ficheros.items():
        with open(os.path.join(CASOS, nombre), 'wb') as f:
            f.write(datos)


if __name__ == '__main__':
    main()
