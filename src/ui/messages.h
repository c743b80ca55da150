#pragma once

#include <QString>

namespace tandarel::ui {

// Every message box of the program goes through this interface, so that a test can
// record the messages and answer the questions from a script.
class Messages {
public:
    virtual ~Messages() = default;
    // A plain message box with one sentence and "OK".
    virtual void inform(const QString& text) = 0;
    // A Yes/No question with its own caption; the buttons read "Oui" and "Non".
    virtual bool ask(const QString& caption, const QString& text) = 0;
    // An input/output error: what failed, on which file, and the system's reason.
    virtual void error(const QString& text) = 0;
};

// The real boxes, parented to the active window.
class DialogMessages final : public Messages {
public:
    void inform(const QString& text) override;
    bool ask(const QString& caption, const QString& text) override;
    void error(const QString& text) override;
};

}  // namespace tandarel::ui
