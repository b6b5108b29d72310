#!/usr/bin/env bash
# Construye Varlek en build/, la carpeta que comparten las órdenes: una
# carpeta nueva se configura sin las pruebas; una que ya existe, como esté (con
# las pruebas, si la hizo scripts/pruebas.sh), para no compilar dos veces.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
dir="$raiz/build"
if [ -f "$dir/CMakeCache.txt" ]; then
  cmake -S "$raiz" -B "$dir" >/dev/null
else
  cmake -S "$raiz" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DVARLEK_PRUEBAS=OFF >/dev/null
fi
cmake --build "$dir" -j"$(nproc)"
