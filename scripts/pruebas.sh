#!/usr/bin/env bash
# Instala lo que falte, construye Varlek con sus pruebas y las ejecuta todas.
# Construye en build/, la misma carpeta que scripts/ejecutar.sh: el programa
# se compila una vez para las dos órdenes.
# Con VARLEK_SANEADORES=1 construye y prueba con AddressSanitizer y UBSan;
# con VARLEK_ESTRICTO=1, cada aviso del compilador es un error.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
"$raiz/scripts/dependencias.sh" libgtest-dev
if [ "${VARLEK_SANEADORES:-0}" = 1 ]; then
  dir="$raiz/build-saneado"
  opciones=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DVARLEK_SANEADORES=ON)
else
  dir="$raiz/build"
  opciones=(-DCMAKE_BUILD_TYPE=Release)
fi
if [ "${VARLEK_ESTRICTO:-0}" = 1 ]; then
  opciones+=(-DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
else
  opciones+=(-DCMAKE_COMPILE_WARNING_AS_ERROR=OFF)
fi
cmake -S "$raiz" -B "$dir" -DVARLEK_PRUEBAS=ON "${opciones[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"
cd "$dir"
export LSAN_OPTIONS="suppressions=$raiz/tests/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
