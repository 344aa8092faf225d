#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/UserDirs.h"

namespace jcw {
namespace {

// Sets (or, with nothing, unsets) an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
  }
  ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

struct DirCase {
  const char* title;
  std::optional<std::string> xdgConfig, xdgData, xdgState;
  std::string settings, data, sessions;
};

class UserDirs : public testing::TestWithParam<DirCase> {};

TEST_P(UserDirs, FollowTheXdgVariablesOrFallBackBelowHome) {
  const ScopedEnv home("HOME", "/home/ann");
  const ScopedEnv config("XDG_CONFIG_HOME", GetParam().xdgConfig);
  const ScopedEnv data("XDG_DATA_HOME", GetParam().xdgData);
  const ScopedEnv state("XDG_STATE_HOME", GetParam().xdgState);
  EXPECT_EQ(settingsDirectory(), GetParam().settings);
  EXPECT_EQ(dataHome(), GetParam().data);
  EXPECT_EQ(sessionDirectory(), GetParam().sessions);
}

INSTANTIATE_TEST_SUITE_P(
    Platform, UserDirs,
    testing::Values(
        DirCase{"Unset", std::nullopt, std::nullopt, std::nullopt, "/home/ann/.config/jcw",
                "/home/ann/.local/share", "/home/ann/.local/state/jcw"},
        DirCase{"Set", "/cfg", "/dat", "/st", "/cfg/jcw", "/dat", "/st/jcw"},
        DirCase{"EmptyFallsBack", "", "", "", "/home/ann/.config/jcw", "/home/ann/.local/share",
                "/home/ann/.local/state/jcw"},
        DirCase{"RelativeFallsBack", "cfg", "dat", "st", "/home/ann/.config/jcw",
                "/home/ann/.local/share", "/home/ann/.local/state/jcw"}),
    [](const auto& info) { return std::string(info.param.title); });

}  // namespace
}  // namespace jcw
