#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <functional>
#include <stdexcept>

#include "core/file_error.h"
#include "widget_fixture.h"

namespace tandarel::testing {
namespace {

using GuardedApplicationTest = WidgetTest;

// Whatever a handler throws is said in French where Qt delivers the event, and the next
// click is handled as usual.
TEST_F(GuardedApplicationTest, NoExceptionReachesTheEventLoop) {
    struct Case {
        std::function<void()> fail;
        QString said;
    };
    const std::vector<Case> cases{
        {[] { throw std::logic_error("index hors limites"); },
         QStringLiteral("Une erreur inattendue a interrompu l'opération en cours (index hors limites). Le programme "
                        "continue ; les fichiers déjà enregistrés restent tels quels.")},
        {[] { throw FileError("Impossible d'écrire « a.pln » : Disque plein", "a.pln"); },
         QStringLiteral("Impossible d'écrire « a.pln » : Disque plein")},
        {[] { throw 42; },
         QStringLiteral("Une erreur inattendue a interrompu l'opération en cours. Le programme continue ; les "
                        "fichiers déjà enregistrés restent tels quels.")},
    };
    for (const auto& c : cases) {
        QPushButton button;
        int clicks = 0;
        bool failing = true;
        QObject::connect(&button, &QPushButton::clicked, [&] {
            ++clicks;
            if (failing) c.fail();
        });
        button.show();
        messages.clear();
        QTest::mouseClick(&button, Qt::LeftButton);
        EXPECT_EQ(messages.errors(), QStringList{c.said});
        failing = false;
        QTest::mouseClick(&button, Qt::LeftButton);
        EXPECT_EQ(clicks, 2);
        EXPECT_EQ(messages.errors().size(), 1);
    }
}

}  // namespace
}  // namespace tandarel::testing
