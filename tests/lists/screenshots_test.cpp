#include <QDir>
#include <QPixmap>

#include "grid_driver.h"
#include "lists/personnels.h"
#include "lists/rattachements.h"
#include "widget_fixture.h"

namespace tandarel::testing {
namespace {

// Pictures of the windows for a person to look at: written only when
// TANDAREL_SHOTS names a folder.
class ListScreens : public WidgetTest {
protected:
    void SetUp() override {
        shots = qEnvironmentVariable("TANDAREL_SHOTS");
        if (shots.isEmpty()) GTEST_SKIP() << "TANDAREL_SHOTS not set";
        QDir().mkpath(shots);
    }
    void save(QWidget& window, const QString& name) {
        settle();
        EXPECT_TRUE(window.grab().save(shots + QLatin1Char('/') + name));
    }
    QString shots;
};

TEST_F(ListScreens, Rattachements) {
    folder.writeLines("Rattachements.pln", {"Fichier des Rattachements", "Abjat - Elém Jules Ferry",
                                            "St Aubrin - Mat J. Perlinot", "Vernelle - Elém Les Tilleuls"});
    Rattachements window(context, nullptr);
    showActive(window);
    settle();
    save(window, "rattachements_open.png");
    clickCell(window.grid(), 1, 0);
    save(window, "rattachements_editing.png");
}

TEST_F(ListScreens, Personnels) {
    folder.writeLines("personnels.pln",
                      {"Fichier des personnels remplaçants",
                       "DORSANVAL Rémi;Vernelle en Lizonne;Elémentaire Pradoux;03 00 99 99 99;Oui;",
                       "MOURELLE Sonia;Vernelle en Lizonne;Elémentaire Marcel Tournaval;03 00 88 88 88;Oui;",
                       "ÉMERY Luc;Nontron;Maternelle Les Pins;05 53 00 00 00;Non;"});
    Personnels window(context, nullptr);
    showActive(window);
    settle();
    save(window, "personnels_open.png");
    clickCell(window.grid(), 1, 1);
    save(window, "personnels_editing.png");
}

}  // namespace
}  // namespace tandarel::testing
