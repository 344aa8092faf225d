#pragma once
// The texts of failed file operations as the user reads them: Russian, the file's name, and the
// system's own reason after a colon.

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/Result.h"

namespace jcw {

// The system's reason for errno `code`, in Russian for the common ones.
std::string systemReason(int code);

// "Не удалось открыть файл NAME: REASON".
Error openError(const std::filesystem::path& file, std::string_view reason);
// "Не удалось прочитать файл NAME: REASON".
Error readError(const std::filesystem::path& file, std::string_view reason);
// "Не удалось сохранить файл NAME: REASON".
Error saveError(const std::filesystem::path& file, std::string_view reason);

}  // namespace jcw
