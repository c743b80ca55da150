#include "app/accueil.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>
#include <algorithm>
#include <cmath>

#include "analysis/bilans.h"
#include "analysis/stat_non_remplacement.h"
#include "analysis/statistiques.h"
#include "app/a_propos.h"
#include "app/documentation.h"
#include "app/sauvegardes.h"
#include "app/ges_date_system.h"
#include "app/semaine.h"
#include "app/suppression_fichier.h"
#include "core/text_file.h"
#include "lists/personnels.h"
#include "lists/rattachements.h"
#include "planning/remplacements.h"
#include "ui/clock.h"
#include "ui/colour.h"
#include "ui/file_errors.h"
#include "ui/messages.h"
#include "ui/modal_window.h"
#include "ui/qt_text.h"
#include "ui/screen.h"

namespace tandarel {
namespace {

const QString kDateQuestionCaption = QStringLiteral("Modifier la date système ?");
const QString kDateQuestion = QStringLiteral(
    "TRES IMPORTANT  ! ! !\r\n\r\n"
    "La date-système ci-dessus doit impérativement correspondre à la date d'aujourd'hui...\r\n"
    "Faut-il modifier la date système ?");
const QString kPrepareWeek = QStringLiteral(
    "Vous devez préparer votre semaine... (jours ouvrés) - cf menu ?, puis sous-menu Définition de la semaine -");
const QString kSeparator = QStringLiteral("-------------------------------");

void setFieldColour(QLineEdit& field, std::uint32_t colour) {
    QPalette palette = field.palette();
    palette.setColor(QPalette::Base, ui::bgr(colour));
    field.setPalette(palette);
}

}  // namespace

Accueil::Accueil(ui::AppContext& context)
    : context_(context), runModal_(ui::runModally) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    buildMenu();

    dateCaption_ = new QLabel(this);
    timeCaption_ = new QLabel(this);
    dateField_ = new QLineEdit(this);
    timeField_ = new QLineEdit(this);
    dateField_->setReadOnly(true);
    timeField_->setReadOnly(true);
    dateField_->installEventFilter(this);
    showDatePanel(false);

    blinkTimer_.setInterval(1000);
    connect(&blinkTimer_, &QTimer::timeout, this, &Accueil::onBlinkTick);

    personnels_ = std::make_unique<Personnels>(context_, this);
    remplacements_ = std::make_unique<Remplacements>(context_, this);
    rattachements_ = std::make_unique<Rattachements>(context_, this);
    semaine_ = std::make_unique<Semaine>(context_, this);
    statistiques_ = std::make_unique<Statistiques>(context_, this);
    aPropos_ = std::make_unique<APropos>(context_, this);
    gesDateSystem_ = std::make_unique<Ges_date_system>(context_, this);
    documentation_ = std::make_unique<documentation>(context_, this);
    statNonRemplacement_ = std::make_unique<Stat_Non_Remplacement>(context_, this);
    bilans_ = std::make_unique<Bilans>(context_, this);
    suppressionFichier_ = std::make_unique<Suppression_fichier>(context_, this);
    sauvegardes_ = std::make_unique<Sauvegardes>(context_, this);

    connect(semaine_.get(), &Semaine::weekSaved, this, [this] { setTopLevelEnabled(true, true, true, true, true); });
    // A restored semaine.pln is the working week from now on.
    connect(sauvegardes_.get(), &Sauvegardes::restored, this, [this] { loadWorkingWeek(); });
}

Accueil::~Accueil() = default;

void Accueil::buildMenu() {
    auto* bar = menuBar();
    rattachementsAction_ = bar->addAction(QStringLiteral("&Liste des Rattachements"));
    personnelsAction_ = bar->addAction(QStringLiteral("&Personnels Remplaçants"));
    remplacementsAction_ = bar->addAction(QStringLiteral("&Gestion des Remplacements"));
    quitterAction_ = bar->addAction(QStringLiteral("&Quitter"));
    helpMenu_ = bar->addMenu(QStringLiteral("&?"));

    connect(rattachementsAction_, &QAction::triggered, this, [this] { open(*rattachements_); });
    connect(personnelsAction_, &QAction::triggered, this, [this] { open(*personnels_); });
    connect(remplacementsAction_, &QAction::triggered, this, [this] { open(*remplacements_); });
    connect(quitterAction_, &QAction::triggered, this, &QWidget::close);

    connect(helpMenu_->addAction(QStringLiteral("A &propos...")), &QAction::triggered, this, [this] { open(*aPropos_); });
    helpMenu_->addAction(kSeparator);
    auto* analysis = helpMenu_->addMenu(QStringLiteral("&Analyse statistique"));
    connect(analysis->addAction(QStringLiteral("&Remplacements")), &QAction::triggered, this,
            [this] { open(*statistiques_); });
    connect(analysis->addAction(QStringLiteral("Non-Remplacements")), &QAction::triggered, this,
            [this] { open(*statNonRemplacement_); });
    connect(analysis->addAction(QStringLiteral("&Bilans...")), &QAction::triggered, this, [this] { open(*bilans_); });
    connect(helpMenu_->addAction(QStringLiteral("&Définition de la semaine")), &QAction::triggered, this,
            [this] { open(*semaine_); });
    connect(helpMenu_->addAction(QStringLiteral("&Suppression d'un fichier")), &QAction::triggered, this,
            [this] { open(*suppressionFichier_); });
    helpMenu_->addAction(kSeparator);
    connect(helpMenu_->addAction(QStringLiteral("D&ocumentation")), &QAction::triggered, this,
            [this] { open(*documentation_); });
    connect(helpMenu_->addAction(QStringLiteral("Sau&vegardes")), &QAction::triggered, this,
            [this] { open(*sauvegardes_); });
}

void Accueil::open(QDialog& window) { runModal_(window); }

void Accueil::setTopLevelEnabled(bool rattachements, bool personnels, bool remplacements, bool quitter, bool help) {
    rattachementsAction_->setEnabled(rattachements);
    personnelsAction_->setEnabled(personnels);
    remplacementsAction_->setEnabled(remplacements);
    quitterAction_->setEnabled(quitter);
    helpMenu_->menuAction()->setEnabled(help);
}

void Accueil::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (startupStarted_) return;
    startupStarted_ = true;
    // Once the window is on screen, so that the question stands in front of it.
    QTimer::singleShot(0, this, &Accueil::runStartupSequence);
}

void Accueil::layOutDatePanel() {
    const int halfWidth = static_cast<int>(std::lround(ui::screenSize().width() / 2.0));
    const int captionLeft = halfWidth - 125 + 10;
    const int fieldLeft = captionLeft + 100 + 10;
    // The captions are 100 pixels wide; a font that needs more grows them leftwards,
    // so that the fields stay where they belong and no word is cut.
    auto placeCaption = [captionLeft](QLabel& caption, int top) {
        const int width = std::max(100, caption.fontMetrics().horizontalAdvance(caption.text()) + 2);
        caption.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption.setGeometry(captionLeft + 100 - width, top, width, 17);
    };
    placeCaption(*dateCaption_, 150);
    placeCaption(*timeCaption_, 180);
    dateField_->setGeometry(fieldLeft, 148, 140, 21);
    timeField_->setGeometry(fieldLeft, 178, 140, 21);
}

void Accueil::showDatePanel(bool visible) {
    for (QWidget* w : {static_cast<QWidget*>(dateCaption_), static_cast<QWidget*>(timeCaption_),
                       static_cast<QWidget*>(dateField_), static_cast<QWidget*>(timeField_)})
        w->setVisible(visible);
}

void Accueil::refreshDatePanel() {
    dateCaption_->setText(QStringLiteral("La date-système est : "));
    timeCaption_->setText(QStringLiteral("L'heure-système est : "));
    const QDateTime now = context_.clock.now();
    dateField_->setText(ui::toQ(frenchLongDate(ui::toDate(now.date()))));
    timeField_->setText(ui::frenchLongTime(now.time()));
    dateField_->setCursorPosition(0);
    timeField_->setCursorPosition(0);
}

void Accueil::onBlinkTick() {
    const auto colour = blink_.tick();
    setFieldColour(*dateField_, colour);
    setFieldColour(*timeField_, colour);
    refreshDatePanel();
}

bool Accueil::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dateField_ && event->type() == QEvent::MouseButtonPress)
        dateField_->setText(ui::toQ(frenchLongDate(context_.clock.today())));
    return QMainWindow::eventFilter(watched, event);
}

bool Accueil::loadWorkingWeek() {
    context_.workingWeek.clear();
    return ui::reportingFileErrors(context_.messages, [&] {
        context_.workingWeek = parseWorkingWeekLine(readFirstLine(context_.file(kWorkingWeekFile)));
    });
}

bool Accueil::createMissingReferenceFiles() {
    return ui::reportingFileErrors(context_.messages, [&] {
        if (!entryExists(context_.file(kSchoolsFile))) writeTextLines(context_.file(kSchoolsFile), defaultSchoolsLines());
        if (!entryExists(context_.file(kSubstitutesFile)))
            writeTextLines(context_.file(kSubstitutesFile), defaultSubstitutesLines());
    });
}

void Accueil::runStartupSequence() {
    startupStarted_ = true;
    // 1. Caption, geometry, menu disabled, blink state, date-time panel.
    setWindowTitle(QStringLiteral("Tandarel - Accueil     -     "));
    ui::fillScreen(*this);
    setTopLevelEnabled(false, false, false, false, false);
    blink_.restart();
    setFieldColour(*dateField_, ui::BlinkSequence::kColours[0]);
    setFieldColour(*timeField_, ui::BlinkSequence::kColours[0]);
    refreshDatePanel();
    layOutDatePanel();

    // 2. Date check, with the panel blinking while the question is open.
    blinkTimer_.start();
    showDatePanel(true);
    const bool changeDate = context_.messages.ask(kDateQuestionCaption, kDateQuestion);
    showDatePanel(false);
    if (changeDate) open(*gesDateSystem_);
    blinkTimer_.stop();

    // 3. Quitting and the "?" menu first.
    setTopLevelEnabled(false, false, false, true, true);

    // 4. No working week yet: it must be defined before anything else.
    if (!entryExists(context_.file(kWorkingWeekFile))) {
        context_.messages.inform(kPrepareWeek);
        open(*semaine_);
    }

    // 5. The slot list that the planning window reads.
    if (!loadWorkingWeek()) return;

    // 6. The two list windows.
    rattachementsAction_->setEnabled(true);
    personnelsAction_->setEnabled(true);

    // 7-8. Sample reference files where they are missing; existing ones are never touched.
    if (!createMissingReferenceFiles()) return;

    // 9. The planning window: the whole menu is usable.
    remplacementsAction_->setEnabled(true);
    startupDone_ = true;
}

}  // namespace tandarel
