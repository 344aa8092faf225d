#include "settings/RegistrySettings.h"

#include <cstdint>
#include <utility>

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
Result<void> writeClassDefault(Registry& registry, const std::string& key, const std::string& text) {
  if (Result<void> created = registry.createKey(kClasses, key); !created) return created;
  return registry.writeString(kClasses, key, "", text);
}

// The first start's writes: the settings key, then both associations; an installed package has
// its own desktop association, so the user gets no copy of it.
Result<void> registerFirstStart(Registry& registry, const std::string& exePath,
                                const std::filesystem::path& dataHome) {
  if (Result<void> created = registry.createKey(kUser, kSettingsKey); !created) return created;
  if (registry.hiveRead(kClasses)) {
    if (Result<void> associated = writeRegistryAssociation(registry, exePath); !associated)
      return associated;
  }
  if (packageProvidesAssociation(exePath)) return {};
  return installDesktopAssociation(dataHome, exePath);
}

}  // namespace

StartOutcome readOrRegister(Registry& registry, const std::string& exePath,
                            const std::filesystem::path& dataHome) {
  StartOutcome outcome;
  outcome.notices = registry.refusedLines();
  if (const Result<void>& classes = registry.hiveRead(kClasses); !classes)
    outcome.notices.push_back(classes.error() + " — этот файл останется как есть");
  if (const Result<void>& user = registry.hiveRead(kUser); !user) {
    outcome.optionsWritable = false;
    outcome.notices.push_back(unreadableSettingsNotice(user.error()));
    return outcome;
  }
  if (registry.keyExists(kUser, kSettingsKey)) {
    readOptions(registry);
    return outcome;
  }
  outcome.firstStart = true;
  outcome.registered = registerFirstStart(registry, exePath, dataHome);
  return outcome;
}

std::string unreadableSettingsNotice(const std::string& reason) {
  return reason + " — в этот раз действуют настройки по умолчанию, а файл останется как есть";
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
  std::uint8_t minCell = MinCellSize;
  readByte(registry, "MinCellSize", kMaxMinCellSize, minCell);
  if (minCell >= kMinMinCellSize) MinCellSize = minCell;
}

std::string openCommand(const std::string& exePath) { return "\"" + exePath + "\" \"%1\""; }

Result<void> writeRegistryAssociation(Registry& registry, const std::string& exePath) {
  const std::string fileClass = kFileClass;
  const std::pair<std::string, std::string> defaults[] = {
      {".jcw", fileClass},
      {fileClass, "Японский кроссворд"},
      {fileClass + "\\DefaultIcon", exePath + ",0"},
      {fileClass + "\\Shell\\Open\\Command", openCommand(exePath)},
  };
  for (const auto& [key, text] : defaults)
    if (Result<void> written = writeClassDefault(registry, key, text); !written) return written;
  return {};
}

Result<void> writeOptions(Registry& registry, const std::string& currentFileName) {
  if (Result<void> created = registry.createKey(kUser, kSettingsKey); !created) return created;
  const auto flag = [](bool option) { return option ? 1u : 0u; };
  const struct {
    const char* name;
    std::uint32_t value;
  } options[] = {
      {"IndErr", flag(IndErr)},       {"DigCr", flag(DigCr)},         {"NextDirect", NextDirect},
      {"Go2Dig", Go2Dig},             {"Maximize", flag(Maximize)},   {"ShowTools", flag(ShowToolPanel)},
      {"PaintOn", flag(PaintOn)},     {"MinCellSize", MinCellSize},
  };
  for (const auto& option : options)
    if (Result<void> written = registry.writeDword(kUser, kSettingsKey, option.name, option.value);
        !written)
      return written;
  if (currentFileName.empty()) return {};
  return registry.writeString(kUser, kSettingsKey, "LastCatalog", catalogOf(currentFileName));
}

AidOptions readAidOptions(const Registry& registry) {
  AidOptions aids;
  readBool(registry, "DragLineLock", aids.dragLineLock);
  std::uint8_t crossOff = 0;
  readByte(registry, "CrossOff", static_cast<std::uint8_t>(CrossOffMode::EachNumber), crossOff);
  aids.crossOff = static_cast<CrossOffMode>(crossOff);
  readBool(registry, "FinishByFilled", aids.finishByFilled);
  readBool(registry, "EmptyDots", aids.emptyDots);
  readBool(registry, "QuietCrosshair", aids.quietCrosshair);
  return aids;
}

Result<void> writeAidOptions(Registry& registry, const AidOptions& aids) {
  if (Result<void> created = registry.createKey(kUser, kSettingsKey); !created) return created;
  const struct {
    const char* name;
    std::uint32_t value;
  } values[] = {
      {"DragLineLock", aids.dragLineLock ? 1u : 0u},
      {"CrossOff", static_cast<std::uint32_t>(aids.crossOff)},
      {"FinishByFilled", aids.finishByFilled ? 1u : 0u},
      {"EmptyDots", aids.emptyDots ? 1u : 0u},
      {"QuietCrosshair", aids.quietCrosshair ? 1u : 0u},
  };
  for (const auto& value : values)
    if (Result<void> written = registry.writeDword(kUser, kSettingsKey, value.name, value.value);
        !written)
      return written;
  return {};
}

std::string catalogOf(const std::string& fileName) {
  constexpr auto kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);
  const std::size_t last = fileName.rfind(kSeparator);
  if (last == std::string::npos) return {};
  const std::size_t end = fileName.find_last_not_of(kSeparator, last);
  return end == std::string::npos ? std::string(1, kSeparator) : fileName.substr(0, end + 1);
}

}  // namespace jcw
