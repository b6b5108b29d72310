#include "state/ErrorVarlek.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "state/Numeros.h"

namespace varlek {

ErrorVarlek::ErrorVarlek(int codigoError) : std::runtime_error(TextoError(codigoError)), codigo_(codigoError) {}

std::string TextoError(int codigoError) {
  switch (codigoError) {
    case codigo::NombreONumeroIncorrecto:
      return "Error 52: nombre de fichero incorrecto";
    case codigo::FicheroNoExiste:
      return "Error 53: ese fichero no existe";
    case codigo::NombreIncorrecto:
      return "Error 64: nombre de fichero incorrecto";
    case codigo::DiscoNoPreparado:
      return "Error 71: no se puede acceder al disco";
    case codigo::AccesoIncorrecto:
      return "Error 75: camino de acceso incorrecto";
    case codigo::CaminoNoEncontrado:
      return "Error 76: no se encuentra el camino de acceso ";
    default:
      return "Error " + FormateaNumero(static_cast<double>(codigoError)) + ": " + DescripcionError(codigoError);
  }
}

std::string DescripcionError(int codigoError) {
  switch (codigoError) {
    case 5:
      return "Llamada a procedimiento o argumento no válidos";
    case 6:
      return "Desbordamiento";
    case 7:
      return "Memoria insuficiente";
    case 9:
      return "El subíndice está fuera del intervalo";
    case 11:
      return "División por cero";
    case 13:
      return "No coinciden los tipos";
    case 52:
      return "Nombre o número de archivo incorrecto";
    case 53:
      return "No se encontró el archivo";
    case 55:
      return "El archivo ya está abierto";
    case 57:
      return "Error de E/S en el dispositivo";
    case 61:
      return "Disco lleno";
    case 62:
      return "La entrada pasó del final del archivo";
    case 64:
      return "Nombre de archivo incorrecto";
    case 67:
      return "Demasiados archivos";
    case 68:
      return "Dispositivo no disponible";
    case 70:
      return "Permiso denegado";
    case 71:
      return "El disco no está preparado";
    case 75:
      return "Error de acceso a la ruta o al archivo";
    case 76:
      return "No se encontró la ruta de acceso";
    default:
      return "Error definido por la aplicación o por el objeto";
  }
}

int CodigoDeSistema(int errnoValor, const std::string& ruta) {
  switch (errnoValor) {
    case ENOENT: {
      std::error_code ec;
      const std::filesystem::path p(ruta);
      const auto carpeta = p.has_parent_path() ? p.parent_path() : std::filesystem::path(".");
      return std::filesystem::is_directory(carpeta, ec) ? codigo::FicheroNoExiste : codigo::CaminoNoEncontrado;
    }
    case ENOTDIR:
      return codigo::CaminoNoEncontrado;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
      return codigo::PermisoDenegado;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return codigo::DiscoLleno;
    case ENAMETOOLONG:
      return codigo::NombreIncorrecto;
    case EINVAL:
    case EILSEQ:
      return codigo::NombreONumeroIncorrecto;
    case EIO:
    case ENXIO:
    case ENODEV:
    case ENOMEDIUM:
      return codigo::DiscoNoPreparado;
    default:
      return codigo::AccesoIncorrecto;
  }
}

}  // namespace varlek
