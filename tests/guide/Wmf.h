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
  Wmf& Registro(int funcion, std::initializer_list<int> parametros, const std::string& cola = {}) {
    std::string cuerpo = Palabras(parametros) + cola;
    cuerpo.resize(cuerpo.size() + cuerpo.size() % 2, '\0');
    registros_ += Palabras({static_cast<int>(3 + cuerpo.size() / 2), 0, funcion}) + cuerpo;
    return *this;
  }
  Wmf& Ventana(int x, int y, int ancho, int alto) {
    return Registro(0x0103, {8}).Registro(0x020B, {y, x}).Registro(0x020C, {alto, ancho});
  }
  // Height, width, escapement, orientation, weight; italic to family (the charset fourth); the face.
  Wmf& Fuente(int alto, std::string cara, char juego = 0) {
    cara.resize(32, '\0');
    return Registro(0x02FB, {alto, 0, 0, 0, 400}, std::string(3, '\0') + juego + std::string(4, '\0') + cara);
  }
  Wmf& Selecciona(int objeto) { return Registro(0x012D, {objeto}); }
  Wmf& Texto(int x, int y, const std::string& texto) {
    const std::string relleno(texto.size() % 2, '\0');  // texts are padded to whole words
    return Registro(0x0521, {static_cast<int>(texto.size())}, texto + relleno + Palabras({y, x}));
  }
  // The file: placeable header (a 2400 by 480 frame, 1440 units an inch), header, records, end.
  std::vector<std::uint8_t> Bytes() const {
    const int palabras = static_cast<int>(9 + registros_.size() / 2 + 3);
    const std::string b = Palabras({0xCDD7, 0x9AC6, 0, 0, 0, 2400, 480, 1440, 0, 0, 0}) +
                          Palabras({1, 9, 0x300, palabras, 0, 8, 64, 0, 0}) + registros_ + Palabras({3, 0, 0});
    return {b.begin(), b.end()};
  }
  // The file as RTF writes a picture's data.
  std::string Hex() const {
    std::string h;
    for (std::uint8_t c : Bytes()) h += std::string{"0123456789abcdef"[c >> 4], "0123456789abcdef"[c & 15]};
    return h;
  }

 private:
  // Little-endian 16-bit words.
  static std::string Palabras(std::initializer_list<int> valores) {
    std::string b;
    for (int v : valores) b += std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
    return b;
  }
  std::string registros_;
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
