#include "recording_messages.h"

namespace tandarel::testing {

void RecordingMessages::inform(const QString& text) {
    entries_.push_back({Entry::Inform, QString(), text});
    if (informHook_) informHook_(text);
}

bool RecordingMessages::ask(const QString& caption, const QString& text) {
    entries_.push_back({Entry::Ask, caption, text});
    if (answers_.empty()) {
        ++unexpected_;
        return false;
    }
    auto next = std::move(answers_.front());
    answers_.pop_front();
    if (next.whileOpen) next.whileOpen();
    return next.yes;
}

void RecordingMessages::error(const QString& text) { entries_.push_back({Entry::Error, QString(), text}); }

QStringList RecordingMessages::texts() const {
    QStringList out;
    for (const auto& e : entries_) out << e.text;
    return out;
}

QStringList RecordingMessages::informs() const {
    QStringList out;
    for (const auto& e : entries_)
        if (e.kind == Entry::Inform) out << e.text;
    return out;
}

QStringList RecordingMessages::errors() const {
    QStringList out;
    for (const auto& e : entries_)
        if (e.kind == Entry::Error) out << e.text;
    return out;
}

}  // namespace tandarel::testing
