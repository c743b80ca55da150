#include "ui/guarded_application.h"

#include <cstdio>
#include <exception>

#include "core/error.h"
#include "ui/messages.h"

namespace tandarel::ui {
namespace {

Messages* reporter = nullptr;

void report(const QString& text) {
    if (reporter)
        reporter->error(text);
    else
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

}  // namespace

void GuardedApplication::setReporter(Messages* messages) { reporter = messages; }

QString unexpectedErrorText(const char* what, bool programError) {
    const QString reason = QString::fromUtf8(what ? what : "").trimmed();
    if (programError && !reason.isEmpty()) return reason;
    QString text = QStringLiteral("Une erreur inattendue a interrompu l'opération en cours");
    if (!reason.isEmpty()) text += QStringLiteral(" (") + reason + QLatin1Char(')');
    return text + QStringLiteral(". Le programme continue ; les fichiers déjà enregistrés restent tels quels.");
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const Error& failure) {
        report(unexpectedErrorText(failure.what(), true));
    } catch (const std::exception& failure) {
        report(unexpectedErrorText(failure.what(), false));
    } catch (...) {
        report(unexpectedErrorText(nullptr, false));
    }
    return false;
}

}  // namespace tandarel::ui
