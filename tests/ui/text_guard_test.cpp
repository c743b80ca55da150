#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "ui/text_guard.h"
#include "widget_fixture.h"

using namespace tandarel;
using tandarel::testing::WidgetTest;

using GuardTest = WidgetTest;

TEST_F(GuardTest, SemicolonAndUnstorableCharactersNeverReachTheText) {
    QLineEdit edit;
    ui::guardLineEdit(edit, messages);
    edit.show();
    QTest::keyClicks(&edit, "Ab;c");
    settle();
    EXPECT_EQ(edit.text(), QStringLiteral("Abc"));
    EXPECT_EQ(messages.informs(), QStringList{ui::kSemicolonRefused});

    messages.clear();
    QApplication::clipboard()->setText(QStringLiteral("x;y"));
    edit.paste();
    QApplication::clipboard()->setText(QString::fromUtf8("日本"));
    edit.paste();
    settle();
    EXPECT_EQ(edit.text(), QStringLiteral("Abc"));
    ASSERT_EQ(messages.informs().size(), 2);
    EXPECT_EQ(messages.informs()[0], ui::kSemicolonRefused);
    EXPECT_TRUE(messages.informs()[1].contains(QString::fromUtf8("日"))) << messages.informs()[1].toStdString();

    messages.clear();
    QApplication::clipboard()->setText(QString::fromUtf8(" Elém ¤ € œ"));
    edit.paste();
    settle();
    EXPECT_EQ(edit.text(), QString::fromUtf8("Abc Elém ¤ € œ"));
    EXPECT_TRUE(messages.informs().isEmpty());
}

// A text that already holds a ";" (a hand-edited file) is edited around it without a
// word, and kept when the edit ends; only a new ";" is refused.
TEST_F(GuardTest, OnlyWhatTheChangeAddsIsJudged) {
    QLineEdit edit;
    edit.setText(QStringLiteral("Ecole;annexe"));
    ui::guardLineEdit(edit, messages);
    edit.show();
    EXPECT_TRUE(edit.hasAcceptableInput());
    QTest::keyClicks(&edit, "s");
    settle();
    EXPECT_EQ(edit.text(), QStringLiteral("Ecole;annexes"));
    EXPECT_TRUE(messages.informs().isEmpty());
    QTest::keyClicks(&edit, ";");
    settle();
    EXPECT_EQ(edit.text(), QStringLiteral("Ecole;annexes"));
    EXPECT_EQ(messages.informs(), QStringList{ui::kSemicolonRefused});
}

TEST(Refusal, Texts) {
    EXPECT_EQ(ui::refusalOf(QStringLiteral("a;b")), ui::kSemicolonRefused);
    EXPECT_FALSE(ui::refusalOf(QString::fromUtf8("Rémi Œuvre ¤")).has_value());
    EXPECT_TRUE(ui::refusalOf(QString::fromUtf8("ő")).has_value());
}
