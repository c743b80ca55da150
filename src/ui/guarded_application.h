#pragma once

#include <QApplication>
#include <QString>

namespace tandarel::ui {

class Messages;

// The application object. An exception that an event handler lets through is caught
// where Qt delivers the event, before it can reach the event loop: the planner is told in
// French, the operation stops there, and the window stays usable. Data files are always
// replaced whole, so an interrupted operation leaves each file as it was or as written.
class GuardedApplication final : public QApplication {
public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    // Where the reports go (the program's message boxes, or a test's double); nothing
    // set: standard error.
    static void setReporter(Messages* messages);

    bool notify(QObject* receiver, QEvent* event) override;
};

// What the planner reads about an exception: the program's own French sentence (a
// tandarel::Error), or a sentence around any other exception's text (`what` empty when it has none).
QString unexpectedErrorText(const char* what, bool programError);

}  // namespace tandarel::ui
