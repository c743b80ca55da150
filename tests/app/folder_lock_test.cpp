// Two programs on one data folder, as two real processes: the second ends without
// touching the folder; a crashed first one leaves a lock that the next start takes over.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <filesystem>
#include <map>

#include "app/folder_lock.h"
#include "data_folder.h"

namespace tandarel::testing {
namespace {

namespace fs = std::filesystem;

QString nativeFolder(const DataFolder& folder) {
    return QDir::toNativeSeparators(QString::fromStdString(fs::absolute(folder.path()).string()));
}

// Every entry under the folder with its bytes: what "untouched" compares.
std::map<std::string, std::string> snapshot(const DataFolder& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder.path())) {
        const auto relative = entry.path().lexically_relative(folder.path()).generic_string();
        entries[relative] = entry.is_regular_file() ? folder.readBytes(relative) : "<folder>";
    }
    return entries;
}

// Starts the probe on the folder and waits until it holds it.
void startHolding(QProcess& probe, const DataFolder& folder) {
    probe.start(QStringLiteral(FOLDER_LOCK_PROBE), {nativeFolder(folder)});
    QByteArray output;
    while (!output.contains("held\n") && probe.waitForReadyRead(10000)) output += probe.readAllStandardOutput();
    ASSERT_TRUE(output.contains("held\n")) << output.toStdString();
}

// Runs the probe to its end: its exit code and what it printed.
std::pair<int, QString> runProbe(const DataFolder& folder) {
    QProcess probe;
    probe.start(QStringLiteral(FOLDER_LOCK_PROBE), {nativeFolder(folder)});
    probe.closeWriteChannel();
    if (!probe.waitForFinished(10000)) probe.kill();
    return {probe.exitCode(), QString::fromUtf8(probe.readAllStandardOutput())};
}

void expectRefused(const DataFolder& folder) {
    const auto [code, output] = runProbe(folder);
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(output.startsWith(QStringLiteral("Tandarel est déjà ouvert sur ce dossier de données (") +
                                  nativeFolder(folder) + QStringLiteral(") par ")))
        << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral(" sur cet ordinateur."))) << output.toStdString();
}

TEST(FolderLock, ASecondProgramEndsWithoutTouchingTheFolder) {
    DataFolder folder;
    folder.writeBytes("personnels.pln", "Fichier des personnels rempla\xE7" "ants\r\n");
    QProcess first;
    startHolding(first, folder);
    // The first program's save in progress: the second must not clear it.
    const std::string inFlight = ".personnels.pln.0123456789abcdef.tandarel-tmp";
    folder.writeBytes(inFlight, "half");
    const auto before = snapshot(folder);

    expectRefused(folder);
    EXPECT_EQ(snapshot(folder), before);

    // A crash leaves the lock behind: the next start takes it over, and clears the
    // temporary that the crash left.
    first.kill();
    first.waitForFinished();
    ASSERT_TRUE(folder.exists(kFolderLockFile));
    QProcess next;
    startHolding(next, folder);
    EXPECT_FALSE(folder.exists(inFlight));
    next.closeWriteChannel();
    EXPECT_TRUE(next.waitForFinished(10000));
    EXPECT_EQ(next.exitCode(), 0);
}

TEST(FolderLock, TheProgramHoldsItsFolderBeforeItsFirstWindow) {
    DataFolder folder;
    QProcess program;
    program.setWorkingDirectory(QString::fromStdString(folder.path().string()));
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TANDAREL_EXE), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    QElapsedTimer waited;
    waited.start();
    while (!folder.exists(kFolderLockFile) && waited.elapsed() < 20000) QThread::msleep(20);

    expectRefused(folder);
    program.kill();
    program.waitForFinished();
}

}  // namespace
}  // namespace tandarel::testing
