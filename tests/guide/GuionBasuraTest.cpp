// Broken chapters and metafiles give what could be read, with nothing
// invented. Random garbage for both readers is the fuzzer's job
// (fuzz/GuionFuzz.cpp).

#include <gtest/gtest.h>

#include <string>

#include "guide/LectorRtf.h"
#include "guide/Metarchivo.h"
#include "guide/Wmf.h"

namespace varlek::guia {
namespace {

TEST(LectorRtf, BrokenInputGivesWhatCanBeRead) {
  const std::pair<const char*, const char*> casos[] = {
      {"{\\rtf1 abc}}}} def", "abc def\n"},      {"{\\rtf1 {\\b negrita", "negrita\n"},
      {"{\\rtf1 a\\'zzb\\'4", "azzb4\n"},        {"{\\rtf1 a\\bin999999999 xyz", "a\n"},
      {"{\\rtf1 a\\li-99999999999 b\\", "ab\n"}, {"{\\rtf1 {\\pict\\pngblip 0a0b", ""}};
  for (const auto& [rtf, texto] : casos) EXPECT_EQ(TextoPlano(LeeRtf(rtf)), texto) << rtf;
  // The deepest groups are read up to a cap and their text dropped.
  const std::string hondo = "{\\rtf1 " + std::string(1000000, '{') + "x" + std::string(1000000, '}') + "y}";
  EXPECT_EQ(TextoPlano(LeeRtf(hondo)), "y\n");
}

TEST(Metarchivo, WhatIsNoMetafileOrIsCut) {
  EXPECT_FALSE(LeeMetarchivo({}));
  const std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_FALSE(LeeMetarchivo(png));
  // Cut anywhere, the records before the cut are kept and nothing more.
  const std::vector<std::uint8_t> entero = prueba::FormulaBragg().Bytes();
  std::size_t anteriores = 0;
  for (std::size_t n = 40; n <= entero.size(); ++n) {
    const auto m = LeeMetarchivo(std::span(entero).first(n));
    ASSERT_TRUE(m) << n;
    EXPECT_GE(m->dibujos.size(), anteriores) << n;
    anteriores = m->dibujos.size();
  }
  EXPECT_EQ(anteriores, 4u);
  // A record that claims to be longer than the file.
  std::vector<std::uint8_t> largo = entero;
  largo[22 + 18] = 0xFF;
  largo[22 + 18 + 3] = 0x7F;
  EXPECT_TRUE(LeeMetarchivo(largo));
}

}  // namespace
}  // namespace varlek::guia
