#include "ui/CarpetaEjecucion.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace varlek::ui {

void PreparaCarpetaEjecucion() {
  const char* actual = std::getenv("XDG_RUNTIME_DIR");
  if (actual != nullptr && *actual != '\0') return;
  const char* temporal = std::getenv("TMPDIR");
  const passwd* usuario = ::getpwuid(::geteuid());
  const std::string carpeta = std::string(temporal != nullptr && *temporal != '\0' ? temporal : "/tmp") + "/runtime-" +
                              (usuario != nullptr ? usuario->pw_name : std::to_string(::geteuid()));
  ::mkdir(carpeta.c_str(), 0700);
  struct stat datos {};
  if (::lstat(carpeta.c_str(), &datos) != 0 || !S_ISDIR(datos.st_mode) || datos.st_uid != ::geteuid() ||
      (datos.st_mode & 0777) != 0700)
    return;
  ::setenv("XDG_RUNTIME_DIR", carpeta.c_str(), 1);
}

}  // namespace varlek::ui
