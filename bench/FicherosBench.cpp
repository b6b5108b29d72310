// Saving and loading a 404-line data file in a temporary folder.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "files/FicheroDatos.h"

namespace varlek {
namespace {

// A diffractogram whose points take eight or nine digits each, as a scan's do.
DatosEspectro EspectroDeBarrido() {
  DatosEspectro d;
  d.cabecera = std::string("Muestra de cuarzo");
  d.minimo = 5;
  d.maximo = 105;
  for (int i = 0; i <= 400; ++i) {
    const double x = (i - 187) / 23.0;
    d.puntos[i] = static_cast<float>(412.7 * std::exp(-x * x) + 3.1 + i / 97.0);
  }
  return d;
}

// A folder of its own for one measurement, removed at its end.
struct CarpetaTemporal {
  CarpetaTemporal() {
    std::string plantilla = (std::filesystem::temp_directory_path() / "varlek-banco-XXXXXX").string();
    if (::mkdtemp(plantilla.data()) == nullptr) throw std::runtime_error("mkdtemp");
    ruta = plantilla;
  }
  ~CarpetaTemporal() { std::filesystem::remove_all(ruta); }
  std::filesystem::path ruta;
};

void BM_SalvaDatos(benchmark::State& estado) {
  CarpetaTemporal carpeta;
  const auto fichero = (carpeta.ruta / "espectro.ASC").string();
  const auto datos = EspectroDeBarrido();
  for (auto _ : estado) SalvaDatos(fichero, datos);
}
BENCHMARK(BM_SalvaDatos)->Unit(benchmark::kMicrosecond);

void BM_CargaDatos(benchmark::State& estado) {
  CarpetaTemporal carpeta;
  const auto fichero = (carpeta.ruta / "espectro.ASC").string();
  SalvaDatos(fichero, EspectroDeBarrido());
  for (auto _ : estado) {
    auto datos = CargaDatos(fichero);
    benchmark::DoNotOptimize(datos);
  }
}
BENCHMARK(BM_CargaDatos)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace varlek
