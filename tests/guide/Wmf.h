#pragma once
// Builds small Windows metafiles record by record, as a formula editor
// writes them, for the tests of the reader and of the player.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace varlek::prueba {

class Wmf {
 public:
  Wmf& Registro(std::uint16_t funcion, std::initializer_list<std::int16_t> parametros, const std::string& cola = {}) {
    std::vector<std::uint8_t> cuerpo;
    for (std::int16_t p : parametros) Anade16(cuerpo, static_cast<std::uint16_t>(p));
    cuerpo.insert(cuerpo.end(), cola.begin(), cola.end());
    if (cuerpo.size() % 2) cuerpo.push_back(0);
    Anade32(registros_, static_cast<std::uint32_t>(3 + cuerpo.size() / 2));
    Anade16(registros_, funcion);
    registros_.insert(registros_.end(), cuerpo.begin(), cuerpo.end());
    return *this;
  }
  Wmf& Ventana(int x, int y, int ancho, int alto) {
    Registro(0x0103, {8});
    Registro(0x020B, {static_cast<std::int16_t>(y), static_cast<std::int16_t>(x)});
    return Registro(0x020C, {static_cast<std::int16_t>(alto), static_cast<std::int16_t>(ancho)});
  }
  Wmf& Fuente(std::int16_t alto, const std::string& cara, std::uint8_t juego = 0) {
    std::string resto(8, '\0');  // italic to pitch and family; the charset is the fourth
    resto[3] = static_cast<char>(juego);
    std::string nombre = cara;
    nombre.resize(32, '\0');
    std::string cola;
    for (std::int16_t v : {alto, std::int16_t(0), std::int16_t(0), std::int16_t(0), std::int16_t(400)}) {
      cola += static_cast<char>(v & 0xFF);
      cola += static_cast<char>((v >> 8) & 0xFF);
    }
    return Registro(0x02FB, {}, cola + resto + nombre);
  }
  Wmf& Selecciona(int objeto) { return Registro(0x012D, {static_cast<std::int16_t>(objeto)}); }
  Wmf& Texto(int x, int y, const std::string& texto) {
    std::string cola = texto;
    if (cola.size() % 2) cola += '\0';
    std::string fin;
    for (int v : {y, x}) {
      fin += static_cast<char>(v & 0xFF);
      fin += static_cast<char>((v >> 8) & 0xFF);
    }
    return Registro(0x0521, {static_cast<std::int16_t>(texto.size())}, cola + fin);
  }
  // The file: placeable header (frame in logical units, 1440 a inch), header, records, end.
  std::vector<std::uint8_t> Bytes(int ancho = 2400, int alto = 480) const {
    std::vector<std::uint8_t> b;
    Anade32(b, 0x9AC6CDD7);
    for (int v : {0, 0, 0, ancho, alto, 1440}) Anade16(b, static_cast<std::uint16_t>(v));
    Anade32(b, 0);
    Anade16(b, 0);
    for (int v : {1, 9, 0x300}) Anade16(b, static_cast<std::uint16_t>(v));
    Anade32(b, static_cast<std::uint32_t>(9 + registros_.size() / 2 + 3));
    Anade16(b, 8);
    Anade32(b, 64);
    Anade16(b, 0);
    b.insert(b.end(), registros_.begin(), registros_.end());
    Anade32(b, 3);
    Anade16(b, 0);
    return b;
  }
  // The file as RTF writes a picture's data.
  std::string Hex(int ancho = 2400, int alto = 480) const {
    static const char* cifras = "0123456789abcdef";
    std::string h;
    for (std::uint8_t c : Bytes(ancho, alto)) {
      h += cifras[c >> 4];
      h += cifras[c & 15];
    }
    return h;
  }

 private:
  static void Anade16(std::vector<std::uint8_t>& b, std::uint16_t v) {
    b.push_back(v & 0xFF);
    b.push_back(v >> 8);
  }
  static void Anade32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    Anade16(b, v & 0xFFFF);
    Anade16(b, v >> 16);
  }
  std::vector<std::uint8_t> registros_;
};

// The formula "nλ = 2d senθ" with Times New Roman and Symbol runs.
inline Wmf FormulaBragg() {
  Wmf w;
  w.Ventana(0, 0, 2400, 480).Fuente(-320, "Times New Roman").Selecciona(0).Fuente(-320, "Symbol", 2);
  w.Registro(0x012E, {24}).Registro(0x0102, {1}).Registro(0x0209, {0, 0});
  w.Texto(40, 300, "n").Selecciona(1).Texto(200, 300, "l").Selecciona(0).Texto(400, 300, " = 2d sen");
  w.Selecciona(1).Texto(1900, 300, "q");
  return w;
}

}  // namespace varlek::prueba
