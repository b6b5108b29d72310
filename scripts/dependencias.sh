#!/usr/bin/env bash
# Instala, si faltan, los paquetes de Debian que necesitan la construcción,
# el programa y las pruebas. Hay que ejecutarlo como root.
set -euo pipefail

paquetes=(cmake make g++ qt6-base-dev qt6-translations-l10n libgl-dev libgtest-dev gemmi-dev tao-pegtl-dev libstb-dev
  fonts-dejavu-core fonts-liberation2 fonts-liberation fonts-comic-neue "$@")
faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
if [ ${#faltan[@]} -gt 0 ]; then
  echo "Instalando: ${faltan[*]}"
  registro=$(mktemp)
  if ! { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
      "${faltan[@]}"; } >"$registro" 2>&1; then
    cat "$registro" >&2
    rm -f "$registro"
    exit 1
  fi
  rm -f "$registro"
fi
