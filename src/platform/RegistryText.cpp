#include "platform/RegistryText.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <unordered_map>

namespace jcw {

namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kDwordPrefix = "dword:";
constexpr char kSeparator = '\\';

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view trimRight(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::string_view trimLeft(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

std::string_view parentPath(std::string_view path) {
  const std::size_t last = path.rfind(kSeparator);
  return last == std::string_view::npos ? std::string_view() : path.substr(0, last);
}

// Reads a quoted string at the start of `s`; on success `s` is left after the closing quote.
std::optional<std::string> readQuoted(std::string_view& s) {
  if (s.empty() || s.front() != '"') return std::nullopt;
  std::string text;
  for (std::size_t i = 1; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '"') {
      s.remove_prefix(i + 1);
      return text;
    }
    if (c != '\\') {
      text += c;
      continue;
    }
    if (++i == s.size()) return std::nullopt;
    switch (s[i]) {
      case '\\': text += '\\'; break;
      case '"': text += '"'; break;
      case 'n': text += '\n'; break;
      case 'r': text += '\r'; break;
      case '0': text += '\0'; break;
      default: return std::nullopt;
    }
  }
  return std::nullopt;
}

std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\0': out += "\\0"; break;
      default: out += c;
    }
  }
  return out + '"';
}

std::optional<std::uint32_t> readDwordData(std::string_view data) {
  if (data.empty() || data.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(data.data(), data.data() + data.size(), value, 16);
  if (error != std::errc() || end != data.data() + data.size()) return std::nullopt;
  return value;
}

// Eight lower-case hexadecimal digits, as the registry editor writes them.
std::string dwordDigits(std::uint32_t value) {
  char digits[8];
  const auto end = std::to_chars(digits, digits + 8, value, 16).ptr;
  const auto used = static_cast<std::size_t>(end - digits);
  return std::string(8 - used, '0') + std::string(digits, used);
}

// A key line's path below `hive`, or nothing when the line is damaged or names another hive.
std::optional<std::string> readKeyLine(std::string_view line, Hive hive) {
  const std::size_t close = line.rfind(']');
  if (close == std::string_view::npos || !trimRight(line.substr(close + 1)).empty())
    return std::nullopt;
  const std::string_view name = line.substr(1, close - 1);
  const std::string_view root = hiveName(hive);
  if (name.size() < root.size() || !sameName(name.substr(0, root.size()), root)) return std::nullopt;
  std::string_view path = name.substr(root.size());
  if (!path.empty()) {
    if (path.front() != kSeparator) return std::nullopt;
    path.remove_prefix(1);
    if (path.empty()) return std::nullopt;
  }
  if (!validKeyPath(path)) return std::nullopt;
  return std::string(path);
}

// A value line; `more` supplies the continuation lines of a value whose text ends in '\'.
template <typename NextLine>
std::optional<RegValue> readValueLine(std::string_view line, NextLine more) {
  RegValue value;
  std::string_view rest = line;
  if (rest.front() == '@') {
    rest.remove_prefix(1);
  } else {
    std::optional<std::string> name = readQuoted(rest);
    if (!name) return std::nullopt;
    value.name = std::move(*name);
  }
  rest = trimLeft(rest);
  if (rest.empty() || rest.front() != '=') return std::nullopt;
  rest = trimRight(trimLeft(rest.substr(1)));
  if (rest.empty() || rest == "-") return std::nullopt;

  if (rest.front() == '"') {
    std::optional<std::string> text = readQuoted(rest);
    if (!text || !trimRight(rest).empty()) return std::nullopt;
    value.type = ValueType::String;
    value.data = std::move(*text);
    return value;
  }
  if (rest.size() >= kDwordPrefix.size() && sameName(rest.substr(0, kDwordPrefix.size()), kDwordPrefix)) {
    std::optional<std::uint32_t> number = readDwordData(rest.substr(kDwordPrefix.size()));
    if (!number) return std::nullopt;
    value.type = ValueType::Dword;
    value.dword = *number;
    return value;
  }
  value.type = ValueType::Other;
  value.data = rest;
  while (!value.data.empty() && value.data.back() == '\\') {
    // Kept without its continuation, the backslash would take the next line of a rewrite.
    std::optional<std::string_view> next = more();
    if (!next) return std::nullopt;
    value.data += '\n';
    value.data += trimRight(*next);
  }
  return value;
}

// The element whose name (a member of it) equals `name`, or null; const or not as `range`.
template <typename Range, typename Name>
auto findNamed(Range& range, std::string_view name, Name member) -> decltype(&*range.begin()) {
  const auto found = std::ranges::find_if(range, [&](const auto& e) { return sameName(e.*member, name); });
  return found == range.end() ? nullptr : &*found;
}

// Splits text into lines on demand, counting them from 1.
class Lines {
 public:
  explicit Lines(std::string_view text) : rest_(text) {}
  std::optional<std::string_view> next() {
    if (done_) return std::nullopt;
    ++number_;
    const std::size_t end = rest_.find('\n');
    std::string_view line = rest_.substr(0, end);
    if (end == std::string_view::npos)
      done_ = true;
    else
      rest_.remove_prefix(end + 1);
    return line;
  }
  std::size_t number() const { return number_; }

 private:
  std::string_view rest_;
  bool done_ = false;
  std::size_t number_ = 0;
};

std::string lowered(std::string_view name) {
  std::string out(name);
  std::ranges::transform(out, out.begin(), lowerAscii);
  return out;
}

// The keys of a hive being read, found by name in constant time so that reading stays linear
// however many keys and values the text holds.
class HiveBuilder {
 public:
  // The index of the key, made with its missing parents. `path` must be valid.
  std::size_t key(std::string_view path) {
    std::string name = lowered(path);
    if (const auto found = keyAt_.find(name); found != keyAt_.end()) return found->second;
    if (const std::string_view parent = parentPath(path); !parent.empty()) key(parent);
    keys_.push_back({std::string(path), {}});
    valueAt_.emplace_back();
    keyAt_.emplace(std::move(name), keys_.size() - 1);
    return keys_.size() - 1;
  }
  // Replaces the value of the same name in place, or appends it.
  void put(std::size_t key, RegValue value) {
    std::vector<RegValue>& values = keys_[key].values;
    const auto [at, added] = valueAt_[key].try_emplace(lowered(value.name), values.size());
    if (added)
      values.push_back(std::move(value));
    else
      values[at->second] = std::move(value);
  }
  // The keys; the hive itself only when it holds values, as the text keeps it.
  HiveKeys take() {
    std::erase_if(keys_, [](const RegKey& key) { return key.path.empty() && key.values.empty(); });
    return std::move(keys_);
  }

 private:
  HiveKeys keys_;
  std::unordered_map<std::string, std::size_t> keyAt_;
  std::vector<std::unordered_map<std::string, std::size_t>> valueAt_;
};

// True when the first line that is not blank is the header.
bool startsWithHeader(std::string_view text) {
  Lines lines(text);
  while (std::optional<std::string_view> line = lines.next()) {
    const std::string_view trimmed = trimRight(trimLeft(*line));
    if (!trimmed.empty()) return trimmed == kHeader;
  }
  return true;
}

}  // namespace

std::string_view hiveName(Hive hive) {
  return hive == Hive::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_CLASSES_ROOT";
}

bool validKeyPath(std::string_view path) {
  if (path.empty()) return true;
  if (path.front() == kSeparator || path.back() == kSeparator) return false;
  return path.find("\\\\") == std::string_view::npos;
}

std::string keyPathBeyondLimits(std::string_view path) {
  if (path.size() > kLongestKeyPath)
    return "путь ключа длиннее " + std::to_string(kLongestKeyPath) + " байт";
  std::size_t depth = 0;
  for (std::size_t start = 0; start <= path.size() && !path.empty(); ++depth) {
    const std::size_t end = std::min(path.find(kSeparator, start), path.size());
    if (end - start > kLongestKeyName)
      return "имя ключа длиннее " + std::to_string(kLongestKeyName) + " байт";
    start = end + 1;
  }
  if (depth > kDeepestKey) return "ключ глубже " + std::to_string(kDeepestKey) + " уровней";
  return {};
}

std::string valueBeyondLimits(const RegValue& value) {
  if (value.name.size() > kLongestValueName)
    return "имя параметра длиннее " + std::to_string(kLongestValueName) + " байт";
  if (value.data.size() > kLongestValueData)
    return "значение параметра длиннее " + std::to_string(kLongestValueData) + " байт";
  return {};
}

bool sameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

const RegKey* findKey(const HiveKeys& keys, std::string_view path) {
  return findNamed(keys, path, &RegKey::path);
}

RegKey& ensureKey(HiveKeys& keys, std::string_view path) {
  if (RegKey* existing = findNamed(keys, path, &RegKey::path)) return *existing;
  if (const std::string_view parent = parentPath(path); !parent.empty()) ensureKey(keys, parent);
  keys.push_back({std::string(path), {}});
  return keys.back();
}

const RegValue* findValue(const RegKey& key, std::string_view name) {
  return findNamed(key.values, name, &RegValue::name);
}

void putValue(RegKey& key, RegValue value) {
  if (RegValue* existing = findNamed(key.values, value.name, &RegValue::name))
    *existing = std::move(value);
  else
    key.values.push_back(std::move(value));
}

Result<ParsedHive> parseRegistryText(std::string_view text, Hive hive) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  if (!startsWithHeader(text))
    return Error{"это не файл реестра: он начинается не со строки «" + std::string(kHeader) + "»"};
  ParsedHive parsed;
  HiveBuilder builder;
  const auto refuse = [&](std::size_t line, const std::string& reason) {
    parsed.refused.push_back("строка " + std::to_string(line) + ": " + reason + ", строка пропущена");
  };
  constexpr std::size_t kNoKey = static_cast<std::size_t>(-1);
  std::size_t current = kNoKey;  // the key the value lines belong to
  Lines lines(text);
  while (std::optional<std::string_view> raw = lines.next()) {
    const std::string_view line = trimRight(trimLeft(*raw));
    const std::size_t number = lines.number();
    if (line.empty() || line.front() == ';' || line == kHeader) continue;
    if (line.front() == '[') {
      current = kNoKey;
      std::optional<std::string> path = readKeyLine(line, hive);
      if (!path) continue;
      if (const std::string beyond = keyPathBeyondLimits(*path); !beyond.empty())
        refuse(number, beyond);
      else
        current = builder.key(*path);
    } else if (current != kNoKey && (line.front() == '"' || line.front() == '@')) {
      std::optional<RegValue> value = readValueLine(line, [&] { return lines.next(); });
      if (!value) continue;
      if (const std::string beyond = valueBeyondLimits(*value); !beyond.empty())
        refuse(number, beyond);
      else
        builder.put(current, std::move(*value));
    }
  }
  parsed.keys = builder.take();
  return parsed;
}

std::string formatRegistryText(const HiveKeys& keys, Hive hive) {
  std::string text = std::string(kHeader) + "\n";
  for (const RegKey& key : keys) {
    if (key.path.empty() && key.values.empty()) continue;
    text += "\n[" + std::string(hiveName(hive)) + (key.path.empty() ? "" : "\\") + key.path + "]\n";
    for (const RegValue& value : key.values) {
      text += value.name.empty() ? "@" : quoted(value.name);
      text += '=';
      switch (value.type) {
        case ValueType::Dword: text += std::string(kDwordPrefix) + dwordDigits(value.dword); break;
        case ValueType::String: text += quoted(value.data); break;
        case ValueType::Other: text += value.data; break;
      }
      text += '\n';
    }
  }
  return text;
}

}  // namespace jcw
