// Whole-file reading and replacing that never leaves a half-written file behind.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnix {

/// Writes `content` to a temporary file in the folder of `path` and renames it over `path` only when
/// everything was written; on failure `path` is untouched, the temporary file is removed and false is
/// returned. A symbolic link is followed (the file it names is replaced); a device or pipe is written in
/// place; a directory, a dangling link and a file without write permission are refused.
bool ReplaceFileContent(const std::string& path, std::string_view content);

/// The bytes of a file, or nothing when it cannot be read or is larger than `maxBytes`.
std::optional<std::string> ReadFileContent(const std::string& path, size_t maxBytes);

}  // namespace tarnix
