#include "platform/SystemError.h"

#include <cstring>

namespace jcw {

namespace {

Error failed(std::string_view what, const std::filesystem::path& file, std::string_view reason) {
  std::string text = "Не удалось ";
  text += what;
  text += " файл " + file.string() + ": ";
  text += reason;
  return Error{std::move(text)};
}

}  // namespace

std::string systemReason(int code) { return std::strerror(code); }

Error openError(const std::filesystem::path& file, std::string_view reason) {
  return failed("открыть", file, reason);
}

Error readError(const std::filesystem::path& file, std::string_view reason) {
  return failed("прочитать", file, reason);
}

Error saveError(const std::filesystem::path& file, std::string_view reason) {
  return failed("сохранить", file, reason);
}

}  // namespace jcw
