#!/usr/bin/env bash
# Instala lo que falte, construye Varlek y lo abre desde la carpeta donde
# están sus ficheros de datos.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
"$raiz/scripts/dependencias.sh"
cmake -S "$raiz" -B "$raiz/build" -DCMAKE_BUILD_TYPE=Release -DVARLEK_PRUEBAS=OFF >/dev/null
cmake --build "$raiz/build" -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No hay pantalla gráfica (DISPLAY vacío): abra una sesión de escritorio y repita la orden." >&2
  exit 1
fi
cd "$raiz/build/programa"
exec ./varlek
