// varlek-figura: draws spectra from data and sample files as the main window
// draws its plot, in SVG, PNG or PDF, with the reflections of a list marked
// above it; or writes the spectra as a CSV table.

#include <QApplication>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "files/FicheroSistema.h"
#include "spectrum/DatosFigura.h"
#include "spectrum/FiguraEspectro.h"
#include "spectrum/LineaFigura.h"
#include "state/ErrorVarlek.h"
#include "ui/CarpetaEjecucion.h"
#include "ui/Controles.h"

namespace {

using namespace varlek;

// The picture, drawn with the window's fonts and palette without any screen.
QByteArray Dibuja(const Figura& figura, const OrdenFigura& orden, int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ui::PreparaCarpetaEjecucion();
  QApplication aplicacion(argc, argv);
  ui::SustituyeFuentes();
  return BytesFigura(figura, orden.formato, orden.ppp);
}

}  // namespace

int main(int argc, char** argv) {
  const Programa& programa = ProgramaFigura();
  const auto lectura = LeeLineaFigura(ArgumentosDe(argc, argv));
  if (!lectura.orden) return FallaOrden(programa, lectura.error);
  const OrdenFigura& orden = *lectura.orden;
  if (orden.ayuda) return MuestraAyuda(programa);

  std::vector<EspectroFigura> espectros;
  for (const std::string& ruta : orden.espectros) {
    try {
      espectros.push_back(LeeEspectro(ruta));
    } catch (const ErrorVarlek& error) {
      return Falla(programa, MensajeFichero("no se pudo leer", ruta, error));
    }
  }
  if (const std::string distinto = RangoDistinto(espectros); !distinto.empty()) return Falla(programa, distinto);

  std::string salida;
  if (orden.formato == FormatoFigura::Csv) {
    salida = TextoCsv(espectros);
  } else {
    Figura figura{espectros[0].minimo, espectros[0].maximo, {}, {}};
    for (std::size_t n = 0; n < espectros.size(); ++n)
      figura.curvas.emplace_back(espectros[n].puntos, ColorCurva(static_cast<int>(n)));
    if (!orden.marcas.empty()) {
      std::ifstream lista(orden.marcas, std::ios::binary);
      std::ostringstream texto;
      texto << lista.rdbuf();
      if (!lista || lista.bad()) return Falla(programa, "no se pudo leer \"" + orden.marcas + "\"");
      figura.marcas = LeeMarcas(texto.str());
      if (figura.marcas.empty()) return Falla(programa, "\"" + orden.marcas + "\" no tiene ninguna reflexión");
    }
    const QByteArray bytes = Dibuja(figura, orden, argc, argv);
    if (bytes.isEmpty()) return Falla(programa, "no se pudo dibujar \"" + orden.salida + "\"");
    salida = bytes.toStdString();
  }
  try {
    EscribeSalida(orden.salida, salida);
  } catch (const ErrorVarlek& error) {
    return Falla(programa, MensajeFichero("no se pudo escribir", orden.salida, error));
  }
  return kSalidaBien;
}
