#pragma once
// What the test programs share: the error code an operation fails with, a
// temporary folder removed with its scope, whole files read and written, a
// companion program run with its output, and stored cases (inputs beside
// their expected dumps) compared like the reference pictures.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "state/ErrorVarlek.h"

namespace varlek::prueba {

namespace fs = std::filesystem;

// The code of the error `operacion` fails with, or 0 when it does not fail.
inline int CodigoDe(const std::function<void()>& operacion) {
  try {
    operacion();
  } catch (const ErrorVarlek& e) {
    return e.Codigo();
  }
  return 0;
}

// A fresh folder of its own, removed with everything in it at the end of the scope.
class CarpetaTemporal {
 public:
  CarpetaTemporal() {
    std::string plantilla = (fs::temp_directory_path() / "varlek-prueba-XXXXXX").string();
    if (::mkdtemp(plantilla.data()) == nullptr) throw std::runtime_error("mkdtemp");
    ruta_ = plantilla;
  }
  ~CarpetaTemporal() { fs::remove_all(ruta_); }
  CarpetaTemporal(const CarpetaTemporal&) = delete;
  CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

  const fs::path& Ruta() const { return ruta_; }
  fs::path operator/(const fs::path& nombre) const { return ruta_ / nombre; }

 private:
  fs::path ruta_;
};

inline std::string LeeFichero(const fs::path& ruta) {
  return (std::ostringstream() << std::ifstream(ruta, std::ios::binary).rdbuf()).str();
}
inline void EscribeFichero(const fs::path& ruta, std::string_view texto) {
  std::ofstream(ruta, std::ios::binary) << texto;
}

struct Salida {
  int codigo = -1;    // the exit code
  std::string texto;  // what it wrote on its standard output
  bool operator==(const Salida&) const = default;
};
// Runs a command line through the shell, its error output discarded.
inline Salida Ejecuta(const std::string& orden) {
  Salida s;
  FILE* tubo = ::popen((orden + " 2>/dev/null").c_str(), "r");
  if (tubo == nullptr) return s;
  char trozo[4096];
  for (std::size_t n; (n = std::fread(trozo, 1, sizeof trozo, tubo)) > 0;) s.texto.append(trozo, n);
  const int estado = ::pclose(tubo);
  s.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
  return s;
}

// The stored cases of a folder of tests/ with the given extension, by name.
inline std::vector<fs::path> Casos(const fs::path& carpeta, std::string_view extension) {
  std::vector<fs::path> casos;
  for (const auto& e : fs::directory_iterator(fs::path(VARLEK_FUENTES_PRUEBAS) / carpeta))
    if (e.path().extension() == extension) casos.push_back(e.path());
  std::ranges::sort(casos);
  return casos;
}

// `obtenido` against the dump stored beside the case (its name and ".txt");
// with VARLEK_REFERENCIAS=escribir it is stored instead, to be looked at
// before committing. A failure leaves what was obtained in the temporary
// folder, named in the failure, to compare with diff.
inline ::testing::AssertionResult ComoVolcado(const std::string& obtenido, fs::path caso) {
  caso += ".txt";
  if (const char* modo = std::getenv("VARLEK_REFERENCIAS"); modo != nullptr && std::string(modo) == "escribir") {
    EscribeFichero(caso, obtenido);
    return ::testing::AssertionSuccess();
  }
  if (obtenido == LeeFichero(caso)) return ::testing::AssertionSuccess();
  const fs::path visto = fs::temp_directory_path() / ("varlek-" + caso.filename().string());
  EscribeFichero(visto, obtenido);
  return ::testing::AssertionFailure() << "lo obtenido difiere de " << caso.string() << "; está en " << visto.string();
}

}  // namespace varlek::prueba
