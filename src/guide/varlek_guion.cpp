// varlek-guion: reads a guide chapter through the program's own RTF reader
// and writes it as plain text, HTML or PDF, so that teachers can check
// their chapters and print the guide.

#include <QBuffer>
#include <QGuiApplication>
#include <QTextDocument>
#include <optional>
#include <string>

#include "files/FicheroSistema.h"
#include "guide/Capitulos.h"
#include "guide/DocumentoQt.h"
#include "guide/ImprimeGuion.h"
#include "guide/LectorRtf.h"
#include "guide/LineaGuion.h"
#include "state/ErrorVarlek.h"
#include "ui/CarpetaEjecucion.h"

namespace {

using namespace varlek;

// The chapter laid out by Qt, as HTML with its pictures inside or as A4 PDF
// pages; nothing when the PDF cannot be painted. Pictures and PDF need fonts
// and painting, without any screen.
std::optional<std::string> BytesMaquetados(const guia::Documento& documento, const guia::OrdenGuion& orden, int argc,
                                           char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ui::PreparaCarpetaEjecucion();
  QGuiApplication aplicacion(argc, argv);
  QTextDocument doc;
  guia::ConstruyeDocumento(documento, doc, {.imagenesEnLinea = orden.formato == guia::Formato::Html});
  if (orden.formato == guia::Formato::Html) return doc.toHtml().toStdString();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!guia::ImprimePdf(doc, buffer, QString::fromStdString(orden.entrada))) return std::nullopt;
  return bytes.toStdString();
}

}  // namespace

int main(int argc, char** argv) {
  const Programa& programa = guia::ProgramaGuion();
  const auto lectura = guia::LeeLineaGuion(ArgumentosDe(argc, argv));
  if (!lectura.orden) return FallaOrden(programa, lectura.error);
  const guia::OrdenGuion& orden = *lectura.orden;
  if (orden.ayuda) return MuestraAyuda(programa);

  const auto bytes = guia::LeeBytes(orden.entrada);
  if (!bytes) return Falla(programa, "no se pudo leer \"" + orden.entrada + "\"");
  const guia::Documento documento = guia::LeeRtf(*bytes);
  const auto salida = orden.formato == guia::Formato::Texto ? guia::TextoPlano(documento)
                                                            : BytesMaquetados(documento, orden, argc, argv);
  if (!salida) return Falla(programa, "no se pudo componer el PDF de \"" + orden.entrada + "\"");
  try {
    EscribeSalida(orden.salida, *salida);
  } catch (const ErrorVarlek& error) {
    return Falla(programa, MensajeFichero("no se pudo escribir", orden.salida, error));
  }
  return kSalidaBien;
}
