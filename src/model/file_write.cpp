// Safe whole-file input and output.
#include "model/file_write.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace tarnix {

namespace {

// A device or a pipe (the null device, a terminal, /dev/full) is written to, never replaced by a file.
bool WriteInPlace(const std::filesystem::path& target, std::string_view content) {
  std::ofstream out(target, std::ios::binary);
  if (!out) return false;
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  out.flush();
  if (!out) return false;
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

bool ReplaceFileContent(const std::string& path, std::string_view content) {
  namespace fs = std::filesystem;
  fs::path target(path);
  if (target.filename().empty()) return false;
  std::error_code ec;
  // A symbolic link keeps pointing at the file it names, which is the one replaced; a dangling link is
  // refused rather than turned into a file.
  if (fs::is_symlink(target, ec)) {
    target = fs::canonical(target, ec);
    if (ec) return false;
  }
  const fs::file_status status = fs::status(target, ec);
  if (fs::exists(status)) {
    if (fs::is_directory(status)) return false;
    if (!fs::is_regular_file(status)) return WriteInPlace(target, content);
    // A file marked read-only is kept, even for a user whom the system would let replace it.
    const fs::perms write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((status.permissions() & write) == fs::perms::none) return false;
  }

  std::random_device random;
  const fs::path temporary =
      target.parent_path() / (target.filename().string() + ".tmp" + std::to_string(random() % 1000000));
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    if (!out) {
      out.close();
      fs::remove(temporary, ec);
      return false;
    }
    out.close();
    if (!out) {
      fs::remove(temporary, ec);
      return false;
    }
  }
  fs::rename(temporary, target, ec);
  if (ec) {
    fs::remove(temporary, ec);
    return false;
  }
  return true;
}

std::optional<std::string> ReadFileContent(const std::string& path, size_t maxBytes) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string content;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    content.append(buffer, static_cast<size_t>(in.gcount()));
    if (content.size() > maxBytes) return std::nullopt;
  }
  if (in.bad()) return std::nullopt;
  return content;
}

}  // namespace tarnix
