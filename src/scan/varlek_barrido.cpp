// varlek-barrido: computes the diffractogram of a crystal given on the
// command line and writes it as a data file.

#include <cstdio>
#include <iostream>
#include <string_view>
#include <vector>

#include "files/FicheroDatos.h"
#include "scan/Barrido.h"
#include "scan/LineaBarrido.h"
#include "state/ErrorVarlek.h"

namespace {

int Falla(const std::string& contexto, const varlek::ErrorVarlek& error) {
  std::cerr << "varlek-barrido: " << contexto << ": " << varlek::DescripcionError(error.Codigo()) << " (error "
            << error.Codigo() << ")\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace varlek;
  const std::vector<std::string_view> argumentos(argv + 1, argv + argc);
  const LecturaLinea lectura = LeeLineaBarrido(argumentos);
  if (!lectura.orden) {
    std::cerr << "varlek-barrido: " << lectura.error << "\nPara ver la ayuda: varlek-barrido --help\n";
    return 2;
  }
  const OrdenBarrido& orden = *lectura.orden;
  if (orden.ayuda) {
    std::cout << TextoAyuda();
    return 0;
  }

  Estado estado;
  try {
    PreparaEstado(estado, orden);
    CompletaBarrido(estado);
  } catch (const ErrorVarlek& error) {
    return Falla("el barrido no se pudo calcular", error);
  }

  const DatosEspectro datos = DatosDePantalla(estado);
  if (!orden.fichero.empty()) {
    try {
      SalvaDatos(orden.fichero, datos);
    } catch (const ErrorVarlek& error) {
      return Falla("no se pudo escribir \"" + orden.fichero + "\"", error);
    }
    return 0;
  }
  // fwrite passes the bytes through unchanged, CR LF included (standard
  // output translates no line ends on POSIX systems).
  const std::string bytes = TextoDatos(datos);
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0) {
    std::cerr << "varlek-barrido: no se pudo escribir en la salida estándar\n";
    return 1;
  }
  return 0;
}
