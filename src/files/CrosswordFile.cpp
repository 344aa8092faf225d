#include "files/CrosswordFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/FileFormat.h"
#include "platform/AtomicFile.h"
#include "model/Clue.h"

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

std::string systemError() { return std::strerror(errno); }

}  // namespace

ReadResult decodeCrossword(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < ff::kHeaderSize) return {std::nullopt, "file too short for a crossword header"};
  const Dimensions d{bytes[ff::kColCountAt], bytes[ff::kRowCountAt], bytes[ff::kCapColCountAt],
                     bytes[ff::kCapRowCountAt]};
  if (!d.valid()) return {std::nullopt, "crossword dimensions outside 1..100"};
  const std::size_t needed = ff::kHeaderSize + bodySize(d);
  if (bytes.size() < needed)
    return {std::nullopt, "file ends inside the cells (" + std::to_string(bytes.size()) + " of " +
                              std::to_string(needed) + " bytes)"};

  Crossword crossword;
  crossword.allocate(d);
  auto byte = bytes.begin() + ff::kHeaderSize;
  for (int x = 1; x < crossword.W1(); ++x)
    for (int y = 1; y < crossword.H1(); ++y) applyCellByte(crossword.cell(x, y), *byte++);
  crossword.MarkedCount = crossword.countMarked();
  crossword.updateAllLineStatus();
  return {std::move(crossword), {}};
}

ReadResult readCrosswordFile(const std::string& path) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return {std::nullopt, "cannot read " + path + ": is a directory"};
  std::ifstream in(path, std::ios::binary);
  if (!in) return {std::nullopt, "cannot open " + path + ": " + systemError()};
  // The largest crossword is 40 004 bytes; never read much more than that.
  constexpr std::size_t kReadLimit = ff::kHeaderSize + 200 * 200;
  std::vector<std::uint8_t> bytes(kReadLimit);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return {std::nullopt, "cannot read " + path + ": " + systemError()};
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  ReadResult result = decodeCrossword(bytes);
  if (!result.crossword) result.error = path + ": " + result.error;
  return result;
}

std::vector<std::uint8_t> encodeCrossword(const Crossword& crossword) {
  const Dimensions& d = crossword.dims();
  std::vector<std::uint8_t> bytes{d.ColCount, d.RowCount, d.CapColCount, d.CapRowCount};
  bytes.reserve(ff::kHeaderSize + bodySize(d));
  for (int x = 1; x < crossword.W1(); ++x)
    for (int y = 1; y < crossword.H1(); ++y) bytes.push_back(cellByte(crossword.cell(x, y)));
  return bytes;
}

std::optional<std::string> writeCrosswordFile(const std::string& path, const Crossword& crossword) {
  const std::vector<std::uint8_t> bytes = encodeCrossword(crossword);
  return writeFileAtomically(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

bool LoadSelfFormat(const std::string& path, Crossword& field) {
  ReadResult result = readCrosswordFile(path);
  if (!result.crossword) return false;
  field = std::move(*result.crossword);
  setCurrentDimensions(field.dims());
  CurFileName = path;
  CurShortName = ShortName(path);
  return true;
}

std::optional<std::string> SaveProcess(Crossword& field) {
  if (auto error = writeCrosswordFile(CurFileName, field)) return error;
  field.UndoList.clear();
  field.Modified = false;
  return std::nullopt;
}

std::string ShortName(const std::string& path) {
  std::string name = path.substr(path.find_last_of(fs::path::preferred_separator) + 1);
  if (name.size() >= 4) name.resize(name.size() - 4);
  return " (" + name + ")";
}

}  // namespace jcw
