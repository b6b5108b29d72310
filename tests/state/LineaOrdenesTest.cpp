// The companions' command lines, read from the cases in casos/ordenes.txt,
// and their help.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "guide/LineaGuion.h"
#include "scan/LineaBarrido.h"
#include "spectrum/LineaFigura.h"
#include "spectrum/LineaMuestra.h"
#include "state/LineaVarlek.h"

namespace varlek {
namespace {

// The arguments of a case's line, after the program's name: words between
// single blanks, or between quotes ('' is an empty argument, ' 4' has a blank).
std::vector<std::string_view> Argumentos(std::string_view linea) {
  std::vector<std::string_view> argumentos;
  while (!linea.empty()) {
    const bool citado = linea[0] == '\'';
    const std::size_t fin = std::min(linea.find(citado ? '\'' : ' ', citado), linea.size());
    argumentos.push_back(citado ? linea.substr(1, fin - 1) : linea.substr(0, fin));
    linea.remove_prefix(std::min(linea.size(), fin + (citado ? 2 : 1)));
  }
  argumentos.erase(argumentos.begin());
  return argumentos;
}

template <class Orden>
std::string Resultado(const Lectura<Orden>& lectura, void (*escribe)(std::ostream&, const Orden&)) {
  if (!lectura.orden) return "! " + lectura.error;
  if (lectura.orden->ayuda) return "= ayuda";
  std::ostringstream texto;
  texto << "= ";
  escribe(texto, *lectura.orden);
  return texto.str();
}

void EscribeBarrido(std::ostream& o, const OrdenBarrido& b) {
  o << "a=" << b.a << " b=" << b.b << " angulo=" << b.angulo << " atomos=";
  for (int i = 0; i < b.numAtomos; ++i)
    o << (i ? ";" : "") << b.atomos[i].x << ',' << b.atomos[i].y << ',' << b.atomos[i].f;
  o << " lambda=" << b.lambda << " min=" << b.minimo << " max=" << b.maximo << " giro=" << b.giro
    << " fichero=" << b.fichero << (b.reflexiones ? " reflexiones" : "");
}

void EscribeMuestra(std::ostream& o, const OrdenMuestra& m) {
  o << "cif=" << m.cif << " salida=" << m.salida << " lambda=" << m.lambda << " semilla=";
  if (m.semilla) o << *m.semilla;
  o << " lineas=" << m.lineas;
}

void EscribeGuion(std::ostream& o, const guia::OrdenGuion& g) {
  const char* formatos[] = {"texto", "html", "pdf"};
  o << "entrada=" << g.entrada << " salida=" << g.salida << " formato=" << formatos[static_cast<int>(g.formato)];
}

void EscribeFigura(std::ostream& o, const OrdenFigura& f) {
  const char* formatos[] = {"svg", "png", "pdf", "csv"};
  o << "espectros=";
  for (std::size_t i = 0; i < f.espectros.size(); ++i) o << (i ? ";" : "") << f.espectros[i];
  o << " salida=" << f.salida << " formato=" << formatos[static_cast<int>(f.formato)] << " ppp=" << f.ppp
    << " marcas=" << f.marcas;
}

std::string Lee(std::string_view linea) {
  const auto argumentos = Argumentos(linea);
  if (linea.starts_with("varlek-barrido")) return Resultado(LeeLineaBarrido(argumentos), EscribeBarrido);
  if (linea.starts_with("varlek-muestra")) return Resultado(LeeLineaMuestra(argumentos), EscribeMuestra);
  if (linea.starts_with("varlek-figura")) return Resultado(LeeLineaFigura(argumentos), EscribeFigura);
  if (linea.starts_with("varlek-guion")) return Resultado(guia::LeeLineaGuion(argumentos), EscribeGuion);
  if (linea == "varlek" || linea.starts_with("varlek ")) {
    const char* peticiones[] = {"= ventana", "= ayuda", "= version"};
    return peticiones[static_cast<int>(LeePeticion(argumentos))];
  }
  return "programa desconocido";
}

TEST(LineaOrdenes, EveryCaseReadsAsExpected) {
  std::ifstream casos(VARLEK_CASOS "/ordenes.txt");
  ASSERT_TRUE(casos);
  int leidos = 0;
  for (std::string linea, esperado; std::getline(casos, linea);) {
    if (linea.empty() || linea[0] == '#') continue;
    ASSERT_TRUE(std::getline(casos, esperado)) << linea;
    EXPECT_EQ(Lee(linea), esperado) << linea;
    ++leidos;
  }
  EXPECT_GT(leidos, 40);
}

// Every line of every help fits 79 columns, with nothing after its last word.
TEST(LineaOrdenes, HelpFitsATerminal) {
  for (const Programa* programa :
       {&ProgramaBarrido(), &ProgramaMuestra(), &guia::ProgramaGuion(), &ProgramaVarlek(), &ProgramaFigura()}) {
    std::istringstream ayuda(TextoAyuda(*programa));
    int lineas = 0;
    for (std::string linea; std::getline(ayuda, linea); ++lineas) {
      const auto columnas = std::count_if(linea.begin(), linea.end(), [](char c) { return (c & 0xC0) != 0x80; });
      EXPECT_LE(columnas, 79) << linea;
      EXPECT_FALSE(!linea.empty() && linea.back() == ' ') << linea;
    }
    EXPECT_GT(lineas, 8) << programa->nombre;
  }
  // The last argument of a program that draws several spectra may repeat.
  EXPECT_NE(TextoAyuda(ProgramaFigura()).find(" ESPECTRO...\n"), std::string::npos);
}

}  // namespace
}  // namespace varlek
