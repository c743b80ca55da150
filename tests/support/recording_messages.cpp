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
        unscripted_ << QStringLiteral("question: ") + text;
        return false;
    }
    auto next = std::move(answers_.front());
    answers_.pop_front();
    if (next.whileOpen) next.whileOpen();
    return next.yes;
}

void RecordingMessages::error(const QString& text) { entries_.push_back({Entry::Error, QString(), text}); }

const std::vector<RecordingMessages::Entry>& RecordingMessages::entries() const {
    informsRead_ = errorsRead_ = entries_.size();
    return entries_;
}

QStringList RecordingMessages::texts() const {
    QStringList out;
    for (const auto& e : entries()) out << e.text;
    return out;
}

QStringList RecordingMessages::informs() const {
    informsRead_ = entries_.size();
    QStringList out;
    for (const auto& e : entries_)
        if (e.kind == Entry::Inform) out << e.text;
    return out;
}

QStringList RecordingMessages::errors() const {
    errorsRead_ = entries_.size();
    QStringList out;
    for (const auto& e : entries_)
        if (e.kind == Entry::Error) out << e.text;
    return out;
}

void RecordingMessages::clear() {
    entries_.clear();
    informsRead_ = errorsRead_ = 0;
}

QStringList RecordingMessages::unchecked() const {
    QStringList out = unscripted_;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const auto& e = entries_[i];
        if (accepted_.contains(e.text)) continue;
        if (e.kind == Entry::Inform && i >= informsRead_) out << QStringLiteral("message: ") + e.text;
        if (e.kind == Entry::Error && i >= errorsRead_) out << QStringLiteral("error: ") + e.text;
    }
    return out;
}

}  // namespace tandarel::testing
