#include "settings/RegistrySettings.h"

#include <cstdint>

#include "files/CrosswordFile.h"
#include "platform/DesktopAssociation.h"
#include "settings/Options.h"

namespace jcw {

namespace {

constexpr Hive kUser = Hive::CurrentUser;
constexpr Hive kClasses = Hive::ClassesRoot;

void readBool(const Registry& registry, const char* name, bool& option) {
  if (auto stored = registry.readDword(kUser, kSettingsKey, name)) option = *stored != 0;
}

// The low byte, as long as it lies within 0..max; otherwise the option keeps its value.
void readByte(const Registry& registry, const char* name, std::uint8_t max, std::uint8_t& option) {
  auto stored = registry.readDword(kUser, kSettingsKey, name);
  if (!stored) return;
  const auto byte = static_cast<std::uint8_t>(*stored & 0xFF);
  if (byte <= max) option = byte;
}

// Creates `key` in the class registry and sets its default value.
std::optional<std::string> writeClassDefault(Registry& registry, const std::string& key,
                                             const std::string& text) {
  if (auto error = registry.createKey(kClasses, key)) return error;
  return registry.writeString(kClasses, key, "", text);
}

}  // namespace

StartOutcome readOrRegister(Registry& registry, const std::string& exePath,
                            const std::filesystem::path& dataHome) {
  if (registry.keyExists(kUser, kSettingsKey)) {
    readOptions(registry);
    return {false, std::nullopt};
  }
  StartOutcome outcome{true, registry.createKey(kUser, kSettingsKey)};
  if (!outcome.error) outcome.error = writeRegistryAssociation(registry, exePath);
  if (!outcome.error) outcome.error = installDesktopAssociation(dataHome, exePath);
  return outcome;
}

void readOptions(const Registry& registry) {
  readBool(registry, "IndErr", IndErr);
  readBool(registry, "DigCr", DigCr);
  readBool(registry, "Maximize", Maximize);
  readByte(registry, "NextDirect", 3, NextDirect);
  if (auto catalog = registry.readString(kUser, kSettingsKey, "LastCatalog")) LastCatalog = *catalog;
  readByte(registry, "Go2Dig", 2, Go2Dig);
  readBool(registry, "ShowTools", ShowToolPanel);
  readBool(registry, "PaintOn", PaintOn);
}

std::string openCommand(const std::string& exePath) { return "\"" + exePath + "\" \"%1\""; }

std::optional<std::string> writeRegistryAssociation(Registry& registry, const std::string& exePath) {
  const std::string fileClass = kFileClass;
  if (auto error = writeClassDefault(registry, ".jcw", fileClass)) return error;
  if (auto error = writeClassDefault(registry, fileClass, "Японский кроссворд")) return error;
  if (auto error = writeClassDefault(registry, fileClass + "\\DefaultIcon", exePath + ",0"))
    return error;
  return writeClassDefault(registry, fileClass + "\\Shell\\Open\\Command", openCommand(exePath));
}

std::optional<std::string> writeOptions(Registry& registry) {
  if (auto error = registry.createKey(kUser, kSettingsKey)) return error;
  const auto flag = [](bool option) { return option ? 1u : 0u; };
  const struct {
    const char* name;
    std::uint32_t value;
  } options[] = {
      {"IndErr", flag(IndErr)},       {"DigCr", flag(DigCr)},         {"NextDirect", NextDirect},
      {"Go2Dig", Go2Dig},             {"Maximize", flag(Maximize)},   {"ShowTools", flag(ShowToolPanel)},
      {"PaintOn", flag(PaintOn)},
  };
  for (const auto& option : options)
    if (auto error = registry.writeDword(kUser, kSettingsKey, option.name, option.value)) return error;
  if (CurFileName.empty()) return std::nullopt;
  return registry.writeString(kUser, kSettingsKey, "LastCatalog", catalogOf(CurFileName));
}

std::string catalogOf(const std::string& fileName) {
  constexpr auto kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);
  const std::size_t last = fileName.rfind(kSeparator);
  if (last == std::string::npos) return {};
  const std::size_t end = fileName.find_last_not_of(kSeparator, last);
  return end == std::string::npos ? std::string(1, kSeparator) : fileName.substr(0, end + 1);
}

}  // namespace jcw
