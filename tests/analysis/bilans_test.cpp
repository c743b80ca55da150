#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTest>

#include "analysis/bilans.h"
#include "analysis_widget_support.h"
#include "ui/qt_path.h"
#include "week_builder.h"
#include "widget_fixture.h"

using namespace tandarel;
using namespace tandarel::testing;

namespace {

class BilansTest : public WidgetTest {
protected:
    BilansTest() {
        auto first = WeekBuilder({2005, 4, 11}, 3);
        first.name(0, "DUPONT").name(1, "MARTIN");
        first.school(0, 0, 0, "ECOLE B").motif(0, 0, 0, "M¤DURAND").motif(0, 1, 1, "E¤LEROY");
        first.school(1, 0, 0, "ECOLE A").motif(1, 0, 0, "M¤DURAND").missed(0, 0, "M¤1").writeTo(folder);
        WeekBuilder({2005, 4, 18}, 2).name(0, "DUPONT").school(0, 0, 2, "ECOLE A").motif(0, 0, 2, "C¤LEROY").writeTo(folder);
        WeekBuilder({2004, 3, 15}, 1).name(0, "DUPONT").motif(0, 0, 0, "A¤x").writeTo(folder);
    }
    void run(BilanKind kind, const QString& schoolYear) {
        auto& radio = window.kindButton(kind);
        QTest::mouseClick(&radio, Qt::LeftButton, {}, QPoint(8, radio.height() / 2));
        auto& dialogue = window.dialogue();
        auto& mode = dialogue.modeButton(PeriodMode::SchoolYear);
        QTest::mouseClick(&mode, Qt::LeftButton, {}, QPoint(8, mode.height() / 2));
        QTest::keyClicks(&dialogue.field(PeriodField::SchoolYear), schoolYear);
        QTest::mouseClick(&dialogue.valider(PeriodMode::SchoolYear), Qt::LeftButton);
    }
    QStringList column(QTableWidget& grid, int c) {
        QStringList texts;
        for (int r = 0; r < grid.rowCount(); ++r) texts << grid.item(r, c)->text();
        return texts;
    }
    QStringList totals() { return window.table().totals().rowCount() == 0 ? QStringList{} : rowOf(window.table().totals(), 0); }
    QStringList rowOf(QTableWidget& grid, int r) {
        QStringList texts;
        for (int c = 0; c < grid.columnCount(); ++c) texts << grid.item(r, c)->text();
        return texts;
    }
    std::string exported(QPushButton& button, const QString& name) {
        const auto path = ui::pathToQ(folder.path()) + '/' + name;
        window.setSaveDialog([&](const QString&) { return path; });
        QTest::mouseClick(&button, Qt::LeftButton);
        return folder.readBytes(name.toStdString());
    }
    Bilans window{context, nullptr};
};

TEST_F(BilansTest, EachReportShowsItsRowsTotalsAndChart) {
    struct Case {
        BilanKind kind;
        QStringList labels;
        QStringList totals;  // the first column and the last
        int bars;
    };
    const std::vector<Case> cases = {
        {BilanKind::Substitutes, {"(sans nom)", "DUPONT", "MARTIN"}, {"Totaux", "25,00"}, 3},
        {BilanKind::Schools, {"(école non saisie)", "ECOLE A", "ECOLE B"}, {"Totaux", "1,00"}, 3},
        {BilanKind::Teachers, {"DURAND", "LEROY"}, {"Totaux", "1,00"}, 2},
        {BilanKind::Alerts, {"lundi 11 avril 2005"}, {"Totaux", "0,25"}, 0},
        {BilanKind::Comparison, {"03/04", "04/05 (au 25/04/05)"}, {}, 0},
    };
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tandarel - Bilans     -     "));
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        run(c.kind, "04/05");
        EXPECT_EQ(messages.texts(), QStringList{});
        ASSERT_TRUE(window.report().has_value());
        if (c.kind != BilanKind::Comparison) {  // cut at today
            EXPECT_TRUE(window.periodLabel().text().endsWith(QStringLiteral("au 25/04/05")));
        }
        EXPECT_EQ(column(window.table().rows(), 0), c.labels);
        const auto total = totals();
        EXPECT_EQ((total.isEmpty() ? total : QStringList{total.front(), total.back()}), c.totals);
        EXPECT_EQ(window.chart().bars().size(), static_cast<std::size_t>(c.bars));
        saveShot(window, QStringLiteral("bilans-%1.png").arg(QString::fromStdString(std::string(bilanWord(c.kind)))));
        if (!qEnvironmentVariableIsEmpty("TANDAREL_SHOTS")) {
            const QString pdf = qEnvironmentVariable("TANDAREL_SHOTS") + QStringLiteral("/bilans-%1.pdf").arg(static_cast<int>(c.kind));
            window.setSaveDialog([&](const QString&) { return pdf; });
            QTest::mouseClick(&window.pdfButton(), Qt::LeftButton);
        }
        QTest::mouseClick(&window.otherButton(), Qt::LeftButton);
    }
}

TEST_F(BilansTest, NumericSortKeepsTotalsApartAndDetailsListPlacements) {
    window.show();
    run(BilanKind::Substitutes, "04/05");
    auto& rows = window.table().rows();
    // "10,00" sorts before "5,00" as text, after it as a number.
    rows.horizontalHeader()->setSortIndicator(8, Qt::AscendingOrder);
    EXPECT_EQ(column(rows, 8), (QStringList{"5,00", "10,00", "10,00"}));
    EXPECT_EQ(column(rows, 0).front(), QStringLiteral("MARTIN"));
    EXPECT_EQ(totals().front(), QStringLiteral("Totaux"));
    rows.horizontalHeader()->setSortIndicator(0, Qt::DescendingOrder);
    EXPECT_EQ(column(rows, 0), (QStringList{"MARTIN", "DUPONT", "(sans nom)"}));

    QTest::mouseClick(&window.otherButton(), Qt::LeftButton);
    run(BilanKind::Schools, "04/05");
    emit rows.cellDoubleClicked(1, 0);  // ECOLE A
    EXPECT_EQ(column(window.details(), 2), (QStringList{"MARTIN", "DUPONT"}));
    EXPECT_EQ(column(window.details(), 0), (QStringList{"lundi 11 avril 2005", "mercredi 20 avril 2005"}));

    const auto csv = exported(window.csvButton(), "b.csv");
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(csv.substr(3, csv.find("\r\n") - 1),
              "École;Maladie;Equipe;Convenance personnelle;Autre raison;Inconnu (bug);Motif non saisi;Total\r\n");
    EXPECT_EQ(exported(window.pdfButton(), "b.pdf").substr(0, 5), "%PDF-");
    // Printing draws the same pages: here into a PDF file rather than on a printer.
    window.setPrintRunner([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(ui::pathToQ(folder.path()) + QStringLiteral("/printed.pdf"));
        return true;
    });
    QTest::mouseClick(&window.printButton(), Qt::LeftButton);
    EXPECT_EQ(pdfPageCount(folder.readBytes("printed.pdf")), 1);
}

TEST_F(BilansTest, PeriodStartingAfterTodayIsRefused) {
    window.show();
    run(BilanKind::Substitutes, "05/06");
    EXPECT_EQ(messages.informs(),
              QStringList{"Je suis incapable de lire dans les boules de cristal... Corrigez l'année scolaire !"});
    EXPECT_FALSE(window.report().has_value());
}

}  // namespace
