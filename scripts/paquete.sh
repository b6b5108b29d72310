#!/usr/bin/env bash
# Instala lo que falte, construye Varlek en build/ (la carpeta de las otras
# órdenes) y hace el paquete de Debian, build/varlek_<versión>_<arquitectura>.deb.
# Con VARLEK_LINTIAN=1 lo comprueba además: lintian sin errores ni avisos (los
# avisos explicados están en paquete/lintian, que el paquete lleva), y los
# ficheros AppStream y del menú con appstreamcli y desktop-file-validate.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
extra=(dpkg-dev file)  # dpkg-shlibdeps, for the libraries the package depends on
[ "${VARLEK_LINTIAN:-0}" = 1 ] && extra+=(lintian appstream desktop-file-utils)
"$raiz/scripts/dependencias.sh" "${extra[@]}"
"$raiz/scripts/construye.sh"
dir="$raiz/build"
rm -f "$dir"/varlek_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
paquete=$(echo "$dir"/varlek_*.deb)
echo "Paquete: $paquete"
if [ "${VARLEK_LINTIAN:-0}" = 1 ]; then
  lintian --fail-on error,warning "$paquete"
  echo "lintian: sin errores ni avisos."
  contenido=$(mktemp -d)
  trap 'rm -rf "$contenido"' EXIT
  dpkg-deb -x "$paquete" "$contenido"
  appstreamcli validate --no-net "$contenido"/usr/share/metainfo/*.metainfo.xml
  desktop-file-validate "$contenido"/usr/share/applications/*.desktop
  echo "appstreamcli y desktop-file-validate: sin problemas."
fi
