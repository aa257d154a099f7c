// The events a moment-curvature analysis records at its points: yield, spalling, crushing and fracture.
#pragma once

#include <cstdint>

namespace tarnix {

/// The nine events of a moment-curvature analysis, numbered as the report lists them.
enum class McEvent {
  LongReinfFail = 1,
  ConcCompFail = 2,
  ConfReinfFail = 3,
  ReinfTensYield = 4,
  ReinfCompYield = 5,
  ConcSpalling = 6,
  StrSteelFail = 7,
  StrSteelTensYield = 8,
  StrSteelCompYield = 9,
};
constexpr int kMcEventCount = 9;

/// The report text of an event ("Long reinf fail", ...).
const char* McEventText(McEvent event);

/// A set of events.
class McEvents {
 public:
  void Raise(McEvent e) { bits_ |= Bit(e); }
  bool Has(McEvent e) const { return (bits_ & Bit(e)) != 0; }
  bool Any() const { return bits_ != 0; }
  McEvents& operator|=(McEvents other) {
    bits_ |= other.bits_;
    return *this;
  }
  bool operator==(McEvents other) const { return bits_ == other.bits_; }

 private:
  static uint16_t Bit(McEvent e) { return static_cast<uint16_t>(1u << static_cast<int>(e)); }
  uint16_t bits_ = 0;
};

}  // namespace tarnix
