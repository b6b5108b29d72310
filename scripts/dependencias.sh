#!/usr/bin/env bash
# Instala, si faltan, los paquetes de Debian que necesitan la construcción y
# el programa, y los que se den como argumentos (las pruebas añaden los
# suyos). Instalar necesita root: como otro usuario se usa sudo si lo hay.
set -euo pipefail

paquetes=(cmake make g++ qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev gemmi-dev tao-pegtl-dev libstb-dev
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

# One line per stage, then one for every tenth of the download and of the
# installation as apt reports it, and at least one every ten seconds with the
# package being installed; apt's own output goes to a log shown only when
# something fails.
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
  ultimo="" desde=$SECONDS
  while IFS= read -r linea; do
    echo "$linea" >>"$registro"
    IFS=: read -r tipo paquete porcentaje _ <<<"$linea"
    case $tipo in
      dlstatus) etapa=Descargando detalle="" ;;
      pmstatus) etapa=Instalando detalle=" ($paquete)" ;;
      *) continue ;;
    esac
    porcentaje=${porcentaje%%.*}
    if [ "$etapa$(( porcentaje / 10 ))" != "$ultimo" ] || [ $(( SECONDS - desde )) -ge 10 ]; then
      ultimo=$etapa$(( porcentaje / 10 )) desde=$SECONDS
      paso "  $etapa: $porcentaje %$detalle"
    fi
  done
} || falla
paso "Paquetes instalados."
