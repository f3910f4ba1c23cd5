// The help subsystem's windows that other windows open.
#pragma once

namespace tavolux::help {

// The help viewer, shown without blocking: made on the first call and again
// after it was closed; while it is open it is only brought to the front.
void ShowHelpViewer();

// The WAIT calculator, shown without blocking; when it is already open it is
// only brought to the front. Returns at once.
void ShowWaitCalculator();

}  // namespace tavolux::help
