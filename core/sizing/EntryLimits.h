// Physical ranges of the application entries beyond what the dialogs' own checks ask: bounds
// that keep every calculation short and refuse what no real application has.
#pragma once

namespace sizing
{
// The longest actuation, dwell, discharge, response or cycle time: one day.
constexpr double kLongestTimeSec = 86400.0;
// The longest time to hold pressure: three days (a long weekend). The holding simulation steps
// every 10 s, so its work grows with this time.
constexpr double kLongestHoldSec = 259200.0;
// The most pistons a pump of the pulsation dampening has.
constexpr int kMostPumpPistons = 6;
} // namespace sizing
