// Every crossword of a directory, line-solved from an empty picture and then counted by the test
// (sweeps, then the complete solver), one table row each: size, median CPU time of the line
// solve, cells it leaves open; the count (2 = two or more), whether lines alone solve it, search
// nodes, the SAT solver's conflicts, median wall and CPU time of the count (the machine may be
// shared, so CPU time is the steadier figure). Open cells and counts are checked against the
// puzzles' README table where it knows them; a count cut off by the time limit is marked and not
// checked.
//   puzzle_bench [DIR [RUNS [SECONDS [NAME-PARTS]]]]
// DIR defaults to the shared puzzles' jcw/ directory, RUNS to 3, SECONDS (the limit of one count)
// to 60; NAME-PARTS (comma-separated) keeps only the crosswords whose name contains one of them.
// The hard set:
//   puzzle_bench "" 1 60 survey-,dom-09,forever,light,sparse-dots,d50-s3

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "files/CrosswordFile.h"
#include "solver/SolverRuns.h"

namespace {

namespace fs = std::filesystem;

struct Known {
  int open = -1;       // -1: not in the table
  int solutions = -1;  // 0, 1, 2 (two or more); -1: unknown
};

// The `open` and `solutions` columns of the README table beside DIR
// (`| file | title | size | open | solutions | ...`).
std::map<std::string, Known> readmeTable(const fs::path& dir) {
  std::map<std::string, Known> table;
  std::ifstream readme(dir.parent_path() / "README.md");
  for (std::string row; std::getline(readme, row);) {
    if (!row.starts_with("| ")) continue;
    std::vector<std::string> fields;
    std::istringstream cells(row.substr(1));
    for (std::string field; std::getline(cells, field, '|');) {
      field.erase(0, field.find_first_not_of(' '));
      field.erase(field.find_last_not_of(' ') + 1);
      fields.push_back(field);
    }
    if (fields.size() < 5 || fields[3].empty() ||
        fields[3].find_first_not_of("0123456789") != std::string::npos)
      continue;
    Known& known = table[fields[0]];
    known.open = std::stoi(fields[3]);
    if (fields[4] == "0" || fields[4] == "1") known.solutions = std::stoi(fields[4]);
    if (fields[4] == "2+") known.solutions = 2;
  }
  return table;
}

struct Measure {
  double wallMs = 0;  // medians
  double cpuMs = 0;
};

// The whole process's: the SAT search runs on a thread of its own. (A search cut off by the
// limit may still spend a few tenths of a second ending after it returned.)
double processCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Runs `work` `runs` times (once when it says not to repeat) and takes the medians.
template <typename Work>
Measure measure(int runs, Work work) {
  std::vector<double> wall, cpu;
  for (int run = 0; run < runs; ++run) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = processCpuMs();
    const bool again = work();
    cpu.push_back(processCpuMs() - cpuStart);
    wall.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
    if (!again) break;
  }
  return {median(wall), median(cpu)};
}

struct Count {
  int solutions = 0;
  bool complete = true;
  bool lineSolvable = false;
  long long nodes = 0;
  long long conflicts = 0;
};

Count countPictures(const jcw::Crossword& crossword, double seconds) {
  jcw::SolverState state;
  jcw::PrepareSolver(state, crossword);
  const auto deadline = std::chrono::steady_clock::now() +
                        std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                            std::chrono::duration<double>(seconds));
  state.Cancel = [deadline] { return std::chrono::steady_clock::now() >= deadline; };
  jcw::SearchProgress progress;
  const jcw::TestVerdict verdict = jcw::runTest(state, [&](const jcw::SolverState& swept) {
    return jcw::searchSolutions(jcw::cluesOf(swept), swept.Work, swept.Cancel, &progress);
  });
  Count count;
  count.conflicts = progress.conflicts;
  count.complete = verdict.outcome != jcw::TestOutcome::Cancelled;
  count.solutions = verdict.outcome == jcw::TestOutcome::NoSolution         ? 0
                    : verdict.outcome == jcw::TestOutcome::SeveralSolutions ? 2
                    : static_cast<int>(verdict.pictures.size());
  count.lineSolvable = verdict.solvedByLines;
  count.nodes = verdict.nodes;
  return count;
}

// `value` against the table's `known` (-1: unknown), marked "!" when they differ.
std::string checked(int value, int known, int& differences) {
  if (known < 0) return "-";
  if (known == value) return std::to_string(known);
  ++differences;
  return std::to_string(known) + "!";
}

// True when `name` contains one of the comma-separated `parts` (or `parts` is empty).
bool isNamed(const std::string& name, const std::string& parts) {
  if (parts.empty()) return true;
  std::istringstream list(parts);
  for (std::string part; std::getline(list, part, ',');)
    if (!part.empty() && name.find(part) != std::string::npos) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path dir =
      argc > 1 && *argv[1] ? fs::path(argv[1]) : fs::path(JCW_PUZZLES_DIR) / "jcw";
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  const double seconds = argc > 3 ? std::max(0.001, std::atof(argv[3])) : 60;
  const std::string nameParts = argc > 4 ? argv[4] : "";
  if (!fs::is_directory(dir)) {
    std::fprintf(stderr, "puzzle_bench: %s is not a directory\n", dir.c_str());
    return 1;
  }
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(dir))
    if (entry.path().extension() == ".jcw" && isNamed(entry.path().stem().string(), nameParts))
      files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  const std::map<std::string, Known> table = readmeTable(dir);

  std::printf("%-26s %7s | %8s %5s %6s | %7s %6s %5s %8s %10s %10s %10s\n", "crossword",
              "size", "line cpu", "open", "README", "count", "README", "lines", "nodes",
              "conflicts", "wall ms", "cpu ms");
  int differences = 0;
  int measured = 0;
  int underFifty = 0;
  for (const fs::path& file : files) {
    const std::string name = file.stem().string();
    const jcw::Result<jcw::Crossword> read = jcw::readCrosswordFile(file.string());
    if (!read) {
      std::printf("%-26s unreadable: %s\n", name.c_str(), read.error().c_str());
      continue;
    }
    const jcw::Crossword& crossword = *read;
    const jcw::Dimensions& d = crossword.dims();
    const Known known = table.count(name) ? table.at(name) : Known{};

    int open = 0;
    const Measure line = measure(runs, [&] {
      jcw::SolverState state;
      jcw::PrepareSolver(state, crossword);
      jcw::solveByLines(state);
      open = state.Work.unknownCount();
      return true;
    });
    Count count;
    const Measure counting = measure(runs, [&] {
      count = countPictures(crossword, seconds);
      return count.complete;  // a count cut off is not repeated
    });

    const std::string size = std::to_string(d.ColCount) + "x" + std::to_string(d.RowCount);
    // A count cut off knows no number.
    const std::string solutions = count.complete ? std::to_string(count.solutions) : "cut";
    const std::string readmeCount =
        count.complete ? checked(count.solutions, known.solutions, differences)
                       : (known.solutions < 0 ? "-" : std::to_string(known.solutions));
    std::printf("%-26s %7s | %8.3f %5d %6s | %7s %6s %5s %8lld %10lld %10.1f %10.1f\n",
                name.c_str(), size.c_str(), line.cpuMs, open,
                checked(open, known.open, differences).c_str(), solutions.c_str(),
                readmeCount.c_str(), count.lineSolvable ? "yes" : "no", count.nodes,
                count.conflicts, counting.wallMs, counting.cpuMs);
    std::fflush(stdout);
    ++measured;
    underFifty += count.complete && counting.cpuMs < 50;
  }
  std::printf("\n%d crosswords, %d counted in under 50 ms CPU (medians of %d runs, limit %.0f s); "
              "%d values differ from the README\n",
              measured, underFifty, runs, seconds, differences);
  return differences == 0 ? 0 : 1;
}
