#include "crystal/CristalesProblema.h"

#include <array>

#include "state/Angulos.h"
#include "state/ErrorVarlek.h"

namespace varlek {

namespace {

// A quarter and a sixth of a turn (90° and 60°).
constexpr double kRecto = kMedioGiro / 2;
constexpr double kTercio = kMedioGiro / 3;

constexpr std::array<CristalProblema, 5> kPresets = {{
    {4.42, 4.42, kRecto, 1, {{0, 0, 1}, {}}},
    {3.65, 3.65, kTercio, 1, {{0, 0, 1}, {}}},
    {4.42, 5.55, kRecto, 1, {{0, 0, 1}, {}}},
    {7.5, 7.5, kRecto, 2, {{0, 0, 1}, {0.5, 0, 1}}},
    {6, 6, kRecto, 2, {{0, 0, 1}, {0.25, 0.25, 1}}},
}};

}  // namespace

const CristalProblema& CristalProblemaN(int n) {
  if (n < 1 || n > static_cast<int>(kPresets.size())) throw ErrorVarlek(codigo::FueraDeIntervalo);
  return kPresets[static_cast<std::size_t>(n - 1)];
}

void CargaCristalProblema(Estado& e, int n) {
  const CristalProblema& p = CristalProblemaN(n);
  e.Problema = 1;
  e.AVec = p.AVec;
  e.BVec = p.BVec;
  e.Theta = p.Theta;
  e.NumAtomos = p.NumAtomos;
  for (int i = 1; i <= p.NumAtomos; ++i) {
    const AtomoProblema& atomo = p.atomos[i - 1];
    e.AtomoX[i] = atomo.x;
    e.AtomoY[i] = atomo.y;
    e.AtomoF[i] = atomo.f;
  }
}

std::string AvisoCristalProblema(int n) {
  CristalProblemaN(n);  // only presets 1 to 5 have messages
  const std::string comienzo = "Al cargar los parámetros del cristal problema, el programa impide su visualización. ";
  if (n == 1) {
    return comienzo + "Seleccionar la opción 'Cerrar problema', del menú 'Cristal', para volver a la situación normal";
  }
  return comienzo + "Pulsar 'Cerrar problema' para volver a la situación normal";
}

std::string ConfirmacionCristalProblema(int n) {
  CristalProblemaN(n);  // only presets 1 to 5 have messages
  return "Parámetros del Cristal " + std::to_string(n) + "  cargados";
}

}  // namespace varlek
