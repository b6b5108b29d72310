#include "structure/ExplicacionFamilia.h"

#include <cmath>

#include "state/Angulos.h"
#include "state/ErrorVarlek.h"
#include "state/Numeros.h"
#include "structure/FamiliaPlanos.h"

namespace varlek {

std::string ExplicaFamilia(const Estado& e) {
  float espaciado = 0;
  try {
    const double modulo = ModuloFamilia(CalculaReciprocos(e.AVec, e.BVec, e.Theta), e.IndiceH, e.IndiceK);
    if (modulo == 0) throw ErrorVarlek(codigo::DivisionPorCero);
    espaciado = AFloat(1 / modulo);
  } catch (const ErrorVarlek&) {
    return "Esta familia de planos no tiene espaciado definido";
  }
  const std::string texto = "Espaciado d =" + FormateaNumero(espaciado) + " Å; ";
  const double seno = e.LambdaX / (2 * static_cast<double>(espaciado));
  if (seno > 1) return texto + "no difracta: λ/2d > 1 con λ =" + FormateaNumero(e.LambdaX) + " Å";
  if (!(seno > 0)) return texto + "no difracta con λ =" + FormateaNumero(e.LambdaX) + " Å";
  const double dosTheta = std::round(200 * AGrados(std::asin(seno))) / 100;
  return texto + "primer orden a 2θ =" + FormateaNumero(dosTheta) + "°";
}

}  // namespace varlek
