// jcwtool: the crossword core on the command line.
//   jcwtool info FILE                      describe a crossword as one JSON object
//   jcwtool resave IN OUT                  load IN and write it to OUT with the program's own writer
//   jcwtool solve FILE [--marks] [--steps] [--complete]
//                                          line-solve (and with --complete finish by search),
//                                          then describe the result like info
//   jcwtool test FILE [--marks]            print the test's verdict as the program shows it
//   jcwtool count FILE [--marks] [--timeout SECONDS]
//                                          count the pictures that fit (0, 1, 2 = two or more,
//                                          null when the time ran out)
//   jcwtool grade FILE                     the difficulty as one JSON object
//   jcwtool convert IN OUT                 write IN in the format OUT's extension names
//   jcwtool view-point VIEW... X Y         where table cell (X, Y) shows in the window, VIEW
//                                          being the eleven numbers the program reports
//   jcwtool --help | --version
// FILE and IN may be .jcw, .non or webpbn .xml; OUT may also be .svg.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "field/ViewReport.h"
#include "files/ClueLists.h"
#include "files/CrosswordFile.h"
#include "files/PuzzleFile.h"
#include "model/PictureText.h"
#include "platform/AtomicFile.h"
#include "platform/UiLanguage.h"
#include "solver/Difficulty.h"
#include "solver/LineConflict.h"
#include "solver/SolverRuns.h"
#include "solver/SolverState.h"
#include "startup/CommandLine.h"
#include "tools/Json.h"
#include "tools/Report.h"
#include "tools/ToolTexts.h"

namespace {

constexpr int kFailure = 1;
constexpr int kUsage = 2;

using Args = std::vector<std::string>;

int usage() {
  std::cerr << jcw::toolUsage(jcw::uiLanguage());
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

jcw::SolverState preparedState(const jcw::Crossword& crossword, bool useMarks) {
  jcw::SolverState state;
  state.UseMarks = useMarks;
  jcw::PrepareSolver(state, crossword);
  return state;
}

int solve(const std::string& path, bool useMarks, bool steps, bool complete) {
  auto crossword = load(path);
  if (!crossword) return kFailure;
  jcw::SolverState state = preparedState(*crossword, useMarks);
  jcw::solveByLines(state, [&] {
    if (!steps) return;
    jcw::WriteBack(state, *crossword);
    printPicture(*crossword);
  });
  if (!complete) {
    jcw::WriteBack(state, *crossword);
    std::cout << jcw::crosswordReport(*crossword) << "\n";
    return 0;
  }
  // The sweeps may have stopped early on a contradiction: the search starts from the marks.
  const jcw::SearchResult search =
      state.Contradiction ? jcw::SearchResult{} : jcw::searchFrom(state);
  if (!search.pictures.empty()) state.Work = search.pictures.front();
  jcw::WriteBack(state, *crossword);
  jcw::JsonObject json = jcw::crosswordJson(*crossword);
  json.add("solutions", static_cast<long long>(search.solutions));
  std::cout << json.str() << "\n";
  return 0;
}

int test(const std::string& path, bool useMarks) {
  const auto crossword = load(path);
  if (!crossword) return kFailure;
  jcw::SolverState state = preparedState(*crossword, useMarks);
  const bool marksTaken = useMarks && crossword->countMarked() > 0;
  const jcw::UiLanguage language = jcw::uiLanguage();
  const jcw::TestVerdict verdict = jcw::runTest(state);
  std::optional<jcw::LineConflict> conflict;
  if (verdict.outcome == jcw::TestOutcome::NoSolution)
    conflict = jcw::locateConflict(jcw::cluesOf(*crossword));
  std::cout << jcw::verdictIn(language, jcw::testMessage(verdict, marksTaken, conflict)) << "\n";
  // The grade judges the clues alone, as an author hands them out.
  const jcw::Difficulty difficulty = jcw::gradeClues(jcw::cluesOf(*crossword));
  std::cout << jcw::reasonIn(language, "Сложность: " + std::to_string(difficulty.grade)) << "\n";
  for (const std::string& reason : jcw::difficultyReasons(difficulty))
    std::cout << "  " << jcw::reasonIn(language, reason) << "\n";
  return 0;
}

int grade(const std::string& path) {
  const auto crossword = load(path);
  if (!crossword) return kFailure;
  const jcw::Difficulty difficulty = jcw::gradeClues(jcw::cluesOf(*crossword));
  jcw::JsonObject json;
  json.add("grade", static_cast<long long>(difficulty.grade));
  json.add("sweeps", static_cast<long long>(difficulty.sweeps));
  json.add("overlapOnly", difficulty.overlapOnly);
  json.add("depth", static_cast<long long>(difficulty.depth));
  json.add("nodes", difficulty.nodes);
  json.add("solutions", static_cast<long long>(difficulty.solutions));
  std::cout << json.str() << "\n";
  return 0;
}

// Row and column sweeps from an empty picture decide every cell.
bool lineSolvable(const jcw::Crossword& crossword) {
  jcw::SolverState state = preparedState(crossword, false);
  jcw::solveByLines(state);
  return jcw::AllCellsKnown(state) && !state.Contradiction;
}

int count(const std::string& path, bool useMarks, double timeoutSeconds) {
  const auto crossword = load(path);
  if (!crossword) return kFailure;
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  const auto deadline = start + std::chrono::duration_cast<Clock::duration>(
                                    std::chrono::duration<double>(timeoutSeconds));
  jcw::SolverState state = preparedState(*crossword, useMarks);
  if (timeoutSeconds > 0) state.Cancel = [deadline] { return Clock::now() >= deadline; };
  const jcw::TestVerdict verdict = jcw::runTest(state);
  const long long ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
  // An unfinished count knows no number: 0 would read as "no picture fits".
  std::optional<long long> solutions;
  if (verdict.outcome == jcw::TestOutcome::NoSolution) solutions = 0;
  if (verdict.outcome == jcw::TestOutcome::SingleSolution) solutions = 1;
  if (verdict.outcome == jcw::TestOutcome::SeveralSolutions) solutions = 2;
  std::vector<std::vector<std::string>> pictures;
  for (const jcw::WorkGrid& picture : verdict.pictures) pictures.push_back(jcw::rowsText(picture));
  jcw::JsonObject json;
  json.add("solutions", solutions);
  json.add("lineSolvable", useMarks ? lineSolvable(*crossword) : verdict.solvedByLines);
  json.add("pictures", pictures);
  json.add("complete", verdict.outcome != jcw::TestOutcome::Cancelled);
  json.add("nodes", verdict.nodes);
  json.add("ms", ms);
  if (verdict.outcome == jcw::TestOutcome::NoSolution)
    if (const std::optional<jcw::LineConflict> conflict =
            jcw::locateConflict(jcw::cluesOf(*crossword), state.Cancel)) {
      jcw::JsonObject lines;
      lines.add("rows", jcw::countedFromOne(conflict->rows));
      lines.add("columns", jcw::countedFromOne(conflict->columns));
      json.add("conflict", lines);
    }
  std::cout << json.str() << "\n";
  return 0;
}

// "middleX middleY left top right bottom" of the cell, in the window's client pixels; status 1
// when it does not show.
int viewPoint(const Args& numbers) {
  const std::optional<jcw::ViewReport> report =
      jcw::parseViewReport(Args(numbers.begin(), numbers.end() - 2));
  const auto cell = [&](std::size_t i) {
    return static_cast<int>(std::strtol(numbers[numbers.size() - 2 + i].c_str(), nullptr, 10) %
                            1000);
  };
  if (!report) return usage();
  const std::optional<jcw::ShownCell> shown = jcw::shownCell(*report, cell(0), cell(1));
  if (!shown) {
    std::cerr << "jcwtool: the cell does not show\n";
    return kFailure;
  }
  std::cout << shown->middleX << ' ' << shown->middleY << ' ' << shown->box.left << ' '
            << shown->box.top << ' ' << shown->box.right << ' ' << shown->box.bottom << "\n";
  return 0;
}

// Splits the words after the command into the file name, the flags and the value after
// `valued` (when allowed); false on anything else.
bool parseArgs(const Args& words, const Args& allowed, std::string& file, Args& flags,
               const std::string& valued = {}, std::string* value = nullptr) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (!valued.empty() && word == valued) {
      if (i + 1 == words.size() || !value->empty()) return false;
      *value = words[++i];
    } else if (word.starts_with("--")) {
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

// A number of seconds, 0 for none given; negative when the text is not a positive number.
double secondsOf(const std::string& text) {
  if (text.empty()) return 0;
  char* end = nullptr;
  const double seconds = std::strtod(text.c_str(), &end);
  return end != text.c_str() && *end == '\0' && seconds > 0 ? seconds : -1;
}

}  // namespace

int main(int argc, char** argv) {
  jcw::ignoreFileSizeSignal();
  const Args args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "--help") {
    std::cout << jcw::toolHelp(jcw::uiLanguage());
    return 0;
  }
  if (args.size() == 1 && args[0] == "--version") {
    std::cout << jcw::versionText("jcwtool");
    return 0;
  }
  if (args.size() == 2 && args[0] == "info") return info(args[1]);
  if (args.size() == 2 && args[0] == "grade") return grade(args[1]);
  if (args.size() == 3 && args[0] == "resave") return resave(args[1], args[2]);
  if (args.size() == 3 && args[0] == "convert") return convert(args[1], args[2]);
  if (args.empty()) return usage();
  if (args[0] == "view-point" && args.size() == 14) return viewPoint(Args(args.begin() + 1, args.end()));
  const Args rest(args.begin() + 1, args.end());
  std::string file;
  Args flags;
  if (args[0] == "solve" && parseArgs(rest, {"--marks", "--steps", "--complete"}, file, flags))
    return solve(file, has(flags, "--marks"), has(flags, "--steps"), has(flags, "--complete"));
  if (args[0] == "test" && parseArgs(rest, {"--marks"}, file, flags))
    return test(file, has(flags, "--marks"));
  std::string timeout;
  if (args[0] == "count" && parseArgs(rest, {"--marks"}, file, flags, "--timeout", &timeout) &&
      secondsOf(timeout) >= 0)
    return count(file, has(flags, "--marks"), secondsOf(timeout));
  return usage();
}
