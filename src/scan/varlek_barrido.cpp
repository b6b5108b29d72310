// varlek-barrido: computes the diffractogram of a crystal given on the
// command line and writes it as a data file, or lists the reflections the
// scan can show.

#include "files/FicheroDatos.h"
#include "files/FicheroSistema.h"
#include "scan/Barrido.h"
#include "scan/LineaBarrido.h"
#include "scan/Reflexiones.h"
#include "state/ErrorVarlek.h"

int main(int argc, char** argv) {
  using namespace varlek;
  const Programa& programa = ProgramaBarrido();
  const auto lectura = LeeLineaBarrido(ArgumentosDe(argc, argv));
  if (!lectura.orden) return FallaOrden(programa, lectura.error);
  const OrdenBarrido& orden = *lectura.orden;
  if (orden.ayuda) return MuestraAyuda(programa);

  Estado estado;
  std::string salida;
  try {
    PreparaEstado(estado, orden);
    if (orden.reflexiones) {
      salida = TextoReflexiones(estado, ReflexionesBarrido(estado));
    } else {
      CompletaBarrido(estado);
      // The bytes of a data file, CR LF included, whether to a file or to
      // standard output (which translates no line ends on POSIX systems).
      salida = TextoDatos(DatosDePantalla(estado));
    }
  } catch (const ErrorCristal& error) {
    return Falla(programa, std::string("el cristal no puede difractar: ") + error.what());
  } catch (const ErrorVarlek& error) {
    return Falla(programa, MensajeError("el barrido no se pudo calcular", error));
  }
  try {
    EscribeSalida(orden.fichero, salida);
  } catch (const ErrorVarlek& error) {
    return Falla(programa, MensajeFichero("no se pudo escribir", orden.fichero, error));
  }
  return kSalidaBien;
}
