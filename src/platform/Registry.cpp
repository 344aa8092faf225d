#include "platform/Registry.h"

#include <sys/stat.h>

#include <cerrno>

#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"
#include "platform/SystemError.h"

namespace jcw {

namespace fs = std::filesystem;

namespace {

std::string keyName(Hive hive, std::string_view key) {
  return std::string(hiveName(hive)) + (key.empty() ? "" : "\\") + std::string(key);
}

Error changeFailed(Hive hive, std::string_view key, std::string_view reason) {
  return Error{"Не удалось изменить реестр " + keyName(hive, key) + ": " + std::string(reason)};
}

// Reads a hive's file: a missing file is an empty hive. Error: why the file cannot be read.
Result<ParsedHive> readHiveFile(const fs::path& file, Hive hive) {
  struct stat status {};
  if (::stat(file.c_str(), &status) != 0 && (errno == ENOENT || errno == ENOTDIR))
    return ParsedHive{};  // nothing there: an empty hive
  const Result<std::string> text = readRegularFile(file, kLargestHiveFile + 1);
  if (!text) return Error{text.error()};
  if (text->size() > kLargestHiveFile)
    return readError(file, "файл больше " + std::to_string(kLargestHiveFile) + " байт");
  Result<ParsedHive> parsed = parseRegistryText(*text, hive);
  if (!parsed) return readError(file, parsed.error());
  return parsed;
}

}  // namespace

Registry::Registry(fs::path directory) : directory_(std::move(directory)) {
  for (const Hive hive : {Hive::CurrentUser, Hive::ClassesRoot}) {
    Result<ParsedHive> parsed = readHiveFile(hiveFile(directory_, hive), hive);
    if (!parsed) {
      state(hive).read = Error{parsed.error()};
      continue;
    }
    state(hive).keys = std::move(parsed->keys);
    state(hive).refused = std::move(parsed->refused);
  }
}

fs::path Registry::hiveFile(const fs::path& directory, Hive hive) {
  return directory / (std::string(hiveName(hive)) + ".reg");
}

std::vector<std::string> Registry::refusedLines() const {
  std::vector<std::string> lines;
  for (const Hive hive : {Hive::CurrentUser, Hive::ClassesRoot})
    for (const std::string& line : state(hive).refused)
      lines.push_back("Файл реестра " + hiveFile(directory_, hive).string() + ", " + line);
  return lines;
}

bool Registry::keyExists(Hive hive, std::string_view key) const {
  return key.empty() || findKey(state(hive).keys, key) != nullptr;
}

Result<void> Registry::createKey(Hive hive, std::string_view key) {
  if (!validKeyPath(key)) return changeFailed(hive, key, "пустое имя ключа");
  if (const std::string beyond = keyPathBeyondLimits(key); !beyond.empty())
    return changeFailed(hive, key, beyond);
  if (keyExists(hive, key)) return {};
  return commit(hive, [&](HiveKeys& keys) { ensureKey(keys, key); });
}

const RegValue* Registry::value(Hive hive, std::string_view key, std::string_view name) const {
  const RegKey* found = findKey(state(hive).keys, key);
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

Result<void> Registry::writeDword(Hive hive, std::string_view key, std::string_view name,
                                  std::uint32_t value) {
  return writeValue(hive, key, {std::string(name), ValueType::Dword, value, {}});
}

Result<void> Registry::writeString(Hive hive, std::string_view key, std::string_view name,
                                   std::string_view value) {
  return writeValue(hive, key, {std::string(name), ValueType::String, 0, std::string(value)});
}

Result<void> Registry::writeValue(Hive hive, std::string_view key, RegValue value) {
  if (!keyExists(hive, key)) return changeFailed(hive, key, "такого ключа нет");
  if (const std::string beyond = valueBeyondLimits(value); !beyond.empty())
    return changeFailed(hive, key, beyond);
  return commit(hive, [&](HiveKeys& keys) { putValue(ensureKey(keys, key), std::move(value)); });
}

template <typename Change>
Result<void> Registry::commit(Hive hive, Change change) {
  HiveState& hiveState = state(hive);
  if (!hiveState.read)
    return Error{hiveState.read.error() + "; файл не будет перезаписан"};
  HiveKeys before = hiveState.keys;
  change(hiveState.keys);
  Result<void> written = writeFileAtomically(hiveFile(directory_, hive),
                                             formatRegistryText(hiveState.keys, hive),
                                             MissingDirectories::Create);
  if (!written) hiveState.keys = std::move(before);
  return written;
}

}  // namespace jcw
