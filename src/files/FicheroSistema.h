#pragma once
// File access shared by the readers and writers of the program's files: a
// descriptor closed on every path out, and the whole-or-nothing save.

#include <string>
#include <string_view>

namespace varlek {

// Throws the ErrorVarlek of the current errno for the file `ruta`.
[[noreturn]] void FallaSistema(const std::string& ruta);

// A file descriptor closed when it goes out of scope, for the error paths.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor();
  int fd() const { return fd_; }
  // Closes now, reporting a failure (a delayed write error shows up here).
  void Cierra(const std::string& ruta);

 private:
  int fd_;
};

// Writes `bytes` as the whole content of the file `ruta`: through a
// temporary file renamed over the target, so the old file stays intact on
// any failure. A symbolic link is followed and stays; a device or a pipe is
// written in place. Throws ErrorVarlek (53, 76, 70, 61, 75…).
void EscribeEntero(const std::string& ruta, std::string_view bytes);

// A companion's output: the file `ruta` written whole (EscribeEntero), or
// standard output when the name is empty. Throws ErrorVarlek.
void EscribeSalida(const std::string& ruta, std::string_view bytes);

}  // namespace varlek
