"""Formula pictures for the guide: a small box layout drawn as a Windows metafile.

Each formula is built from boxes (text runs, rows, fractions, roots, scripts),
laid out in twips and written as a placeable metafile that uses only these
records: SETMAPMODE, SETWINDOWORG, SETWINDOWEXT, CREATEFONTINDIRECT,
SELECTOBJECT, DELETEOBJECT, SETTEXTALIGN, SETBKMODE, SETTEXTCOLOR, TEXTOUT,
CREATEPENINDIRECT, MOVETO, LINETO, POLYLINE.
"""
import struct

EM = 240  # 12 pt in twips

# The metafile records written, by their function numbers.
SETBKMODE = 0x0102
SETMAPMODE = 0x0103
SELECTOBJECT = 0x012D
SETTEXTALIGN = 0x012E
DELETEOBJECT = 0x01F0
SETTEXTCOLOR = 0x0209
SETWINDOWORG = 0x020B
SETWINDOWEXT = 0x020C
LINETO = 0x0213
MOVETO = 0x0214
CREATEPENINDIRECT = 0x02FA
CREATEFONTINDIRECT = 0x02FB
POLYLINE = 0x0325
TEXTOUT = 0x0521
FIN = 0x0000  # the record that ends the metafile

# Approximate advance widths in ems of Times New Roman and Symbol.
ANCHOS_TIMES = {
    ' ': .25, '(': .333, ')': .333, '[': .333, ']': .333, ',': .25, '.': .25, '=': .564, '+': .564,
    '-': .333, '/': .278, '1': .5, '2': .5, 'i': .278, 'j': .278, 'l': .278, 'f': .333, 't': .278,
    'r': .333, 's': .389, 'm': .778, 'w': .722, 'I': .333, 'M': .889, 'N': .722, 'F': .611,
    'e': .444, 'c': .444, 'a': .444, 'x': .5, 'y': .5, 'k': .5, 'h': .5, 'n': .5, 'd': .5, 'o': .5,
}
ANCHOS_SYMBOL = {'q': .521, 'l': .549, 'p': .549, 'g': .411, 'y': .686, 'S': .592, '-': .549, '=': .549,
                 '+': .549, '\xd7': .25, ' ': .25, 'D': .612, 'f': .521}


class Caja:
    ancho = alto = fondo = 0  # width, ascent above and descent below the baseline

    def dibuja(self, mf, x, y):
        raise NotImplementedError


class Texto(Caja):
    """A run of text in one font; symbol=True takes Symbol-font codes."""

    def __init__(self, cadena, cursiva=False, symbol=False, escala=1.0):
        self.cadena, self.cursiva, self.symbol, self.escala = cadena, cursiva, symbol, escala
        tabla = ANCHOS_SYMBOL if symbol else ANCHOS_TIMES
        em = EM * escala
        self.ancho = int(sum(tabla.get(c, .5) for c in cadena) * em + (0.06 * em if cursiva else 0))
        self.alto, self.fondo = int(0.72 * em), int(0.24 * em)

    def dibuja(self, mf, x, y):
        mf.texto(x, y, self.cadena, int(EM * self.escala), self.cursiva, self.symbol)


class Fila(Caja):
    def __init__(self, *cajas, espacio=20):
        self.cajas, self.espacio = cajas, espacio
        self.ancho = sum(c.ancho for c in cajas) + espacio * (len(cajas) - 1)
        self.alto = max(c.alto for c in cajas)
        self.fondo = max(c.fondo for c in cajas)

    def dibuja(self, mf, x, y):
        for c in self.cajas:
            c.dibuja(mf, x, y)
            x += c.ancho + self.espacio


class Fraccion(Caja):
    EJE = 70  # height of the fraction bar above the baseline

    def __init__(self, arriba, abajo):
        self.arriba, self.abajo = arriba, abajo
        self.ancho = max(arriba.ancho, abajo.ancho) + 60
        self.alto = self.EJE + 40 + arriba.fondo + arriba.alto
        self.fondo = -self.EJE + 40 + abajo.alto + abajo.fondo

    def dibuja(self, mf, x, y):
        barra = y - self.EJE
        mf.linea([(x + 10, barra), (x + self.ancho - 10, barra)])
        self.arriba.dibuja(mf, x + (self.ancho - self.arriba.ancho) // 2, barra - 40 - self.arriba.fondo)
        self.abajo.dibuja(mf, x + (self.ancho - self.abajo.ancho) // 2, barra + 40 + self.abajo.alto)


class Raiz(Caja):
    def __init__(self, dentro):
        self.dentro = dentro
        self.ancho = dentro.ancho + 150
        self.alto = dentro.alto + 50
        self.fondo = dentro.fondo + 10

    def dibuja(self, mf, x, y):
        arriba, abajo = y - self.alto + 10, y + self.fondo
        mf.linea([(x + 10, y - 60), (x + 45, y - 85), (x + 90, abajo), (x + 125, arriba),
                  (x + self.ancho, arriba)])
        self.dentro.dibuja(mf, x + 135, y)


class Indices(Caja):
    """A base with a subscript, a superscript or both."""

    def __init__(self, base, abajo=None, arriba=None):
        self.base, self.sub, self.sup = base, abajo, arriba
        extra = max(c.ancho for c in (abajo, arriba) if c is not None)
        self.ancho = base.ancho + 15 + extra
        self.alto = max(base.alto, (arriba.alto + 110) if arriba else 0)
        self.fondo = max(base.fondo, (abajo.fondo + 70) if abajo else 0)

    def dibuja(self, mf, x, y):
        self.base.dibuja(mf, x, y)
        if self.sup is not None:
            self.sup.dibuja(mf, x + self.base.ancho + 15, y - 110)
        if self.sub is not None:
            self.sub.dibuja(mf, x + self.base.ancho + 15, y + 70)


class Metafile:
    def __init__(self):
        self.registros = []
        self.fuentes = {}
        self.objetos = 0

    def registro(self, funcion, *palabras, datos=b''):
        cuerpo = struct.pack('<%dh' % len(palabras), *palabras) + datos
        if len(cuerpo) % 2:
            cuerpo += b'\0'
        self.registros.append(struct.pack('<IH', 3 + len(cuerpo) // 2, funcion) + cuerpo)

    def crea_objeto(self):
        self.objetos += 1
        return self.objetos - 1

    def fuente(self, altura, cursiva, symbol):
        clave = (altura, cursiva, symbol)
        if clave not in self.fuentes:
            nombre = b'Symbol' if symbol else b'Times New Roman'
            logfont = struct.pack('<5h8B', -altura, 0, 0, 0, 400, int(cursiva), 0, 0,
                                  2 if symbol else 0, 0, 0, 2, 0x12)
            logfont += nombre + b'\0' * (32 - len(nombre))
            self.registro(CREATEFONTINDIRECT, datos=logfont)
            self.fuentes[clave] = self.crea_objeto()
        return self.fuentes[clave]

    def texto(self, x, y, cadena, altura, cursiva, symbol):
        self.registro(SELECTOBJECT, self.fuente(altura, cursiva, symbol))
        datos = cadena.encode('latin-1')
        if len(datos) % 2:
            datos += b'\0'
        self.registro(TEXTOUT, len(cadena), datos=datos + struct.pack('<2h', y, x))

    def linea(self, puntos):
        if len(puntos) == 2:
            (x1, y1), (x2, y2) = puntos
            self.registro(MOVETO, y1, x1)
            self.registro(LINETO, y2, x2)
        else:
            self.registro(POLYLINE, len(puntos), *[v for p in puntos for v in p])

    def bytes(self, ancho, alto):
        cabecera = struct.pack('<IHhhhhHI', 0x9AC6CDD7, 0, 0, 0, ancho, alto, 1440, 0)
        control = 0
        for (p,) in struct.iter_unpack('<H', cabecera):
            control ^= p
        cabecera += struct.pack('<H', control)
        cuerpo = b''.join(self.registros) + struct.pack('<IH', 3, FIN)
        maximo = max(len(r) // 2 for r in self.registros + [b'\0' * 6])
        inicio = struct.pack('<HHHIHIH', 1, 9, 0x0300, (18 + len(cuerpo)) // 2, self.objetos, maximo, 0)
        return cabecera + inicio + cuerpo


def metafile(caja, margen=60):
    """The placeable metafile of a formula, with its size in twips."""
    mf = Metafile()
    ancho = caja.ancho + 2 * margen
    alto = caja.alto + caja.fondo + 2 * margen
    mf.registro(SETMAPMODE, 8)  # MM_ANISOTROPIC
    mf.registro(SETWINDOWORG, 0, 0)
    mf.registro(SETWINDOWEXT, alto, ancho)
    mf.registro(SETBKMODE, 1)  # TRANSPARENT
    mf.registro(SETTEXTCOLOR, datos=struct.pack('<I', 0))  # black
    mf.registro(SETTEXTALIGN, 24)  # TA_BASELINE | TA_LEFT
    mf.registro(CREATEPENINDIRECT, 0, 14, 0, datos=struct.pack('<I', 0))  # solid black pen
    pluma = mf.crea_objeto()
    mf.registro(SELECTOBJECT, pluma)
    caja.dibuja(mf, margen, margen + caja.alto)
    for indice in range(mf.objetos):
        mf.registro(DELETEOBJECT, indice)
    return mf.bytes(ancho, alto), ancho, alto


# The formulas of the guide, by name.
def _t(c, cursiva=False, escala=1.0):
    return Texto(c, cursiva, False, escala)


def _s(c, escala=1.0):
    return Texto(c, False, True, escala)


def _var(c):
    return _t(c, True)


def _sub(base, indice):
    return Indices(base, abajo=_t(indice, True, .7))


def _sup(base, indice):
    return Indices(base, arriba=_t(indice, False, .7))


def formulas():
    sen_t = Fila(_t('sen'), _s('q'), espacio=40)
    bragg = Fila(_t('2'), _var('d'), sen_t, _s('='), _var('n'), _s('l'), espacio=45)

    # 1/d^2 = (1/sen^2 gamma) (h^2/a^2 + k^2/b^2 - 2hk cos gamma / (ab))
    uno_d2 = Fraccion(_t('1'), _sup(_sub(_var('d'), 'hk'), '2'))
    uno_sen = Fraccion(_t('1'), Fila(_sup(_t('sen'), '2'), _s('g'), espacio=30))
    h2 = Fraccion(_sup(_var('h'), '2'), _sup(_var('a'), '2'))
    k2 = Fraccion(_sup(_var('k'), '2'), _sup(_var('b'), '2'))
    cruz = Fraccion(Fila(_t('2'), _var('h'), _var('k'), _t('cos'), _s('g'), espacio=30),
                    Fila(_var('a'), _var('b'), espacio=10))
    espaciado = Fila(uno_d2, _s('='), uno_sen, _t('(', escala=2.2), h2, _s('+'), k2, _s('-'), cruz,
                     _t(')', escala=2.2), espacio=50)

    # F_hk = sum_j f_j exp[2 pi i (h x_j + k y_j)]
    suma = Indices(_s('S', 1.6), abajo=_t('j', True, .7))
    fase = Fila(_t('exp['), _t('2'), _s('p'), _var('i'), _t('('), _var('h'), _sub(_var('x'), 'j'), _s('+'),
                _var('k'), _sub(_var('y'), 'j'), _t(')]'), espacio=25)
    factor = Fila(_sub(_var('F'), 'hk'), _s('='), suma, _sub(_var('f'), 'j'), fase, espacio=45)

    # d_hk of a rectangular lattice, root form
    rectangular = Fila(_sub(_var('d'), 'hk'), _s('='),
                       Fraccion(_t('1'), Raiz(Fila(h2, _s('+'), k2, espacio=40))), espacio=45)

    # the cubic powder line: sen^2 theta = lambda^2 (h^2 + k^2 + l^2) / (4 a^2)
    cubica = Fila(Fila(_sup(_t('sen'), '2'), _s('q'), espacio=30), _s('='),
                  Fraccion(_sup(_s('l'), '2'), Fila(_t('4'), _sup(_var('a'), '2'), espacio=15)),
                  Fila(_t('('), _sup(_var('h'), '2'), _s('+'), _sup(_var('k'), '2'), _s('+'),
                       _sup(_var('l'), '2'), _t(')'), espacio=25), espacio=45)

    # the simulator: I = |sum f_j e^{i psi_j}| cos^2 2theta / p
    modelo = Fila(_var('I'), _s('='),
                  Fraccion(Fila(_t('|'), Indices(_s('S', 1.6), abajo=_t('j', True, .7)), _sub(_var('f'), 'j'),
                                Indices(_var('e'), arriba=Fila(_t('i', True, .7), _s('y', .7), espacio=8)),
                                _t('|'), espacio=25),
                           _var('p')),
                  Fila(_sup(_t('cos'), '2'), _t('2'), _s('q'), espacio=25), espacio=45)
    return {'bragg': bragg, 'espaciado': espaciado, 'factor': factor, 'rectangular': rectangular,
            'cubica': cubica, 'modelo': modelo}
