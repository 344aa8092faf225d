// Line-solves every crossword of a directory from an empty picture and prints one table row per
// crossword: size, median wall and CPU time of several runs (the machine may be shared, so CPU
// time is the steadier figure), cells decided and left open, and whether the open count agrees
// with the puzzles' README table when there is one.
//   puzzle_bench [DIR [RUNS]]     DIR defaults to the shared puzzles' jcw/ directory

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

// The `open` column of the README table beside DIR (`| file | title | size | open | ...`).
std::map<std::string, int> readmeOpenCounts(const fs::path& dir) {
  std::map<std::string, int> open;
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
    if (fields.size() > 3 && !fields[3].empty() &&
        fields[3].find_first_not_of("0123456789") == std::string::npos)
      open[fields[0]] = std::stoi(fields[3]);
  }
  return open;
}

struct Measure {
  double wallMs = 0;  // medians
  double cpuMs = 0;
  int open = 0;
};

double threadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

Measure lineSolve(const jcw::Crossword& crossword, int runs) {
  std::vector<double> wall, cpu;
  Measure measure;
  for (int run = 0; run < runs; ++run) {
    jcw::SolverState state;
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = threadCpuMs();
    jcw::PrepareSolver(state, crossword);
    jcw::solveByLines(state);
    cpu.push_back(threadCpuMs() - cpuStart);
    wall.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
    measure.open = state.Work.unknownCount();
  }
  measure.wallMs = median(wall);
  measure.cpuMs = median(cpu);
  return measure;
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path dir = argc > 1 ? fs::path(argv[1]) : fs::path(JCW_PUZZLES_DIR) / "jcw";
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
  if (!fs::is_directory(dir)) {
    std::fprintf(stderr, "puzzle_bench: %s is not a directory\n", dir.c_str());
    return 1;
  }
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(dir))
    if (entry.path().extension() == ".jcw") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  const std::map<std::string, int> expected = readmeOpenCounts(dir);

  std::printf("%-28s %8s %9s %9s %8s %6s %7s %9s\n", "crossword", "size", "wall ms", "cpu ms",
              "decided", "open", "README", "complete");
  int differences = 0;
  int underTwoMs = 0;
  int measured = 0;
  double slowest = 0;
  std::string slowestName;
  for (const fs::path& file : files) {
    const std::string name = file.stem().string();
    jcw::Result<jcw::Crossword> read = jcw::readCrosswordFile(file.string());
    if (!read) {
      std::printf("%-28s unreadable: %s\n", name.c_str(), read.error().c_str());
      continue;
    }
    const jcw::Dimensions& d = read->dims();
    const Measure measure = lineSolve(*read, runs);
    const int cells = d.ColCount * d.RowCount;
    const auto known = expected.find(name);
    std::string readme = "-";
    if (known != expected.end()) {
      readme = std::to_string(known->second);
      if (known->second != measure.open) {
        readme += "!";
        ++differences;
      }
    }
    const std::string size = std::to_string(d.ColCount) + "x" + std::to_string(d.RowCount);
    std::printf("%-28s %8s %9.3f %9.3f %8d %6d %7s %9s\n", name.c_str(), size.c_str(),
                measure.wallMs, measure.cpuMs, cells - measure.open, measure.open,
                readme.c_str(), measure.open == 0 ? "yes" : "no");
    ++measured;
    underTwoMs += measure.cpuMs < 2.0;
    if (measure.cpuMs > slowest) {
      slowest = measure.cpuMs;
      slowestName = name;
    }
  }
  std::printf("\n%d crosswords, %d under 2 ms CPU, slowest %s at %.3f ms CPU (medians of %d "
              "runs); %d open counts differ from the README\n",
              measured, underTwoMs, slowestName.c_str(), slowest, runs, differences);
  return differences == 0 ? 0 : 1;
}
