// Loads an input or project file and runs its analyses, for tests that check results of the repository's inputs.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "model/project_file.h"
#include "test_sections.h"

namespace tarnix {

/// The project of an input or project file with every analysis of the calculation run made (no report written).
inline ProjectModel AnalysedInput(const std::string& path) {
  ProjectModel m;
  ResetAll(m);
  EXPECT_TRUE(LoadModelFile(m, path).ok()) << path;
  RunAnalyses(m);
  return m;
}

}  // namespace tarnix
