// Safe whole-file input and output.
#include "model/file_write.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace tarnix {

bool ReplaceFileContent(const std::string& path, std::string_view content) {
  namespace fs = std::filesystem;
  const fs::path target(path);
  if (target.filename().empty()) return false;
  std::error_code ec;
  if (fs::is_directory(target, ec)) return false;

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
