#include "files/SessionFile.h"

#include <string_view>

#include "files/CrosswordFile.h"
#include "files/FileFormat.h"
#include "files/PuzzleFile.h"
#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"
#include "platform/SystemError.h"

namespace jcw {

namespace {

constexpr std::string_view kSignature = "JCWSESSION";
constexpr std::uint8_t kVersion = 1;
// Far above what a 100 x 100 crossword with a long history needs, far below harm.
constexpr std::size_t kReadLimit = std::size_t{256} << 20;

class Writer {
 public:
  void byte(std::uint8_t value) { bytes_.push_back(value); }
  void u16(std::uint32_t value) { little(value, 2); }
  void u32(std::uint32_t value) { little(value, 4); }
  void text(std::string_view text) {
    u16(static_cast<std::uint32_t>(text.size()));
    bytes_.insert(bytes_.end(), text.begin(), text.end());
  }
  std::vector<std::uint8_t> take() { return std::move(bytes_); }

 private:
  void little(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  std::vector<std::uint8_t> bytes_;
};

// Reads front to back; once anything is missing every later read fails too.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : rest_(bytes) {}
  bool ok() const { return ok_; }
  bool atEnd() const { return rest_.empty(); }
  // A count of items of at least `itemSize` bytes each that the rest can hold, or 0 and failed.
  std::size_t count(std::size_t itemSize) {
    const std::size_t value = u32();
    if (value > rest_.size() / itemSize) ok_ = false;
    return ok_ ? value : 0;
  }
  std::uint8_t byte() { return static_cast<std::uint8_t>(little(1)); }
  std::uint32_t u16() { return little(2); }
  std::uint32_t u32() { return little(4); }
  std::span<const std::uint8_t> take(std::size_t count) {
    if (!ok_ || rest_.size() < count) {
      ok_ = false;
      return {};
    }
    const std::span<const std::uint8_t> taken = rest_.first(count);
    rest_ = rest_.subspan(count);
    return taken;
  }

 private:
  std::uint32_t little(int count) {
    const std::span<const std::uint8_t> taken = take(static_cast<std::size_t>(count));
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < taken.size(); ++i) value |= std::uint32_t{taken[i]} << (8 * i);
    return value;
  }
  std::span<const std::uint8_t> rest_;
  bool ok_ = true;
};

Error damaged(std::string_view what) {
  return Error{"файл сеанса повреждён: " + std::string(what)};
}

// The history read back: every change on a picture cell with a picture state (or on a clue
// position with a number a clue may have), and the picture's steps leading from the first state
// to the last through the stored marks (undone back from the position, each change must find
// the state it left; redone forward, the state it found). A clue's number may still be typed
// over at the cursor, and a position a smaller header dropped is skipped: clue changes are not
// walked.
bool fitsCrossword(const History& history, const Crossword& crossword) {
  Crossword walk = crossword;
  for (const HistoryStep& step : history.steps())
    for (const CellChange& change : step) {
      const bool picture = walk.inTable(change.x, change.y) && walk.isPicture(change.x, change.y);
      const std::uint8_t limit = picture ? std::uint8_t{csEmpty} : fileformat::kClueMax;
      if (change.before > limit || change.after > limit) return false;
    }
  const auto isPicture = [&](const CellChange& change) {
    return walk.inTable(change.x, change.y) && walk.isPicture(change.x, change.y);
  };
  for (std::size_t at = history.position(); at > 0; --at)
    for (auto change = history.steps()[at - 1].rbegin(); change != history.steps()[at - 1].rend();
         ++change) {
      if (!isPicture(*change)) continue;
      std::uint8_t& state = walk.cell(change->x, change->y).State;
      if (state != change->after) return false;
      state = change->before;
    }
  for (const HistoryStep& step : history.steps())
    for (const CellChange& change : step) {
      if (!isPicture(change)) continue;
      std::uint8_t& state = walk.cell(change.x, change.y).State;
      if (state != change.before) return false;
      state = change.after;
    }
  return true;
}

Result<History> readHistory(Reader& in) {
  std::vector<HistoryStep> steps(in.count(4));
  if (!in.ok()) return damaged("число шагов");
  for (HistoryStep& step : steps) {
    const std::uint32_t count = in.u32();
    const std::span<const std::uint8_t> changes = in.take(std::size_t{count} * 4);
    if (!in.ok()) return damaged("шаг истории обрывается");
    for (std::size_t i = 0; i < changes.size(); i += 4)
      step.push_back({changes[i], changes[i + 1], changes[i + 2], changes[i + 3]});
  }
  const std::size_t position = in.u32();
  const std::uint32_t savedPlusOne = in.u32();
  std::vector<std::size_t> checkpoints(in.count(4));
  if (!in.ok()) return damaged("позиции истории");
  for (std::size_t& checkpoint : checkpoints) checkpoint = in.u32();
  const std::optional<std::size_t> saved =
      savedPlusOne == 0 ? std::nullopt : std::optional<std::size_t>(savedPlusOne - 1);
  if (!in.ok() || !History::isConsistent(steps, position, saved, checkpoints))
    return damaged("позиции истории");
  return History(std::move(steps), position, saved, std::move(checkpoints));
}

}  // namespace

SessionFormat sessionFormatOf(const std::string& fileName) {
  if (fileName.empty()) return SessionFormat::None;
  switch (puzzleFormatOf(fileName).value_or(PuzzleFormat::Svg)) {
    case PuzzleFormat::Jcw: return SessionFormat::Jcw;
    case PuzzleFormat::Non: return SessionFormat::Non;
    case PuzzleFormat::Webpbn: return SessionFormat::Webpbn;
    case PuzzleFormat::Svg: return SessionFormat::None;
  }
  return SessionFormat::None;
}

std::vector<std::uint8_t> encodeSession(const Session& session) {
  Writer out;
  for (char c : kSignature) out.byte(static_cast<std::uint8_t>(c));
  out.byte(kVersion);
  out.text(session.fileName);
  out.byte(static_cast<std::uint8_t>(session.format));
  out.u16(static_cast<std::uint32_t>(session.cellSize));
  out.byte(session.crossword.Modified ? 1 : 0);
  const std::vector<std::uint8_t> crossword = encodeCrossword(session.crossword);
  out.u32(static_cast<std::uint32_t>(crossword.size()));
  for (std::uint8_t byte : crossword) out.byte(byte);
  const History& history = session.crossword.history;
  out.u32(static_cast<std::uint32_t>(history.steps().size()));
  for (const HistoryStep& step : history.steps()) {
    out.u32(static_cast<std::uint32_t>(step.size()));
    for (const CellChange& change : step) {
      out.byte(static_cast<std::uint8_t>(change.x));
      out.byte(static_cast<std::uint8_t>(change.y));
      out.byte(change.before);
      out.byte(change.after);
    }
  }
  out.u32(static_cast<std::uint32_t>(history.position()));
  out.u32(history.savedPosition() ? static_cast<std::uint32_t>(*history.savedPosition() + 1) : 0);
  out.u32(static_cast<std::uint32_t>(history.checkpoints().size()));
  for (std::size_t checkpoint : history.checkpoints())
    out.u32(static_cast<std::uint32_t>(checkpoint));
  return out.take();
}

Result<Session> decodeSession(std::span<const std::uint8_t> bytes) {
  Reader in(bytes);
  const std::span<const std::uint8_t> signature = in.take(kSignature.size());
  if (!in.ok() || !std::equal(signature.begin(), signature.end(), kSignature.begin()))
    return Error{"это не файл сеанса"};
  if (in.byte() != kVersion) return damaged("неизвестная версия");
  Session session;
  const std::span<const std::uint8_t> name = in.take(in.u16());
  session.fileName.assign(name.begin(), name.end());
  const std::uint8_t format = in.byte();
  session.cellSize = static_cast<int>(in.u16());
  const std::uint8_t modified = in.byte();
  if (!in.ok() || format > static_cast<std::uint8_t>(SessionFormat::Webpbn) || modified > 1)
    return damaged("заголовок");
  session.format = static_cast<SessionFormat>(format);
  const std::span<const std::uint8_t> stored = in.take(in.u32());
  if (!in.ok()) return damaged("кроссворд обрывается");
  Result<Crossword> crossword = decodeCrossword(stored);
  if (!crossword || encodeCrossword(*crossword) !=
                        std::vector<std::uint8_t>(stored.begin(), stored.end()))
    return damaged("кроссворд");
  Result<History> history = readHistory(in);
  if (!history) return Error{history.error()};
  if (!in.atEnd()) return damaged("лишние байты в конце");
  if (!fitsCrossword(*history, *crossword)) return damaged("история не сходится с отметками");
  session.crossword = std::move(*crossword);
  session.crossword.Modified = modified == 1;
  session.crossword.history = std::move(*history);
  return session;
}

Result<void> writeSessionFile(const std::filesystem::path& path, const Session& session) {
  const std::vector<std::uint8_t> bytes = encodeSession(session);
  return writeFileAtomically(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()},
                             MissingDirectories::Create);
}

Result<Session> readSessionFile(const std::filesystem::path& path) {
  const Result<std::string> bytes = readRegularFile(path, kReadLimit);
  if (!bytes) return Error{bytes.error()};
  Result<Session> session =
      decodeSession({reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()});
  if (!session) return readError(path, session.error());
  return session;
}

}  // namespace jcw
