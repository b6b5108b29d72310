// varlek-guion: reads a guide chapter through the program's own RTF reader
// and writes it as plain text, HTML or PDF, so that teachers can check
// their chapters and print the guide.

#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>
#include <cctype>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "guide/Capitulos.h"
#include "guide/DocumentoQt.h"
#include "guide/ImprimeGuion.h"
#include "guide/LectorRtf.h"

namespace {

constexpr const char* kAyuda =
    "Uso: varlek-guion FICHERO.rtf [-o SALIDA]\n"
    "\n"
    "Lee un capítulo del guión (RTF) con el mismo lector que el programa y lo escribe:\n"
    "  sin -o             como texto plano UTF-8 en la salida estándar;\n"
    "  -o SALIDA.txt      como texto plano: un párrafo por línea, las celdas de\n"
    "                     una tabla separadas por tabuladores;\n"
    "  -o SALIDA.html     como HTML, con las imágenes dentro del fichero;\n"
    "  -o SALIDA.pdf      como PDF en A4, para imprimir el guión.\n"
    "\n"
    "  -h, --help         muestra esta ayuda.\n"
    "\n"
    "Termina con 0 si todo va bien, 1 si no se puede leer o escribir un fichero\n"
    "y 2 si la orden está mal escrita.\n";

enum class Formato { Texto, Html, Pdf };

Formato FormatoDe(const std::string& salida) {
  const auto termina = [&](std::string_view fin) {
    if (salida.size() < fin.size()) return false;
    std::string cola = salida.substr(salida.size() - fin.size());
    for (char& c : cola) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return cola == fin;
  };
  if (termina(".html") || termina(".htm")) return Formato::Html;
  if (termina(".pdf")) return Formato::Pdf;
  return Formato::Texto;
}

int Uso(const std::string& problema) {
  std::cerr << "varlek-guion: " << problema << "\nPara ver la ayuda: varlek-guion --help\n";
  return 2;
}

bool EscribeFichero(const std::string& ruta, const QByteArray& bytes) {
  QFile fichero(QString::fromStdString(ruta));
  return fichero.open(QIODevice::WriteOnly | QIODevice::Truncate) && fichero.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace varlek;
  std::string entrada, salida;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "-h" || a == "--help") {
      std::cout << kAyuda;
      return 0;
    }
    if (a == "-o") {
      if (i + 1 >= argc) return Uso("falta el nombre del fichero de salida tras -o");
      salida = argv[++i];
    } else if (!a.empty() && a[0] == '-') {
      return Uso("opción desconocida: " + std::string(a));
    } else if (entrada.empty()) {
      entrada = a;
    } else {
      return Uso("sobra el argumento " + std::string(a));
    }
  }
  if (entrada.empty()) return Uso("falta el fichero RTF");

  const auto bytes = guia::LeeBytes(entrada);
  if (!bytes) {
    std::cerr << "varlek-guion: no se puede leer \"" << entrada << "\"\n";
    return 1;
  }
  const guia::Documento documento = guia::LeeRtf(*bytes);
  const Formato formato = salida.empty() ? Formato::Texto : FormatoDe(salida);

  if (formato == Formato::Texto) {
    const std::string texto = guia::TextoPlano(documento);
    if (salida.empty()) {
      const bool escrito =
          std::fwrite(texto.data(), 1, texto.size(), stdout) == texto.size() && std::fflush(stdout) == 0;
      return escrito ? 0 : 1;
    }
    if (EscribeFichero(salida, QByteArray::fromStdString(texto))) return 0;
    std::cerr << "varlek-guion: no se puede escribir \"" << salida << "\"\n";
    return 1;
  }

  // Pictures and PDF need fonts and painting, without any screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication aplicacion(argc, argv);
  QTextDocument doc;
  guia::ConstruyeDocumento(documento, doc, {.imagenesEnLinea = formato == Formato::Html});
  bool escrito = false;
  if (formato == Formato::Html) {
    escrito = EscribeFichero(salida, doc.toHtml().toUtf8());
  } else {
    escrito = guia::ImprimePdf(doc, QString::fromStdString(salida), QString::fromStdString(entrada));
  }
  if (escrito) return 0;
  std::cerr << "varlek-guion: no se puede escribir \"" << salida << "\"\n";
  return 1;
}
