#!/usr/bin/env bash
# Makes again, from their sources, the files that tools/ make: the guide's
# chapters and the teacher's note, the toolbar bitmaps, the icon, the tests'
# metafile cases and, with the built varlek-muestra given as argument, the
# three powder samples (each from its structure with its seed) and the
# reflection lists of the figures' tests, as the companions beside it write
# them. CI runs it and fails when a file changes.
#   tools/regenera.sh RUTA/varlek-muestra
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
muestra=${1:?"Uso: tools/regenera.sh RUTA/varlek-muestra"}

python3 -B "$raiz/tools/escribe_guion.py" >/dev/null
python3 -B "$raiz/tools/dibuja_imagenes.py"
python3 -B "$raiz/tools/dibuja_icono.py"
python3 -B "$raiz/tools/casos_wmf.py"
for receta in "1 halita 17" "2 silicio 29" "3 cobre 41"; do
  read -r numero estructura semilla <<<"$receta"
  "$muestra" --semilla "$semilla" "$raiz/data/$estructura.cif" "$raiz/data/muestra$numero.bin"
done
programas=$(dirname "$muestra")
casos="$raiz/tests/spectrum/casos"
"$programas/varlek-barrido" --a 4 --b 5 --angulo 60 --reflexiones >"$casos/reflexiones.marcas"
descarte=$(mktemp)
"$muestra" --semilla 1 --lineas "$raiz/data/halita.cif" "$descarte" >"$casos/lineas.marcas"
rm -f "$descarte"
