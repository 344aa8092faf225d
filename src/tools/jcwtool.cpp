// jcwtool: the crossword core on the command line.
//   jcwtool info FILE                      describe a crossword as one JSON object
//   jcwtool resave IN OUT                  load IN and write it to OUT with the program's own writer
//   jcwtool solve FILE [--marks] [--steps] line-solve, then describe the result like info
//   jcwtool test FILE [--marks]            print whether line solving decides one picture
//   jcwtool convert IN OUT                 write IN in the format OUT's extension names
// FILE and IN may be .jcw, .non or webpbn .xml; OUT may also be .svg.

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "files/CrosswordFile.h"
#include "files/PuzzleFile.h"
#include "model/PictureText.h"
#include "platform/AtomicFile.h"
#include "solver/SolverRuns.h"
#include "solver/SolverState.h"
#include "tools/Report.h"

namespace {

constexpr int kFailure = 1;
constexpr int kUsage = 2;

using Args = std::vector<std::string>;

int usage() {
  std::cerr << "usage: jcwtool info FILE\n"
               "       jcwtool resave IN OUT\n"
               "       jcwtool solve FILE [--marks] [--steps]\n"
               "       jcwtool test FILE [--marks]\n"
               "       jcwtool convert IN OUT\n";
  return kUsage;
}

std::optional<jcw::Crossword> load(const std::string& path) {
  jcw::Result<jcw::Crossword> read = jcw::readPuzzleFile(path);
  if (!read) {
    std::cerr << "jcwtool: " << read.error() << "\n";
    return std::nullopt;
  }
  return std::move(*read);
}

int info(const std::string& path) {
  const auto crossword = load(path);
  if (!crossword) return kFailure;
  std::cout << jcw::crosswordReport(*crossword) << "\n";
  return 0;
}

// The exit status of a write, its error printed.
int written(const jcw::Result<void>& write) {
  if (write) return 0;
  std::cerr << "jcwtool: " << write.error() << "\n";
  return kFailure;
}

int resave(const std::string& in, const std::string& out) {
  const auto crossword = load(in);
  return crossword ? written(jcw::writeCrosswordFile(out, *crossword)) : kFailure;
}

int convert(const std::string& in, const std::string& out) {
  const auto crossword = load(in);
  return crossword ? written(jcw::writePuzzleFile(out, *crossword)) : kFailure;
}

void printPicture(const jcw::Crossword& crossword) {
  for (const std::string& row : jcw::pictureRows(crossword)) std::cout << row << "\n";
  std::cout << "\n";
}

int solve(const std::string& path, bool useMarks, bool steps) {
  auto crossword = load(path);
  if (!crossword) return kFailure;
  jcw::SolverState state;
  state.UseMarks = useMarks;
  jcw::PrepareSolver(state, *crossword);
  jcw::solveByLines(state, [&] {
    if (!steps) return;
    jcw::WriteBack(state, *crossword);
    printPicture(*crossword);
  });
  jcw::WriteBack(state, *crossword);
  std::cout << jcw::crosswordReport(*crossword) << "\n";
  return 0;
}

// The message as the program shows it, its line feed and carriage return as one line break.
std::string asPrinted(std::string message) {
  for (std::size_t at; (at = message.find("\n\r")) != std::string::npos;) message.erase(at + 1, 1);
  return message;
}

int test(const std::string& path, bool useMarks) {
  const auto crossword = load(path);
  if (!crossword) return kFailure;
  jcw::SolverState state;
  state.UseMarks = useMarks;
  jcw::PrepareSolver(state, *crossword);
  std::cout << asPrinted(jcw::testMessage(jcw::runTest(state), useMarks)) << "\n";
  return 0;
}

// Splits the words after the command into the file name and the flags; false on anything else.
bool parseSolveArgs(const Args& words, const Args& allowed, std::string& file, Args& flags) {
  for (const std::string& word : words) {
    if (word.starts_with("--")) {
      if (std::find(allowed.begin(), allowed.end(), word) == allowed.end()) return false;
      flags.push_back(word);
    } else {
      if (!file.empty()) return false;
      file = word;
    }
  }
  return !file.empty();
}

bool has(const Args& flags, std::string_view flag) {
  return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

}  // namespace

int main(int argc, char** argv) {
  jcw::ignoreFileSizeSignal();
  const Args args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "info") return info(args[1]);
  if (args.size() == 3 && args[0] == "resave") return resave(args[1], args[2]);
  if (args.size() == 3 && args[0] == "convert") return convert(args[1], args[2]);
  if (args.empty()) return usage();
  const Args rest(args.begin() + 1, args.end());
  std::string file;
  Args flags;
  if (args[0] == "solve" && parseSolveArgs(rest, {"--marks", "--steps"}, file, flags))
    return solve(file, has(flags, "--marks"), has(flags, "--steps"));
  if (args[0] == "test" && parseSolveArgs(rest, {"--marks"}, file, flags))
    return test(file, has(flags, "--marks"));
  return usage();
}
