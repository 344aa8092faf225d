#pragma once
// The registry's keys and typed values as plain data, and their text form: the registry-export
// format, one file per hive, UTF-8:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\SOFTWARE\Velmora\DuvEviredave]
//   "IndErr"=dword:00000001
//   "LastCatalog"="/home/ann/puzzles"
//   @="the key's default value"
//
// Strings escape \\ and \" (and, as Wine does, \n, \r and \0). Values of other types (hex(2):,
// hex:, ...) are kept as opaque text so that a rewrite keeps them. Key and value names compare
// without regard to ASCII case, as the registry's do. Reading takes time linear in the text; keys
// deeper or longer, and names and values longer, than the limits below are refused.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Result.h"

namespace jcw {

enum class Hive { CurrentUser, ClassesRoot };
enum class ValueType { Dword, String, Other };

struct RegValue {
  std::string name;  // "" is the key's default value
  ValueType type = ValueType::String;
  std::uint32_t dword = 0;  // Dword
  std::string data;         // String: the text; Other: the text after '=' as in the file
  bool operator==(const RegValue&) const = default;
};

struct RegKey {
  std::string path;  // below the hive, components separated by '\'; "" is the hive itself
  std::vector<RegValue> values;  // in the order they were first written
  bool operator==(const RegKey&) const = default;
};

// The keys of one hive, parents before their children, in the order they were created.
using HiveKeys = std::vector<RegKey>;

// The limits of what the hives hold; the registry's own are near these, and a settings file
// needs far less. A key is made with all its parents, so its depth bounds the keys one line makes.
inline constexpr std::size_t kDeepestKey = 32;          // components of a key path
inline constexpr std::size_t kLongestKeyPath = 512;     // bytes of a whole key path
inline constexpr std::size_t kLongestKeyName = 255;     // bytes of one component
inline constexpr std::size_t kLongestValueName = 16383; // bytes
inline constexpr std::size_t kLongestValueData = 65535; // bytes of a value's text

// "HKEY_CURRENT_USER" or "HKEY_CLASSES_ROOT".
std::string_view hiveName(Hive hive);

// True when every component of `path` is non-empty ("" is the hive itself).
bool validKeyPath(std::string_view path);
// Why `path` is beyond the limits (in Russian), or "" when it is within them.
std::string keyPathBeyondLimits(std::string_view path);
// Why the value is beyond the limits (in Russian), or "" when it is within them.
std::string valueBeyondLimits(const RegValue& value);
// Equal without regard to ASCII case.
bool sameName(std::string_view a, std::string_view b);

// The key, or null.
const RegKey* findKey(const HiveKeys& keys, std::string_view path);
// The key, created with its missing parents when absent. `path` must be valid.
RegKey& ensureKey(HiveKeys& keys, std::string_view path);
// The value of that name, or null.
const RegValue* findValue(const RegKey& key, std::string_view name);
// Replaces the value of the same name in place, or appends it.
void putValue(RegKey& key, RegValue value);

// What was read from a hive's file.
struct ParsedHive {
  HiveKeys keys;
  // One Russian line for each line refused for being beyond the limits: "строка N: …".
  std::vector<std::string> refused;
};

// Reads the text of `hive`'s file as far as it is valid: a line that cannot be read is skipped,
// and after a key line that cannot be read (or that names another hive, or is beyond the limits)
// the values up to the next good key line are skipped too, so that no value lands in the wrong
// key. Text whose first line that is not blank is not the format's header is no registry text at
// all: an error; empty or blank text is an empty hive.
Result<ParsedHive> parseRegistryText(std::string_view text, Hive hive);
// The file text of `hive`; parseRegistryText gives `keys` back.
std::string formatRegistryText(const HiveKeys& keys, Hive hive);

}  // namespace jcw
