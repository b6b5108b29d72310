// varlek-barrido: computes the diffractogram of a crystal given on the
// command line and writes it as a data file.

#include "files/FicheroDatos.h"
#include "files/FicheroSistema.h"
#include "scan/Barrido.h"
#include "scan/LineaBarrido.h"
#include "state/ErrorVarlek.h"

int main(int argc, char** argv) {
  using namespace varlek;
  const Programa& programa = ProgramaBarrido();
  const auto lectura = LeeLineaBarrido(ArgumentosDe(argc, argv));
  if (!lectura.orden) return FallaOrden(programa, lectura.error);
  const OrdenBarrido& orden = *lectura.orden;
  if (orden.ayuda) return MuestraAyuda(programa);

  Estado estado;
  try {
    PreparaEstado(estado, orden);
    CompletaBarrido(estado);
  } catch (const ErrorVarlek& error) {
    return Falla(programa, MensajeError("el barrido no se pudo calcular", error));
  }
  // The bytes of a data file, CR LF included, whether to a file or to
  // standard output (which translates no line ends on POSIX systems).
  try {
    EscribeSalida(orden.fichero, TextoDatos(DatosDePantalla(estado)));
  } catch (const ErrorVarlek& error) {
    return Falla(programa, MensajeFichero("no se pudo escribir", orden.fichero, error));
  }
  return kSalidaBien;
}
