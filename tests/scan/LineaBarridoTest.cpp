#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "scan/LineaBarrido.h"

namespace varlek {
namespace {

LecturaLinea Lee(std::vector<std::string_view> argumentos) { return LeeLineaBarrido(argumentos); }

TEST(LineaBarrido, NumbersMustBeWholeDecimalNumbers) {
  struct Caso {
    const char* texto;
    double valor;
  };
  const Caso buenos[] = {{"1.5418", 1.5418}, {"-30", -30},  {"+2", 2},        {".25", 0.25},
                         {"5.", 5},          {"1e3", 1000}, {"2.5E-1", 0.25}, {"0", 0}};
  for (const auto& c : buenos) EXPECT_EQ(LeeNumeroEstricto(c.texto), c.valor) << c.texto;

  const char* malos[] = {"1,5", "abc", "",      "1.5x", " 1",   "1 ",  "+-1", "++1",   "--1",
                         "-",   ".",   "1.5.2", "1e",   "0x10", "inf", "nan", "1e999", "1D3"};
  for (const char* texto : malos) EXPECT_FALSE(LeeNumeroEstricto(texto)) << '"' << texto << '"';
}

TEST(LineaBarrido, FullLine) {
  const auto lectura =
      Lee({"--a",      "4.42",   "--b",   "5.55", "--angulo", "60",  "--atomo", "0,0,1", "--atomo", ".5,.25,0.1",
           "--lambda", "2.2909", "--min", "10",   "--max",    "170", "--giro",  "-30",   "-o",      "salida.ASC"});
  ASSERT_TRUE(lectura.orden) << lectura.error;
  const OrdenBarrido& o = *lectura.orden;
  EXPECT_FALSE(o.ayuda);
  EXPECT_EQ(o.a, 4.42);
  EXPECT_EQ(o.b, 5.55);
  EXPECT_EQ(o.angulo, 60);
  EXPECT_EQ(o.numAtomos, 2);
  EXPECT_EQ(o.atomos[1].x, 0.5);
  EXPECT_EQ(o.atomos[1].y, 0.25);
  EXPECT_EQ(o.atomos[1].f, 0.1f);
  EXPECT_EQ(o.lambda, 2.2909);
  EXPECT_EQ(o.minimo, 10);
  EXPECT_EQ(o.maximo, 170);
  EXPECT_EQ(o.giro, -30);
  EXPECT_EQ(o.fichero, "salida.ASC");
}

TEST(LineaBarrido, DefaultsOfTheOptionalOptions) {
  const auto lectura = Lee({"--angulo", "90", "--b", "5", "--a", "4"});
  ASSERT_TRUE(lectura.orden) << lectura.error;
  const OrdenBarrido& o = *lectura.orden;
  EXPECT_EQ(o.numAtomos, 1);
  EXPECT_EQ(o.atomos[0].x, 0);
  EXPECT_EQ(o.atomos[0].y, 0);
  EXPECT_EQ(o.atomos[0].f, 1.0f);
  EXPECT_EQ(o.lambda, 1.5418);
  EXPECT_EQ(o.minimo, 5);
  EXPECT_EQ(o.maximo, 105);
  EXPECT_EQ(o.giro, 0);
  EXPECT_EQ(o.fichero, "");
}

TEST(LineaBarrido, BadLinesSayWhatIsWrong) {
  struct Caso {
    std::vector<std::string_view> argumentos;
    const char* mencion;  // the message names the culprit
  };
  const Caso casos[] = {
      {{"--b", "5", "--angulo", "90"}, "--a"},
      {{"--a", "4", "--angulo", "90"}, "--b"},
      {{"--a", "4", "--b", "5"}, "--angulo"},
      {{"--a", "4", "--b", "5", "--angulo", "90", "--color", "rojo"}, "--color"},
      {{"--a", "4", "--b", "5", "--angulo"}, "--angulo"},
      {{"--a", "1,5", "--b", "5", "--angulo", "90"}, "1,5"},
      {{"--a", "4", "--b", "", "--angulo", "90"}, "--b"},
      {{"--a", "4", "--b", "5", "--angulo", "90", "--lambda", "1.5x"}, "1.5x"},
      {{"--a", "4", "--b", "5", "--angulo", "90", "--a", "3"}, "--a"},
      {{"--a", "4", "--b", "5", "--angulo", "90", "--atomo", "0,0"}, "0,0"},
      {{"--a", "4", "--b", "5", "--angulo", "90", "--atomo", "0,0,1,1"}, "0,0,1,1"},
      {{"--a", "4", "--b", "5", "--angulo", "90", "--atomo", "0;0;1"}, "0;0;1"},
      {{"--a", "4", "--b", "5", "--angulo", "90", "--atomo", "0,0,1e39"}, "1e39"},
      {{"--a", "4", "--b", "5", "--angulo", "90", "-o", ""}, "-o"},
      {{"--a", "4", "--b", "5", "--angulo", "90", "--atomo", "0,0,1", "--atomo", "0,.5,1", "--atomo", ".5,0,1",
        "--atomo", ".5,.5,1", "--atomo", ".25,.25,1"},
       "cuatro"},
  };
  for (const auto& c : casos) {
    const auto lectura = LeeLineaBarrido(c.argumentos);
    EXPECT_FALSE(lectura.orden) << c.mencion;
    EXPECT_NE(lectura.error.find(c.mencion), std::string::npos) << lectura.error;
  }
}

TEST(LineaBarrido, HelpNamesEveryOption) {
  for (std::string_view peticion : {"--help", "-h"}) {
    const auto lectura = Lee({"--a", "4", std::string_view(peticion)});
    ASSERT_TRUE(lectura.orden);
    EXPECT_TRUE(lectura.orden->ayuda);
  }
  const std::string ayuda = TextoAyuda();
  for (const char* opcion : {"--a ", "--b ", "--angulo", "--atomo", "--lambda", "--min", "--max", "--giro", "-o "}) {
    EXPECT_NE(ayuda.find(opcion), std::string::npos) << opcion;
  }
}

TEST(LineaBarrido, StateAsTheDialogsWouldLeaveIt) {
  const auto lectura = Lee({"--a", "4.42", "--b", "5.55", "--angulo", "60", "--atomo", "0.1,0.2,0.3", "--atomo",
                            "0.4,0.5,0.6", "--lambda", "2.2909", "--min", "20", "--max", "100.1", "--giro", "45"});
  ASSERT_TRUE(lectura.orden) << lectura.error;
  Estado e;
  e.AtomoX[3] = 7;
  e.Problema = 1;
  PreparaEstado(e, *lectura.orden);
  EXPECT_EQ(e.Problema, 0);
  EXPECT_EQ(e.Distancia, 1000);
  EXPECT_EQ(e.AVec, 4.42);
  EXPECT_EQ(e.BVec, 5.55);
  EXPECT_EQ(e.Theta, 60 * 6.2832 / 360);
  EXPECT_EQ(e.NumAtomos, 2);
  EXPECT_EQ(e.AtomoX[2], 0.4);
  EXPECT_EQ(e.AtomoY[2], 0.5);
  EXPECT_EQ(e.AtomoF[1], 0.3f);
  EXPECT_EQ(e.AtomoF[2], 0.6f);
  EXPECT_EQ(e.AtomoF[3], 1.0f);  // the reset's factor, unused
  EXPECT_EQ(e.LambdaX, 2.2909);
  EXPECT_EQ(e.GiroCristal, 45 * 6.2832 / 360);
  EXPECT_EQ(e.DeltaMax, 100.1);
  EXPECT_EQ(e.DeltaRad, 6.2832 * 20 / 360);  // ready to scan the new range
}

}  // namespace
}  // namespace varlek
