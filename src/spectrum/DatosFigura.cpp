#include "spectrum/DatosFigura.h"

#include <algorithm>
#include <sstream>

#include "files/FicheroDatos.h"
#include "spectrum/Ejes.h"
#include "spectrum/FicheroMuestra.h"
#include "state/LineaOrdenes.h"
#include "state/Numeros.h"

namespace varlek {

namespace {

// The end of a sample's range: the program's default end angle.
constexpr float kFinMuestra = 105;

// A number as text without the blank a positive one brings.
std::string Numero(double v) { return FormateaNumero(v).substr(v < 0 ? 0 : 1); }
std::string Numero(float v) { return FormateaNumero(v).substr(v < 0 ? 0 : 1); }

std::string Rango(const EspectroFigura& e) {
  return "\"" + e.nombre + "\" (" + Numero(e.minimo) + "° a " + Numero(e.maximo) + "°)";
}

// A CSV field in quotes, its quotes doubled.
std::string Citado(std::string_view texto) {
  std::string campo = "\"";
  for (char c : texto) campo += c == '"' ? std::string("\"\"") : std::string(1, c);
  return campo + "\"";
}

}  // namespace

EspectroFigura LeeEspectro(const std::string& ruta) {
  EspectroFigura e;
  e.nombre = ruta.substr(ruta.find_last_of('/') + 1);
  if (TerminaEn(ruta, ".bin")) {
    const DatosMuestra muestra = LeeFicheroMuestra(ruta);
    e.minimo = muestra.inicio;
    e.maximo = kFinMuestra;
    e.puntos = muestra.puntos;
  } else {
    const DatosEspectro datos = CargaDatos(ruta);
    e.minimo = datos.minimo;
    e.maximo = datos.maximo;
    e.puntos = datos.puntos;
  }
  return e;
}

std::string RangoDistinto(const std::vector<EspectroFigura>& espectros) {
  for (const EspectroFigura& e : espectros) {
    if (e.minimo != espectros[0].minimo || e.maximo != espectros[0].maximo)
      return "el rango de " + Rango(e) + " no es el de " + Rango(espectros[0]);
  }
  return {};
}

std::string TextoCsv(const std::vector<EspectroFigura>& espectros) {
  std::string texto = Citado("Angulo de difracción");
  for (const EspectroFigura& e : espectros) {
    texto += ',';
    texto += Citado(e.nombre);
  }
  texto += "\r\n";
  const EspectroFigura& primero = espectros.at(0);
  for (int i = 0; i <= 400; ++i) {
    const std::string angulo = TextoAnguloEn(primero.minimo, primero.maximo, static_cast<float>(XDeRanura(i)));
    texto += angulo.substr(angulo[0] == ' ' ? 1 : 0);
    for (const EspectroFigura& e : espectros) {
      texto += ',';
      texto += Numero(e.puntos[i]);
    }
    texto += "\r\n";
  }
  return texto;
}

std::vector<Marca> LeeMarcas(std::string_view lista) {
  std::vector<Marca> marcas;
  std::istringstream lineas{std::string(lista)};
  for (std::string linea; std::getline(lineas, linea);) {
    std::istringstream palabras(linea);
    std::vector<std::string> p;
    for (std::string w; palabras >> w;) p.push_back(w);
    const auto decimal = std::find_if(p.begin(), p.end(), [](const std::string& w) {
      return w.find('.') != std::string::npos && LeeNumeroEstricto(w).has_value();
    });
    if (decimal == p.begin() || decimal == p.end() || decimal + 1 == p.end()) continue;
    const auto dosTheta = LeeNumeroEstricto(*(decimal + 1));
    if (!dosTheta) continue;
    std::string indices;
    for (auto w = p.begin(); w != decimal; ++w) indices += (indices.empty() ? "" : " ") + *w;
    marcas.push_back({*dosTheta, indices[0] == '(' ? indices : "(" + indices + ")"});
  }
  return marcas;
}

}  // namespace varlek
