// The data-file reader on generated garbage: every input ends either in data
// or in error 62 or 6, and data that was read writes back into a file of 404
// lines that reads to the same values.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <variant>

#include "files/FicheroDatos.h"
#include "state/ErrorVarlek.h"
#include "state/Numeros.h"

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
  if (const auto* texto = std::get_if<std::string>(&d.cabecera)) {
    EXPECT_LE(texto->size(), 64u * 1024);
  }
  const std::string escrito = TextoDatos(d);
  std::size_t lineas = 0;
  for (std::size_t i = 0; i < escrito.size(); ++i) {
    if (escrito[i] == '\n') ++lineas;
    if (escrito[i] == '\r') {
      ASSERT_EQ(escrito[i + 1], '\n');
    }
  }
  EXPECT_EQ(lineas, 404u);
  const auto releido = LeeDatos(escrito);
  EXPECT_EQ(releido.minimo, d.minimo);
  EXPECT_EQ(releido.maximo, d.maximo);
  EXPECT_EQ(releido.puntos, d.puntos);
  EXPECT_EQ(TextoDatos(releido), escrito);
}

class Generador {
 public:
  explicit Generador(std::uint32_t semilla) : azar_(semilla) {}

  std::size_t Hasta(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(azar_); }

  // Mostly the bytes that steer the reader, sometimes any byte.
  char Byte() {
    static const char kInteresantes[] = "0123456789.,-+EeDd \t\r\n\"#";
    if (Hasta(4) == 0) return static_cast<char>(Hasta(256));
    return kInteresantes[Hasta(sizeof kInteresantes - 1)];
  }

  std::string Aleatorio(std::size_t largoMaximo) {
    std::string s(Hasta(largoMaximo), '\0');
    for (char& c : s) c = Byte();
    return s;
  }

  // A valid file with a few edits: bytes changed, inserted, removed,
  // repeated, or the end cut off.
  std::string Mutacion(std::string s) {
    for (std::size_t cambios = 1 + Hasta(4); cambios > 0 && !s.empty(); --cambios) {
      const std::size_t pos = Hasta(s.size());
      const std::size_t largo = 1 + Hasta(std::min<std::size_t>(64, s.size() - pos));
      switch (Hasta(5)) {
        case 0:
          s[pos] = Byte();
          break;
        case 1:
          s.insert(pos, 1 + Hasta(3), Byte());
          break;
        case 2:
          s.erase(pos, largo);
          break;
        case 3:
          s.insert(pos, s.substr(pos, largo));
          break;
        default:
          s.resize(pos);
          break;
      }
    }
    return s;
  }

 private:
  std::mt19937 azar_;
};

std::string FicheroValido() {
  DatosEspectro d;
  d.cabecera = std::string("Muestra 2");
  d.minimo = 12.5;
  d.maximo = 87.25f;
  for (int i = 0; i <= 400; ++i) d.puntos[i] = static_cast<float>(i * i) / 7.0f - 100.0f;
  return TextoDatos(d);
}

TEST(LeeDatosBasura, RandomBytes) {
  Generador g(20240601);
  for (int n = 0; n < 1000; ++n) CompruebaLectura(g.Aleatorio(3000));
}

TEST(LeeDatosBasura, MutatedFiles) {
  Generador g(777);
  const std::string valido = FicheroValido();
  for (int n = 0; n < 2500; ++n) CompruebaLectura(g.Mutacion(valido));
}

TEST(LeeDatosBasura, ExtremeShapes) {
  const std::string valido = FicheroValido();
  const std::string sinCabecera = valido.substr(valido.find('\n') + 1);
  std::string millonDeLineas;
  for (int i = 0; i < 1000000; ++i) millonDeLineas += "1\n";
  const std::string formas[] = {
      std::string(1 << 20, '7'),
      std::string(1 << 20, '"'),
      std::string(1 << 20, '\0'),
      std::string(1 << 20, ','),
      std::string(1 << 20, '\r'),
      std::string(200000, ' ') + "1",
      millonDeLineas,
      std::string("\"") + std::string(200000, 'x') + "\"\r\n" + sinCabecera,
      std::string(200000, 'x') + "\r\n" + sinCabecera,
      std::string("\xC3\x28\xFF\xFE\xED\xA0\x80\r\n") + sinCabecera,
      std::string("\0\0\0\r\n", 5) + sinCabecera,
      std::string("\"") + valido,
      valido + "\"" + std::string(100000, '9'),
      std::string("1E99999999999999999999\r\n-1E-99999999999\r\n") + sinCabecera.substr(sinCabecera.find('\n') + 1),
  };
  for (const auto& forma : formas) CompruebaLectura(forma);

  // The kept header is bounded whatever its length in the file.
  const auto d = LeeDatos(formas[7]);
  EXPECT_EQ(std::get<std::string>(d.cabecera), std::string(64 * 1024, 'x'));
  EXPECT_EQ(LeeDatos(millonDeLineas).puntos[400], 1.0f);
}

}  // namespace
}  // namespace varlek
