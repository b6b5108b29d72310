// The intensity model alone and a whole diffractogram without drawing.

#include <benchmark/benchmark.h>

#include "scan/Barrido.h"
#include "scan/ModeloIntensidad.h"

namespace varlek {
namespace {

// A crystal of `atomos` atoms in the reset state: at the default scan's start.
Estado CristalDe(int atomos) {
  Estado e;
  AsignaValoresIniciales(e);
  e.AVec = 4.42;
  e.BVec = 5.55;
  e.Theta = 100 * 6.2832 / 360;
  e.NumAtomos = static_cast<std::int16_t>(atomos);
  const double coordenadas[4][2] = {{0, 0}, {0.5, 0.5}, {0.25, 0.75}, {0.75, 0.25}};
  for (int j = 1; j <= 4; ++j) {
    e.AtomoX[j] = coordenadas[j - 1][0];
    e.AtomoY[j] = coordenadas[j - 1][1];
    e.AtomoF[j] = 1.0f / static_cast<float>(j);
  }
  return e;
}

void BM_EvaluaIntensidad(benchmark::State& estado) {
  Estado e = CristalDe(static_cast<int>(estado.range(0)));
  e.DeltaRad = 6.2832 * 36 / 360;
  e.DeltaMedio = e.DeltaRad / 2;
  for (auto _ : estado) {
    EvaluaIntensidad(e);
    benchmark::DoNotOptimize(e.Intensidad);
  }
  estado.SetItemsProcessed(estado.iterations() * 441 * estado.range(0));  // waves
}
BENCHMARK(BM_EvaluaIntensidad)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

void BM_DifractogramaCompleto(benchmark::State& estado) {
  Estado e = CristalDe(4);
  for (auto _ : estado) {
    CompletaBarrido(e);  // ends rewound to the start, ready for the next round
    benchmark::DoNotOptimize(e.Espectro);
  }
}
BENCHMARK(BM_DifractogramaCompleto)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varlek
