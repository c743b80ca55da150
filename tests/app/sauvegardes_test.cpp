#include "app/sauvegardes.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include "app/startup_backup.h"
#include "backup/restore.h"
#include "widget_fixture.h"
#include "window_shot.h"

using namespace tandarel;

namespace {

class SauvegardesTest : public tandarel::testing::WidgetTest {
protected:
    SauvegardesTest() {
        folder.writeBytes("semaine.pln", "LUM;;;;;;;;;;;;\r\n");
        week("ancienne");
        backUpData(folder.path(), {{2005, 4, 25}, 9, 0, 1});
        week("r\xE9" "cente");
        backUpData(folder.path(), {{2005, 4, 25}, 9, 30, 1});
        week("actuelle");
    }
    void week(const char* text) { folder.writeBytes("04_05/05_04_25.pln", text); }
    void open() {
        window.show();
        settle();
    }
    QStringList row(int r) {
        QStringList cells;
        for (int c = 0; c < window.table().columnCount(); ++c) cells << window.table().item(r, c)->text();
        return cells;
    }
    void restoreRow(int r, bool yes) {
        window.table().selectRow(r);
        messages.answer(yes);
        QTest::mouseClick(&window.restaurer(), Qt::LeftButton);
    }

    Sauvegardes window{context, nullptr};
};

TEST_F(SauvegardesTest, ListsTheArchivesNewestFirst) {
    open();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tandarel - Sauvegardes     -     "));
    EXPECT_EQ(window.geometry().left(), ui::centredLeft(window.width()));
    ASSERT_EQ(window.table().rowCount(), 2);
    EXPECT_EQ(row(0), (QStringList{QStringLiteral("lundi 25 avril 2005 à 09:30"), QStringLiteral("1 Ko"),
                                   QStringLiteral("1")}));
    EXPECT_EQ(row(1)[0], QStringLiteral("lundi 25 avril 2005 à 09:00"));
    EXPECT_TRUE(window.restaurer().isEnabled());
    tandarel::testing::saveWindowShot(window, QStringLiteral("sauvegardes"));
}

TEST_F(SauvegardesTest, RestoresAfterYesOnlyHavingArchivedTheDataFirst) {
    open();
    QSignalSpy restored(&window, &Sauvegardes::restored);
    restoreRow(1, false);
    EXPECT_EQ(folder.readBytes("04_05/05_04_25.pln"), "actuelle");
    EXPECT_EQ(window.table().rowCount(), 2);
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_EQ(messages.entries()[0].caption, QStringLiteral("Restaurer une sauvegarde ?"));
    EXPECT_EQ(messages.entries()[0].text,
              QStringLiteral("Restaurer la sauvegarde du lundi 25 avril 2005 à 09:00 ?\r\n\r\n"
                             "Les données actuelles seront d'abord sauvegardées, pour que la restauration puisse "
                             "être annulée.\r\nLes fichiers de la sauvegarde remplaceront ceux du dossier de données ; "
                             "les semaines qui n'y figurent pas seront conservées telles quelles."));

    messages.clear();
    restoreRow(1, true);
    EXPECT_EQ(folder.readBytes("04_05/05_04_25.pln"), "ancienne");
    EXPECT_EQ(restored.count(), 1);
    EXPECT_EQ(messages.informs(),
              QStringList{QStringLiteral("La sauvegarde du lundi 25 avril 2005 à 09:00 est restaurée : 1 fichier "
                                         "remplacé, 1 fichier inchangé.\r\nLes données d'avant la restauration sont "
                                         "dans la sauvegarde du lundi 25 avril 2005 à 10:00.")});
    // The data as they were before, archived at the clock's minute, newest in the list.
    ASSERT_EQ(window.table().rowCount(), 3);
    EXPECT_EQ(row(0)[0], QStringLiteral("lundi 25 avril 2005 à 10:00"));
    EXPECT_EQ(readArchiveData(folder / "sauvegardes/tandarel-2005-04-25-1000.zip").front().bytes, "actuelle");
}

TEST_F(SauvegardesTest, TheStartupBackupSaysItsFailureOnceAndGoesOn) {
    runStartupBackup(context);
    EXPECT_TRUE(folder.exists("sauvegardes/tandarel-2005-04-25-1000.zip"));
    EXPECT_EQ(messages.entries().size(), 0u);

    std::filesystem::remove_all(folder / "sauvegardes");
    folder.writeBytes("sauvegardes", "un fichier");
    runStartupBackup(context);
    ASSERT_EQ(messages.errors().size(), 1);
    EXPECT_TRUE(messages.errors()[0].startsWith(
        QStringLiteral("La sauvegarde automatique des données n'a pas pu être faite.\r\nImpossible de créer le "
                       "sous-dossier sauvegardes")));
    EXPECT_EQ(folder.readBytes("04_05/05_04_25.pln"), "actuelle");

    open();
    EXPECT_EQ(window.table().rowCount(), 0);
    EXPECT_FALSE(window.restaurer().isEnabled());
    EXPECT_EQ(messages.errors().size(), 1);
}

}  // namespace
