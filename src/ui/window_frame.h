#pragma once

#include <QMargins>
#include <QRect>
#include <optional>

class QWidget;

namespace tandarel::ui {

// Places `window` so that its whole frame, title bar and borders included, covers `frame`:
// the given sizes and positions of the windows are those of the whole window. A window
// manager adds its frame only once the window is shown, so the window is placed again
// whenever the frame's margins turn out different from those it was placed with; a move
// by the user leaves the margins as they were and is kept.
void placeFrame(QWidget& window, const QRect& frame);

// How far the window manager's frame reaches beyond the window's client area (none
// before the window is framed, none without a window manager).
QMargins frameMargins(const QWidget& window);
void setFrameMarginsForTests(std::optional<QMargins> margins);  // empty: the real frame again

}  // namespace tandarel::ui
