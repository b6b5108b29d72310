#pragma once
// The shared simulation state: one record, created once and handed by
// reference to every window, so that all of them see the same values at
// once. Plain members under the program's own names, read and written
// directly.

#include <cstdint>
#include <string>

#include "state/Tabla.h"
#include "state/Valor.h"

namespace varlek {

using Espectro401 = Tabla<float, 0, 400>;
using TablaAtomos = Tabla<double, 1, 4>;
using FactoresAtomos = Tabla<float, 1, 4>;

struct Estado {
  // Crystal.
  double AVec = 0;   // ångström (the unit of LambdaX)
  double BVec = 0;   // ångström
  double Theta = 0;  // radians
  std::int16_t NumAtomos = 0;
  TablaAtomos AtomoX;     // fractions of a
  TablaAtomos AtomoY;     // fractions of b
  FactoresAtomos AtomoF;  // relative atomic factors
  std::int16_t Problema = 0;

  // Beam and scan.
  double LambdaX = 0;     // ångström
  double DeltaMin = 0;    // degrees of 2θ
  double DeltaMax = 0;    // degrees of 2θ
  double PasoDelta = 0;   // degrees
  double DeltaRad = 0;    // radians: the current 2θ
  double DeltaMedio = 0;  // radians: θ
  double Distancia = 0;   // ångström added to every optical path
  float Intensidad = 0;   // plot units: the last step's point

  // Spectrum on screen and registers.
  Espectro401 Espectro;
  Valor EspectroCabecera;
  double EspectroMin = 0;
  float EspectroMax = 0;
  Espectro401 RegistroX, RegistroY, RegistroZ;
  double RegistroXMin = 0, RegistroYMin = 0, RegistroZMin = 0;
  float RegistroXMax = 0, RegistroYMax = 0, RegistroZMax = 0;
  Valor RegistroXCabecera, RegistroYCabecera, RegistroZCabecera;
  float FactorEscala = 0;

  // Structure viewer.
  std::int16_t IndiceH = 0;
  std::int16_t IndiceK = 0;
  double GiroCristal = 0;  // radians, counter-clockwise
  std::int16_t ContadorClic = 0;
  float LineaX1 = 0, LineaY1 = 0, LineaX2 = 0, LineaY2 = 0;
  double RecAX = 0, RecAY = 0, RecBX = 0, RecBY = 0, ModuloG = 0;
  float Espaciado = 0;  // ångström

  // Files and start directory.
  std::string DirectorioInicial;
  std::string NombreFichero;
  std::int16_t RespuestaAviso = 0;

  bool operator==(const Estado&) const = default;
};

// The defaults of start-up and of the scan reset, in their order.
void AsignaValoresIniciales(Estado& e);

// Clears the crystal: a, b, the angle and the coordinates of the four atoms.
void IniciaCristal(Estado& e);

}  // namespace varlek
