#pragma once
// The error code an operation fails with, or 0 when it does not fail.

#include <functional>

#include "state/ErrorVarlek.h"

namespace varlek::prueba {

inline int CodigoDe(const std::function<void()>& operacion) {
  try {
    operacion();
  } catch (const ErrorVarlek& e) {
    return e.Codigo();
  }
  return 0;
}

}  // namespace varlek::prueba
