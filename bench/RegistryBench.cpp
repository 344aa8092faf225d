// Reading and writing a hive's text: time must grow linearly with the text, whether it holds many
// keys, many values in one key, or keys as deep and long as the limits allow.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/RegistryText.h"

namespace jcw {
namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00\n";

std::string manyKeys(std::int64_t count) {
  std::string text(kHeader);
  for (std::int64_t i = 0; i < count; ++i)
    text += "[HKEY_CURRENT_USER\\Software\\Key" + std::to_string(i) + "]\n\"V\"=dword:00000001\n";
  return text;
}

std::string manyValues(std::int64_t count) {
  std::string text = std::string(kHeader) + "[HKEY_CURRENT_USER\\Software\\One]\n";
  for (std::int64_t i = 0; i < count; ++i) text += "\"Value" + std::to_string(i) + "\"=\"text\"\n";
  return text;
}

// Keys of the deepest allowed path, each line making up to kDeepestKey keys.
std::string deepKeys(std::int64_t count) {
  std::string text(kHeader);
  for (std::int64_t i = 0; i < count; ++i) {
    text += "[HKEY_CURRENT_USER\\K" + std::to_string(i);
    for (std::size_t depth = 1; depth < kDeepestKey; ++depth) text += "\\level";
    text += "]\n";
  }
  return text;
}

template <std::string (*Make)(std::int64_t)>
void readAndWrite(benchmark::State& state) {
  const std::string text = Make(state.range(0));
  for (auto _ : state) {
    Result<ParsedHive> parsed = parseRegistryText(text, Hive::CurrentUser);
    benchmark::DoNotOptimize(formatRegistryText(parsed->keys, Hive::CurrentUser));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.SetComplexityN(static_cast<std::int64_t>(text.size()));
}

BENCHMARK(readAndWrite<manyKeys>)->RangeMultiplier(4)->Range(256, 16384)->Complexity(benchmark::oN);
BENCHMARK(readAndWrite<manyValues>)->RangeMultiplier(4)->Range(256, 16384)->Complexity(benchmark::oN);
BENCHMARK(readAndWrite<deepKeys>)->RangeMultiplier(4)->Range(16, 1024)->Complexity(benchmark::oN);

}  // namespace
}  // namespace jcw
