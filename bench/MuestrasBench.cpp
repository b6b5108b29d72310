// Making a powder sample from a structure file, reading a sample file, and
// the whole "Muestra" command with its drawing on the offscreen surfaces.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ApoyoBancos.h"
#include "app/Graf.h"
#include "spectrum/FicheroMuestra.h"
#include "spectrum/PerfilPolvo.h"
#include "spectrum/ReflexionesPolvo.h"

namespace varlek {
namespace {

std::string Lee(const std::filesystem::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

// Structure file to sample bytes, as varlek-muestra does it (with noise).
void BM_HaceMuestra(benchmark::State& estado, const char* cif) {
  const std::string texto = Lee(std::filesystem::path(VARLEK_DATOS) / cif);
  OpcionesPerfil opciones;
  opciones.semilla = 1;
  for (auto _ : estado) {
    DatosMuestra d;
    d.puntos = PerfilPolvo(LineasDeCif(texto, 1.5418, 2, 108).lineas, opciones);
    benchmark::DoNotOptimize(BytesMuestra(d, 105));
  }
}
BENCHMARK_CAPTURE(BM_HaceMuestra, cobre, "cobre.cif")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HaceMuestra, halita, "halita.cif")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HaceMuestra, silicio, "silicio.cif")->Unit(benchmark::kMillisecond);

void BM_LeeFicheroMuestra(benchmark::State& estado) {
  for (auto _ : estado) benchmark::DoNotOptimize(LeeFicheroMuestra("muestra1.bin"));
}
BENCHMARK(BM_LeeFicheroMuestra)->Unit(benchmark::kMicrosecond);

void BM_CargaMuestraConDibujo(benchmark::State& estado) {
  VentanaDeBanco v;
  for (auto _ : estado) v.graf.Muestra1_Click();
}
BENCHMARK(BM_CargaMuestraConDibujo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varlek
