// The chapters the program ships and the teacher's note, read as the guide
// window reads them: every heading of their source stands as a line of its
// own; nothing of the RTF's machinery (braces, control words, font names,
// embedded objects' data) shows in the text; and no lattice parameter of a
// problem crystal appears in them, since the students can read them all.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "crystal/CristalesProblema.h"
#include "guide/Capitulos.h"
#include "guide/LectorRtf.h"

namespace varlek::guia {
namespace {

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
    std::ifstream origen(RutaCapitulo(VARLEK_FUENTES_GUION, fuente));
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

}  // namespace
}  // namespace varlek::guia
