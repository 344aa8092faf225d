#include "platform/Registry.h"

#include <fstream>
#include <iterator>

#include "platform/AtomicFile.h"

namespace jcw {

namespace fs = std::filesystem;

namespace {

// The whole file, or "" when it is missing or cannot be read.
std::string readWholeFile(const fs::path& file) {
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return {};
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string keyName(Hive hive, std::string_view key) {
  return std::string(hiveName(hive)) + (key.empty() ? "" : "\\") + std::string(key);
}

}  // namespace

Registry::Registry(fs::path directory) : directory_(std::move(directory)) {
  for (const Hive hive : {Hive::CurrentUser, Hive::ClassesRoot})
    keys(hive) = parseRegistryText(readWholeFile(hiveFile(directory_, hive)), hive);
}

fs::path Registry::hiveFile(const fs::path& directory, Hive hive) {
  return directory / (std::string(hiveName(hive)) + ".reg");
}

bool Registry::keyExists(Hive hive, std::string_view key) const {
  return key.empty() || findKey(keys(hive), key) != nullptr;
}

std::optional<std::string> Registry::createKey(Hive hive, std::string_view key) {
  if (!validKeyPath(key)) return "Failed to create key " + keyName(hive, key) + ": invalid name";
  if (keyExists(hive, key)) return std::nullopt;
  HiveKeys before = keys(hive);
  ensureKey(keys(hive), key);
  if (auto error = commit(hive, std::move(before)))
    return "Failed to create key " + keyName(hive, key) + ": " + *error;
  return std::nullopt;
}

const RegValue* Registry::value(Hive hive, std::string_view key, std::string_view name) const {
  const RegKey* found = findKey(keys(hive), key);
  return found == nullptr ? nullptr : findValue(*found, name);
}

std::optional<std::uint32_t> Registry::readDword(Hive hive, std::string_view key,
                                                 std::string_view name) const {
  const RegValue* found = value(hive, key, name);
  if (found == nullptr || found->type != ValueType::Dword) return std::nullopt;
  return found->dword;
}

std::optional<std::string> Registry::readString(Hive hive, std::string_view key,
                                                std::string_view name) const {
  const RegValue* found = value(hive, key, name);
  if (found == nullptr || found->type != ValueType::String) return std::nullopt;
  return found->data;
}

std::optional<std::string> Registry::writeDword(Hive hive, std::string_view key,
                                                std::string_view name, std::uint32_t value) {
  return writeValue(hive, key, {std::string(name), ValueType::Dword, value, {}});
}

std::optional<std::string> Registry::writeString(Hive hive, std::string_view key,
                                                 std::string_view name, std::string_view value) {
  return writeValue(hive, key, {std::string(name), ValueType::String, 0, std::string(value)});
}

std::optional<std::string> Registry::writeValue(Hive hive, std::string_view key, RegValue value) {
  const std::string failed = "Failed to set data for '" + value.name + "' in " + keyName(hive, key);
  if (!keyExists(hive, key)) return failed + ": the key does not exist";
  HiveKeys before = keys(hive);
  putValue(ensureKey(keys(hive), key), std::move(value));
  if (auto error = commit(hive, std::move(before))) return failed + ": " + *error;
  return std::nullopt;
}

std::optional<std::string> Registry::commit(Hive hive, HiveKeys before) {
  auto error = writeFileAtomically(hiveFile(directory_, hive), formatRegistryText(keys(hive), hive),
                                   MissingDirectories::Create);
  if (error) keys(hive) = std::move(before);
  return error;
}

}  // namespace jcw
