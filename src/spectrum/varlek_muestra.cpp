// varlek-muestra: makes a powder sample file for the program from a crystal
// structure given as a CIF file.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "spectrum/FicheroMuestra.h"
#include "spectrum/LineaMuestra.h"
#include "spectrum/PerfilPolvo.h"
#include "spectrum/ReflexionesPolvo.h"
#include "state/ErrorVarlek.h"

namespace {

using namespace varlek;

constexpr double kDesde = 5, kHasta = 105;

// "111", "333/511", "10 2 0": indices written together while they are single digits.
std::string Indices(const LineaPolvo& l) {
  std::string t;
  for (const auto& hkl : l.indices) {
    if (!t.empty()) t += '/';
    const bool juntos = hkl[0] < 10;  // the largest comes first
    for (std::size_t i = 0; i < 3; ++i) {
      if (!juntos && i > 0) t += ' ';
      t += std::to_string(hkl[i]);
    }
  }
  return t;
}

void EscribeLineas(const CristalPolvo& c, double lambda) {
  double maximo = 0;
  for (const auto& l : c.lineas)
    if (l.dosTheta >= kDesde && l.dosTheta <= kHasta) maximo = std::max(maximo, l.intensidad);
  std::printf("%s  %s  %d átomos en la celda  λ = %.4f Å\n", c.nombre.c_str(), c.grupo.c_str(), c.atomosCelda, lambda);
  std::printf("%-12s %9s %9s %5s %10s %8s\n", "hkl", "d (Å)", "2θ (°)", "mult", "|F|²", "I rel");
  for (const auto& l : c.lineas) {
    if (l.dosTheta < kDesde || l.dosTheta > kHasta) continue;
    std::printf("%-12s %9.4f %9.3f %5d %10.1f %8.1f\n", Indices(l).c_str(), l.d, l.dosTheta, l.multiplicidad, l.f2,
                100 * l.intensidad / maximo);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const Programa& programa = ProgramaMuestra();
  const auto lectura = LeeLineaMuestra(ArgumentosDe(argc, argv));
  if (!lectura.orden) return FallaOrden(programa, lectura.error);
  const OrdenMuestra& orden = *lectura.orden;
  if (orden.ayuda) return MuestraAyuda(programa);

  std::ifstream entrada(orden.cif, std::ios::binary);
  std::ostringstream texto;
  texto << entrada.rdbuf();
  if (!entrada || entrada.bad()) return Falla(programa, "no se pudo leer \"" + orden.cif + "\"");

  DatosMuestra muestra;
  CristalPolvo cristal;
  try {
    OpcionesPerfil opciones;
    opciones.semilla = orden.semilla;
    // Lines a little beyond the ends still reach the first and last points
    // with their tails.
    cristal = LineasDeCif(texto.str(), orden.lambda, kDesde - 3, kHasta + 3);
    muestra.puntos = PerfilPolvo(cristal.lineas, opciones);
  } catch (const ErrorEstructura& e) {
    return Falla(programa, "\"" + orden.cif + "\": " + e.what());
  }
  muestra.inicio = kDesde;
  try {
    SalvaMuestra(orden.salida, muestra, kHasta);
  } catch (const ErrorVarlek& e) {
    return Falla(programa, MensajeFichero("no se pudo escribir", orden.salida, e));
  }
  if (orden.lineas) EscribeLineas(cristal, orden.lambda);
  return kSalidaBien;
}
