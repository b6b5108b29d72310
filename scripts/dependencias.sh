#!/usr/bin/env bash
# Instala, si faltan, los paquetes de Debian que necesitan la construcción y
# el programa, y los que se den como argumentos (las pruebas añaden los
# suyos). Instalar necesita root: como otro usuario se usa sudo si lo hay.
set -euo pipefail

paquetes=(cmake make g++ qt6-base-dev qt6-translations-l10n libgl-dev gemmi-dev tao-pegtl-dev libstb-dev
  fonts-dejavu-core fonts-liberation2 fonts-liberation fonts-comic-neue "$@")
faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
[ ${#faltan[@]} -eq 0 ] && exit 0

como_root=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null; then
    como_root=(sudo)
  else
    echo "Faltan paquetes de Debian (${faltan[*]}): ejecute la orden como root." >&2
    exit 1
  fi
fi

# One line per stage, and every fifth of the download and of the
# installation as apt reports it; apt's own output goes to a log shown only
# when something fails.
registro=$(mktemp)
trap 'rm -f "$registro"' EXIT
paso() { echo "[$SECONDS s] $*"; }
falla() {
  cat "$registro" >&2
  echo "No se pudieron instalar los paquetes (la salida de apt-get está arriba)." >&2
  exit 1
}
echo "Faltan ${#faltan[@]} paquetes de Debian: ${faltan[*]}"
paso "Actualizando la lista de paquetes (apt-get update)..."
"${como_root[@]}" apt-get update -q >"$registro" 2>&1 || falla
paso "Instalando con sus dependencias (apt-get install)..."
"${como_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  -o APT::Status-Fd=1 "${faltan[@]}" 2>&1 | {
  declare -A visto=()
  while IFS= read -r linea; do
    echo "$linea" >>"$registro"
    IFS=: read -r tipo _ porcentaje _ <<<"$linea"
    case $tipo in
      dlstatus) etapa=Descargando ;;
      pmstatus) etapa=Instalando ;;
      *) continue ;;
    esac
    quinto=$(( ${porcentaje%%.*} / 20 ))
    if [ -z "${visto[$etapa$quinto]:-}" ]; then
      visto[$etapa$quinto]=1
      paso "  $etapa: $(( quinto * 20 )) %"
    fi
  done
} || falla
paso "Paquetes instalados."
