// Entry point of tarnix-run.
#include <iostream>

#include "cli/batch_run.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return tarnix::RunBatch(args, std::cout, std::cerr);
}
