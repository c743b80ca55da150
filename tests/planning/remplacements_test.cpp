#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "core/text_file.h"
#include "planning/frozen_grid.h"
#include "planning/option_group.h"
#include "planning/remplacements.h"
#include "planning/week_grid_model.h"
#include "widget_fixture.h"

using namespace tandarel;
using tandarel::testing::WidgetTest;
using B = Remplacements::Button;

namespace {

const WorkingWeekSlots kUsualWeek{"LUM", "LUAM", "MAM", "MAAM", "MEM", "", "JEM", "JEAM", "VEM", "VEAM", "", ""};

std::vector<std::string> substituteLines(int count) {
    std::vector<std::string> lines{"Fichier des personnels remplaçants"};
    for (int i = 0; i < count; ++i)
        lines.push_back("REMPLAÇANT " + std::to_string(i + 1) + ";Vernelle;Elém Pradoux;03 00 00 00 " +
                        std::to_string(10 + i) + ";" + (i % 3 == 2 ? "Non" : "Oui") + ";");
    return lines;
}

class RemplacementsTest : public WidgetTest {
protected:
    RemplacementsTest() {
        context.workingWeek = kUsualWeek;
        folder.writeLines("personnels.pln", substituteLines(3));
        folder.writeLines("Rattachements.pln",
                          {"Fichier des Rattachements", "Vernelle - Elém Les Tilleuls", "St Aubrin - Mat J. Perlinot"});
    }

    void open() {
        window.show();
        settle();
    }
    // Clicks a day cell of the grid as the planner would.
    void click(int row, int column, Qt::MouseButton button = Qt::LeftButton) {
        auto& body = window.grid().body();
        const QModelIndex index = window.model().index(row, column);
        body.scrollTo(index);
        const QPoint at = body.visualRect(index).center();
        QTest::mouseMove(body.viewport(), at);
        QTest::mouseClick(body.viewport(), button, {}, at);
    }
    std::string cell(int row, int column) const { return window.week().grid().cell(row, column); }
    // Field `column` of line `row` of the week file, as stored bytes.
    std::string storedField(const std::string& file, int row, int column) {
        const auto bytes = folder.readBytes(file);
        std::size_t start = 0;
        for (int r = 0; r < row; ++r) start = bytes.find("\r\n", start) + 2;
        std::string line = bytes.substr(start, bytes.find("\r\n", start) - start);
        for (int c = 0; c < column; ++c) line = line.substr(line.find(';') + 1);
        return line.substr(0, line.find(';'));
    }

    Remplacements window{context, nullptr};
};

}  // namespace

TEST_F(RemplacementsTest, Shots) {
    if (qEnvironmentVariableIsEmpty("TANDAREL_SHOTS")) GTEST_SKIP() << "TANDAREL_SHOTS names the folder for pictures";
    folder.writeLines("personnels.pln", substituteLines(12));
    open();
    const QDir shots(qEnvironmentVariable("TANDAREL_SHOTS"));
    click(1, 2);
    emit window.schoolList().activated(1);
    click(2, 2);
    QTest::mouseClick(&window.motifGroup().option(0), Qt::LeftButton);
    QTest::keyClicks(window.grid().editor(), "DUPONT Jean");
    click(9, 3);
    emit window.schoolList().activated(0);
    click(26, 4);
    window.grab().save(shots.filePath("remplacements.png"));
}

TEST_F(RemplacementsTest, Debug) {
    open();
    click(1, 2);
    printf("sel %d %d\n", window.selectedRow(), window.selectedColumn());
    click(2, 2);
    printf("sel %d %d motif visible %d\n", window.selectedRow(), window.selectedColumn(), window.motifGroup().isVisible());
    auto& r = window.motifGroup().option(0);
    printf("radio geom %d %d %d %d group %d %d vis %d\n", r.x(), r.y(), r.width(), r.height(), window.motifGroup().x(), window.motifGroup().y(), r.isVisible());
    QTest::mouseClick(&r, Qt::LeftButton);
    printf("checked %d\n", r.isChecked());
    r.click();
    printf("cell [%s] editing %d editor %p\n", cell(2,2).c_str(), window.editing(), (void*)window.grid().editor());
}
