#include "app/ges_date_system.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <ctime>

#include "app/date_time_rules.h"
#include "ui/blink.h"
#include "ui/colour.h"
#include "widget_fixture.h"
#include "window_shot.h"

using namespace tandarel;

namespace {

struct EntryCase {
    const char* label;
    ClockEntry entry;  // day, month, year, hours, minutes, seconds, milliseconds
    bool dateValid, timeValid;
};
void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.label; }
class ClockEntryChecks : public ::testing::TestWithParam<EntryCase> {};

TEST_P(ClockEntryChecks, DateAndTimeValidity) {
    const auto check = checkClockEntry(GetParam().entry);
    ASSERT_FALSE(check.notWholeNumber.has_value());
    EXPECT_EQ(check.dateValid, GetParam().dateValid);
    EXPECT_EQ(check.timeValid, GetParam().timeValid);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ClockEntryChecks,
    ::testing::Values(EntryCase{"Day31InJanuary", {"31", "01", "2005", "10", "00", "00"}, true, true},
                      EntryCase{"Day31InApril", {"31", "04", "2005", "10", "00", "00"}, false, true},
                      EntryCase{"Feb29In2008", {"29", "02", "2008", "10", "00", "00"}, true, true},
                      EntryCase{"Feb29In2007", {"29", "02", "2007", "10", "00", "00"}, false, true},
                      EntryCase{"Month0", {"10", "0", "2005", "10", "00", "00"}, false, true},
                      EntryCase{"Month13", {"10", "13", "2005", "10", "00", "00"}, false, true},
                      EntryCase{"Day0", {"0", "04", "2005", "10", "00", "00"}, false, true},
                      EntryCase{"TwoDigitYear", {"25", "04", "05", "10", "00", "00"}, false, true},
                      EntryCase{"Year10000", {"01", "01", "10000", "10", "00", "00"}, false, true},
                      EntryCase{"LastMoment", {"31", "12", "9999", "23", "59", "59", 999}, true, true},
                      EntryCase{"Hour24", {"25", "04", "2005", "24", "00", "00"}, true, false},
                      EntryCase{"Second60", {"25", "04", "2005", "10", "00", "60"}, true, false},
                      EntryCase{"NegativeMinute", {"25", "04", "2005", "10", "-1", "00"}, true, false}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ClockEntryWholeNumbers, TheFirstFieldThatIsNotAWholeNumberIsNamed) {
    const std::pair<ClockEntry, const char*> cases[] = {{{"", "04", "2005", "10", "00", "00"}, "Jour"},
                                                        {{"25", "4.5", "2005", "10", "00", "00"}, "Mois"},
                                                        {{"25", "04", "99999999999", "10", "00", "00"}, "Année"},
                                                        {{"25", "04", "2005", "1O", "00", "x"}, "Heures"},
                                                        {{"25", "04", "2005", "10", "00", "-"}, "Secondes"}};
    for (const auto& [entry, field] : cases)
        EXPECT_EQ(checkClockEntry(entry).notWholeNumber.value_or(""),
                  std::string("Le champ « ") + field +
                      " » doit contenir un nombre entier... Date et heure système inchangées !");
    EXPECT_EQ(parseWholeNumber(" +07 "), 7);
}

// The office's local time, whatever the machine's.
struct ParisTime {
    ParisTime() : saved(qgetenv("TZ")), had(qEnvironmentVariableIsSet("TZ")) { setTz("Europe/Paris"); }
    ~ParisTime() { had ? setTz(saved) : (qunsetenv("TZ"), tzset()); }
    static void setTz(const QByteArray& zone) { qputenv("TZ", zone), tzset(); }
    QByteArray saved;
    bool had;
};

class GesDateSystemTest : public tandarel::testing::WidgetTest {
protected:
    GesDateSystemTest() {
        clock.set(QDateTime(QDate(2005, 4, 25), QTime(10, 0, 0, 456)));
        window.show();
        settle();
    }
    void tick() { QMetaObject::invokeMethod(&window.timer(), "timeout"); }
    QColor displayColour() { return window.displayGroup().palette().color(QPalette::Window); }
    // Opens the modifications when needed, types the six fields, presses "Valider".
    void enter(const QStringList& typed) {
        if (window.modifier().isVisible()) QTest::mouseClick(&window.modifier(), Qt::LeftButton);
        for (int i = 0; i < 6; ++i) fields()[i]->setText(typed[i]);
        QTest::mouseClick(&window.valider(), Qt::LeftButton);
    }
    std::vector<QLineEdit*> fields() {
        return {&window.dayField(),   &window.monthField(),   &window.yearField(),
                &window.hoursField(), &window.minutesField(), &window.secondsField()};
    }
    QStringList fieldTexts() {
        QStringList texts;
        for (auto* field : fields()) texts << field->text();
        return texts;
    }
    // The modification fields shown in place of "Modifier"; a failure says which is not.
    ::testing::AssertionResult modificationsOpen() {
        const bool fields = window.modificationsGroup().isVisible();
        const bool modifier = window.modifier().isVisible();
        auto result = fields && !modifier ? ::testing::AssertionSuccess() : ::testing::AssertionFailure();
        return result << "fields " << (fields ? "shown" : "hidden") << ", Modifier " << (modifier ? "shown" : "hidden");
    }

    ParisTime paris;
    Ges_date_system window{context, nullptr};
};

TEST_F(GesDateSystemTest, ActivationThenModifier) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tandarel - Gestion de la date système "));
    EXPECT_EQ(window.frameGeometry(), QRect(640 - 129, 150, 258, 270));
    EXPECT_EQ(window.dateLine().text(), QStringLiteral("Date-système  : lundi 25 avril 2005"));
    EXPECT_EQ(window.timeLine().text(), QStringLiteral("Heure-système : 10:00:00"));
    EXPECT_EQ(displayColour(), ui::bgr(0x00FFFF));
    EXPECT_TRUE(window.modifier().isVisible());
    EXPECT_TRUE(window.quitter().isVisible());
    EXPECT_TRUE(window.timer().isActive());
    EXPECT_FALSE(window.modificationsGroup().isVisible());
    EXPECT_FALSE(window.valider().isVisible());
    tandarel::testing::saveWindowShot(window, QStringLiteral("ges_date_system"));

    clock.set(QDateTime(QDate(2006, 3, 7), QTime(9, 5, 3, 120)));
    QTest::mouseClick(&window.modifier(), Qt::LeftButton);
    EXPECT_TRUE(modificationsOpen());
    EXPECT_TRUE(window.valider().isVisible());
    EXPECT_EQ(fieldTexts(), (QStringList{"07", "03", "2006", "09", "05", "03"}));
    tandarel::testing::saveWindowShot(window, QStringLiteral("ges_date_system_modifications"));
}

TEST_F(GesDateSystemTest, TicksBounceBetweenYellowAndRedAndRefreshTheLines) {
    std::vector<QColor> seen;
    for (int second = 1; second <= 16; ++second) {
        clock.set(QDateTime(QDate(2005, 4, 25), QTime(10, 0, second)));
        tick();
        seen.push_back(displayColour());
    }
    std::vector<QColor> expected;
    for (const int i : {1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2})
        expected.push_back(ui::bgr(ui::BlinkSequence::kColours[static_cast<std::size_t>(i)]));
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(window.timeLine().text(), QStringLiteral("Heure-système : 10:00:16"));
}

TEST_F(GesDateSystemTest, AValidEntrySetsTheClockInUtcByTheTimeZoneRules) {
    const std::pair<QStringList, QDateTime> cases[] = {
        {{"25", "04", "2005", "10", "00", "00"}, QDateTime(QDate(2005, 4, 25), QTime(8, 0, 0, 456), Qt::UTC)},
        {{"15", "01", "2006", "12", "30", "15"}, QDateTime(QDate(2006, 1, 15), QTime(11, 30, 15, 456), Qt::UTC)},
        // Local hour below the offset: the UTC date is the day before, not a refusal.
        {{"01", "05", "2005", "00", "30", "00"}, QDateTime(QDate(2005, 4, 30), QTime(22, 30, 0, 456), Qt::UTC)}};
    for (const auto& [typed, utc] : cases) {
        enter(typed);
        EXPECT_FALSE(modificationsOpen());
    }
    ASSERT_EQ(clockSetter.calls.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(clockSetter.calls[i].toString(Qt::ISODateWithMs), cases[i].second.toString(Qt::ISODateWithMs));
    EXPECT_EQ(messages.texts(), QStringList());
}

TEST_F(GesDateSystemTest, RefusedPartsAreSaidAndResetToNow) {
    const QString date = QStringLiteral("Je refuse la date saisie... (Rappel du format : jj mm aaaa)");
    const QString time = QStringLiteral("Je refuse l'heure saisie... (Rappel du format : hh mm ss)");
    const std::tuple<QStringList, QStringList, QStringList> cases[] = {
        {{"31", "04", "2005", "11", "22", "33"}, {date}, {"25", "04", "2005", "11", "22", "33"}},
        {{"30", "04", "2005", "24", "22", "33"}, {time}, {"30", "04", "2005", "10", "00", "00"}},
        {{"29", "02", "2007", "12", "61", "00"}, {date, time}, {"25", "04", "2005", "10", "00", "00"}},
        // The hour skipped when the clocks go forward does not exist.
        {{"26", "03", "2006", "02", "30", "00"}, {time}, {"26", "03", "2006", "10", "00", "00"}}};
    for (const auto& [typed, said, after] : cases) {
        messages.clear();
        enter(typed);
        EXPECT_EQ(messages.informs(), said) << typed.join(' ').toStdString();
        EXPECT_EQ(fieldTexts(), after);
        EXPECT_TRUE(modificationsOpen());
    }
    EXPECT_EQ(clockSetter.calls.size(), 0u);
}

TEST_F(GesDateSystemTest, NotAWholeNumberSetsNothingAndKeepsTheText) {
    enter({"25", "04", "2005", "1O", "00", "00"});
    EXPECT_EQ(messages.informs(),
              QStringList{QStringLiteral(
                  "Le champ « Heures » doit contenir un nombre entier... Date et heure système inchangées !")});
    EXPECT_EQ(fieldTexts(), (QStringList{"25", "04", "2005", "1O", "00", "00"}));
    EXPECT_EQ(clockSetter.calls.size(), 0u);
}

TEST_F(GesDateSystemTest, ASystemRefusalIsSaid) {
    clockSetter.accept = false;
    enter({"26", "04", "2005", "08", "15", "00"});
    EXPECT_EQ(clockSetter.calls.size(), 1u);
    EXPECT_EQ(messages.errors(), QStringList{QStringLiteral("Le système a refusé de changer la date et l'heure (refusé "
                                                            "par le test)... Date et heure système inchangées !")});
    EXPECT_TRUE(modificationsOpen());
}

TEST_F(GesDateSystemTest, OnlyQuitterLeaves) {
    QTest::keyClick(&window, Qt::Key_Escape);
    window.close();
    EXPECT_TRUE(window.isVisible());
    QTest::mouseClick(&window.quitter(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.timer().isActive());
}

}  // namespace
