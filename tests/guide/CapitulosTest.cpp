// The three chapters the program ships, read as the guide window reads them:
// every heading of their source stands as a line of its own, and nothing of
// the RTF's machinery (control words, font names, embedded objects' data)
// shows in the text.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "guide/Capitulos.h"
#include "guide/LectorRtf.h"

namespace varlek::guia {
namespace {

TEST(Capitulos, EveryHeadingShowsAndNoMachineryLeaks) {
  const std::pair<const char*, const char*> capitulos[] = {
      {"Intro.rtf", "intro.txt"}, {"Programa.rtf", "programa.txt"}, {"Simula.rtf", "simula.txt"}};
  for (const auto& [rtf, fuente] : capitulos) {
    SCOPED_TRACE(rtf);
    const auto bytes = LeeBytes(RutaCapitulo(VARLEK_DATOS, rtf));
    ASSERT_TRUE(bytes);
    const std::string texto = std::string(1, '\n').append(TextoPlano(LeeRtf(*bytes)));
    std::ifstream origen(RutaCapitulo(VARLEK_FUENTES_GUION, fuente));
    int titulos = 0;
    for (std::string l; std::getline(origen, l);) {
      if (!l.starts_with("=")) continue;
      const std::string linea = std::string(1, '\n').append(l, l.find_first_not_of("= ")).append(1, '\n');
      EXPECT_NE(texto.find(linea), texto.npos) << l;
      ++titulos;
    }
    EXPECT_GT(titulos, 8);
    for (const char* fuga : {"\\", "objdata", "Equation", "Times New Roman", "Arial;", "Symbol;"})
      EXPECT_EQ(texto.find(fuga), std::string::npos) << fuga;
  }
}

}  // namespace
}  // namespace varlek::guia
