#include "files/CrosswordFile.h"

#include <filesystem>

#include "files/FileFormat.h"
#include "model/Clue.h"
#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"
#include "platform/SystemError.h"
#include "platform/Utf8.h"

namespace jcw {

namespace ff = fileformat;
namespace fs = std::filesystem;

namespace {

std::size_t bodySize(const Dimensions& d) {
  return static_cast<std::size_t>(d.CapColCount + d.ColCount) * (d.CapRowCount + d.RowCount);
}

void applyCellByte(TCell& cell, std::uint8_t byte) {
  if (byte == 0)
    cell.Text.clear();
  else if (byte <= ff::kClueMax)
    cell.Text = std::to_string(byte);
  else if (byte <= ff::kStateMax)
    cell.State = byte - ff::kStateBase;
}

std::uint8_t cellByte(const TCell& cell) {
  if (cell.Kind == ckClue) return static_cast<std::uint8_t>(clueValue(cell.Text) & 0xFF);
  return static_cast<std::uint8_t>(ff::kStateBase + cell.State);
}

// The caption name keeps a name of fewer characters whole.
constexpr std::size_t kExtensionCharacters = 4;
// The largest crossword is 40 004 bytes; never read much more than that.
constexpr std::size_t kReadLimit = ff::kHeaderSize + 200 * 200;

}  // namespace

Result<Crossword> decodeCrossword(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < ff::kHeaderSize)
    return Error{"файл короче заголовка кроссворда (" + std::to_string(bytes.size()) + " из 4 байт)"};
  const Dimensions d{bytes[ff::kColCountAt], bytes[ff::kRowCountAt], bytes[ff::kCapColCountAt],
                     bytes[ff::kCapRowCountAt]};
  if (!d.valid()) return Error{"размеры кроссворда вне пределов 1..100"};
  const std::size_t needed = ff::kHeaderSize + bodySize(d);
  if (bytes.size() < needed)
    return Error{"файл кончается посреди клеток (" + std::to_string(bytes.size()) + " из " +
                 std::to_string(needed) + " байт)"};

  Crossword crossword;
  crossword.allocate(d);
  auto byte = bytes.begin() + ff::kHeaderSize;
  for (int x = 1; x < crossword.W1(); ++x)
    for (int y = 1; y < crossword.H1(); ++y) applyCellByte(crossword.cell(x, y), *byte++);
  crossword.MarkedCount = crossword.countMarked();
  crossword.updateAllLineStatus();
  return crossword;
}

Result<Crossword> readCrosswordFile(const std::string& path) {
  const Result<std::string> bytes = readRegularFile(path, kReadLimit);
  if (!bytes) return Error{bytes.error()};
  Result<Crossword> crossword = decodeCrossword(
      {reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()});
  if (!crossword) return readError(path, crossword.error());
  return crossword;
}

std::vector<std::uint8_t> encodeCrossword(const Crossword& crossword) {
  const Dimensions& d = crossword.dims();
  std::vector<std::uint8_t> bytes{d.ColCount, d.RowCount, d.CapColCount, d.CapRowCount};
  bytes.reserve(ff::kHeaderSize + bodySize(d));
  for (int x = 1; x < crossword.W1(); ++x)
    for (int y = 1; y < crossword.H1(); ++y) bytes.push_back(cellByte(crossword.cell(x, y)));
  return bytes;
}

Result<void> writeCrosswordFile(const std::string& path, const Crossword& crossword) {
  const std::vector<std::uint8_t> bytes = encodeCrossword(crossword);
  return writeFileAtomically(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

Result<void> LoadSelfFormat(const std::string& path, Crossword& field) {
  Result<Crossword> read = readCrosswordFile(path);
  if (!read) return Error{read.error()};
  adoptCrossword(std::move(*read), path, field);
  return {};
}

void adoptCrossword(Crossword crossword, const std::string& path, Crossword& field) {
  field = std::move(crossword);
  setCurrentDimensions(field.dims());
  CurFileName = path;
  CurShortName = ShortName(path);
}

Result<void> SaveProcess(Crossword& field) {
  if (Result<void> written = writeCrosswordFile(CurFileName, field); !written) return written;
  field.markSaved();
  return {};
}

std::string ShortName(const std::string& path) {
  std::string_view name = path;
  name.remove_prefix(path.find_last_of(fs::path::preferred_separator) + 1);
  if (characterCount(name) >= kExtensionCharacters)
    name = dropLastCharacters(name, kExtensionCharacters);
  return " (" + std::string(name) + ")";
}

std::string captionName(const Crossword& crossword) {
  return crossword.info.title.empty() ? CurShortName : " (" + crossword.info.title + ")";
}

}  // namespace jcw
