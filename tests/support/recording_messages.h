#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

#include "ui/messages.h"

namespace tandarel::testing {

// Records every message box and answers the questions from a script. A question
// that finds the script empty is answered "Non" and recorded as unexpected.
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

    const std::vector<Entry>& entries() const { return entries_; }
    QStringList texts() const;    // every text, in order
    QStringList informs() const;  // texts of plain messages
    QStringList errors() const;
    int unexpectedQuestions() const { return unexpected_; }
    void clear() { entries_.clear(); }

private:
    struct Answer {
        bool yes;
        std::function<void()> whileOpen;
    };
    std::vector<Entry> entries_;
    std::deque<Answer> answers_;
    std::function<void(const QString&)> informHook_;
    int unexpected_ = 0;
};

}  // namespace tandarel::testing
