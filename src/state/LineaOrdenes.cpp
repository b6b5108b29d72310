#include "state/LineaOrdenes.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <iostream>

#include "state/ErrorVarlek.h"
#include "state/Numeros.h"

namespace varlek {

namespace {

constexpr std::size_t kAnchoAyuda = 79;

// The pieces one after another (a sum of strings that starts with a literal
// makes GCC 12 warn at -O3).
std::string Une(std::initializer_list<std::string_view> piezas) {
  std::string texto;
  for (const std::string_view pieza : piezas) texto += pieza;
  return texto;
}

std::string Entrecomillado(std::string_view texto) { return Une({"\"", texto, "\""}); }

bool EsAyuda(std::string_view a) { return a == "-h" || a == "--help"; }

bool EsOpcion(std::string_view a) { return a.size() > 1 && a[0] == '-'; }

LineaLeida Error(std::string mensaje) {
  LineaLeida linea;
  linea.error = std::move(mensaje);
  return linea;
}

// Columns on a terminal: UTF-8 continuation bytes take none.
std::size_t Columnas(std::string_view texto) {
  return static_cast<std::size_t>(std::ranges::count_if(texto, [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string FormaEnUso(const Opcion& o) {
  std::string forma(o.nombre);
  if (!o.argumento.empty()) forma = Une({forma, " ", o.argumento});
  if (!o.obligatoria) forma = Une({"[", forma, "]"});
  if (o.repetible) forma += "...";
  return forma;
}

// "Uso: programa" and the pieces, wrapped under the first piece.
std::string LineaDeUso(const Programa& p) {
  std::vector<std::string> piezas;
  for (const Opcion& o : p.opciones) piezas.push_back(FormaEnUso(o));
  for (const Argumento& a : p.argumentos) piezas.push_back(std::string(a.nombre) + (a.repetible ? "..." : ""));
  const std::string cabeza = Une({"Uso: ", p.nombre});
  std::string texto = cabeza;
  std::size_t linea = Columnas(cabeza);
  for (const std::string& pieza : piezas) {
    if (linea + 1 + Columnas(pieza) > kAnchoAyuda) {
      texto += '\n';
      texto.append(Columnas(cabeza), ' ');
      linea = Columnas(cabeza);
    }
    texto += ' ';
    texto += pieza;
    linea += 1 + Columnas(pieza);
  }
  return texto + "\n";
}

using Entradas = std::vector<std::pair<std::string, std::string_view>>;

// The width of the first column: the longest form.
std::size_t Ancho(const Entradas& entradas) {
  std::size_t ancho = 0;
  for (const auto& entrada : entradas) ancho = std::max(ancho, Columnas(entrada.first));
  return ancho;
}

// Two-column entries: the form, then its description, continuation lines
// aligned with the first.
std::string Columna(const Entradas& entradas, std::size_t ancho) {
  std::string texto;
  for (const auto& [forma, descripcion] : entradas) {
    texto += Une({"  ", forma});
    texto.append(ancho + 2 - Columnas(forma), ' ');
    for (const char c : descripcion) {
      texto += c;
      if (c == '\n') texto.append(ancho + 4, ' ');
    }
    texto += '\n';
  }
  return texto;
}

}  // namespace

bool LineaLeida::Tiene(std::string_view opcion) const {
  return std::ranges::any_of(opciones, [&](const auto& dada) { return dada.first == opcion; });
}

std::string_view LineaLeida::Valor(std::string_view opcion) const {
  const auto valores = Valores(opcion);
  return valores.empty() ? std::string_view() : valores.front();
}

std::vector<std::string_view> LineaLeida::Valores(std::string_view opcion) const {
  std::vector<std::string_view> valores;
  for (const auto& [nombre, valor] : opciones)
    if (nombre == opcion) valores.push_back(valor);
  return valores;
}

LineaLeida LeeLinea(const Programa& programa, std::span<const std::string_view> argumentos) {
  const auto fin = std::ranges::find(argumentos, "--");
  if (std::any_of(argumentos.begin(), fin, EsAyuda)) {
    LineaLeida ayuda;
    ayuda.ayuda = true;
    return ayuda;
  }

  LineaLeida linea;
  for (auto i = argumentos.begin(); i != argumentos.end(); ++i) {
    const std::string_view a = *i;
    if (i == fin) {
      linea.argumentos.insert(linea.argumentos.end(), i + 1, argumentos.end());
      break;
    }
    if (!EsOpcion(a)) {
      linea.argumentos.push_back(a);
      continue;
    }
    const auto opcion = std::ranges::find(programa.opciones, a, &Opcion::nombre);
    if (opcion == programa.opciones.end()) return Error(Une({"opción desconocida: ", Entrecomillado(a)}));
    if (!opcion->repetible && linea.Tiene(a)) return Error(Une({"la opción ", a, " aparece más de una vez"}));
    std::string_view valor;
    if (!opcion->argumento.empty()) {
      if (i + 1 == argumentos.end() || i + 1 == fin || (i + 1)->empty())
        return Error(Une({"falta el valor de la opción ", a}));
      valor = *++i;
    }
    linea.opciones.emplace_back(opcion->nombre, valor);
  }

  for (const Opcion& o : programa.opciones)
    if (o.obligatoria && !linea.Tiene(o.nombre)) return Error(Une({"falta la opción obligatoria ", o.nombre}));
  const auto& esperados = programa.argumentos;
  if (linea.argumentos.size() < esperados.size()) {
    const Argumento& falta = esperados[linea.argumentos.size()];
    return Error(Une({"falta el argumento ", falta.nombre}));
  }
  if (linea.argumentos.size() > esperados.size() && (esperados.empty() || !esperados.back().repetible))
    return Error(Une({"sobra el argumento ", Entrecomillado(linea.argumentos[esperados.size()])}));
  return linea;
}

std::vector<std::string_view> ArgumentosDe(int argc, char** argv) {
  return argc > 1 ? std::vector<std::string_view>(argv + 1, argv + argc) : std::vector<std::string_view>();
}

std::string ValorNoValido(std::string_view opcion, std::string_view valor, std::string_view esperado) {
  return Une({"valor no válido para ", opcion, ": ", Entrecomillado(valor), " (", esperado, ")"});
}

bool LeeValorNumerico(std::string_view opcion, std::string_view valor, double& destino, std::string& error) {
  const auto numero = LeeNumeroEstricto(valor);
  if (!numero) {
    error = ValorNoValido(opcion, valor, "se espera un número con punto decimal, por ejemplo 1.5");
    return false;
  }
  destino = *numero;
  return true;
}

bool TerminaEn(std::string_view nombre, std::string_view fin) {
  return nombre.size() >= fin.size() &&
         std::ranges::equal(nombre.substr(nombre.size() - fin.size()), fin,
                            [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

std::string TextoAyuda(const Programa& p) {
  std::string texto = Une({p.nombre, ": ", p.resumen, "\n\n", LineaDeUso(p), "\n", p.descripcion, "\n\n"});
  Entradas ficheros, opciones;
  for (const Argumento& a : p.argumentos) ficheros.emplace_back(a.nombre, a.descripcion);
  for (const Opcion& o : p.opciones) {
    opciones.emplace_back(o.argumento.empty() ? std::string(o.nombre) : Une({o.nombre, " ", o.argumento}),
                          o.descripcion);
  }
  opciones.emplace_back("-h, --help", "muestra esta ayuda");
  const std::size_t ancho = std::max(Ancho(ficheros), Ancho(opciones));
  if (!ficheros.empty()) texto += Une({"Argumentos:\n", Columna(ficheros, ancho), "\n"});
  texto += Une({"Opciones:\n", Columna(opciones, ancho), "\n"});
  if (!p.notas.empty()) texto += Une({p.notas, "\n\n"});
  if (p.codigosSalida) texto += kTextoSalida;
  return texto;
}

int MuestraAyuda(const Programa& programa) {
  std::cout << TextoAyuda(programa) << std::flush;
  return std::cout ? kSalidaBien : kSalidaFichero;
}

int FallaOrden(const Programa& programa, std::string_view error) {
  std::cerr << programa.nombre << ": " << error << "\nPara ver la ayuda: " << programa.nombre << " --help\n";
  return kSalidaOrden;
}

int Falla(const Programa& programa, std::string_view mensaje) {
  std::cerr << programa.nombre << ": " << mensaje << "\n";
  return kSalidaFichero;
}

std::string MensajeError(std::string_view que, const ErrorVarlek& error) {
  return Une({que, ": ", DescripcionError(error.Codigo()), " (error ", std::to_string(error.Codigo()), ")"});
}

std::string MensajeFichero(std::string_view accion, std::string_view ruta, const ErrorVarlek& error) {
  return MensajeError(Une({accion, " ", ruta.empty() ? "en la salida estándar" : Entrecomillado(ruta)}), error);
}

}  // namespace varlek
