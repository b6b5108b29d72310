// The data-file reader on inputs longer than the fuzzer hands it: a header
// beyond the kept 64 KiB, and a million lines, of which the reader takes the
// first 404 fields. Shorter garbage is the fuzzer's.

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "files/FicheroDatos.h"

namespace varlek {
namespace {

TEST(LeeDatosBasura, AHugeHeaderIsCutAndAMillionLinesReadTheirFirstFields) {
  const std::string resto = TextoDatos({{}, 5, 105, {}}).substr(2);  // after an empty header
  const DatosEspectro d = LeeDatos("\"" + std::string(200000, 'x') + "\"\r\n" + resto);
  EXPECT_EQ(std::get<std::string>(d.cabecera), std::string(64 * 1024, 'x'));
  EXPECT_EQ(d.maximo, 105.0f);
  std::string millonDeLineas;
  for (int i = 0; i < 1000000; ++i) millonDeLineas += std::to_string(i % 1000) + "\n";
  EXPECT_EQ(LeeDatos(millonDeLineas).puntos[400], 403.0f);
}

}  // namespace
}  // namespace varlek
