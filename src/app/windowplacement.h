#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>

#include <functional>
#include <optional>

class QWidget;

// Where a window's frame goes to stand centred on the available area, never
// with its top-left corner above or left of the screen.
QPoint centredPosition(const QRect& available, const QRect& frame);
// The wanted size where the window with its frame fits the available area;
// else as much of it as the area takes, title bar included.
QSize fittedWindowSize(const QSize& wanted, const QRect& available, const QMargins& frame);
// The margins of the window manager's frame from the window's geometry and
// its frame geometry; while the frame is not known yet, margins that hold a
// usual title bar and border.
QMargins windowFrame(const QRect& inner, const QRect& outer);
// The window at the fitted size of its present one, centred with the frame
// given, or with its frame as far as known.
void placeOnScreen(QWidget* window, const QRect& available, const QMargins& frame);
void placeOnScreen(QWidget* window, const QRect& available);

// A window placed before it was shown was placed with a guess of its frame,
// or with none where no window manager frames it. Once shown, it is checked
// each time it moves or changes size, and placed again with its real frame
// while it does not stand whole on the available area. The watch ends once
// the window stands whole in a frame that is known; a window without a
// frame cannot be moved by the user, so it is watched on.
class WindowPlacement : public QObject
{
    Q_OBJECT

public:
    // The frame's margins, none where the window has no frame; nothing
    // while the window manager has not framed the window yet.
    using FrameReader = std::function<std::optional<QMargins>(const QWidget&)>;

    // Watches the window, which owns the watch.
    WindowPlacement(QWidget* window, const QRect& available, FrameReader frame = knownFrame);

    // From the window's geometry and frame geometry once it is exposed.
    static std::optional<QMargins> knownFrame(const QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void check();

    QWidget* m_window;
    QRect m_available;
    FrameReader m_frame;
    bool m_placing = false;
};
