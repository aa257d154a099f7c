// Outcome of a user-level operation: success, or the fixed message the user is shown.
#pragma once

#include <string>

namespace tarnix {

struct Status {
  std::string message;  ///< empty on success
  bool beep = false;    ///< the message is preceded by a beep

  bool ok() const { return message.empty(); }
  static Status Success() { return {}; }
  static Status Failure(std::string text, bool withBeep = false) { return {std::move(text), withBeep}; }
};

}  // namespace tarnix
