// The monitors of the desktop as the system has them now.
#pragma once

#include <vector>

#include "platform/monitor_layout.h"

namespace platform {

// Each monitor's rectangle in virtual-screen pixels (the programs are per-monitor DPI aware, so
// these are the monitors' own pixels), and which is the primary; in the system's order.
std::vector<Monitor> DisplayMonitors();

}  // namespace platform
