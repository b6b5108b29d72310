// libFuzzer entry for the guide's readers: any bytes read as a chapter give
// a document whose text is well-formed UTF-8, and every metafile picture in
// it goes through the metafile reader; the bytes are also read as a
// metafile themselves.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "guide/LectorRtf.h"
#include "guide/Metarchivo.h"

namespace {

bool EsUtf8(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    const std::size_t largo = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (largo == 0 || i + largo > s.size()) return false;
    for (std::size_t k = 1; k < largo; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    }
    i += largo;
  }
  return true;
}

void LeeImagenes(const std::vector<varlek::guia::Parrafo>& parrafos) {
  for (const auto& p : parrafos) {
    for (const auto& t : p.tramos) {
      if (t.imagen && t.imagen->tipo == varlek::guia::TipoImagen::Wmf) varlek::guia::LeeMetarchivo(t.imagen->datos);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
  using namespace varlek::guia;
  const std::span<const std::uint8_t> bytes(datos, tamano);
  const Documento documento = LeeRtf(bytes);
  if (!EsUtf8(TextoPlano(documento))) std::abort();
  for (const Bloque& b : documento.bloques) {
    if (const auto* p = std::get_if<Parrafo>(&b)) {
      LeeImagenes({*p});
      continue;
    }
    for (const Fila& f : std::get<Cuadro>(b).filas) {
      for (const Celda& c : f.celdas) LeeImagenes(c.parrafos);
    }
  }
  if (const auto m = LeeMetarchivo(bytes)) {
    for (const DibujoWmf& d : m->dibujos) {
      if (!EsUtf8(d.texto)) std::abort();
    }
  }
  return 0;
}
