#include "real_boxes.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "ui/messages.h"

namespace tandarel::testing {
namespace {

// Presses Return in the next box once it is the active window (or after a while, so
// that a box that never gets the keyboard fails the test instead of hanging it).
void pressReturnInNextBox() {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, deadline = QDeadlineTimer(5000)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || (!box->isActiveWindow() && !deadline.hasExpired())) return;
        poll->deleteLater();
        poll->stop();
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target && target->window() == box ? target : box, Qt::Key_Return);
    });
    poll->start(1);
}

}  // namespace

void showRealBoxes(RecordingMessages& messages) {
    messages.onInform([](const QString& text) {
        pressReturnInNextBox();
        ui::DialogMessages().inform(text);
    });
}

QWidget* keyboardAfterBox(QWidget& window) {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    // What a window manager does when a box closes (the offscreen platform does not).
    if (!window.isActiveWindow()) window.activateWindow();
    (void)QTest::qWaitForWindowActive(&window);
    QCoreApplication::processEvents();
    return QApplication::focusWidget();
}

void typeOnKeyboard(const char* keys) {
    for (; *keys; ++keys) QTest::keyClick(QGuiApplication::focusWindow(), *keys);
}

}  // namespace tandarel::testing
