#pragma once
// Our stand-in for the per-user registry: the hives HKEY_CURRENT_USER and HKEY_CLASSES_ROOT,
// each kept as one text file (RegistryText.h) in a directory the caller names; the program uses
// settingsDirectory() (UserDirs.h).
//
// The files are read once, when the object is made; every change is written through at once,
// atomically, to the changed hive's file only, as the registry itself would keep it. A change
// whose file cannot be written is undone in memory and its error text returned. A missing file is
// an empty hive; a damaged one is read as far as it is valid. One thread at a time.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/RegistryText.h"

namespace jcw {

class Registry {
 public:
  explicit Registry(std::filesystem::path directory);

  // The file that keeps `hive` in `directory`.
  static std::filesystem::path hiveFile(const std::filesystem::path& directory, Hive hive);

  // Opening without creating: true when the key exists.
  bool keyExists(Hive hive, std::string_view key) const;
  // Opening with creating: makes the key and its missing parents. Error text on failure.
  std::optional<std::string> createKey(Hive hive, std::string_view key);

  // A value of `key`; "" names the default value. Missing, or of another type: nothing.
  std::optional<std::uint32_t> readDword(Hive hive, std::string_view key, std::string_view name) const;
  std::optional<std::string> readString(Hive hive, std::string_view key, std::string_view name) const;

  // Sets a value of an existing key, replacing one of any type. Error text on failure (also when
  // the key does not exist).
  std::optional<std::string> writeDword(Hive hive, std::string_view key, std::string_view name,
                                        std::uint32_t value);
  std::optional<std::string> writeString(Hive hive, std::string_view key, std::string_view name,
                                         std::string_view value);

 private:
  const RegValue* value(Hive hive, std::string_view key, std::string_view name) const;
  std::optional<std::string> writeValue(Hive hive, std::string_view key, RegValue value);
  HiveKeys& keys(Hive hive) { return hives_[static_cast<std::size_t>(hive)]; }
  const HiveKeys& keys(Hive hive) const { return hives_[static_cast<std::size_t>(hive)]; }
  // Writes the hive's file; on failure puts `before` back and returns the error text.
  std::optional<std::string> commit(Hive hive, HiveKeys before);

  std::filesystem::path directory_;
  std::array<HiveKeys, 2> hives_;
};

}  // namespace jcw
