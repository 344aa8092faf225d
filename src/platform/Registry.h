#pragma once
// Our stand-in for the per-user registry: the hives HKEY_CURRENT_USER and HKEY_CLASSES_ROOT,
// each kept as one text file (RegistryText.h) in a directory the caller names; the program uses
// settingsDirectory() (UserDirs.h).
//
// The files are read once, when the object is made; every change is written through at once,
// atomically (AtomicFile.h), to the changed hive's file only, as the registry itself would keep
// it. A change whose file cannot be written is undone in memory and its error returned. A missing
// file is an empty hive; a damaged one is read as far as it is valid. A file that exists but
// cannot be read at all (no permission, not a regular file, far too large, not registry text) is
// an empty hive here that refuses every change, so that the file is never written over. One
// thread at a time.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/RegistryText.h"
#include "platform/Result.h"

namespace jcw {

// A hive's file larger than this is not one the program wrote: it is not read.
inline constexpr std::size_t kLargestHiveFile = 1 << 20;

class Registry {
 public:
  explicit Registry(std::filesystem::path directory);

  // The file that keeps `hive` in `directory`.
  static std::filesystem::path hiveFile(const std::filesystem::path& directory, Hive hive);

  // Ok when the hive's file was read or did not exist; else why it could not be read.
  const Result<void>& hiveRead(Hive hive) const { return state(hive).read; }
  // The lines of the hives' files refused for being beyond the limits, one message each, with
  // the file's name.
  std::vector<std::string> refusedLines() const;

  // Opening without creating: true when the key exists.
  bool keyExists(Hive hive, std::string_view key) const;
  // Opening with creating: makes the key and its missing parents.
  Result<void> createKey(Hive hive, std::string_view key);

  // A value of `key`; "" names the default value. Missing, or of another type: nothing (a miss,
  // not an error).
  std::optional<std::uint32_t> readDword(Hive hive, std::string_view key, std::string_view name) const;
  std::optional<std::string> readString(Hive hive, std::string_view key, std::string_view name) const;

  // Sets a value of an existing key, replacing one of any type. Fails also when the key does not
  // exist.
  Result<void> writeDword(Hive hive, std::string_view key, std::string_view name, std::uint32_t value);
  Result<void> writeString(Hive hive, std::string_view key, std::string_view name,
                           std::string_view value);

 private:
  struct HiveState {
    HiveKeys keys;
    Result<void> read;
    std::vector<std::string> refused;
  };
  const RegValue* value(Hive hive, std::string_view key, std::string_view name) const;
  Result<void> writeValue(Hive hive, std::string_view key, RegValue value);
  HiveState& state(Hive hive) { return hives_[static_cast<std::size_t>(hive)]; }
  const HiveState& state(Hive hive) const { return hives_[static_cast<std::size_t>(hive)]; }
  // Applies `change` to the hive's keys and writes its file; on failure puts the keys back.
  template <typename Change>
  Result<void> commit(Hive hive, Change change);

  std::filesystem::path directory_;
  std::array<HiveState, 2> hives_;
};

}  // namespace jcw
