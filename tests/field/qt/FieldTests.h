#pragma once
// The field's QtTest classes, run one after the other by one executable.

namespace jcw::test {

int runFieldInputTests(int argc, char** argv);
int runFieldInWindowTests(int argc, char** argv);

}  // namespace jcw::test
