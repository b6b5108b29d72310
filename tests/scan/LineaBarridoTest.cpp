#include <string_view>
#include <vector>

#include "apoyo/Comun.h"
#include "scan/LineaBarrido.h"

namespace varlek {
namespace {

// The arguments of a line written with single blanks; "-o " ends in an empty one.
std::vector<std::string_view> Parte(std::string_view linea) {
  std::vector<std::string_view> argumentos;
  for (auto blanco = linea.find(' '); blanco != linea.npos; blanco = linea.find(' ')) {
    argumentos.push_back(linea.substr(0, blanco));
    linea.remove_prefix(blanco + 1);
  }
  argumentos.push_back(linea);
  return argumentos;
}

// What the scan reads of the state: crystal, atoms 1 to 3, wavelength, rotation, limits, start, mode.
std::vector<double> Resumen(const Estado& e) {
  return {e.AVec,        e.BVec,      e.Theta,     double(e.NumAtomos), e.AtomoX[1],        e.AtomoY[1],
          e.AtomoF[1],   e.AtomoX[2], e.AtomoY[2], e.AtomoF[2],         e.AtomoF[3],        e.LambdaX,
          e.GiroCristal, e.DeltaMin,  e.DeltaMax,  e.DeltaRad,          double(e.Problema), e.Distancia};
}

TEST(LineaBarrido, StateAsTheDialogsWouldLeaveIt) {
  auto rad = [](double grados) { return grados * 6.2832 / 360; };
  const struct {
    const char* linea;
    std::vector<double> estado;
    const char* fichero;
  } casos[] = {
      {"--a 4.42 --b +5.55 --angulo 60 --atomo 0.1,0.2,0.3 --atomo .4,.5,0.6 --lambda 2.2909 --min 2E1 --max 100.1 "
       "--giro -30 -o salida.ASC",
       {4.42, 5.55, rad(60), 2, .1, .2, 0.3f, .4, .5, 0.6f, 1, 2.2909, rad(-30), 20, 100.1, rad(20), 0, 1000},
       "salida.ASC"},
      // The defaults: one atom 0,0,1, λ 1.5418, 5° to 105°, no rotation, standard output.
      {"--angulo 90 --b 5 --a 4", {4, 5, rad(90), 1, 0, 0, 1, 0, 0, 1, 1, 1.5418, 0, 5, 105, rad(5), 0, 1000}, ""},
  };
  for (const auto& c : casos) {
    const auto lectura = LeeLineaBarrido(Parte(c.linea));
    ASSERT_TRUE(lectura.orden) << lectura.error;
    EXPECT_EQ(lectura.orden->fichero, c.fichero);
    Estado e;
    e.Problema = 1, e.AtomoF[3] = 7;
    PreparaEstado(e, *lectura.orden);
    EXPECT_EQ(Resumen(e), c.estado);
  }
}

}  // namespace
}  // namespace varlek
