// A figure of varlek-figura: a scan with two registers' curves and the marks
// of its reflections, painted and encoded in each format.

#include <benchmark/benchmark.h>

#include "apoyo/Aplicacion.h"
#include "scan/Barrido.h"
#include "scan/Reflexiones.h"
#include "spectrum/FiguraEspectro.h"

namespace varlek {
namespace {

Figura FiguraDeBarrido() {
  Estado e;
  AsignaValoresIniciales(e);
  e.AVec = 4;
  e.BVec = 5;
  e.Theta = 6.2832 / 4;
  CompletaBarrido(e);
  Figura figura;
  for (int n = 0; n < 3; ++n) {
    Espectro401 puntos = e.Espectro;
    for (int i = 0; i <= 400; ++i) puntos[i] *= 1 - 0.2f * n;
    figura.curvas.emplace_back(puntos, ColorCurva(n));
  }
  for (const Reflexion& r : ReflexionesBarrido(e)) figura.marcas.push_back({r.dosTheta, "(0,1)"});
  return figura;
}

void BM_Figura(benchmark::State& estado, FormatoFigura formato, double ppp) {
  prueba::AseguraAplicacion();
  const Figura figura = FiguraDeBarrido();
  std::size_t bytes = 0;
  for (auto _ : estado) bytes = BytesFigura(figura, formato, ppp).size();
  estado.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK_CAPTURE(BM_Figura, png_96, FormatoFigura::Png, 96)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Figura, png_300, FormatoFigura::Png, 300)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Figura, pdf, FormatoFigura::Pdf, 96)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Figura, svg, FormatoFigura::Svg, 96)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varlek
