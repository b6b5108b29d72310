#include <utility>
#include <vector>

#include "apoyo/Comun.h"
#include "crystal/CristalesProblema.h"
#include "state/ErrorVarlek.h"
#include "state/Estado.h"

namespace varlek {
namespace {

// A four-atom crystal whose slots all hold 9, and a changed wavelength.
Estado Previo() {
  Estado e;
  e.NumAtomos = 4, e.LambdaX = 2.29;
  for (int i = 1; i <= 4; ++i) e.AtomoX[i] = e.AtomoY[i] = e.AtomoF[i] = 9;
  return e;
}

// Problem mode, a, b, the angle, the number of atoms, x, y and f of slots 1 to
// 4, and the wavelength.
std::vector<double> Foto(const Estado& e) {
  std::vector<double> v = {double(e.Problema), e.AVec, e.BVec, e.Theta, double(e.NumAtomos)};
  for (int i = 1; i <= 4; ++i) v.insert(v.end(), {e.AtomoX[i], e.AtomoY[i], e.AtomoF[i]});
  v.push_back(e.LambdaX);
  return v;
}

// A preset writes its lattice and only the atom slots it uses: a sixth of a
// turn for preset 2, two atoms for preset 4.
TEST(CristalesProblema, APresetWritesItsLatticeAndOnlyItsAtoms) {
  const std::pair<int, std::vector<double>> casos[] = {
      {2, {1, 3.65, 3.65, 3.1416 / 3, 1, 0, 0, 1, 9, 9, 9, 9, 9, 9, 9, 9, 9, 2.29}},
      {4, {1, 7.5, 7.5, 3.1416 / 2, 2, 0, 0, 1, 0.5, 0, 1, 9, 9, 9, 9, 9, 9, 2.29}},
  };
  for (const auto& [n, esperado] : casos) {
    Estado e = Previo();
    CargaCristalProblema(e, n);
    EXPECT_EQ(Foto(e), esperado) << n;
  }
}

// The first preset's message names the menu; the others name the button.
TEST(CristalesProblema, MessagesAndOnlyFivePresets) {
  EXPECT_NE(AvisoCristalProblema(1).find("del menú 'Cristal', para volver"), std::string::npos);
  EXPECT_NE(AvisoCristalProblema(5).find(". Pulsar 'Cerrar problema' para volver"), std::string::npos);
  EXPECT_EQ(ConfirmacionCristalProblema(5), "Parámetros del Cristal 5  cargados");
  for (int n : {0, 6}) {
    Estado e = Previo();
    EXPECT_EQ(prueba::CodigoDe([&] { CargaCristalProblema(e, n); }), codigo::FueraDeIntervalo) << n;
    EXPECT_EQ(Foto(e), Foto(Previo()));
    EXPECT_THROW(AvisoCristalProblema(n), ErrorVarlek);
    EXPECT_THROW(ConfirmacionCristalProblema(n), ErrorVarlek);
  }
}

}  // namespace
}  // namespace varlek
