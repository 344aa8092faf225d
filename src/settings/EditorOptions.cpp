#include "settings/EditorOptions.h"

#include "settings/RegistrySettings.h"

namespace jcw {

namespace {

constexpr char kTypingReplaces[] = "TypingReplaces";

}  // namespace

EditorOptions readEditorOptions(const Registry& registry) {
  EditorOptions options;
  if (const auto value = registry.readDword(Hive::CurrentUser, kSettingsKey, kTypingReplaces))
    options.typingReplaces = *value != 0;
  return options;
}

Result<void> writeEditorOptions(Registry& registry, const EditorOptions& options) {
  if (Result<void> created = registry.createKey(Hive::CurrentUser, kSettingsKey); !created)
    return created;
  return registry.writeDword(Hive::CurrentUser, kSettingsKey, kTypingReplaces,
                             options.typingReplaces ? 1u : 0u);
}

}  // namespace jcw
