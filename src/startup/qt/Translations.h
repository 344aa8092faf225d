#pragma once
// The program's texts in the user's language (platform/UiLanguage.h). Russian is the source
// text, so a Russian program needs only Qt's own Russian texts for its dialogs; an English one
// gets its texts from the English translation built into the program. UI thread only, before any
// window is made.

#include "platform/UiLanguage.h"

namespace jcw {

// Installs the translators `language` needs into the application (which owns them). False when
// one could not be loaded; the texts then stay as they are.
bool installTranslations(UiLanguage language);

}  // namespace jcw
