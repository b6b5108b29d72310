#include "spectrum/LineaFigura.h"

#include <optional>
#include <utility>

namespace varlek {

namespace {

constexpr Opcion kOpciones[] = {
    {"-o", "SALIDA",
     "el fichero que se escribe, en el formato de su extensión:\n"
     ".svg, .png o .pdf, la figura; .csv, una tabla con el ángulo\n"
     "y una columna por espectro para una hoja de cálculo",
     true},
    {"--ppp", "N",
     "puntos por pulgada del PNG, de 24 a 600 (96 si no se da: un\n"
     "punto por píxel de la ventana)"},
    {"--marcas", "LISTA",
     "marca sobre la gráfica las reflexiones de LISTA, la salida de\n"
     "varlek-barrido --reflexiones o de varlek-muestra --lineas"},
};

constexpr Argumento kArgumentos[] = {
    {"ESPECTRO",
     "de uno a cuatro espectros: ficheros de datos (.ASC) o de\n"
     "muestra (.bin); el primero en negro y los siguientes en los\n"
     "colores de los registros X, Y y Z",
     true},
};

constexpr Programa kPrograma = {
    .nombre = "varlek-figura",
    .resumen = "dibuja difractogramas como la gráfica de Varlek",
    .descripcion =
        "Dibuja uno o varios difractogramas como los dibuja la ventana de Varlek: la\n"
        "gráfica amarilla con sus marcas, los ángulos debajo, las intensidades de 0 a\n"
        "100 y los rótulos \"Angulo de difracción\" e \"I(U.A.)\", los espectros\n"
        "superpuestos como con \"Mostrar...\" de los registros. Escribe la figura en\n"
        "SVG, PNG o PDF, o los mismos espectros como tabla CSV.",
    .opciones = kOpciones,
    .argumentos = kArgumentos,
    .notas =
        "Todos los espectros deben tener el mismo rango de ángulos. Un fichero de\n"
        "muestra va de su ángulo inicial a 105°, como lo muestra el programa.",
};

std::optional<FormatoFigura> FormatoDe(std::string_view salida) {
  const std::pair<std::string_view, FormatoFigura> formatos[] = {{".svg", FormatoFigura::Svg},
                                                                 {".png", FormatoFigura::Png},
                                                                 {".pdf", FormatoFigura::Pdf},
                                                                 {".csv", FormatoFigura::Csv}};
  for (const auto& [extension, formato] : formatos)
    if (TerminaEn(salida, extension)) return formato;
  return std::nullopt;
}

Lectura<OrdenFigura> Falla(std::string mensaje) { return {std::nullopt, std::move(mensaje)}; }

}  // namespace

const Programa& ProgramaFigura() { return kPrograma; }

Lectura<OrdenFigura> LeeLineaFigura(std::span<const std::string_view> argumentos) {
  const LineaLeida linea = LeeLinea(kPrograma, argumentos);
  if (!linea.error.empty()) return Falla(linea.error);
  OrdenFigura orden;
  orden.ayuda = linea.ayuda;
  if (orden.ayuda) return {orden, {}};
  orden.salida = linea.Valor("-o");
  const auto formato = FormatoDe(orden.salida);
  if (!formato) return Falla(ValorNoValido("-o", orden.salida, "se espera un fichero .svg, .png, .pdf o .csv"));
  orden.formato = *formato;
  if (linea.Tiene("--ppp")) {
    const std::string_view valor = linea.Valor("--ppp");
    std::string error;
    if (!LeeValorNumerico("--ppp", valor, orden.ppp, error)) return Falla(error);
    if (!(orden.ppp >= 24 && orden.ppp <= 600))
      return Falla(ValorNoValido("--ppp", valor, "se espera un número entre 24 y 600"));
  }
  orden.marcas = linea.Valor("--marcas");
  if (!orden.marcas.empty() && orden.formato == FormatoFigura::Csv)
    return Falla("--marcas es para figuras: una tabla .csv no lleva marcas");
  if (linea.argumentos.size() > 4) return Falla("no se admiten más de cuatro espectros");
  orden.espectros.assign(linea.argumentos.begin(), linea.argumentos.end());
  return {orden, {}};
}

}  // namespace varlek
