#include "state/LineaVarlek.h"

#ifndef VARLEK_VERSION
#define VARLEK_VERSION "?"
#endif

namespace varlek {

namespace {

constexpr Opcion kOpciones[] = {
    {"--version", "", "muestra la versión y la licencia y termina"},
};

constexpr Programa kPrograma = {
    .nombre = "varlek",
    .resumen = "simula un difractómetro de rayos X θ–2θ frente a un cristal plano",
    .descripcion =
        "Programa didáctico para las prácticas de laboratorio de difracción de rayos X.\n"
        "El alumno define el cristal, elige la longitud de onda y los límites del\n"
        "barrido y ve crecer el difractograma punto a punto mientras se mueve el\n"
        "esquema del difractómetro. Incluye cristales problema, tres muestras de polvo\n"
        "y el guión de la práctica. Sin opciones, abre la ventana.",
    .opciones = kOpciones,
    .argumentos = {},
    .notas =
        "Los capítulos del guión (Intro.rtf, Programa.rtf, Simula.rtf) y las imágenes\n"
        "de la barra se leen de la carpeta desde la que se arranca el programa; las\n"
        "muestras de polvo, de la carpeta del programa o de la carpeta de datos\n"
        "instalada (<prefijo>/share/varlek), donde la entrada del menú lo arranca.",
    .codigosSalida = false,
};

}  // namespace

const Programa& ProgramaVarlek() { return kPrograma; }

std::string TextoVersion() {
  return "varlek " VARLEK_VERSION
         "\nLicencia GPL-3.0 o posterior <https://gnu.org/licenses/gpl.html>.\n"
         "Es software libre: puede cambiarlo y redistribuirlo.\n"
         "No hay NINGUNA GARANTÍA, en la medida en que lo permite la ley.\n";
}

PeticionLinea LeePeticion(std::span<const std::string_view> argumentos) {
  for (const std::string_view a : argumentos) {
    if (a == "-h" || a == "--help") return PeticionLinea::Ayuda;
    if (a == "--version") return PeticionLinea::Version;
  }
  return PeticionLinea::Ventana;
}

}  // namespace varlek
