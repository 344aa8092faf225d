#pragma once
// How hard a crossword is to solve by hand, and why: the grade an author sees beside the
// verdict. Measured from an empty picture with the program's own rules, from the weakest up:
//   overlap rule alone (OverlapRule.h)          -> grade 1
//   line logic in at most kEasySweeps sweeps    -> grade 2
//   line logic in more sweeps                   -> grade 3
//   line logic with one-cell trials (depth 1)   -> grade 4: a cell tried one way leads line
//                                                  logic to a contradiction, so it is the other
//   anything deeper (depth 2: search)           -> grade 5
// A crossword with no picture or with several gets grade 0. Pure; any one thread may run it.

#include <string>
#include <vector>

#include "model/ClueLists.h"
#include "solver/CancelCheck.h"

namespace jcw {

inline constexpr int kEasySweeps = 10;

struct Difficulty {
  int grade = 0;             // 0 (not one picture) or 1..5 as above
  int solutions = 0;         // 0, 1 or 2 (two or more)
  int sweeps = 0;            // row and column sweeps line logic makes from an empty picture
  bool overlapOnly = false;  // the overlap rule alone decides every cell
  int depth = 0;             // 0 line logic suffices; 1 one-cell trials suffice; 2 deeper
  long long nodes = 0;       // the complete solver's search nodes; 0 when line logic decides
  bool complete = true;      // false: the check stopped the work and the rest is meaningless
};

Difficulty gradeClues(const ClueLists& clues, const CancelCheck& cancel = {});

// The grade's reasons in Russian, one line each.
std::vector<std::string> difficultyReasons(const Difficulty& difficulty);

}  // namespace jcw
