#pragma once

class QWidget;

namespace korvanta::bench {

// Ends the event loop with status 0 once window is on screen: after the
// platform's first expose of it has been handled, so its first frame is
// painted. Should that never come, the loop ends with status 1 after a few
// seconds, so a broken run fails instead of hanging the measurement.
void ExitOnceShown(QWidget& window);

}  // namespace korvanta::bench
