#include "app/documents_folder.h"

#include <gtest/gtest.h>

#include <QtGlobal>
#include <filesystem>

#include "app/command_line.h"
#include "widget_fixture.h"

using namespace tandarel;

namespace {

TEST(StartRequest, OwnOptionsTakePrecedenceInOrderAndTheRestIsLeftToQt) {
    const struct {
        std::vector<std::string> arguments;
        StartRequest request;
    } rows[] = {
        {{"-platform", "offscreen"}, StartRequest::InCurrentFolder},
        {{"-platform", "offscreen", "--dossier-documents"}, StartRequest::InDocumentsFolder},
        {{"--dossier-documents", "--version"}, StartRequest::Version},
        {{"--version", "-h"}, StartRequest::Help},
    };
    for (const auto& row : rows)
        EXPECT_EQ(startRequest(row.arguments), row.request) << ::testing::PrintToString(row.arguments);
}

#ifdef Q_OS_LINUX
// The user's documents folder comes from their XDG directories, pointed here into the test's own folder.
class DocumentsDataFolder : public tandarel::testing::WidgetTest {
protected:
    DocumentsDataFolder() : config_(qgetenv("XDG_CONFIG_HOME")) {
        folder.writeBytes("config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + documents.string() + "\"\n");
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((folder / "config").string()));
    }
    ~DocumentsDataFolder() override {
        std::filesystem::current_path(started);
        qputenv("XDG_CONFIG_HOME", config_);
    }

    const std::filesystem::path started = std::filesystem::current_path();
    const std::filesystem::path documents = folder / "Mes documents";

private:
    QByteArray config_;
};

TEST_F(DocumentsDataFolder, MadeOnTheFirstStartThenEntered) {
    for (int start = 0; start < 2; ++start) {
        const auto entered = enterDocumentsDataFolder(messages);
        ASSERT_TRUE(entered);
        EXPECT_EQ(*entered, documents / "Tandarel");
        EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), *entered));
    }
    EXPECT_TRUE(messages.entries().empty());
}

TEST_F(DocumentsDataFolder, AFileInTheWayIsNamedAndNothingIsEntered) {
    folder.writeBytes("Mes documents/Tandarel", "");
    EXPECT_FALSE(enterDocumentsDataFolder(messages));
    EXPECT_EQ(std::filesystem::current_path(), started);
    ASSERT_EQ(messages.errors().size(), 1);
    EXPECT_TRUE(messages.errors()[0].startsWith(QStringLiteral("Impossible d'utiliser le dossier des données « ") +
                                                QString::fromStdString((documents / "Tandarel").string()) + " » : "))
        << messages.errors()[0].toStdString();
    // The reason in French, whatever the system's language.
    EXPECT_TRUE(messages.errors()[0].endsWith(QStringLiteral(" : Un élément du chemin n'est pas un dossier")))
        << messages.errors()[0].toStdString();
}
#endif

}  // namespace
