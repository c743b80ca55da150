#include "ui/window_frame.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace tandarel::ui {
namespace {

std::optional<QMargins>& marginsOverride() {
    static std::optional<QMargins> margins;
    return margins;
}

// Lives on the window it places. The window manager frames a window before drawing it, so
// the first paint after a show knows the margins even when no move or resize reports them.
class FramePlacer : public QObject {
    Q_OBJECT
public:
    explicit FramePlacer(QWidget& window) : QObject(&window), window_(window) { window.installEventFilter(this); }

    void place(const QRect& frame) {
        frame_ = frame;
        apply();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Paint:
            // A maximised window has the frame its window manager gives it.
            if (watched == &window_ && !pending_ && !maximisedOrMinimised() && margins() != applied_) {
                // Not from inside the event itself (a paint, say): once it is over.
                pending_ = true;
                QMetaObject::invokeMethod(this, &FramePlacer::apply, Qt::QueuedConnection);
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    void apply() {
        pending_ = false;
        applied_ = margins();
        window_.setGeometry(frame_.marginsRemoved(applied_));
    }

    bool maximisedOrMinimised() const {
        return (window_.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) != 0;
    }

    QMargins margins() const {
        const auto margins = frameMargins(window_);
        // Until it is on screen again, a window shown before may have lost its frame; it will get
        // the same one back.
        const auto* handle = window_.windowHandle();
        return margins.isNull() && !(handle && handle->isExposed()) ? applied_ : margins;
    }

    QWidget& window_;
    QRect frame_;
    QMargins applied_;
    bool pending_ = false;
};

}  // namespace

void placeFrame(QWidget& window, const QRect& frame) {
    auto* placer = window.findChild<FramePlacer*>(QString(), Qt::FindDirectChildrenOnly);
    if (!placer) placer = new FramePlacer(window);
    placer->place(frame);
}

QMargins frameMargins(const QWidget& window) {
    if (marginsOverride()) return *marginsOverride();
    // The platform window asks the window manager; the widget's own record of the frame
    // is only brought up to date by the next move or resize.
    if (const auto* handle = window.windowHandle()) return handle->frameMargins();
    return {};
}

void setFrameMarginsForTests(std::optional<QMargins> margins) { marginsOverride() = margins; }

}  // namespace tandarel::ui

#include "window_frame.moc"
