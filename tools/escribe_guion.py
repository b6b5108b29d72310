#!/usr/bin/env python3
"""Writes the three chapters of the practice's guide as RTF files in data/.

The text of each chapter is kept in tools/guion/<name>.txt in a light markup:

  = Title                 chapter title          == Section     === Subsection
  - item                  bullet paragraph        > a\\tb\\tc    indented line with tab stops
  | cell | cell |         table row (the first row of a block is the header)
  $ command line          a command typed in a terminal, on one line
  !figura name width_cm   a picture of tools/guion/name.png, centred, kept
                          on the page of its caption
  !formula name           a formula of tools/formulas.py, centred
  !pie text               a caption; one just before a table is its title
                          and stays on the page of the table
  other lines             body text; a blank line ends a paragraph

Inline: **bold**, __italic__, ^{superscript}, _{subscript}, \\t a tab. Greek
letters and mathematical signs are written as Unicode and come out as runs of
the Symbol font; accented letters as \\'hh of code page 1252. Braces and
backslashes outside that markup are refused: a chapter never shows them.
Run from any folder: python3 tools/escribe_guion.py (it writes into the project it belongs to).
"""
import os
import re
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import formulas  # noqa: E402

RAIZ = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FUENTES = os.path.join(RAIZ, 'tools', 'guion')
# The three chapters of the guide window, and the teacher's note, which the
# window does not show and which is installed with the documentation.
CAPITULOS = [('intro.txt', 'data/Intro.rtf'), ('programa.txt', 'data/Programa.rtf'),
             ('simula.txt', 'data/Simula.rtf'), ('profesor.txt', 'doc/Profesor.rtf')]

# Unicode characters drawn from the Symbol font, with their codes there.
SYMBOL = {
    'α': 0x61, 'β': 0x62, 'γ': 0x67, 'δ': 0x64, 'ε': 0x65, 'ζ': 0x7A, 'η': 0x68, 'θ': 0x71, 'κ': 0x6B,
    'λ': 0x6C, 'μ': 0x6D, 'ν': 0x6E, 'ξ': 0x78, 'π': 0x70, 'ρ': 0x72, 'σ': 0x73, 'τ': 0x74, 'φ': 0x66,
    'χ': 0x63, 'ψ': 0x79, 'ω': 0x77, 'Δ': 0x44, 'Σ': 0x53, 'Φ': 0x46, 'Ψ': 0x59, 'Ω': 0x57, 'Θ': 0x51,
    '−': 0x2D, '≈': 0xBB, '≤': 0xA3, '≥': 0xB3, '√': 0xD6, '→': 0xAE, '∞': 0xA5, '⊥': 0x5E, '∑': 0xE5,
    '≠': 0xB9, '∝': 0xB5, '′': 0xA2, '↔': 0xAB, '∙': 0xD7,
}

# The paragraph styles, each spelled once: its number, its name, the style of
# the paragraph that follows, and the formatting that the style sheet gives it
# and that every paragraph of the style repeats after \pard\plain\sN.
NORMAL = r"\ql\li0\ri0\sa120\widctlpar\f0\fs24"
ESTILOS = {
    'h1': (1, 'heading 1', 0, r"\qc\sb240\sa360\keepn\widctlpar\b\f1\fs36\cf2"),
    'h2': (2, 'heading 2', 0, r"\ql\sb360\sa120\keepn\widctlpar\b\f1\fs28\cf2"),
    'h3': (3, 'heading 3', 0, r"\ql\sb240\sa60\keepn\widctlpar\b\f1\fs24\cf2"),
    'lista': (4, 'Lista', 4, r"\ql\li720\fi-360\sa60\tx720\widctlpar\f0\fs24"),
    'pie': (5, 'Pie', 0, r"\qc\sa240\widctlpar\i\f0\fs20"),
    'tab': (6, 'Tabulado', 6, r"\ql\li720\sa0\tx2880\tx5040\tx7200\widctlpar\f0\fs24"),
    'texto': (7, 'Texto', 7, r"\qj\fi360\sa120\widctlpar\f0\fs24"),
    'orden': (8, 'Orden', 0, r"\ql\li720\sb60\sa60\widctlpar\f3\fs20"),
}

CABECERA = (
    r"{\rtf1\ansi\ansicpg1252\deff0\deflang3082"
    r"{\fonttbl{\f0\froman\fcharset0\fprq2 Times New Roman;}{\f1\fswiss\fcharset0\fprq2 Arial;}"
    r"{\f2\ftech\fcharset2\fprq2 Symbol;}{\f3\fmodern\fcharset0\fprq1 Courier New;}}"
    r"{\colortbl;\red0\green0\blue0;\red0\green0\blue128;\red192\green0\blue0;\red0\green96\blue0;"
    r"\red128\green128\blue128;}"
    r"{\stylesheet{" + NORMAL + r"\lang3082 \snext0 Normal;}" +
    ''.join(r"{\s%d%s\lang3082 \sbasedon0\snext%d %s;}" % (numero, formato, siguiente, nombre)
            for numero, nombre, siguiente, formato in ESTILOS.values()) + "}"
    r"{\info{\title Gu\'eda de la pr\'e1ctica}{\author Varlek}}"
    "\\paperw11906\\paperh16838\\margl1701\\margr1701\\margt1417\\margb1417\\viewkind4\\uc1\n")

PARRAFO = {clase: "\\pard\\plain\\s%d%s " % (numero, formato) for clase, (numero, _, _, formato) in ESTILOS.items()}
PARRAFO['centro'] = r"\pard\plain\qc\sb120\sa120\widctlpar\f0\fs24 "
CON_SIGUIENTE = '\\keepn '


def letras(cadena):
    """Plain text to RTF: escapes, code page 1252 and Symbol-font runs."""
    salida = []
    for c in cadena:
        if c in SYMBOL:
            salida.append("{\\f2 \\'%02x}" % SYMBOL[c])
        elif c in '\\{}':
            raise SystemExit(f'markup not understood: {c!r} in {cadena!r}')
        elif c == '\t':
            salida.append('\\tab ')
        elif c == '\u00a0':
            salida.append('\\~')
        elif ord(c) < 128:
            salida.append(c)
        else:
            try:
                b = c.encode('cp1252')
            except UnicodeEncodeError:
                raise SystemExit(f'character without a code: {c!r} in {cadena!r}')
            salida.append("\\'%02x" % b[0])
    return ''.join(salida)


MARCAS = re.compile(r'\*\*(.+?)\*\*|__(.+?)__|\^\{(.+?)\}|_\{(.+?)\}')


def en_linea(texto):
    """Inline markup to RTF; markup left half open is refused."""
    texto = texto.replace('\\t', '\t')
    resto = MARCAS.sub('', texto)
    for marca in ('**', '__', '{', '}', '\\'):
        if marca in resto:
            raise SystemExit(f'markup not understood: {marca!r} in {texto!r}')
    salida, pos = [], 0
    for m in MARCAS.finditer(texto):
        salida.append(letras(texto[pos:m.start()]))
        negrita, cursiva, sup, sub = m.groups()
        if negrita is not None:
            salida.append('{\\b ' + en_linea(negrita) + '}')
        elif cursiva is not None:
            salida.append('{\\i ' + en_linea(cursiva) + '}')
        elif sup is not None:
            salida.append('{\\super ' + en_linea(sup) + '}')
        else:
            salida.append('{\\sub ' + en_linea(sub) + '}')
        pos = m.end()
    salida.append(letras(texto[pos:]))
    return ''.join(salida)


def hexadecimal(datos):
    h = datos.hex()
    return '\n'.join(h[i:i + 128] for i in range(0, len(h), 128))


def png_tamano(datos):
    ancho, alto = struct.unpack('>II', datos[16:24])
    return ancho, alto


def figura(nombre, ancho_cm):
    with open(os.path.join(FUENTES, nombre + '.png'), 'rb') as f:
        datos = f.read()
    w, h = png_tamano(datos)
    meta_w = int(float(ancho_cm) * 567)
    meta_h = meta_w * h // w
    return (PARRAFO['centro'] + CON_SIGUIENTE + "{\\pict\\pngblip\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d\n%s}\\par\n"
            % (w, h, meta_w, meta_h, hexadecimal(datos)))


def objeto_ole(clase):
    """A short OLE 1 header that names the class; the display form is the result."""
    nombre = clase.encode('ascii') + b'\0'
    return struct.pack('<II', 0x0501, 2) + struct.pack('<I', len(nombre)) + nombre + struct.pack('<III', 0, 0, 0)


def formula(nombre, cajas):
    datos, ancho, alto = formulas.metafile(cajas[nombre])
    himetric_w, himetric_h = ancho * 2540 // 1440, alto * 2540 // 1440
    return (PARRAFO['centro'] +
            "{\\object\\objemb{\\*\\objclass Equation.3}\\objw%d\\objh%d{\\*\\objdata %s}"
            "{\\result{\\pict\\wmetafile8\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d\n%s}}}\\par\n"
            % (ancho, alto, objeto_ole('Equation.3').hex(), himetric_w, himetric_h, ancho, alto,
               hexadecimal(datos)))


def anchos_columnas(filas, total=7400):
    """Right edges of the columns: each is at least as wide as its longest
    word (the header's in bold), the rest shared by the longest cells."""
    columnas = max(len(f) for f in filas)

    def celdas(i):
        return [(f[i].strip() if i < len(f) else '', n == 0) for n, f in enumerate(filas)]

    def largo(texto):
        return len(MARCAS.sub(lambda m: next(g for g in m.groups() if g is not None), texto))

    minimos = [max(130 * largo(p) * (1.15 if cabecera else 1) + 220
                   for texto, cabecera in celdas(i) for p in (texto.split() or [''])) for i in range(columnas)]
    largos = [max(8, max(largo(t) for t, _ in celdas(i))) for i in range(columnas)]
    sobra = max(0, total - sum(minimos))
    bordes, x = [], 0
    for minimo, l in zip(minimos, largos):
        x += minimo + sobra * l / sum(largos)
        bordes.append(round(x))
    return bordes


def tabla(filas):
    columnas = max(len(f) for f in filas)
    bordes = anchos_columnas(filas)
    salida = []
    for n, fila in enumerate(filas):
        fila = fila + [''] * (columnas - len(fila))
        salida.append('\\trowd\\trgaph70\\trleft0\\trqc' + ('\\trhdr' if n == 0 else ''))
        for i in range(columnas):
            salida.append('\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10'
                          '\\clbrdrr\\brdrs\\brdrw10\\cellx%d' % bordes[i])
        salida.append('\n')
        for celda in fila:
            contenido = en_linea(celda.strip())
            if n == 0:
                contenido = '\\b ' + contenido
            salida.append('\\pard\\plain\\intbl\\qc\\f0\\fs22 %s\\cell ' % contenido)
        salida.append('\\row\n')
    salida.append('\\pard\\plain\\sa120\\f0\\fs24\\par\n')
    return ''.join(salida)


def capitulo(fuente):
    cajas = formulas.formulas()
    salida = [CABECERA]
    parrafo = []
    filas = []

    def cierra():
        if parrafo:
            texto = ' '.join(parrafo)
            # A paragraph that goes on after a displayed line starts without an indent.
            estilo = PARRAFO['texto'] if not texto[0].islower() else PARRAFO['texto'].replace('\\fi360', '\\fi0')
            salida.append(estilo + en_linea(texto) + '\\par\n')
            parrafo.clear()
        if filas:
            salida.append(tabla(filas))
            filas.clear()

    lineas = [l.rstrip() for l in fuente.splitlines()]
    for numero, linea in enumerate(lineas):
        if not linea or linea.startswith('%'):
            cierra()
            continue
        if linea.startswith('|'):
            if parrafo:
                cierra()
            filas.append([c for c in linea.strip('|').split('|')])
            continue
        if filas:
            cierra()
        for marca, clase in (('=== ', 'h3'), ('== ', 'h2'), ('= ', 'h1'), ('- ', 'lista'), ('> ', 'tab'),
                             ('!pie ', 'pie'), ('$ ', 'orden')):
            if linea.startswith(marca):
                cierra()
                texto = linea[len(marca):]
                estilo = PARRAFO[clase]
                if clase == 'lista':
                    texto = '\u2022\t' + texto
                elif clase == 'orden':
                    # Kept on one line: its blanks do not break.
                    texto = texto.replace(' ', '\u00a0')
                elif clase == 'pie' and numero + 1 < len(lineas) and lineas[numero + 1].startswith('|'):
                    estilo += CON_SIGUIENTE
                salida.append(estilo + en_linea(texto) + '\\par\n')
                break
        else:
            if linea.startswith('!figura '):
                cierra()
                _, nombre, ancho = linea.split()
                salida.append(figura(nombre, ancho))
            elif linea.startswith('!formula '):
                cierra()
                salida.append(formula(linea.split()[1], cajas))
            else:
                parrafo.append(linea.strip())
    cierra()
    salida.append('}\n')
    return ''.join(salida)


def titulos(fuente):
    """The headings of a chapter, as the test of the shipped chapters looks for them."""
    return [l.lstrip('= ').strip() for l in fuente.splitlines() if l.startswith('=')]


if __name__ == '__main__':
    for origen, destino in CAPITULOS:
        with open(os.path.join(FUENTES, origen), encoding='utf-8') as f:
            fuente = f.read()
        rtf = capitulo(fuente)
        os.makedirs(os.path.dirname(os.path.join(RAIZ, destino)), exist_ok=True)
        with open(os.path.join(RAIZ, destino), 'w', encoding='ascii', newline='\r\n') as f:
            f.write(rtf)
        sin_imagenes = re.sub(r'\{\\pict[^}]*\}', '', rtf)
        print(f'{destino}: {len(rtf.encode())} bytes, {len(sin_imagenes.encode())} without pictures')
        if '--titulos' in sys.argv:
            for t in titulos(fuente):
                print('   ', t)
