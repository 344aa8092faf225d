// jcwtool: the crossword core on the command line.
//   jcwtool info FILE        describe a crossword as one JSON object
//   jcwtool resave IN OUT    load IN and write it to OUT with the program's own writer

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "files/CrosswordFile.h"
#include "tools/Report.h"

namespace {

constexpr int kFailure = 1;
constexpr int kUsage = 2;

int usage() {
  std::cerr << "usage: jcwtool info FILE\n"
               "       jcwtool resave IN OUT\n";
  return kUsage;
}

std::optional<jcw::Crossword> load(const std::string& path) {
  jcw::ReadResult result = jcw::readCrosswordFile(path);
  if (!result.crossword) std::cerr << "jcwtool: " << result.error << "\n";
  return std::move(result.crossword);
}

int info(const std::string& path) {
  const auto crossword = load(path);
  if (!crossword) return kFailure;
  std::cout << jcw::crosswordReport(*crossword) << "\n";
  return 0;
}

int resave(const std::string& in, const std::string& out) {
  const auto crossword = load(in);
  if (!crossword) return kFailure;
  if (auto error = jcw::writeCrosswordFile(out, *crossword)) {
    std::cerr << "jcwtool: " << *error << "\n";
    return kFailure;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "info") return info(args[1]);
  if (args.size() == 3 && args[0] == "resave") return resave(args[1], args[2]);
  return usage();
}
