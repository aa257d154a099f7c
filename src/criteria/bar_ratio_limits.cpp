#include "criteria/bar_ratio_limits.h"

namespace tarnix {
namespace {

// ACI 318-19 10.6.1.1 (and 10.9.1 of ACI 318-99 and 318-02): 0.01 Ag to 0.08 Ag.
constexpr BarRatioLimits kAci318{0.01f, 0.08f};
// CSA A23.3-19 10.9.1 and 10.9.2: 0.01 Ag to 0.08 Ag (UNCONFIRMED: not in the provision sheet).
constexpr BarRatioLimits kCsaA23{0.01f, 0.08f};
// AASHTO LRFD 5.6.4.2: at most 0.08 Ag; the least area there follows fy / f'c (As fy >= 0.135 Ag f'c),
// taken here as the 0.01 Ag of the older AASHTO load-factor bridge code, 8.18.1.1 (UNCONFIRMED).
constexpr BarRatioLimits kAashtoLrfd{0.01f, 0.08f};
// The older AASHTO load-factor bridge code, 8.18.1.1: 0.01 Ag to 0.08 Ag (UNCONFIRMED).
constexpr BarRatioLimits kAashto{0.01f, 0.08f};
// AREMA Chapter 8, columns: 0.01 Ag to 0.08 Ag (UNCONFIRMED).
constexpr BarRatioLimits kArema{0.01f, 0.08f};
// CAN/CSA-S6 8.8.4.1 and its predecessor OHBDC (1991): 0.008 Ag to 0.06 Ag for compression members
// (UNCONFIRMED: clause and values not in the provision sheet).
constexpr BarRatioLimits kCsaS6{0.008f, 0.06f};
constexpr BarRatioLimits kOhbdc{0.008f, 0.06f};
// User-defined criteria name no code: the common 1 % to 8 % of the building codes.
constexpr BarRatioLimits kUserDefined{0.01f, 0.08f};

struct Row {
  std::string_view key;
  BarRatioLimits limits;
};

constexpr Row kRows[] = {
    {"ud", kUserDefined}, {"aashto", kAashto}, {"lrfd", kAashtoLrfd}, {"aci02", kAci318}, {"arema", kArema},
    {"s6", kCsaS6},       {"csa", kCsaA23},    {"aci19", kAci318},    {"aci", kAci318},   {"ohbdc", kOhbdc},
};

}  // namespace

BarRatioLimits BarRatioLimitsFor(std::string_view criteriaKey) {
  for (const Row& row : kRows)
    if (row.key == criteriaKey) return row.limits;
  return kUserDefined;
}

}  // namespace tarnix
