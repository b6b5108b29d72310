// The data-file reader on generated garbage: every input ends either in data
// or in error 62 or 6, and data that was read writes back into a file of 404
// lines that reads to the same values.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <variant>

#include "files/FicheroDatos.h"
#include "state/ErrorVarlek.h"

namespace varlek {
namespace {

void CompruebaLectura(const std::string& bytes) {
  DatosEspectro d;
  try {
    d = LeeDatos(bytes);
  } catch (const ErrorVarlek& e) {
    EXPECT_TRUE(e.Codigo() == codigo::FinDeFichero || e.Codigo() == codigo::Desbordamiento) << e.Codigo();
    return;
  }
  const std::string escrito = TextoDatos(d);
  EXPECT_EQ(std::count(escrito.begin(), escrito.end(), '\n'), 404);
  EXPECT_EQ(std::count(escrito.begin(), escrito.end(), '\r'), 404);
  EXPECT_EQ(TextoDatos(LeeDatos(escrito)), escrito);
}

TEST(LeeDatosBasura, RandomBytesMutatedFilesAndExtremeShapes) {
  std::mt19937 azar(20240601);
  auto hasta = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(azar); };
  // Mostly the bytes that steer the reader, sometimes any byte.
  auto byte = [&] {
    static const char kGuia[] = "0123456789.,-+EeDd \t\r\n\"#";
    return hasta(4) == 0 ? static_cast<char>(hasta(256)) : kGuia[hasta(sizeof kGuia - 1)];
  };
  auto aleatorio = [&](std::size_t largo) {
    std::string s(largo, '\0');
    for (char& c : s) c = byte();
    return s;
  };
  for (int n = 0; n < 1000; ++n) CompruebaLectura(aleatorio(hasta(3000)));

  DatosEspectro valido{std::string("Muestra 2"), 12.5, 87.25f, {}};
  for (int i = 0; i <= 400; ++i) valido.puntos[i] = static_cast<float>(i * i) / 7 - 100;
  // A valid file with a few edits (up to three bytes replaced by up to three others, or a span repeated), its
  // end sometimes cut off.
  for (int n = 0; n < 2500; ++n) {
    std::string s = TextoDatos(valido);
    for (std::size_t veces = 1 + hasta(4); veces > 0; --veces) {
      const std::size_t pos = hasta(s.size());
      s.replace(pos, hasta(4), hasta(4) ? aleatorio(hasta(4)) : s.substr(pos, hasta(64)));
    }
    if (hasta(5) == 0) s.resize(hasta(s.size()));
    CompruebaLectura(s);
  }

  // Huge lines, endless quotes, a million lines, invalid UTF-8, exponents beyond any range.
  const std::string resto = TextoDatos({}).substr(2);  // the lines after an empty header
  std::string millonDeLineas;
  for (int i = 0; i < 1000000; ++i) millonDeLineas += "1\n";
  const std::string largo = "\"" + std::string(200000, 'x') + "\"\r\n" + resto;
  for (const std::string& forma :
       {std::string(1 << 20, '7'), std::string(1 << 20, '"'), std::string(1 << 20, '\r'), millonDeLineas, largo,
        "\xC3\x28\xFF\xFE\xED\xA0\x80\r\n" + resto, "1E99999999999999999999\r\n-1E-99999999999" + resto.substr(1)})
    CompruebaLectura(forma);
  // The kept header is bounded whatever its length in the file.
  EXPECT_EQ(std::get<std::string>(LeeDatos(largo).cabecera), std::string(64 * 1024, 'x'));
  EXPECT_EQ(LeeDatos(millonDeLineas).puntos[400], 1.0f);
}

}  // namespace
}  // namespace varlek
