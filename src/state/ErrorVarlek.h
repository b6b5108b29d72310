#pragma once
// The one failure type of the program: it carries the error code that the
// error report turns into its Spanish message.

#include <stdexcept>
#include <string>

namespace varlek {

namespace codigo {
inline constexpr int Desbordamiento = 6;
inline constexpr int FueraDeIntervalo = 9;
inline constexpr int DivisionPorCero = 11;
inline constexpr int NoCoincidenTipos = 13;
inline constexpr int NombreONumeroIncorrecto = 52;
inline constexpr int FicheroNoExiste = 53;
inline constexpr int DiscoLleno = 61;
inline constexpr int FinDeFichero = 62;
inline constexpr int NombreIncorrecto = 64;
inline constexpr int PermisoDenegado = 70;
inline constexpr int DiscoNoPreparado = 71;
inline constexpr int AccesoIncorrecto = 75;
inline constexpr int CaminoNoEncontrado = 76;
}  // namespace codigo

class ErrorVarlek : public std::runtime_error {
 public:
  explicit ErrorVarlek(int codigoError);
  int Codigo() const { return codigo_; }

 private:
  int codigo_;
};

// The message shown under "MENSAJE DE ERROR" for an error code.
std::string TextoError(int codigoError);

// The standard Spanish description of an error code (the generic part of
// the message of codes without an entry of their own).
std::string DescripcionError(int codigoError);

// The error code of a failure of the operating system on a file. `ruta` is
// the file that was being opened, read or written: a missing file in an
// existing folder is 53, a missing folder 76.
int CodigoDeSistema(int errnoValor, const std::string& ruta);

}  // namespace varlek
