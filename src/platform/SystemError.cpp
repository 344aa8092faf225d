#include "platform/SystemError.h"

#include <cerrno>
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

std::string systemReason(int code) {
  // The C library speaks the locale's language only where its translations are installed; the
  // reasons a save or a load meets in practice are said in Russian whatever the locale.
  switch (code) {
    case EACCES: return "отказано в доступе";
    case EPERM: return "операция не позволена";
    case ENOENT: return "нет такого файла или каталога";
    case ENOTDIR: return "часть пути не является каталогом";
    case EISDIR: return "это каталог";
    case EROFS: return "файловая система доступна только для чтения";
    case ENOSPC: return "на устройстве не осталось места";
    case EDQUOT: return "превышена дисковая квота";
    case EFBIG: return "файл слишком велик";
    case ENAMETOOLONG: return "слишком длинное имя файла";
    case ELOOP: return "слишком много символических ссылок";
    case EIO: return "ошибка ввода-вывода";
    case EMFILE:
    case ENFILE: return "открыто слишком много файлов";
    case ENOMEM: return "недостаточно памяти";
    default: return std::strerror(code);
  }
}

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
