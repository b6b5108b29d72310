#include "scan/Reflexiones.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>

#include "state/Angulos.h"
#include "state/Numeros.h"

namespace varlek {

namespace {

struct Vector2 {
  double x, y;
};

// A reciprocal lattice point counts as on the line when it lies within a
// thousandth of the reciprocal cell of it: the block of 21 cells could not
// tell it from a point on the line, and the rounding of the program's 2π
// keeps the points on the line far closer than that.
constexpr double kTolerancia = 1e-3;

// A number as text without the blank a positive one brings.
std::string Numero(double v) { return FormateaNumero(v).substr(v < 0 ? 0 : 1); }

}  // namespace

std::vector<Reflexion> ReflexionesBarrido(const Estado& e) {
  const double seno = std::sin(e.Theta);
  if (!(e.AVec > 0 && e.BVec > 0 && e.LambdaX > 0))
    throw ErrorCristal("los parámetros de red y la longitud de onda deben ser positivos");
  if (std::abs(seno) < 1e-9) throw ErrorCristal("los ejes a y b son paralelos: la celda no tiene área");
  std::complex<double> f0 = 0;
  for (int j = 1; j <= e.NumAtomos; ++j) f0 += e.AtomoF[j];
  if (std::abs(f0) == 0) throw ErrorCristal("los factores atómicos de la celda suman 0");

  // In the crystal's frame, a along x: the reciprocal vectors, and the
  // scattering vector's direction (the crystal's angle minus the detector's
  // half angle, plus a quarter turn).
  const Vector2 aRec{1 / e.AVec, -std::cos(e.Theta) / (e.AVec * seno)};
  const Vector2 bRec{0, 1 / (e.BVec * seno)};
  const Vector2 u{std::sin(e.GiroCristal), std::cos(e.GiroCristal)};
  const double celda = std::min(std::hypot(aRec.x, aRec.y), std::hypot(bRec.x, bRec.y));
  // |G| = 2·sin θ / λ reaches at most 2/λ.
  const double gMax = 2 / e.LambdaX;
  const int hMax = static_cast<int>(std::ceil(gMax * e.AVec)), kMax = static_cast<int>(std::ceil(gMax * e.BVec));

  std::vector<Reflexion> lista;
  for (int h = -hMax; h <= hMax; ++h) {
    for (int k = -kMax; k <= kMax; ++k) {
      const Vector2 g{h * aRec.x + k * bRec.x, h * aRec.y + k * bRec.y};
      const double largo = std::hypot(g.x, g.y);
      const double aLo = g.x * u.x + g.y * u.y;
      if (largo == 0 || aLo <= 0 || std::abs(g.x * u.y - g.y * u.x) > kTolerancia * celda) continue;
      const double senoTheta = e.LambdaX * largo / 2;
      if (senoTheta > 1) continue;
      const double dosTheta = 2 * AGrados(std::asin(senoTheta));
      if (dosTheta < e.DeltaMin || dosTheta > e.DeltaMax) continue;
      std::complex<double> f = 0;
      for (int j = 1; j <= e.NumAtomos; ++j)
        f += static_cast<double>(e.AtomoF[j]) * std::polar(1.0, 6.2832 * (h * e.AtomoX[j] + k * e.AtomoY[j]));
      const double modulo = std::abs(f) / std::abs(f0);
      lista.push_back({h, k, 1 / largo, dosTheta, modulo < 1e-4 ? 0 : modulo});
    }
  }
  if (lista.empty())
    throw ErrorCristal("ninguna reflexión cae entre " + Numero(e.DeltaMin) + "° y " + Numero(e.DeltaMax) + "°");
  std::sort(lista.begin(), lista.end(), [](const Reflexion& p, const Reflexion& q) { return p.dosTheta < q.dosTheta; });
  return lista;
}

std::string TextoReflexiones(const Estado& e, const std::vector<Reflexion>& reflexiones) {
  std::string texto = "a = " + Numero(e.AVec) + " Å  b = " + Numero(e.BVec) +
                      " Å  ángulo = " + Numero(AGrados(e.Theta)) + "°  giro = " + Numero(AGrados(e.GiroCristal)) +
                      "°  λ = " + Numero(e.LambdaX) + " Å  2θ de " + Numero(e.DeltaMin) + "° a " + Numero(e.DeltaMax) +
                      "°\n";
  texto += "(h,k)          d (Å)    2θ (°)  |F|/F(0)\n";
  char indices[32], linea[96];
  for (const Reflexion& r : reflexiones) {
    std::snprintf(indices, sizeof indices, "(%d,%d)", r.h, r.k);
    std::snprintf(linea, sizeof linea, "%-12s %8.4f %9.3f %9.3f\n", indices, r.d, r.dosTheta, r.modulo);
    texto += linea;
  }
  return texto;
}

}  // namespace varlek
