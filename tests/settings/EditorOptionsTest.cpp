// The clue editor's options in the registry: off until stored, stored beside the other options,
// and a value of another type read as the default.

#include "settings/EditorOptions.h"

#include <gtest/gtest.h>

#include "settings/RegistrySettings.h"
#include "support/TempDir.h"

namespace jcw {
namespace {

class EditorOptionsTest : public test::FreshStateTempDirTest {};

TEST_F(EditorOptionsTest, AreOffUntilStoredAndComeBackAsStored) {
  Registry registry(dir_);
  EXPECT_EQ(readEditorOptions(registry), EditorOptions{});
  ASSERT_TRUE(writeEditorOptions(registry, {true}));
  EXPECT_EQ(readEditorOptions(Registry(dir_)), EditorOptions{true});
  ASSERT_TRUE(writeEditorOptions(registry, {false}));
  EXPECT_EQ(readEditorOptions(Registry(dir_)), EditorOptions{false});
  ASSERT_TRUE(registry.writeString(Hive::CurrentUser, kSettingsKey, "TypingReplaces", "1"));
  EXPECT_EQ(readEditorOptions(registry), EditorOptions{});
}

}  // namespace
}  // namespace jcw
