#pragma once

class QWheelEvent;
class QWidget;

// The boxes of the panels sit on scrolled panes: a wheel turned to scroll
// the pane must not change the value under the pointer. A guarded box takes
// the wheel only while it has the keyboard focus, and the wheel never gives
// it the focus; otherwise the event is left to the pane, which scrolls.
namespace WheelGuard {
// For the constructor: drops the wheel from the box's focus policy.
void install(QWidget* box);
// For wheelEvent: whether the box may handle the event; if not, the event
// is marked ignored so that it goes on to the parent.
bool takes(QWidget* box, QWheelEvent* event);
} // namespace WheelGuard
