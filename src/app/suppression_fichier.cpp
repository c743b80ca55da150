#include "app/suppression_fichier.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/deletion_rules.h"
#include "core/text_file.h"
#include "ui/file_errors.h"
#include "ui/messages.h"
#include "ui/qt_text.h"
#include "ui/screen.h"
#include "ui/window_frame.h"

namespace tandarel {
namespace {
// The whole window: room for 600 x 150 of controls inside a frame of up to 10 pixels a side
// and a 30-pixel title bar.
constexpr int kWidth = 620;
constexpr int kHeight = 190;
constexpr int kContentWidth = 600;
const QString kInstruction = QStringLiteral(
    "Saisissez la date du lundi de la semaine que vous souhaitez supprimer au format jj/mm/aa. Exemple : 25/04/05 .");
const QString kRemark = QStringLiteral("Remarque : le fichier correspondant se nomme 05_04_25.pln .");
}  // namespace

Suppression_fichier::Suppression_fichier(ui::AppContext& context, QWidget* parent) : ui::ModalWindow(context, parent) {
    instruction_ = new QPlainTextEdit(this);
    instruction_->setReadOnly(true);
    instruction_->setGeometry(10, 10, kContentWidth - 20, 60);
    instruction_->setFocusPolicy(Qt::NoFocus);

    auto* entryCaption =
        new QLabel(QStringLiteral("Date du lundi de la semaine à supprimer ( format jj/mm/aa ) : "), this);
    entryCaption->setGeometry(10, 84, 340, 17);
    entry_ = new QLineEdit(this);
    entry_->setGeometry(355, 82, 70, 21);

    valider_ = new QPushButton(QStringLiteral("Valider"), this);
    valider_->setGeometry(435, 80, 75, 25);
    quitter_ = new QPushButton(QStringLiteral("Quitter"), this);
    quitter_->setGeometry((kContentWidth - 75) / 2, 115, 75, 25);
    // Enter in the field must not run a deletion behind the user's back.
    valider_->setAutoDefault(false);
    quitter_->setAutoDefault(false);

    connect(entry_, &QLineEdit::textEdited, valider_, &QWidget::show);
    connect(valider_, &QPushButton::clicked, this, &Suppression_fichier::onValider);
    connect(quitter_, &QPushButton::clicked, this, &QDialog::accept);
}

void Suppression_fichier::FormActivate() {
    setWindowTitle(QStringLiteral("Tandarel - Suppression d'un fichier"));
    ui::placeFrame(*this, QRect(ui::centredLeft(kWidth), 150, kWidth, kHeight));
    instruction_->setPlainText(kInstruction + QLatin1Char('\n') + kRemark);
    resetEntry();
    valider_->hide();
    quitter_->show();
}

void Suppression_fichier::resetEntry() {
    entry_->clear();
    entry_->setFocus();
}

void Suppression_fichier::onValider() {
    valider_->hide();
    if (const auto target = weekFileToDelete(ui::fromQ(entry_->text())))
        deleteTarget(*target);
    else
        context_.messages.inform(ui::toQ(kDeletionFormatRefused));
    resetEntry();
}

void Suppression_fichier::deleteTarget(const WeekFileTarget& target) {
    const auto file = targetPath(context_.dataFolder, target);
    if (!entryExists(file)) {
        context_.messages.inform(ui::toQ(missingWeekFileMessage(target)));
        return;
    }
    if (!context_.messages.ask(QStringLiteral("Suppression d'un fichier ?"),
                               QStringLiteral("Confirmez-vous la suppression du fichier ?"))) {
        context_.messages.inform(QStringLiteral("Suppression annulée : fichier conservé !"));
        return;
    }
    if (ui::reportingFileErrors(context_.messages, [&] { removeWeekFile(file, target); }))
        context_.messages.inform(QStringLiteral("Suppression confirmée : fichier détruit !"));
}

}  // namespace tandarel
