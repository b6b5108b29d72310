#!/usr/bin/env bash
# Comprueba que hay una pantalla gráfica, instala lo que falte, construye
# Varlek y lo abre desde la carpeta donde están sus ficheros de datos.
# Construye en build/, la carpeta de scripts/pruebas.sh, sin las pruebas si
# aún no están.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)

# The window needs an X display that answers (the toolkit reaches a Wayland
# session through its X server): a local one by its socket, a remote one
# (ssh -X) by TCP, as the X11 display names say.
pantalla_responde() {
  perl -MSocket=:DEFAULT,:addrinfo -e '
    my ($maquina, $numero) = $ARGV[0] =~ /^(.*):(\d+)(?:\.\d+)?$/ or exit 1;
    my $ok;
    if ($maquina eq "" || $maquina eq "unix") {
      for my $ruta ("\0/tmp/.X11-unix/X$numero", "/tmp/.X11-unix/X$numero") {
        socket(my $s, AF_UNIX, SOCK_STREAM, 0) or exit 1;
        $ok ||= connect($s, pack_sockaddr_un($ruta));
      }
    } else {
      my ($error, @direcciones) = getaddrinfo($maquina, 6000 + $numero, {socktype => SOCK_STREAM});
      for my $d (@direcciones) {
        socket(my $s, $d->{family}, SOCK_STREAM, 0) or next;
        local $SIG{ALRM} = sub { die };
        alarm 3;
        $ok ||= eval { connect($s, $d->{addr}) };
        alarm 0;
      }
    }
    exit($ok ? 0 : 1);' "$1"
}
if [ -z "${DISPLAY:-}" ]; then
  echo "No hay pantalla gráfica (la variable DISPLAY está vacía): abra una sesión de escritorio y repita la orden." >&2
  exit 1
fi
if ! pantalla_responde "$DISPLAY"; then
  echo "La pantalla gráfica DISPLAY=$DISPLAY no responde: compruebe que la sesión de escritorio sigue abierta" >&2
  echo "(o el valor de DISPLAY) y repita la orden." >&2
  exit 1
fi

"$raiz/scripts/dependencias.sh"
"$raiz/scripts/construye.sh"
cd "$raiz/build/programa"
exec ./varlek
