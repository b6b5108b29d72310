// The guide's readers: the chapter reader and the metafile reader on the
// cases of tests/guide/casos (each .rtf and .wmf beside the dump of what it
// reads to), the chapters the program ships and the teacher's note, and the
// command-line companion.

#include <array>
#include <regex>

#include "apoyo/Comun.h"
#include "crystal/CristalesProblema.h"
#include "guide/Capitulos.h"
#include "guide/LectorRtf.h"
#include "guide/Metarchivo.h"

namespace varlek::guia {
namespace {

namespace fs = std::filesystem;
using prueba::Ejecuta;
using prueba::Salida;

// Names of the kinds, as the control words that set them.
constexpr const char* kAlineaciones[] = {"", " qc", " qr", " qj"};  // rows: trqc, trqr
constexpr const char* kTabuladores[] = {"", "tqc ", "tqr ", "tqdec "};
constexpr const char* kImagenes[] = {"png", "jpeg", "wmf", "emf", "otra"};

// A run's text with what does not show escaped, as C would write it.
std::string Citado(std::string_view texto) {
  std::string s = "\"";
  for (char c : texto)
    s += c == '\t' ? "\\t" : c == '\n' ? "\\n" : c == '"' ? "\\\"" : c == '\\' ? "\\\\" : std::string(1, c);
  return s + '"';
}

// Each block, run and picture a line, with what differs from the defaults by
// the RTF control word that sets it; a picture's bytes by their count, first
// bytes and a checksum; then the document as plain text.
void Vuelca(const Parrafo& p, const std::string& sangria, std::ostream& s) {
  const FormatoParrafo& f = p.formato;
  s << sangria << "par" << (p.saltoPaginaAntes ? " page" : "");
  for (const auto& [palabra, valor] : {std::pair{"li", f.sangriaIzquierda},
                                       {"ri", f.sangriaDerecha},
                                       {"fi", f.primeraLinea},
                                       {"sb", f.espacioAntes},
                                       {"sa", f.espacioDespues},
                                       {"sl", f.interlineado}})
    if (valor != 0) s << ' ' << palabra << valor;
  s << kAlineaciones[static_cast<int>(f.alineacion)];
  if (f.conSiguiente) s << " keepn";
  for (const Tabulador& t : f.tabuladores) s << ' ' << kTabuladores[static_cast<int>(t.tipo)] << "tx" << t.posicion;
  s << '\n';
  for (const Tramo& t : p.tramos) {
    const FormatoCaracter& c = t.formato;
    s << sangria << "  " << (t.imagen ? "pict" : Citado(t.texto));
    if (!c.fuente.empty()) s << " \"" << c.fuente << '"';
    if (c.medioPuntos != 24) s << " fs" << c.medioPuntos;
    for (const auto& [palabra, activo] : {std::pair{" b", c.negrita},
                                          {" i", c.cursiva},
                                          {" ul", c.subrayado},
                                          {" super", c.superindice},
                                          {" sub", c.subindice}})
      if (activo) s << palabra;
    if (c.desplazamiento != 0) s << " up" << c.desplazamiento;
    if (c.color) s << " cf" << +c.color->r << ',' << +c.color->g << ',' << +c.color->b;
    if (t.imagen) {
      const Imagen& im = *t.imagen;
      std::uint32_t suma = 2166136261u;  // FNV-1a
      for (std::uint8_t b : im.datos) suma = (suma ^ b) * 16777619u;
      s << ' ' << kImagenes[static_cast<int>(im.tipo)] << ' ' << im.anchoTw << 'x' << im.altoTw << ' '
        << im.datos.size() << " bytes" << std::hex;
      for (std::size_t i = 0; i < std::min<std::size_t>(im.datos.size(), 8); ++i) s << ' ' << +im.datos[i];
      s << " suma " << suma << std::dec;
    }
    s << '\n';
  }
}

std::string Vuelca(const Documento& d) {
  std::ostringstream s;
  for (const Bloque& b : d.bloques) {
    if (const auto* p = std::get_if<Parrafo>(&b)) {
      Vuelca(*p, "", s);
      continue;
    }
    s << "tabla\n";
    for (const Fila& fila : std::get<Cuadro>(b).filas) {
      s << "  row" << kAlineaciones[static_cast<int>(fila.alineacion)];
      if (fila.cabecera) s << " trhdr";
      for (int borde : fila.bordesDerechos) s << " cellx" << borde;
      s << "\n";
      for (const Celda& celda : fila.celdas) {
        s << "    cell\n";
        for (const Parrafo& p : celda.parrafos) Vuelca(p, "      ", s);
      }
    }
  }
  s << "texto " << Citado(TextoPlano(d)) << '\n';
  return s.str();
}

TEST(LectorRtf, StoredCases) {
  for (const auto& caso : prueba::Casos("guide/casos", ".rtf")) {
    EXPECT_TRUE(prueba::ComoVolcado(Vuelca(LeeRtf(prueba::LeeFichero(caso))), caso));
  }
  // The deepest groups are read up to a cap and their text dropped.
  const std::string hondo = "{\\rtf1 " + std::string(1000000, '{') + "x" + std::string(1000000, '}') + "y}";
  EXPECT_EQ(TextoPlano(LeeRtf(hondo)), "y\n");
}

// A preset's length as a number standing on its own, with a decimal point or
// comma; a whole one only where it is a length ("= 6", "6 Å").
std::regex ComoLongitud(double valor) {
  std::string numero = (std::ostringstream() << valor).str();
  if (const auto punto = numero.find('.'); punto != std::string::npos) {
    numero.replace(punto, 1, "[.,]");
    return std::regex("(^|[^0-9.,])" + numero + "([^0-9]|[.,](?![0-9])|$)");
  }
  return std::regex("= " + numero + "([^0-9.,]|$)|(^|[^0-9.,])" + numero + " Å");
}

// What was found, with the text just before it.
std::string Contexto(const std::smatch& m) {
  const std::string antes = m.prefix().str();
  return "«" + m.str() + "» after «" + antes.substr(antes.size() - std::min<std::size_t>(antes.size(), 60)) + "»";
}

// The chapters the program ships and the teacher's note, read as the guide
// window reads them: every heading of their source stands as a line of its
// own; nothing of the RTF's machinery (braces, control words, font names,
// embedded objects' data) shows in the text; and no lattice parameter of a
// problem crystal appears in them, since the students can read them all.
TEST(Capitulos, HeadingsShowAndNeitherMachineryNorAnswersLeak) {
  const std::pair<const char*, const char*> capitulos[] = {{"Intro.rtf", "intro.txt"},
                                                           {"Programa.rtf", "programa.txt"},
                                                           {"Simula.rtf", "simula.txt"},
                                                           {"../doc/Profesor.rtf", "profesor.txt"}};
  const std::regex maquinaria(R"([{}\\]|\b(pard|plain|trowd|intbl|keepn|widctlpar|fs[0-9]+|cellx[0-9]+)\b)");
  for (const auto& [rtf, fuente] : capitulos) {
    SCOPED_TRACE(rtf);
    const auto bytes = LeeBytes(RutaCapitulo(VARLEK_DATOS, rtf));
    ASSERT_TRUE(bytes);
    const std::string texto = std::string(1, '\n').append(TextoPlano(LeeRtf(*bytes)));
    std::istringstream origen(prueba::LeeFichero(RutaCapitulo(VARLEK_FUENTES_GUION, fuente)));
    int titulos = 0;
    for (std::string l; std::getline(origen, l);) {
      if (!l.starts_with("=")) continue;
      const std::string linea = std::string(1, '\n').append(l, l.find_first_not_of("= ")).append(1, '\n');
      EXPECT_NE(texto.find(linea), texto.npos) << l;
      ++titulos;
    }
    EXPECT_GT(titulos, 8);
    std::smatch fuga;
    EXPECT_FALSE(std::regex_search(texto, fuga, maquinaria)) << Contexto(fuga);
    for (const char* nombre : {"objdata", "Equation", "Times New Roman", "Arial;", "Symbol;"})
      EXPECT_EQ(texto.find(nombre), std::string::npos) << nombre;
    for (int n = 1; n <= 5; ++n) {
      for (const double longitud : {CristalProblemaN(n).AVec, CristalProblemaN(n).BVec}) {
        EXPECT_FALSE(std::regex_search(texto, fuga, ComoLongitud(longitud)))
            << "Cristal " << n << ": " << Contexto(fuga);
      }
    }
  }
}

// The command-line companion: text by default, HTML with its pictures, PDF;
// 1 when a file cannot be read or written, 2 for a wrong command line.
TEST(VarlekGuion, ConvertsAChapter) {
  prueba::CarpetaTemporal dir;
  const std::string guion = VARLEK_GUION " ",
                    entrada = (fs::path(VARLEK_FUENTES_PRUEBAS) / "guide/casos/companero.rtf").string() + " ";
  EXPECT_EQ(Ejecuta(guion + entrada), (Salida{0, "Bragg: λ\nh\tk\n\n"}));
  for (const char* formato : {"html", "pdf"})
    EXPECT_EQ(Ejecuta(guion + entrada + "-o " + (dir / "c.").string() + formato).codigo, 0) << formato;
  EXPECT_NE(prueba::LeeFichero(dir / "c.html").find("src=\"data:image/png;base64,"), std::string::npos);
  EXPECT_TRUE(prueba::LeeFichero(dir / "c.pdf").starts_with("%PDF-"));
  for (const auto& [argumentos, codigo] : {std::pair{(dir / "no-existe.rtf ").string(), 1},
                                           {entrada + "-o " + (dir / "no/existe.pdf").string(), 1},
                                           {entrada + "-x", 2}})
    EXPECT_EQ(Ejecuta(guion + argumentos).codigo, codigo) << argumentos;
  const Salida ayuda = Ejecuta(guion + "--help");
  EXPECT_EQ(ayuda.codigo, 0);
  EXPECT_FALSE(ayuda.texto.empty());
}

std::vector<std::uint8_t> Bytes(const fs::path& ruta) {
  const std::string b = prueba::LeeFichero(ruta);
  return {b.begin(), b.end()};
}

std::ostream& operator<<(std::ostream& s, ColorRgb c) { return s << +c.r << ',' << +c.g << ',' << +c.b; }

std::string Vuelca(const std::optional<Metarchivo>& m) {
  if (!m) return "ninguno\n";
  std::ostringstream s;
  if (m->marco)
    s << "marco " << m->marco->x << ' ' << m->marco->y << ' ' << m->marco->ancho << ' ' << m->marco->alto << " a "
      << m->unidadesPulgada << " la pulgada\n";
  for (const DibujoWmf& d : m->dibujos) {
    s << std::array{"linea", "poligono", "rectangulo", "texto"}[static_cast<int>(d.tipo)] << " ventana " << d.ventana.x
      << ' ' << d.ventana.y << ' ' << d.ventana.ancho << ' ' << d.ventana.alto;
    for (const PuntoWmf& p : d.puntos) s << " (" << p.x << ',' << p.y << ')';
    if (d.tipo == TipoDibujoWmf::Texto) {
      s << " \"" << d.texto << "\" \"" << d.fuente.cara << "\" alto " << d.fuente.alto << " peso " << d.fuente.peso
        << (d.fuente.cursiva ? " cursiva" : "") << " juego " << d.fuente.juego << " color " << d.colorTexto
        << " alineacion " << d.alineacion;
    } else {
      if (d.lapiz.visible) s << " lapiz " << d.lapiz.color << " ancho " << d.lapiz.ancho;
      s << (d.lapiz.visible ? "" : " sin lapiz");
      if (d.brocha.visible) s << " brocha " << d.brocha.color;
      s << (d.brocha.visible ? "" : " sin brocha");
    }
    s << '\n';
  }
  return s.str();
}

// Whole, each case as its dump says; cut anywhere, a formula keeps the
// records before the cut and nothing more.
TEST(Metarchivo, StoredCasesAndCutFormulas) {
  for (const auto& caso : prueba::Casos("guide/casos", ".wmf"))
    EXPECT_TRUE(prueba::ComoVolcado(Vuelca(LeeMetarchivo(Bytes(caso))), caso));
  const std::vector<std::uint8_t> entero = Bytes(fs::path(VARLEK_FUENTES_PRUEBAS) / "guide/casos/formula.wmf");
  std::size_t anteriores = 0;
  for (std::size_t n = 40; n <= entero.size(); ++n) {
    const auto m = LeeMetarchivo(std::span(entero).first(n));
    ASSERT_TRUE(m) << n;
    EXPECT_GE(m->dibujos.size(), anteriores) << n;
    anteriores = m->dibujos.size();
  }
  EXPECT_EQ(anteriores, 4u);
}

}  // namespace
}  // namespace varlek::guia
