#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

#include "ui/messages.h"

namespace tandarel::testing {

// Records every message box and answers the questions from a script. A question
// that finds the script empty is answered "Non" and recorded as unexpected.
//
// Every box must be expected: a question by the script, a plain message or an error
// by the test reading it (entries() and texts() read every kind, informs() and
// errors() their own, clear() drops them). unchecked() lists the boxes recorded
// since their kind was last read, but for the texts accept() was given.
class RecordingMessages final : public ui::Messages {
public:
    struct Entry {
        enum Kind { Inform, Ask, Error } kind;
        QString caption;
        QString text;
    };

    void inform(const QString& text) override;
    bool ask(const QString& caption, const QString& text) override;
    void error(const QString& text) override;

    // Next answers, in order; each may also run something while the "box" is open.
    void answer(bool yes) { answers_.push_back({yes, {}}); }
    void answer(bool yes, std::function<void()> whileOpen) { answers_.push_back({yes, std::move(whileOpen)}); }
    // Runs while the next inform() box is "open" (e.g. nested windows).
    void onInform(std::function<void(const QString&)> hook) { informHook_ = std::move(hook); }

    const std::vector<Entry>& entries() const;
    QStringList texts() const;    // every text, in order
    QStringList informs() const;  // texts of plain messages
    QStringList errors() const;
    int unexpectedQuestions() const { return unexpected_; }
    void clear();

    // Plain messages and errors of this text need not be read, for a test about
    // something else that cannot avoid them (say why where it is called).
    void accept(const QString& text) { accepted_ << text; }
    // What the test did not expect: unscripted questions, unread messages and errors.
    QStringList unchecked() const;

private:
    struct Answer {
        bool yes;
        std::function<void()> whileOpen;
    };
    std::vector<Entry> entries_;
    std::deque<Answer> answers_;
    std::function<void(const QString&)> informHook_;
    int unexpected_ = 0;
    QStringList unscripted_;
    // Entries before these indexes have been read, by kind.
    mutable std::size_t informsRead_ = 0;
    mutable std::size_t errorsRead_ = 0;
    QStringList accepted_;
};

}  // namespace tandarel::testing
