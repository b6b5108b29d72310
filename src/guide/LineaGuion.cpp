#include "guide/LineaGuion.h"

namespace varlek::guia {

namespace {

constexpr Opcion kOpciones[] = {
    {"-o", "SALIDA",
     "el fichero que se escribe, en el formato de su extensión:\n"
     ".txt, texto plano: un párrafo por línea, las celdas de una\n"
     "tabla separadas por tabuladores; .html o .htm, HTML con las\n"
     "imágenes dentro del fichero; .pdf, PDF en A4 para imprimir.\n"
     "Sin esta opción, texto plano UTF-8 en la salida estándar"},
};

constexpr Argumento kArgumentos[] = {
    {"FICHERO.rtf", "el capítulo que se lee"},
};

constexpr Programa kPrograma = {
    .nombre = "varlek-guion",
    .resumen = "escribe un capítulo del guión de Varlek como texto, HTML o PDF",
    .descripcion =
        "Lee un capítulo del guión (RTF) con el mismo lector que el programa y lo\n"
        "escribe como texto plano, HTML o PDF.",
    .opciones = kOpciones,
    .argumentos = kArgumentos,
};

Formato FormatoDe(std::string_view salida) {
  if (TerminaEn(salida, ".html") || TerminaEn(salida, ".htm")) return Formato::Html;
  if (TerminaEn(salida, ".pdf")) return Formato::Pdf;
  return Formato::Texto;
}

}  // namespace

const Programa& ProgramaGuion() { return kPrograma; }

Lectura<OrdenGuion> LeeLineaGuion(std::span<const std::string_view> argumentos) {
  const LineaLeida linea = LeeLinea(kPrograma, argumentos);
  if (!linea.error.empty()) return {std::nullopt, linea.error};
  OrdenGuion orden;
  orden.ayuda = linea.ayuda;
  if (orden.ayuda) return {orden, {}};
  orden.entrada = linea.argumentos[0];
  orden.salida = linea.Valor("-o");
  orden.formato = FormatoDe(orden.salida);
  return {orden, {}};
}

}  // namespace varlek::guia
