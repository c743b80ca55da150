// Both analysis windows and the report tool over a damaged week file, personnels.pln
// or semaine.pln, among sound week files of the same school year.
#include <QListWidget>
#include <QTest>
#include <cstdlib>
#include <sstream>

#include "analysis/report_tool.h"
#include "analysis/stat_non_remplacement.h"
#include "analysis/statistiques.h"
#include "robustness_fixture.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace tandarel::testing {
namespace {

constexpr std::string_view kEarlierWeek = "04_05/05_04_18.pln";

void writeSoundFolder(const DataFolder& folder, std::string_view damaged = "") {
    if (damaged != "personnels.pln") folder.writeBytes("personnels.pln", soundSubstitutes());
    if (damaged != "semaine.pln") folder.writeBytes("semaine.pln", soundWorkingWeek());
    folder.writeBytes(kEarlierWeek, soundWeekOf(2005, 4, 18));
    if (damaged != kThisWeekFile) folder.writeBytes(kThisWeekFile, soundWeek());
}

QStringList gridTexts(AnalysisWindow& window) {
    QStringList texts;
    for (int r = 0; r < window.grid().rowCount(); ++r)
        for (int c = 0; c < 3; ++c) texts << window.grid().text(r, c);
    return texts;
}

QStringList listTexts(QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
    return texts;
}

// The same analysis over sound files: what a file that keeps its content must give.
template <typename Window>
QStringList soundResult() {
    DataFolder sound;
    writeSoundFolder(sound);
    RecordingMessages messages;
    FakeClock clock;
    FakeClockSetter setter;
    ui::AppContext context{sound.path(), messages, clock, setter, {}};
    Window window(context, nullptr);
    window.show();
    runSchoolYear(window);
    return gridTexts(window);
}

template <typename Window>
class AnalysisReader : public DamagedFileTest {
protected:
    void run(std::string_view damaged, const std::string& sound) {
        writeSoundFolder(folder, damaged);
        plantDamaged(damaged, sound);
        // Asked only when the analysis stops on an unreadable file.
        messages.answer(false);
        window.show();
        runSchoolYear(window);
        settle();
    }
    // Every file of the year listed, the sound week's five days among the days, the totals shown.
    void expectResultShown() {
        EXPECT_TRUE(window.grid().isVisible());
        EXPECT_EQ(window.files().list().count(), 2);
        const auto days = listTexts(window.days().list());
        for (const char* day : {"lundi 18 avril 2005", "vendredi 22 avril 2005"})
            EXPECT_TRUE(days.contains(QString::fromUtf8(day))) << day;
        if (damage().keepsContent) {
            EXPECT_EQ(gridTexts(window), soundResult<Window>());
        }
    }
    // A folder, or a file too large to be a week: said, and the analysis stops there.
    bool unreadable() const { return damage().directory || tooLargeForAWeek(); }
    void expectStoppedOnTheFile() {
        expectReadRefusalSaid();
        EXPECT_FALSE(window.grid().isVisible());
        EXPECT_TRUE(damagedFileKept());
    }
    Window window{context, nullptr};
};

using StatistiquesWeek = AnalysisReader<Statistiques>;

TEST_P(StatistiquesWeek, CountsWhatItCanRead) {
    run(kThisWeekFile, soundWeek());
    EXPECT_TRUE(damagedFileKept());
    if (unreadable()) return expectStoppedOnTheFile();
    expectNoError();
    expectResultShown();
}

INSTANTIATE_TEST_SUITE_P(Damaged, StatistiquesWeek, ::testing::ValuesIn(damages()), DamageName());

using StatistiquesSubstitutes = AnalysisReader<Statistiques>;

TEST_P(StatistiquesSubstitutes, CountsTheWeeksWhateverTheList) {
    run("personnels.pln", soundSubstitutes());
    EXPECT_TRUE(damagedFileKept());
    if (damage().directory) {
        expectReadRefusalSaid();
    } else {
        expectNoError();
    }
    expectResultShown();
}

INSTANTIATE_TEST_SUITE_P(Damaged, StatistiquesSubstitutes, ::testing::ValuesIn(damages()), DamageName());

using StatistiquesWorkingWeek = AnalysisReader<Statistiques>;

TEST_P(StatistiquesWorkingWeek, CountsTheWeeksWhateverTheWorkingWeek) {
    run("semaine.pln", soundWorkingWeek());
    EXPECT_TRUE(damagedFileKept());
    if (damage().directory) {
        expectReadRefusalSaid();
    } else {
        expectNoError();
    }
    expectResultShown();
    if (damage().keepsContent) {
        for (int slot = 0; slot < 12; ++slot) EXPECT_EQ(window.weekBox(slot).isChecked(), slot != 5 && slot < 10) << slot;
    }
}

INSTANTIATE_TEST_SUITE_P(Damaged, StatistiquesWorkingWeek, ::testing::ValuesIn(damages()), DamageName());

using NonReplacementWeek = AnalysisReader<Stat_Non_Remplacement>;

TEST_P(NonReplacementWeek, CountsWhatItCanReadAndNamesWhatItCannot) {
    run(kThisWeekFile, soundWeek());
    EXPECT_TRUE(damagedFileKept());
    if (unreadable()) return expectStoppedOnTheFile();
    expectNoError();
    expectResultShown();
    // Counts that are not numbers are named; so is the replacement cell of a week cut
    // inside its first block, whose last four lines are then a substitute's.
    const std::string_view name = damage().name;
    const qsizetype named = name == "CountsNotNumbers" ? 3 : name == "FewerLinesThanABlock" ? 1 : 0;
    const auto informs = messages.informs();
    EXPECT_EQ(informs.size(), named) << informs.join(" | ").toStdString();
    EXPECT_EQ(informs.filter(QStringLiteral("Je ne traite pas la donnée suivante : ")).size(), named);
}

INSTANTIATE_TEST_SUITE_P(Damaged, NonReplacementWeek, ::testing::ValuesIn(damages()), DamageName());

// --- The report tool, run as the office runs it ---

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun runTool(const DataFolder& folder, const std::string& arguments) {
    const DataFolder outputs;
    const auto out = outputs / "out.txt", err = outputs / "err.txt";
    const std::string command = "cd \"" + folder.path().string() + "\" && \"" TANDAREL_ANALYSE_EXE "\" " + arguments +
                                " > \"" + out.string() + "\" 2> \"" + err.string() + "\"";
    const int raw = std::system(command.c_str());
#ifdef _WIN32
    const int status = raw;
#else
    const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    return {status, outputs.readBytes("out.txt"), outputs.readBytes("err.txt")};
}

struct ToolCase {
    const char* analysis;  // with its period: "remplacements annee 04/05"
    const char* file;
    const char* header;  // the first field of the CSV
};

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> all;
    for (std::string word; in >> word;) all.push_back(word);
    return all;
}

// The tool's answer over sound files, in-process, on a day after the school year (as the
// run of the built tool is).
std::string soundReport(const std::string& analysis) {
    DataFolder sound;
    writeSoundFolder(sound);
    std::ostringstream out, err;
    auto arguments = words(analysis);
    arguments.insert(arguments.begin(), "--csv");
    runAnalysisReport(arguments, sound.path(), Date{2006, 1, 2}, out, err);
    return out.str();
}

class ReportToolReader : public DamagedFileTest {
protected:
    void check(const ToolCase& tool) {
        const std::string file(tool.file);
        writeSoundFolder(folder, file);
        plantDamaged(file, file == "personnels.pln" ? soundSubstitutes() : soundWeek());
        const auto run = runTool(folder, std::string("--csv ") + tool.analysis);
        EXPECT_TRUE(damagedFileKept());
        if (damage().directory || (file != "personnels.pln" && tooLargeForAWeek())) {
            EXPECT_EQ(run.status, kReportReadError) << run.err;
            EXPECT_NE(run.err.find(std::filesystem::path(file).filename().string()), std::string::npos) << run.err;
            EXPECT_EQ(run.out, "");
            return;
        }
        EXPECT_EQ(run.status, kReportDone) << run.err;
        EXPECT_EQ(run.out.rfind("\xEF\xBB\xBF" + std::string(tool.header) + ";", 0), 0u) << run.out;
        if (damage().keepsContent) {
            EXPECT_EQ(run.out, soundReport(tool.analysis));
        }
    }
};

TEST_P(ReportToolReader, ReplacementsOverADamagedWeek) {
    check({"remplacements annee 04/05", kThisWeekFile.data(), "Motifs d'absence"});
}
TEST_P(ReportToolReader, NonReplacementsOverADamagedWeek) {
    check({"non-remplacements annee 04/05", kThisWeekFile.data(), "Non-Remplacements"});
}
TEST_P(ReportToolReader, ReplacementsOverADamagedList) {
    check({"remplacements annee 04/05", "personnels.pln", "Motifs d'absence"});
}
TEST_P(ReportToolReader, BilansOverADamagedWeek) {
    const ToolCase bilans[] = {
        {"bilan remplacants annee 04/05", kThisWeekFile.data(), "Remplaçant"},
        {"bilan ecoles annee 04/05", kThisWeekFile.data(), "École"},
        {"bilan enseignants annee 04/05", kThisWeekFile.data(), "Enseignant remplacé"},
        {"bilan alertes annee 04/05", kThisWeekFile.data(), "Jour"},
        {"bilan comparaison annee", kThisWeekFile.data(), "Année scolaire"},
    };
    for (const auto& bilan : bilans) {
        SCOPED_TRACE(bilan.analysis);
        check(bilan);
    }
}

INSTANTIATE_TEST_SUITE_P(Damaged, ReportToolReader, ::testing::ValuesIn(damages()), DamageName());

}  // namespace
}  // namespace tandarel::testing
