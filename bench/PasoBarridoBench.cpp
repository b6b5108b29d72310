// A scan step with its drawing on the offscreen surfaces, and a whole scan
// paced by the real 25 ms timer.

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEventLoop>

#include "ApoyoBancos.h"
#include "app/Graf.h"

namespace varlek {
namespace {

void CuatroAtomos(Estado& e) {
  e.AVec = 4.42;
  e.BVec = 5.55;
  e.Theta = 100 * 6.2832 / 360;
  e.NumAtomos = 4;
  for (int j = 1; j <= 4; ++j) {
    e.AtomoX[j] = 0.25 * (j - 1);
    e.AtomoY[j] = 0.5 * (j % 2);
  }
}

void BM_PasoDeBarridoConDibujo(benchmark::State& estado) {
  VentanaDeBanco v;
  Estado& e = v.e;
  Graf& graf = v.graf;
  CuatroAtomos(e);
  graf.Barrido_Lanzar_Click();
  for (auto _ : estado) {
    graf.Reloj_Timer();
    if (!graf.Reloj.isActive()) graf.Barrido_Lanzar_Click();  // the step rewound the angle: go on
  }
  graf.Reloj.stop();
}
BENCHMARK(BM_PasoDeBarridoConDibujo)->Unit(benchmark::kMicrosecond);

// The wall time of a whole default scan driven by the timer: 401 ticks of
// 25 ms, 10.025 s at best.
void BM_BarridoCompletoConReloj(benchmark::State& estado) {
  for (auto _ : estado) {
    VentanaDeBanco v;
    Estado& e = v.e;
    Graf& graf = v.graf;
    graf.show();
    CuatroAtomos(e);
    QEventLoop bucle;
    QObject::connect(&graf.Reloj, &QTimer::timeout, &bucle, [&] {
      if (!graf.Reloj.isActive()) bucle.quit();
    });
    QElapsedTimer cronometro;
    cronometro.start();
    graf.Barrido_Lanzar_Click();
    bucle.exec();
    estado.SetIterationTime(static_cast<double>(cronometro.nsecsElapsed()) * 1e-9);
  }
}
BENCHMARK(BM_BarridoCompletoConReloj)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varlek
