#include <gtest/gtest.h>

#include "platform/RegistryText.h"

namespace jcw {

void PrintTo(const RegValue& v, std::ostream* out) {
  *out << "{'" << v.name << "' type " << static_cast<int>(v.type) << " dword " << v.dword << " data '"
       << v.data << "'}";
}

namespace {

constexpr Hive kUser = Hive::CurrentUser;

RegValue dword(std::string name, std::uint32_t v) { return {std::move(name), ValueType::Dword, v, {}}; }
RegValue text(std::string name, std::string v) { return {std::move(name), ValueType::String, 0, std::move(v)}; }
RegValue other(std::string name, std::string v) { return {std::move(name), ValueType::Other, 0, std::move(v)}; }

// The keys of a text that must be registry text.
HiveKeys keysOf(std::string_view text) {
  Result<ParsedHive> parsed = parseRegistryText(text, kUser);
  EXPECT_TRUE(parsed) << parsed.error();
  return parsed ? std::move(parsed->keys) : HiveKeys{};
}

// The values of one key read from a file that holds just that key and `line`.
std::vector<RegValue> valuesOfLine(const std::string& line) {
  const HiveKeys keys =
      keysOf("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\K]\n" + line + "\n");
  const RegKey* key = findKey(keys, "K");
  return key == nullptr ? std::vector<RegValue>{} : key->values;
}

struct LineCase {
  const char* title;
  std::string line;
  std::vector<RegValue> expected;
};

class ValueLine : public testing::TestWithParam<LineCase> {};

TEST_P(ValueLine, IsReadAsItsTypedValue) { EXPECT_EQ(valuesOfLine(GetParam().line), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    RegistryText, ValueLine,
    testing::Values(
        LineCase{"DwordOfEightDigits", "\"IndErr\"=dword:00000001", {dword("IndErr", 1)}},
        LineCase{"DwordInUpperCaseHex", "\"A\"=DWORD:FFFFFFFF", {dword("A", 0xFFFFFFFF)}},
        LineCase{"String", "\"LastCatalog\"=\"/home/ann\"", {text("LastCatalog", "/home/ann")}},
        LineCase{"EscapedString", R"("P"="C:\\Games\\jcw.exe \"%1\"")", {text("P", "C:\\Games\\jcw.exe \"%1\"")}},
        LineCase{"DefaultValue", "@=\"VovivIdiriVezu\"", {text("", "VovivIdiriVezu")}},
        LineCase{"EscapedName", R"("a\"b"=dword:2)", {dword("a\"b", 2)}},
        LineCase{"CyrillicUtf8", "@=\"Японский кроссворд\"", {text("", "Японский кроссворд")}},
        LineCase{"ExpandStringKeptOpaque", "\"E\"=hex(2):25,00,00,00", {other("E", "hex(2):25,00,00,00")}},
        LineCase{"ContinuedHexKeptWithItsLines", "\"B\"=hex:01,02,\\\n  03,04",
                 {other("B", "hex:01,02,\\\n  03,04")}},
        LineCase{"BlanksAroundTheEqualsSign", "\"A\" = dword:3  ", {dword("A", 3)}},
        LineCase{"DwordOfNineDigitsIsDropped", "\"A\"=dword:000000001", {}},
        LineCase{"DwordWithNonHexIsDropped", "\"A\"=dword:0000000g", {}},
        LineCase{"EmptyDwordIsDropped", "\"A\"=dword:", {}},
        LineCase{"UnterminatedStringIsDropped", "\"A\"=\"abc", {}},
        LineCase{"TextAfterTheStringIsDropped", "\"A\"=\"abc\"x", {}},
        LineCase{"UnknownEscapeIsDropped", R"("A"="a\qb")", {}},
        LineCase{"DeletionMarkerIsDropped", "\"A\"=-", {}},
        LineCase{"MissingEqualsSignIsDropped", "\"A\" dword:1", {}}),
    [](const auto& info) { return std::string(info.param.title); });

TEST(RegistryText, AFormattedHiveReadsBackEqual) {
  HiveKeys keys;
  RegKey& settings = ensureKey(keys, "SOFTWARE\\Velmora\\DuvEviredave");
  putValue(settings, dword("IndErr", 0));
  putValue(settings, dword("Go2Dig", 0xDEADBEEF));
  putValue(settings, text("LastCatalog", "/home/a \"quoted\" \\dir\nline\r\x01"));
  putValue(settings, text(std::string("nul\0name", 8), std::string("a\0b", 3)));
  putValue(settings, other("Raw", "hex(7):41,00,\\\n  00,00"));
  putValue(ensureKey(keys, ""), text("", "root default"));

  EXPECT_EQ(keysOf(formatRegistryText(keys, kUser)), keys);
}

TEST(RegistryText, AKeyLineCreatesItsParents) {
  const HiveKeys keys = keysOf("Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A\\B\\C]\n");
  EXPECT_NE(findKey(keys, "A"), nullptr);
  EXPECT_NE(findKey(keys, "A\\B"), nullptr);
  EXPECT_NE(findKey(keys, "a\\b\\c"), nullptr) << "key names ignore case";
}

TEST(RegistryText, ValuesAfterADamagedKeyLineDoNotLandInThePreviousKey) {
  const HiveKeys keys = keysOf(
      "Windows Registry Editor Version 5.00\n"
      "[HKEY_CURRENT_USER\\Good]\n\"A\"=dword:1\n"
      "[HKEY_CURRENT_USER\\Bad\\\\Name]\n\"B\"=dword:2\n"
      "[HKEY_CLASSES_ROOT\\OtherHive]\n\"C\"=dword:3\n"
      "[HKEY_CURRENT_USER\\Good]\n\"D\"=dword:4\n");
  ASSERT_NE(findKey(keys, "Good"), nullptr);
  EXPECT_EQ(findKey(keys, "Good")->values, (std::vector{dword("A", 1), dword("D", 4)}));
  EXPECT_EQ(findKey(keys, "OtherHive"), nullptr);
  EXPECT_EQ(keys.size(), 1u);
}

TEST(RegistryText, AFileCutInTheMiddleIsReadUpToTheCut) {
  const std::string whole =
      "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\K]\n\"A\"=dword:00000001\n"
      "\"Path\"=\"/home/ann\"\n";
  const HiveKeys keys = keysOf(whole.substr(0, whole.size() - 5));
  ASSERT_NE(findKey(keys, "K"), nullptr);
  EXPECT_EQ(findKey(keys, "K")->values, std::vector{dword("A", 1)});
}

TEST(RegistryText, GarbageLinesAreSkippedAndTheRestIsRead) {
  const HiveKeys keys = keysOf(
      "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
      "\x01\x02 binary junk\r\n"
      "; a comment\r\n"
      "[HKEY_CURRENT_USER\\K]\r\n"
      "junk=\"x\"\r\n"
      "\"A\"=dword:00000005\r\n");
  ASSERT_NE(findKey(keys, "K"), nullptr);
  EXPECT_EQ(findKey(keys, "K")->values, std::vector{dword("A", 5)});
}

TEST(RegistryText, TextThatDoesNotStartWithTheHeaderIsNoRegistryText) {
  for (const std::string& text : {std::string("[HKEY_CURRENT_USER\\K]\n\"A\"=dword:1\n"), std::string("\x7f" "ELF\0\0", 6),
                                 std::string("REGEDIT4\n")}) {
    const Result<ParsedHive> parsed = parseRegistryText(text, kUser);
    ASSERT_FALSE(parsed) << text;
    EXPECT_TRUE(parsed.error().starts_with("это не файл реестра")) << parsed.error();
  }
  EXPECT_TRUE(parseRegistryText("", kUser)) << "an empty file is an empty hive";
  EXPECT_TRUE(parseRegistryText("\xEF\xBB\xBF\r\n \n", kUser));
}

TEST(RegistryText, LinesBeyondTheLimitsAreRefusedWithAMessageAndTheRestIsKept) {
  std::string tooDeep = "[HKEY_CURRENT_USER";
  for (std::size_t i = 0; i <= kDeepestKey; ++i) tooDeep += "\\k";
  const struct {
    std::string line, reason;
  } cases[] = {
      {tooDeep + "]", "ключ глубже 32 уровней"},
      {"[HKEY_CURRENT_USER\\" + std::string(256, 'k') + "]", "имя ключа длиннее 255 байт"},
      {"[HKEY_CURRENT_USER\\" + std::string(200, 'a') + "\\" + std::string(200, 'b') + "\\" +
           std::string(200, 'c') + "]",
       "путь ключа длиннее 512 байт"},
      {"\"" + std::string(16384, 'n') + "\"=dword:1", "имя параметра длиннее 16383 байт"},
      {"\"Big\"=\"" + std::string(65536, 'v') + "\"", "значение параметра длиннее 65535 байт"},
  };
  for (const auto& c : cases) {
    const Result<ParsedHive> parsed = parseRegistryText(
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Good]\n\"A\"=dword:1\n" + c.line +
            "\n\"Lost\"=dword:9\n[HKEY_CURRENT_USER\\Good]\n\"B\"=dword:2\n",
        kUser);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->refused, std::vector<std::string>{"строка 4: " + c.reason + ", строка пропущена"});
    ASSERT_EQ(parsed->keys.size(), 1u) << c.reason;
    const bool valueRefused = c.line.front() == '"';
    const std::vector<RegValue> expected =
        valueRefused ? std::vector{dword("A", 1), dword("Lost", 9), dword("B", 2)}
                     : std::vector{dword("A", 1), dword("B", 2)};
    EXPECT_EQ(parsed->keys[0].values, expected);
  }
}

TEST(RegistryText, AnOpaqueValueWhoseContinuationIsMissingIsDropped) {
  // Kept, its trailing backslash would swallow the next key line of a rewritten file.
  const HiveKeys keys = keysOf(
      "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\K]\n\"A\"=dword:1\n\"B\"=hex:01,\\");
  ASSERT_NE(findKey(keys, "K"), nullptr);
  EXPECT_EQ(findKey(keys, "K")->values, std::vector{dword("A", 1)});
}

TEST(RegistryText, TheHiveWithoutValuesIsNoKeyOfItsOwnSoThatARewriteReadsBackEqual) {
  const HiveKeys keys = keysOf(
      "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER]\n@=\"\\ bad escape\"\n[HKEY_CURRENT_USER\\K]\n");
  ASSERT_EQ(keys.size(), 1u);
  EXPECT_EQ(keysOf(formatRegistryText(keys, kUser)), keys);
}

TEST(RegistryText, ALaterValueOfTheSameNameReplacesTheEarlierInPlace) {
  EXPECT_EQ(valuesOfLine("\"A\"=dword:1\n\"B\"=\"x\"\n\"a\"=\"y\""),
            (std::vector{text("a", "y"), text("B", "x")}));
}

}  // namespace
}  // namespace jcw
