#include "files/FicheroSistema.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "state/ErrorVarlek.h"

namespace varlek {

void FallaSistema(const std::string& ruta) { throw ErrorVarlek(CodigoDeSistema(errno, ruta)); }

Descriptor::~Descriptor() {
  if (fd_ >= 0) ::close(fd_);
}

void Descriptor::Cierra(const std::string& ruta) {
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) FallaSistema(ruta);
}

namespace {

void EscribeTodo(int fd, std::string_view texto, const std::string& ruta) {
  while (!texto.empty()) {
    const ssize_t n = ::write(fd, texto.data(), texto.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      FallaSistema(ruta);
    }
    texto.remove_prefix(static_cast<std::size_t>(n));
  }
}

// The file a path names once its symbolic links are followed, so a save
// replaces the file a link points to and leaves the link in place.
std::filesystem::path SigueEnlaces(const std::string& ruta) {
  std::filesystem::path p(ruta);
  for (int saltos = 0;; ++saltos) {
    struct stat st;
    if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
    if (saltos == 40) {
      errno = ELOOP;
      FallaSistema(ruta);
    }
    std::error_code ec;
    const auto destino = std::filesystem::read_symlink(p, ec);
    if (ec) {
      errno = ec.value();
      FallaSistema(ruta);
    }
    p = destino.is_absolute() ? destino : p.parent_path() / destino;
  }
}

// A device or a pipe cannot be replaced by renaming: it is written in place.
// Opening without blocking keeps a pipe with no reader from hanging the save.
void EscribeEnSitio(const std::filesystem::path& destino, std::string_view texto, const std::string& ruta) {
  Descriptor f(::open(destino.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
  if (f.fd() < 0) FallaSistema(ruta);
  const int banderas = ::fcntl(f.fd(), F_GETFL);
  if (banderas < 0 || ::fcntl(f.fd(), F_SETFL, banderas & ~O_NONBLOCK) != 0) FallaSistema(ruta);
  EscribeTodo(f.fd(), texto, ruta);
  f.Cierra(ruta);
}

// A temporary file beside the target, removed unless it has been renamed
// over the target.
class Temporal {
 public:
  explicit Temporal(const std::filesystem::path& carpeta, const std::string& ruta)
      : nombre_((carpeta / ".varlek-XXXXXX").string()), fichero_(::mkostemp(nombre_.data(), O_CLOEXEC)) {
    if (fichero_.fd() < 0) FallaSistema(ruta);
  }
  Temporal(const Temporal&) = delete;
  Temporal& operator=(const Temporal&) = delete;
  ~Temporal() {
    if (!renombrado_) ::unlink(nombre_.c_str());
  }
  int fd() const { return fichero_.fd(); }
  void Cierra(const std::string& ruta) { fichero_.Cierra(ruta); }
  void RenombraComo(const std::filesystem::path& destino, const std::string& ruta) {
    if (::rename(nombre_.c_str(), destino.c_str()) != 0) FallaSistema(ruta);
    renombrado_ = true;
  }

 private:
  std::string nombre_;
  Descriptor fichero_;
  bool renombrado_ = false;
};

mode_t PermisosNuevos() {
  const mode_t mascara = ::umask(0);
  ::umask(mascara);
  return 0666 & ~mascara;
}

}  // namespace

void EscribeEntero(const std::string& ruta, std::string_view bytes) {
  const auto destino = SigueEnlaces(ruta);
  struct stat st;
  const bool existe = ::stat(destino.c_str(), &st) == 0;
  if (existe && !S_ISREG(st.st_mode)) {
    EscribeEnSitio(destino, bytes, ruta);
    return;
  }
  Temporal temporal(destino.has_parent_path() ? destino.parent_path() : std::filesystem::path("."), ruta);
  if (::fchmod(temporal.fd(), existe ? (st.st_mode & 0777) : PermisosNuevos()) != 0) FallaSistema(ruta);
  EscribeTodo(temporal.fd(), bytes, ruta);
  if (::fsync(temporal.fd()) != 0) FallaSistema(ruta);
  temporal.Cierra(ruta);
  temporal.RenombraComo(destino, ruta);
}

void EscribeSalida(const std::string& ruta, std::string_view bytes) {
  if (ruta.empty()) {
    EscribeTodo(STDOUT_FILENO, bytes, ruta);
  } else {
    EscribeEntero(ruta, bytes);
  }
}

}  // namespace varlek
