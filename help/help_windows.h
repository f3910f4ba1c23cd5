// The help subsystem's windows that other windows open.
#pragma once

namespace tavolux::help {

// The WAIT calculator, shown without blocking; when it is already open it is
// only brought to the front. Returns at once.
void ShowWaitCalculator();

}  // namespace tavolux::help
