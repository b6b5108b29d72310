// Broken chapters give what could be read, with nothing invented. Random
// garbage for the chapter and metafile readers is the fuzzer's job
// (fuzz/GuionFuzz.cpp); broken metafiles are in MetarchivoTest.

#include <gtest/gtest.h>

#include <string>

#include "guide/LectorRtf.h"

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

}  // namespace
}  // namespace varlek::guia
