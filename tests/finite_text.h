// The check the degenerate-model tests and the fuzz targets make of every text the program writes: no
// value that is not a number.
#pragma once

#include <cctype>
#include <string>

namespace tarnix {

/// True when `text` holds "NaN", "Infinity", "nan" or "inf" as a word of its own (not inside "Reinf").
inline bool HasNonFiniteNumber(const std::string& text) {
  auto letter = [&text](size_t i) { return i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])); };
  for (const char* word : {"NaN", "Infinity", "nan", "inf"}) {
    const size_t length = std::char_traits<char>::length(word);
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
      if ((at == 0 || !letter(at - 1)) && !letter(at + length)) return true;
    }
  }
  return false;
}

}  // namespace tarnix
