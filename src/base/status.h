// Outcome of a user-level operation: success, or the fixed message the user is shown.
#pragma once

#include <string>

namespace tarnix {

struct Status {
  std::string message;  ///< empty on success
  bool beep = false;    ///< the message is preceded by a beep
  std::string detail;   ///< the reason behind the message, where there is more to say

  bool ok() const { return message.empty(); }
  static Status Success() { return {}; }
  static Status Failure(std::string text, bool withBeep = false) { return {std::move(text), withBeep, {}}; }
  static Status Failure(std::string text, std::string reason) { return {std::move(text), false, std::move(reason)}; }
  // A reason given as a literal must not turn into the beep flag (a pointer converts to bool first).
  static Status Failure(std::string text, const char* reason) { return Failure(std::move(text), std::string(reason)); }
};

}  // namespace tarnix
