// Fuzz target: the project-file reader. A file that reads must write back to a file that reads back to the
// same text, so nothing a user saves is silently changed.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/defaults.h"
#include "model/project_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarnix;
  ProjectModel m;
  ResetAll(m);
  if (!ReadProjectText(m, std::string_view(reinterpret_cast<const char*>(data), size)).ok()) return 0;
  const std::optional<std::string> written = FormatProjectFile(m);
  if (!written) return 0;
  ProjectModel again;
  ResetAll(again);
  if (!ReadProjectText(again, *written).ok()) __builtin_trap();
  const std::optional<std::string> rewritten = FormatProjectFile(again);
  if (!rewritten || *rewritten != *written) __builtin_trap();
  return 0;
}
