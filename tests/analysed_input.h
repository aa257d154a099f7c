// Loads an input file and runs its analyses, for tests that check results of the repository's inputs.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "test_sections.h"

namespace tarnix {

/// The project of an input file with every analysis of the calculation run made (no report written).
inline ProjectModel AnalysedInput(const std::string& path) {
  ProjectModel m;
  ResetAll(m);
  EXPECT_TRUE(LoadInputFile(m, path).ok()) << path;
  RunAnalyses(m);
  return m;
}

}  // namespace tarnix
