#include "app/ges_date_system.h"

#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "app/date_time_rules.h"
#include "core/error.h"
#include "ui/clock.h"
#include "ui/clock_setter.h"
#include "ui/colour.h"
#include "ui/messages.h"
#include "ui/qt_text.h"
#include "ui/screen.h"
#include "ui/window_frame.h"

namespace tandarel {
namespace {
// The whole window; the controls keep within 240 x 230, what a frame of 8 pixels a side and
// a 31-pixel title bar leave of it.
constexpr int kWidth = 258;
constexpr int kHeight = 270;

QString twoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

QLineEdit* numberField(QWidget* parent, int left, int top, int width) {
    auto* field = new QLineEdit(parent);
    field->setGeometry(left, top, width, 21);
    field->setAlignment(Qt::AlignCenter);
    return field;
}

void separator(QWidget* parent, const QString& sign, int left, int top) {
    auto* label = new QLabel(sign, parent);
    label->setGeometry(left, top, 8, 21);
    label->setAlignment(Qt::AlignCenter);
}

// The entered local date and time in UTC, by the platform's time-zone rules; nothing
// when that local time does not exist (skipped by a change to summer time).
std::optional<QDateTime> utcOf(const LocalDateTime& entered) {
    const QDate date(entered.year, entered.month, entered.day);
    const QTime time(entered.hour, entered.minute, entered.second, entered.millisecond);
    const QDateTime local(date, time, Qt::LocalTime);
    if (!local.isValid() || local.date() != date || local.time() != time) return std::nullopt;
    return local.toUTC();
}
}  // namespace

Ges_date_system::Ges_date_system(ui::AppContext& context, QWidget* parent) : ui::ModalWindow(context, parent) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    displayGroup_ = new QGroupBox(QStringLiteral(" Date et heure système "), this);
    displayGroup_->setGeometry(6, 6, 230, 62);
    displayGroup_->setAutoFillBackground(true);
    dateLine_ = new QLabel(displayGroup_);
    dateLine_->setGeometry(10, 20, 212, 17);
    timeLine_ = new QLabel(displayGroup_);
    timeLine_->setGeometry(10, 40, 212, 17);

    modifier_ = new QPushButton(QStringLiteral("Modifier"), this);
    modifier_->setGeometry(14, 76, 95, 25);
    quitter_ = new QPushButton(QStringLiteral("Quitter"), this);
    quitter_->setGeometry(129, 76, 95, 25);

    modificationsGroup_ = new QGroupBox(QStringLiteral(" Modifications "), this);
    modificationsGroup_->setGeometry(6, 108, 230, 120);
    // The fields stand under the words of their box's caption.
    auto* dateBox = new QGroupBox(QStringLiteral(" Jour         Mois         Année"), modificationsGroup_);
    dateBox->setGeometry(8, 16, 165, 48);
    day_ = numberField(dateBox, 6, 20, 28);
    separator(dateBox, QStringLiteral("/"), 39, 20);
    month_ = numberField(dateBox, 52, 20, 28);
    separator(dateBox, QStringLiteral("/"), 86, 20);
    year_ = numberField(dateBox, 100, 20, 44);
    auto* timeBox = new QGroupBox(QStringLiteral("Heures   Minutes  Secondes"), modificationsGroup_);
    timeBox->setGeometry(8, 66, 165, 48);
    hours_ = numberField(timeBox, 4, 20, 28);
    separator(timeBox, QStringLiteral(":"), 37, 20);
    minutes_ = numberField(timeBox, 50, 20, 28);
    separator(timeBox, QStringLiteral(":"), 85, 20);
    seconds_ = numberField(timeBox, 100, 20, 28);
    valider_ = new QPushButton(QStringLiteral("Valider"), modificationsGroup_);
    valider_->setGeometry(177, 52, 48, 25);

    for (auto* button : {modifier_, valider_, quitter_}) button->setAutoDefault(false);
    connect(modifier_, &QPushButton::clicked, this, &Ges_date_system::onModifier);
    connect(valider_, &QPushButton::clicked, this, &Ges_date_system::onValider);
    connect(quitter_, &QPushButton::clicked, this, &Ges_date_system::onQuitter);

    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &Ges_date_system::onTick);
}

void Ges_date_system::FormActivate() {
    setWindowTitle(QStringLiteral("Tandarel - Gestion de la date système "));
    timer_.start();
    ui::placeFrame(*this, QRect(ui::centredLeft(kWidth), 150, kWidth, kHeight));
    showModifications(false);
    paintDisplay(ui::BlinkSequence::kColours[0]);
    writeDisplayLines();
    blink_.restart();
}

void Ges_date_system::reject() {}

void Ges_date_system::hideEvent(QHideEvent* event) {
    timer_.stop();
    ui::ModalWindow::hideEvent(event);
}

void Ges_date_system::onTick() {
    paintDisplay(blink_.tick());
    writeDisplayLines();
}

void Ges_date_system::paintDisplay(std::uint32_t colour) {
    QPalette palette = displayGroup_->palette();
    palette.setColor(QPalette::Window, ui::bgr(colour));
    displayGroup_->setPalette(palette);
}

void Ges_date_system::writeDisplayLines() {
    const QDateTime now = context_.clock.now();
    dateLine_->setText(QStringLiteral("Date-système  : ") + ui::toQ(frenchLongDate(ui::toDate(now.date()))));
    timeLine_->setText(QStringLiteral("Heure-système : ") + ui::frenchLongTime(now.time()));
}

void Ges_date_system::showModifications(bool visible) {
    modificationsGroup_->setVisible(visible);
    valider_->setVisible(visible);
    modifier_->setVisible(!visible);
}

void Ges_date_system::fillDateFields() {
    const QDate today = context_.clock.now().date();
    day_->setText(twoDigits(today.day()));
    month_->setText(twoDigits(today.month()));
    year_->setText(QString::number(today.year()));
}

void Ges_date_system::fillTimeFields() {
    const QTime now = context_.clock.now().time();
    hours_->setText(twoDigits(now.hour()));
    minutes_->setText(twoDigits(now.minute()));
    seconds_->setText(twoDigits(now.second()));
    milliseconds_ = now.msec();
}

void Ges_date_system::onModifier() {
    showModifications(true);
    fillDateFields();
    fillTimeFields();
}

void Ges_date_system::onValider() {
    const ClockEntry entry{ui::fromQ(day_->text()),
                           ui::fromQ(month_->text()),
                           ui::fromQ(year_->text()),
                           ui::fromQ(hours_->text()),
                           ui::fromQ(minutes_->text()),
                           ui::fromQ(seconds_->text()),
                           milliseconds_};
    const auto check = checkClockEntry(entry);
    if (check.notWholeNumber) {
        context_.messages.inform(ui::toQ(*check.notWholeNumber));
        return;
    }
    bool timeValid = check.timeValid;
    std::optional<QDateTime> utc;
    if (check.dateValid && timeValid) {
        utc = utcOf(check.value);
        timeValid = utc.has_value();
    }
    if (!check.dateValid || !timeValid) {
        if (!check.dateValid) {
            context_.messages.inform(ui::toQ(kDateRefused));
            fillDateFields();
        }
        if (!timeValid) {
            context_.messages.inform(ui::toQ(kTimeRefused));
            fillTimeFields();
        }
        return;
    }
    try {
        context_.clockSetter.setSystemTime(*utc);
    } catch (const Error& refusal) {
        context_.messages.error(QStringLiteral("Le système a refusé de changer la date et l'heure (%1)... "
                                               "Date et heure système inchangées !")
                                    .arg(ui::toQ(refusal.what())));
        return;
    }
    timer_.start();
    writeDisplayLines();
    showModifications(false);
}

void Ges_date_system::onQuitter() {
    timer_.stop();
    done(QDialog::Accepted);
}

}  // namespace tandarel
