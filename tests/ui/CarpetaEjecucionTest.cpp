#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "ui/CarpetaEjecucion.h"

namespace fs = std::filesystem;
using varlek::ui::PreparaCarpetaEjecucion;

// A session's own folder is kept; without one, a private folder is made and
// named; a folder others may read is not taken, so the toolkit says why.
TEST(CarpetaEjecucion, KeepsMakesOrRefuses) {
  const fs::path temporal = fs::temp_directory_path() / ("varlek-ejecucion-" + std::to_string(::getpid()));
  fs::create_directories(temporal);
  const fs::path propia = temporal / (std::string("runtime-") + ::getpwuid(::geteuid())->pw_name);
  ::setenv("TMPDIR", temporal.c_str(), 1);

  ::setenv("XDG_RUNTIME_DIR", "/run/user/1000", 1);
  PreparaCarpetaEjecucion();
  EXPECT_STREQ(std::getenv("XDG_RUNTIME_DIR"), "/run/user/1000");
  EXPECT_FALSE(fs::exists(propia));

  ::unsetenv("XDG_RUNTIME_DIR");
  PreparaCarpetaEjecucion();
  ASSERT_NE(std::getenv("XDG_RUNTIME_DIR"), nullptr);
  EXPECT_EQ(fs::path(std::getenv("XDG_RUNTIME_DIR")), propia);
  EXPECT_EQ(fs::status(propia).permissions(), fs::perms::owner_all);

  fs::permissions(propia, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
  ::unsetenv("XDG_RUNTIME_DIR");
  PreparaCarpetaEjecucion();
  EXPECT_EQ(std::getenv("XDG_RUNTIME_DIR"), nullptr);

  ::unsetenv("TMPDIR");
  fs::remove_all(temporal);
}
