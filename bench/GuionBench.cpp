// Reading and laying out guide chapters: a chapter of about 30 KB as the
// practice's introduction is, and a 1 MB file full of pictures.

#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTextDocument>
#include <random>
#include <string>

#include "apoyo/Aplicacion.h"
#include "guide/DocumentoQt.h"
#include "guide/LectorRtf.h"

namespace varlek::guia {
namespace {

std::string Hex(const QByteArray& bytes) { return bytes.toHex().toStdString(); }

// The formula "nλ = 2d senθ", one of the tests' metafile cases.
QByteArray Formula() {
  QFile f(VARLEK_FORMULA);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A noisy bitmap: PNG cannot shrink it much.
std::string PngRuidoso(int lado, std::mt19937& azar) {
  QImage imagen(lado, lado, QImage::Format_RGB32);
  for (int y = 0; y < lado; ++y) {
    for (int x = 0; x < lado; ++x) imagen.setPixel(x, y, azar());
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  imagen.save(&buffer, "PNG");
  return Hex(bytes);
}

const std::string kCabecera =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f1\\fswiss\\fcharset0 "
    "Arial;}{\\f2\\froman\\fcharset2 Symbol;}}{\\colortbl ;\\red0\\green0\\blue255;}"
    "{\\stylesheet{\\s0 Normal;}{\\s1\\b\\fs32 heading 1;}}\n";

// Paragraphs with accents, Greek, indents and tabs, a table and a formula
// every few paragraphs, until the file reaches `bytes`.
std::string Capitulo(std::size_t bytes, int ladoImagen) {
  std::mt19937 azar(3);
  const std::string formula = Hex(Formula());
  std::string rtf = kCabecera + "\\pard\\plain\\s1\\qc\\sb240\\sa120\\f1\\fs32\\b 1) Introducci\\'f3n\\par\n";
  for (int n = 0; rtf.size() < bytes; ++n) {
    rtf += "\\pard\\plain\\li360\\fi-360\\sa120\\tx720\\f0\\fs24 " + std::to_string(n) +
           ")\\tab La difracci\\'f3n de rayos X por un cristal sigue la ley de Bragg: n{\\f2 l} = 2d sen{\\f2 q}, "
           "con {\\f2 l} en \\'c5 y {\\f2 q} el \\'e1ngulo de incidencia; la intensidad I(h,k) crece con "
           "|F{\\sub hk}|{\\super 2}. {\\b Nota:} {\\i v\\'e9ase el cap\\'edtulo 2}.\\par\n";
    if (n % 6 == 5) {
      rtf +=
          "\\pard\\qc{\\object\\objemb{\\*\\objdata 01050000}{\\result{\\pict\\wmetafile8\\picwgoal2400"
          "\\pichgoal480 " +
          formula + "}}}\\par\n";
    }
    if (n % 10 == 9) {
      rtf +=
          "\\trowd\\cellx1500\\cellx3000\\cellx4500\\pard\\intbl h\\cell k\\cell I\\cell\\row"
          "\\trowd\\cellx1500\\cellx3000\\cellx4500\\pard\\intbl 1\\cell 0\\cell 100\\cell\\row\\pard\\par\n";
    }
    if (ladoImagen > 0 && n % 4 == 3) {
      rtf += "\\pard\\qc{\\*\\shppict{\\pict\\pngblip\\picwgoal1500\\pichgoal1500 " + PngRuidoso(ladoImagen, azar) +
             "}}\\par\n";
    }
  }
  return rtf + "}";
}

void Lee(benchmark::State& estado, const std::string& rtf) {
  for (auto _ : estado) benchmark::DoNotOptimize(LeeRtf(rtf));
  estado.SetBytesProcessed(static_cast<std::int64_t>(estado.iterations() * rtf.size()));
}

// With `compone`, the document is also laid out at the viewer's width.
void LeeYConstruye(benchmark::State& estado, const std::string& rtf, bool compone) {
  prueba::AseguraAplicacion();
  for (auto _ : estado) {
    QTextDocument doc;
    ConstruyeDocumento(LeeRtf(rtf), doc);
    if (!compone) continue;
    doc.setTextWidth(585);
    benchmark::DoNotOptimize(doc.documentLayout()->documentSize());
  }
  estado.SetBytesProcessed(static_cast<std::int64_t>(estado.iterations() * rtf.size()));
}

void BM_LeeCapitulo30KB(benchmark::State& estado) { Lee(estado, Capitulo(30000, 0)); }
void BM_LeeYConstruyeCapitulo30KB(benchmark::State& estado) { LeeYConstruye(estado, Capitulo(30000, 0), false); }
void BM_LeeYComponeCapitulo30KB(benchmark::State& estado) { LeeYConstruye(estado, Capitulo(30000, 0), true); }
void BM_LeeRtf1MBConImagenes(benchmark::State& estado) { Lee(estado, Capitulo(1 << 20, 60)); }
void BM_LeeYComponeRtf1MBConImagenes(benchmark::State& estado) { LeeYConstruye(estado, Capitulo(1 << 20, 60), true); }

// One formula picture drawn from its metafile.
void BM_DibujaFormula(benchmark::State& estado) {
  prueba::AseguraAplicacion();
  const QByteArray bytes = Formula();
  const Imagen formula{TipoImagen::Wmf, {bytes.begin(), bytes.end()}, 2400, 480};
  for (auto _ : estado) benchmark::DoNotOptimize(ImagenDe(formula));
}

BENCHMARK(BM_DibujaFormula)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LeeCapitulo30KB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LeeYConstruyeCapitulo30KB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LeeYComponeCapitulo30KB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LeeRtf1MBConImagenes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LeeYComponeRtf1MBConImagenes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varlek::guia
