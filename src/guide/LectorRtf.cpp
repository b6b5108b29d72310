#include "guide/LectorRtf.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "guide/CodigosPagina.h"
#include "guide/TokenizadorRtf.h"

namespace varlek::guia {

namespace {

// Caps that keep a hostile file from growing the model without end.
constexpr std::size_t kProfundidadMaxima = 500;  // nested groups
constexpr std::size_t kBytesImagenMaximos = 64u << 20;
constexpr std::size_t kTabuladoresMaximos = 64;  // per paragraph
constexpr std::size_t kCeldasMaximas = 256;      // \cellx per row
constexpr std::size_t kLargoNombreFuente = 256;  // bytes
constexpr std::size_t kEntradasMaximas = 4096;   // fonts, and colours
constexpr int kTwipsMaximos = 1000000;           // any length or size

// Where the text of a group goes.
enum class Destino {
  Texto,
  Ignorar,
  Fuentes,
  Colores,
  Imagen,
  Objeto,  // an embedded object: only its \result is shown
};

struct EstadoGrupo {
  Destino destino = Destino::Texto;
  FormatoCaracter caracter;
  int fuente = -1;       // index in the font table; -1 for the default font
  int saltoUnicode = 1;  // \uc
  bool oculto = false;   // \v
  FormatoParrafo parrafo;
  bool enTabla = false;
  TipoTab siguienteTab = TipoTab::Izquierda;
  bool inicioImagen = false;  // this group is the \pict itself
};

// Destinations whose text is never shown.
constexpr std::string_view kIgnorados[] = {
    "info",
    "stylesheet",
    "header",
    "headerl",
    "headerr",
    "headerf",
    "footer",
    "footerl",
    "footerr",
    "footerf",
    "footnote",
    "nonshppict",
    "fldinst",
    "listtable",
    "listoverridetable",
    "revtbl",
    "rsidtbl",
    "xe",
    "tc",
    "objdata",
    "themedata",
    "datastore",
    "colorschememapping",
    "latentstyles",
    "pgdsctbl",
    "filetbl",
    "generator",
    "xmlnstbl",
    "annotation",
    "atnid",
    "atnauthor",
    "template",
    "bkmkstart",
    "bkmkend",
    "objclass",
    "objname",
    "fontemb",
    "fontfile",
    "docvar",
    "userprops",
    "pnseclvl",
    "pn",
    "keywords",
    "private",
};

bool EsIgnorado(std::string_view nombre) {
  return std::find(std::begin(kIgnorados), std::end(kIgnorados), nombre) != std::end(kIgnorados);
}

int ValorOr(const Token& t, int siFalta) { return t.conParametro ? t.parametro : siFalta; }

struct Fuente {
  std::string nombre;
  int juego = 0;   // \fcharset
  int pagina = 0;  // \cpg, or the page of the charset
};

// The font table: {\fN\froman\fcharsetC Name;} or the same without the braces.
struct TablaFuentes {
  std::map<int, Fuente> fuentes;
  int porDefecto = 0;  // \deff
  int actual = -1;     // the entry being read, -1 between entries
  Fuente nueva;

  void Palabra(const Token& t) {
    if (t.nombre == "f") {
      if (actual >= 0) Termina();
      actual = ValorOr(t, 0);
      nueva = {};
    } else if (t.nombre == "fcharset") {
      nueva.juego = ValorOr(t, 0);
    } else if (t.nombre == "cpg") {
      nueva.pagina = ValorOr(t, 0);
    }
  }

  void Byte(std::uint8_t byte, int paginaDocumento) {
    if (actual < 0) return;
    if (byte == ';') {
      Termina();
    } else if (nueva.nombre.size() < kLargoNombreFuente) {
      AnadeUtf8(nueva.nombre, Caracter(paginaDocumento, byte));
    }
  }

  void Termina() {
    std::string& nombre = nueva.nombre;
    while (!nombre.empty() && nombre.back() == ' ') nombre.pop_back();
    while (!nombre.empty() && nombre.front() == ' ') nombre.erase(nombre.begin());
    if (nueva.pagina == 0 || nueva.juego == 2) nueva.pagina = PaginaDeJuego(nueva.juego);
    if (nombre == "Symbol") nueva.pagina = kPaginaSimbolo;
    if (fuentes.size() < kEntradasMaximas || fuentes.count(actual)) fuentes[actual] = nueva;
    actual = -1;
  }

  // The font `indice` names, or the default one for -1.
  const Fuente* De(int indice) const {
    const auto it = fuentes.find(indice >= 0 ? indice : porDefecto);
    return it == fuentes.end() ? nullptr : &it->second;
  }
};

// The colour table: entries \redR\greenG\blueB; an empty one is the default colour.
struct TablaColores {
  std::vector<std::optional<ColorRgb>> colores;
  ColorRgb actual;
  bool definido = false;

  void Palabra(const Token& t) {
    const auto componente = static_cast<std::uint8_t>(std::clamp(ValorOr(t, 0), 0, 255));
    if (t.nombre == "red")
      actual.r = componente;
    else if (t.nombre == "green")
      actual.g = componente;
    else if (t.nombre == "blue")
      actual.b = componente;
    else
      return;
    definido = true;
  }

  void Byte(std::uint8_t byte) {
    if (byte != ';') return;
    if (colores.size() < kEntradasMaximas) colores.push_back(definido ? std::optional(actual) : std::nullopt);
    actual = {};
    definido = false;
  }

  std::optional<ColorRgb> De(int indice) const {
    return indice >= 0 && static_cast<std::size_t>(indice) < colores.size() ? colores[indice] : std::nullopt;
  }
};

// A \pict group being read: its kind, sizes and bytes.
struct ImagenLeida {
  Imagen imagen;
  int mitadHex = -1;  // the first digit of a hex pair, -1 when none
  int anchoMeta = 0, altoMeta = 0, anchoObjetivo = 0, altoObjetivo = 0, escalaX = 100, escalaY = 100;

  void Palabra(const Token& t) {
    const std::string_view p = t.nombre;
    const int v = ValorOr(t, 0);
    if (p == "pngblip")
      imagen.tipo = TipoImagen::Png;
    else if (p == "jpegblip")
      imagen.tipo = TipoImagen::Jpeg;
    else if (p == "wmetafile")
      imagen.tipo = TipoImagen::Wmf;
    else if (p == "emfblip")
      imagen.tipo = TipoImagen::Emf;
    else if (p == "macpict" || p == "pmmetafile" || p == "dibitmap" || p == "wbitmap")
      imagen.tipo = TipoImagen::Otra;
    else if (p == "picw")
      anchoMeta = v;
    else if (p == "pich")
      altoMeta = v;
    else if (p == "picwgoal")
      anchoObjetivo = v;
    else if (p == "pichgoal")
      altoObjetivo = v;
    else if (p == "picscalex")
      escalaX = v;
    else if (p == "picscaley")
      escalaY = v;
  }

  void AnadeBytes(std::span<const std::uint8_t> datos) {
    auto& bytes = imagen.datos;
    const std::size_t caben = kBytesImagenMaximos - std::min(kBytesImagenMaximos, bytes.size());
    bytes.insert(bytes.end(), datos.begin(), datos.begin() + std::min(caben, datos.size()));
  }

  void AnadeHex(std::uint8_t c) {
    int valor = -1;
    if (c >= '0' && c <= '9')
      valor = c - '0';
    else if (c >= 'a' && c <= 'f')
      valor = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      valor = c - 'A' + 10;
    if (valor < 0) return;  // blanks and stray characters between the digits
    if (mitadHex < 0) {
      mitadHex = valor;
      return;
    }
    if (imagen.datos.size() < kBytesImagenMaximos)
      imagen.datos.push_back(static_cast<std::uint8_t>(mitadHex * 16 + valor));
    mitadHex = -1;
  }

  // The picture with the size it is shown at.
  Imagen Termina() {
    // Metafiles give their size in hundredths of a millimetre, bitmaps in pixels.
    const bool metarchivo = imagen.tipo == TipoImagen::Wmf || imagen.tipo == TipoImagen::Emf;
    const auto aTwips = [&](int medida) {
      const long long v = metarchivo ? medida * 1440LL / 2540 : medida * 15LL;
      return static_cast<int>(std::clamp<long long>(v, 0, kTwipsMaximos));
    };
    const auto escala = [](int tw, int porcentaje) {
      if (porcentaje <= 0) return tw;
      return static_cast<int>(std::clamp<long long>(static_cast<long long>(tw) * porcentaje / 100, 0, kTwipsMaximos));
    };
    const int ancho = anchoObjetivo > 0 ? std::min(anchoObjetivo, kTwipsMaximos) : aTwips(anchoMeta);
    const int alto = altoObjetivo > 0 ? std::min(altoObjetivo, kTwipsMaximos) : aTwips(altoMeta);
    imagen.anchoTw = escala(ancho, escalaX);
    imagen.altoTw = escala(alto, escalaY);
    return std::move(imagen);
  }
};

class Lector {
 public:
  explicit Lector(std::span<const std::uint8_t> bytes) : tokens_(bytes) { pila_.emplace_back(); }

  Documento Lee() {
    for (Token t = tokens_.Siguiente(); t.tipo != TipoToken::Fin; t = tokens_.Siguiente()) Trata(t);
    // A truncated file keeps what it held.
    if (!parrafo_.tramos.empty()) TerminaParrafo();
    if (!celda_.parrafos.empty()) TerminaCelda();
    if (!fila_.celdas.empty()) TerminaFila();
    return std::move(documento_);
  }

 private:
  EstadoGrupo& Grupo() { return pila_.back(); }

  void Trata(const Token& t) {
    if (excesoProfundidad_ > 0) {
      if (t.tipo == TipoToken::AbreGrupo) ++excesoProfundidad_;
      if (t.tipo == TipoToken::CierraGrupo) --excesoProfundidad_;
      return;
    }
    const bool primero = primeroDelGrupo_;
    primeroDelGrupo_ = false;
    const bool asterisco = asterisco_;
    asterisco_ = false;
    if (t.tipo == TipoToken::AbreGrupo) {
      saltoPendiente_ = 0;
      if (pila_.size() >= kProfundidadMaxima) {
        excesoProfundidad_ = 1;
        return;
      }
      pila_.push_back(pila_.back());
      Grupo().inicioImagen = false;
      primeroDelGrupo_ = true;
      return;
    }
    if (t.tipo == TipoToken::CierraGrupo) {
      saltoPendiente_ = 0;
      CierraGrupo();
      return;
    }
    if (t.tipo == TipoToken::Simbolo && t.simbolo == '*') {
      asterisco_ = true;
      primeroDelGrupo_ = primero;
      return;
    }
    if (saltoPendiente_ > 0) {
      SaltaRespaldo(t);
      return;
    }
    switch (t.tipo) {
      case TipoToken::Palabra:
        if (primero && TrataDestino(t.nombre, asterisco)) return;
        if (asterisco) {
          Grupo().destino = Destino::Ignorar;  // an unknown \* destination
          return;
        }
        TrataPalabra(t);
        return;
      case TipoToken::Simbolo:
        TrataSimbolo(t.simbolo);
        return;
      case TipoToken::Hex:
        TrataByte(t.byte);
        return;
      case TipoToken::Texto:
        TrataTexto(t.nombre);
        return;
      default:
        return;
    }
  }

  // The characters after \uN that stand for it in readers without Unicode.
  void SaltaRespaldo(const Token& t) {
    if (t.tipo == TipoToken::Texto) {
      const std::size_t saltados = std::min<std::size_t>(saltoPendiente_, t.nombre.size());
      saltoPendiente_ -= static_cast<int>(saltados);
      TrataTexto(t.nombre.substr(saltados));
      return;
    }
    if (t.tipo == TipoToken::Palabra && t.nombre == "bin" && t.parametro > 0) tokens_.Binario(t.parametro);
    --saltoPendiente_;
  }

  bool TrataDestino(std::string_view nombre, bool asterisco) {
    EstadoGrupo& g = Grupo();
    if (g.destino == Destino::Ignorar) return true;
    if (nombre == "result" && g.destino == Destino::Objeto) {
      g.destino = Destino::Texto;
      return true;
    }
    if (g.destino != Destino::Texto) return false;
    if (nombre == "fonttbl") {
      g.destino = Destino::Fuentes;
    } else if (nombre == "colortbl") {
      g.destino = Destino::Colores;
      colores_ = {};
    } else if (nombre == "pict") {
      g.destino = Destino::Imagen;
      g.inicioImagen = true;
      imagen_ = {};
    } else if (nombre == "object") {
      g.destino = Destino::Objeto;
    } else if (nombre == "shppict" || nombre == "fldrslt" || nombre == "listtext" || nombre == "pntext") {
      // Shown like the text around them.
    } else if (asterisco || EsIgnorado(nombre)) {
      g.destino = Destino::Ignorar;
    } else {
      return false;
    }
    return true;
  }

  void CierraGrupo() {
    if (pila_.size() <= 1) return;  // an unbalanced closing brace
    const EstadoGrupo cerrado = pila_.back();
    pila_.pop_back();
    if (cerrado.destino == Destino::Fuentes && fuentes_.actual >= 0) fuentes_.Termina();
    if (cerrado.inicioImagen && Grupo().destino == Destino::Texto) TerminaImagen(cerrado);
  }

  void TrataPalabra(const Token& t) {
    const std::string_view p = t.nombre;
    EstadoGrupo& g = Grupo();
    if (p == "bin") {
      const auto datos = tokens_.Binario(t.parametro > 0 ? t.parametro : 0);
      if (g.destino == Destino::Imagen) imagen_.AnadeBytes(datos);
      return;
    }
    switch (g.destino) {
      case Destino::Fuentes:
        fuentes_.Palabra(t);
        return;
      case Destino::Colores:
        colores_.Palabra(t);
        return;
      case Destino::Imagen:
        imagen_.Palabra(t);
        return;
      case Destino::Ignorar:
      case Destino::Objeto:
        return;
      default:
        break;
    }
    // Document.
    if (p == "ansicpg") {
      paginaDocumento_ = ValorOr(t, 1252);
    } else if (p == "ansi") {
      paginaDocumento_ = 1252;
    } else if (p == "mac") {
      paginaDocumento_ = 10000;
    } else if (p == "pc") {
      paginaDocumento_ = 437;
    } else if (p == "pca") {
      paginaDocumento_ = 850;
    } else if (p == "deff") {
      fuentes_.porDefecto = ValorOr(t, 0);
    } else if (p == "uc") {
      g.saltoUnicode = std::clamp(ValorOr(t, 1), 0, 10);
    } else if (p == "u") {
      AnadeUnicode(t.parametro);
      saltoPendiente_ = g.saltoUnicode;
    } else if (!TrataFormatoCaracter(t) && !TrataFormatoParrafo(t)) {
      TrataEspecial(p);
    }
  }

  bool TrataFormatoCaracter(const Token& t) {
    const std::string_view p = t.nombre;
    FormatoCaracter& c = Grupo().caracter;
    const bool activo = ValorOr(t, 1) != 0;
    if (p == "plain") {
      c = {};
      Grupo().fuente = -1;
      Grupo().oculto = false;
    } else if (p == "b") {
      c.negrita = activo;
    } else if (p == "i") {
      c.cursiva = activo;
    } else if (p == "ul" || p == "ulw" || p == "uld" || p == "uldb" || p == "ulth" || p == "uldash") {
      c.subrayado = activo;
    } else if (p == "ulnone") {
      c.subrayado = false;
    } else if (p == "super") {
      c.superindice = true;
      c.subindice = false;
    } else if (p == "sub") {
      c.subindice = true;
      c.superindice = false;
    } else if (p == "nosupersub") {
      c.superindice = c.subindice = false;
    } else if (p == "up") {
      c.desplazamiento = ValorOr(t, 6);
    } else if (p == "dn") {
      c.desplazamiento = -ValorOr(t, 6);
    } else if (p == "fs") {
      c.medioPuntos = std::clamp(ValorOr(t, 24), 2, 3276);
    } else if (p == "f") {
      Grupo().fuente = ValorOr(t, 0);
    } else if (p == "cf") {
      c.color = colores_.De(ValorOr(t, 0));
    } else if (p == "v") {
      Grupo().oculto = activo;
    } else {
      return false;
    }
    return true;
  }

  bool TrataFormatoParrafo(const Token& t) {
    const std::string_view p = t.nombre;
    EstadoGrupo& g = Grupo();
    FormatoParrafo& f = g.parrafo;
    const int v = std::clamp(ValorOr(t, 0), -kTwipsMaximos, kTwipsMaximos);
    if (p == "pard") {
      f = {};
      g.enTabla = false;
    } else if (p == "li" || p == "lin") {
      f.sangriaIzquierda = v;
    } else if (p == "ri" || p == "rin") {
      f.sangriaDerecha = v;
    } else if (p == "fi") {
      f.primeraLinea = v;
    } else if (p == "sb") {
      f.espacioAntes = v;
    } else if (p == "sa") {
      f.espacioDespues = v;
    } else if (p == "sl") {
      f.interlineado = v;
    } else if (p == "ql") {
      f.alineacion = Alineacion::Izquierda;
    } else if (p == "qc") {
      f.alineacion = Alineacion::Centro;
    } else if (p == "qr") {
      f.alineacion = Alineacion::Derecha;
    } else if (p == "qj") {
      f.alineacion = Alineacion::Justificada;
    } else if (p == "tqr") {
      g.siguienteTab = TipoTab::Derecha;
    } else if (p == "tqc") {
      g.siguienteTab = TipoTab::Centro;
    } else if (p == "tqdec") {
      g.siguienteTab = TipoTab::Decimal;
    } else if (p == "tx" || p == "tb") {
      if (f.tabuladores.size() < kTabuladoresMaximos) f.tabuladores.push_back({v, g.siguienteTab});
      g.siguienteTab = TipoTab::Izquierda;
    } else if (p == "keepn") {
      f.conSiguiente = ValorOr(t, 1) != 0;
    } else if (p == "intbl") {
      g.enTabla = true;
    } else if (p == "trowd") {
      bordes_.clear();
      alineacionFila_ = Alineacion::Izquierda;
      cabeceraFila_ = false;
    } else if (p == "trhdr") {
      cabeceraFila_ = true;
    } else if (p == "trql" || p == "trqc" || p == "trqr") {
      alineacionFila_ = p == "trqc" ? Alineacion::Centro : p == "trqr" ? Alineacion::Derecha : Alineacion::Izquierda;
    } else if (p == "cellx") {
      if (bordes_.size() < kCeldasMaximas) bordes_.push_back(v);
    } else {
      return false;
    }
    return true;
  }

  void TrataEspecial(std::string_view p) {
    static const std::map<std::string_view, char32_t> kCaracteres = {
        {"tab", U'\t'},     {"line", 0x2028},    {"emdash", 0x2014},    {"endash", 0x2013},
        {"lquote", 0x2018}, {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
        {"bullet", 0x2022}, {"emspace", 0x2003}, {"enspace", 0x2002},   {"qmspace", 0x2005},
    };
    if (p == "par" || p == "sect") {
      TerminaParrafo();
    } else if (p == "page") {
      if (!parrafo_.tramos.empty()) TerminaParrafo();
      saltoPagina_ = true;
    } else if (p == "cell" || p == "nestcell") {
      TerminaCelda();
    } else if (p == "row" || p == "nestrow") {
      TerminaFila();
    } else if (auto it = kCaracteres.find(p); it != kCaracteres.end()) {
      AnadeCaracter(it->second);
    }
  }

  void TrataSimbolo(char s) {
    switch (s) {
      case '\\':
      case '{':
      case '}':
        TrataByte(static_cast<std::uint8_t>(s));
        return;
      case '~':
        AnadeCaracter(0x00A0);
        return;
      case '_':
        AnadeCaracter(0x2011);
        return;
      case '\t':
        AnadeCaracter(U'\t');
        return;
      default:
        return;  // \- \: \| and unknown symbols show nothing
    }
  }

  void TerminaImagen(const EstadoGrupo& grupo) {
    Tramo tramo;
    tramo.formato = FormatoActual(grupo);
    tramo.imagen = imagen_.Termina();
    parrafo_.tramos.push_back(std::move(tramo));
    imagen_ = {};
  }

  void TrataByte(std::uint8_t byte) {
    EstadoGrupo& g = Grupo();
    switch (g.destino) {
      case Destino::Texto:
        AnadeCaracter(Caracter(PaginaActual(), byte));
        return;
      case Destino::Imagen:
        imagen_.AnadeHex(byte);
        return;
      case Destino::Fuentes:
        fuentes_.Byte(byte, paginaDocumento_);
        return;
      case Destino::Colores:
        colores_.Byte(byte);
        return;
      default:
        return;
    }
  }

  // A run of text bytes: decoded at once in the text, byte by byte elsewhere.
  void TrataTexto(std::string_view texto) {
    if (Grupo().destino != Destino::Texto) {
      for (char c : texto) TrataByte(static_cast<std::uint8_t>(c));
      return;
    }
    const int pagina = PaginaActual();
    std::string utf8;
    for (char c : texto) AnadeUtf8(utf8, Caracter(pagina, static_cast<std::uint8_t>(c)));
    AnadeUtf8Texto(utf8);
  }

  int PaginaActual() {
    const Fuente* f = fuentes_.De(Grupo().fuente);
    return f != nullptr && f->pagina != 0 ? f->pagina : paginaDocumento_;
  }

  FormatoCaracter FormatoActual(const EstadoGrupo& g) const {
    FormatoCaracter f = g.caracter;
    if (const Fuente* fuente = fuentes_.De(g.fuente)) f.fuente = fuente->nombre;
    return f;
  }

  void AnadeUnicode(int valor) {
    char32_t c = static_cast<char32_t>(valor < 0 ? valor + 65536 : valor) & 0xFFFF;
    if (c >= 0xD800 && c <= 0xDBFF) {
      altoSustituto_ = c;
      return;
    }
    if (c >= 0xDC00 && c <= 0xDFFF && altoSustituto_ != 0) {
      c = 0x10000 + ((altoSustituto_ - 0xD800) << 10) + (c - 0xDC00);
    } else if (c >= 0xF020 && c <= 0xF0FF) {
      c = CaracterSimbolo(c);
    } else if (PaginaActual() == kPaginaSimbolo && c >= 0x20 && c <= 0xFF) {
      c = CaracterSimbolo(c);
    }
    altoSustituto_ = 0;
    AnadeCaracter(c);
  }

  void AnadeCaracter(char32_t c) {
    if (c == 0) return;
    std::string utf8;
    AnadeUtf8(utf8, c);
    AnadeUtf8Texto(utf8);
  }

  void AnadeUtf8Texto(const std::string& utf8) {
    const EstadoGrupo& g = Grupo();
    if (g.destino != Destino::Texto || g.oculto || utf8.empty()) return;
    FormatoCaracter formato = FormatoActual(g);
    if (parrafo_.tramos.empty() || parrafo_.tramos.back().imagen || !(parrafo_.tramos.back().formato == formato)) {
      parrafo_.tramos.push_back({std::move(formato), {}, std::nullopt});
    }
    parrafo_.tramos.back().texto += utf8;
  }

  void TerminaParrafo() {
    parrafo_.formato = Grupo().parrafo;
    parrafo_.saltoPaginaAntes = saltoPagina_;
    saltoPagina_ = false;
    if (Grupo().enTabla) {
      celda_.parrafos.push_back(std::move(parrafo_));
    } else {
      if (!fila_.celdas.empty() || !celda_.parrafos.empty()) TerminaFila();
      tablaAbierta_ = false;
      documento_.bloques.emplace_back(std::move(parrafo_));
    }
    parrafo_ = {};
  }

  void TerminaCelda() {
    parrafo_.formato = Grupo().parrafo;
    celda_.parrafos.push_back(std::move(parrafo_));
    parrafo_ = {};
    fila_.celdas.push_back(std::move(celda_));
    celda_ = {};
  }

  void TerminaFila() {
    if (!celda_.parrafos.empty()) {
      fila_.celdas.push_back(std::move(celda_));
      celda_ = {};
    }
    fila_.bordesDerechos = bordes_;
    fila_.alineacion = alineacionFila_;
    fila_.cabecera = cabeceraFila_;
    if (!tablaAbierta_ || documento_.bloques.empty() || !std::holds_alternative<Cuadro>(documento_.bloques.back())) {
      documento_.bloques.emplace_back(Cuadro{});
    }
    std::get<Cuadro>(documento_.bloques.back()).filas.push_back(std::move(fila_));
    fila_ = {};
    tablaAbierta_ = true;
  }

  TokenizadorRtf tokens_;
  std::vector<EstadoGrupo> pila_;
  std::size_t excesoProfundidad_ = 0;
  bool primeroDelGrupo_ = false;
  bool asterisco_ = false;
  int saltoPendiente_ = 0;
  char32_t altoSustituto_ = 0;

  int paginaDocumento_ = 1252;
  TablaFuentes fuentes_;
  TablaColores colores_;
  ImagenLeida imagen_;

  Documento documento_;
  Parrafo parrafo_;
  bool saltoPagina_ = false;
  Celda celda_;
  Fila fila_;
  std::vector<int> bordes_;
  Alineacion alineacionFila_ = Alineacion::Izquierda;
  bool cabeceraFila_ = false;
  bool tablaAbierta_ = false;
};

}  // namespace

Documento LeeRtf(std::span<const std::uint8_t> bytes) { return Lector(bytes).Lee(); }

Documento LeeRtf(std::string_view texto) {
  return LeeRtf(std::span(reinterpret_cast<const std::uint8_t*>(texto.data()), texto.size()));
}

}  // namespace varlek::guia
