#pragma once

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "analysis/analysis_window.h"
#include "core/fields.h"
#include "core/week_file.h"
#include "damaged_files.h"
#include "widget_fixture.h"

namespace tandarel::testing {

// Bytes compared without printing ten megabytes when they differ.
inline ::testing::AssertionResult sameBytes(const std::string& actual, const std::string& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    const auto at = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end()).first - actual.begin();
    auto around = [&](const std::string& s) {
        const auto from = static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, at - 20));
        return s.substr(std::min(from, s.size()), 60);
    };
    return ::testing::AssertionFailure() << actual.size() << " bytes instead of " << expected.size()
                                         << ", first difference at byte " << at << ": \"" << around(actual)
                                         << "\" instead of \"" << around(expected) << '"';
}

// "Année scolaire" 04/05, as the user types it.
inline void runSchoolYear(AnalysisWindow& window) {
    auto& radio = window.dialogue().modeButton(PeriodMode::SchoolYear);
    QTest::mouseClick(&radio, Qt::LeftButton, {}, QPoint(8, radio.height() / 2));
    QTest::keyClicks(&window.dialogue().field(PeriodField::SchoolYear), "04/05");
    QTest::mouseClick(&window.dialogue().valider(PeriodMode::SchoolYear), Qt::LeftButton);
}

inline std::vector<std::string> sorted(std::vector<std::string> lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

// A reader of one damaged file: the file planted, what it held, and the checks every
// reader owes the user.
class DamagedFileTest : public WidgetTest, public ::testing::WithParamInterface<Damage> {
protected:
    const Damage& damage() const { return GetParam(); }

    // Plants the damaged form of `sound` at `relative` and remembers it.
    void plantDamaged(std::string_view relative, const std::string& sound) {
        damagedFile_ = std::string(relative);
        plant(folder, relative, damage(), sound);
        planted_ = contentOf(folder, relative);
        plantedLines_ = damage().directory ? std::vector<std::string>{} : linesOf(planted_);
        timer_.start();
    }
    const std::vector<std::string>& plantedLines() const { return plantedLines_; }
    const std::string& plantedBytes() const { return planted_; }
    // Planted lines that no week file can be: more lines or columns than a week may hold.
    bool tooLargeForAWeek() const {
        return plantedLines_.size() > static_cast<std::size_t>(kMaxWeekRows) ||
               (!plantedLines_.empty() && countFields(plantedLines_.front()) > static_cast<std::size_t>(kMaxWeekColumns));
    }

    // Not rewritten by what the user did: the same bytes (or the same folder) as planted.
    ::testing::AssertionResult damagedFileKept() const {
        return sameBytes(contentOf(folder, damagedFile_), planted_);
    }

    // The message that says the file cannot be read, naming it (the first of `count`).
    void expectReadRefusalSaid(qsizetype count = 1) const {
        const QString name = QString::fromStdString(std::filesystem::path(damagedFile_).filename().string());
        ASSERT_EQ(messages.errors().size(), count) << messages.texts().join(" | ").toStdString();
        EXPECT_TRUE(messages.errors()[0].contains(name)) << messages.errors()[0].toStdString();
    }
    void expectNoError() const {
        EXPECT_TRUE(messages.errors().isEmpty()) << messages.errors().join(" | ").toStdString();
    }

    void TearDown() override {
        // Generous for the sanitizers; a reader that loops or crawls over a damaged file fails here.
        EXPECT_LT(timer_.elapsed(), 30000) << damage().name << " took " << timer_.elapsed() << " ms";
    }

private:
    std::string damagedFile_;
    std::string planted_;
    std::vector<std::string> plantedLines_;
    QElapsedTimer timer_;
};

}  // namespace tandarel::testing
