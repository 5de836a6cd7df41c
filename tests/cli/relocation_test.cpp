// The programs find their knowledge files beside themselves, wherever the folder is moved.
#include "tests/support/fixture_db.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const char* const kKnowledgeFiles[] = {"dream.dll", "KelFile.dll", "KelBirth.dll", "Tgcode.dll", "Velmora.dll"};

// A copy of build/bin with the given programs and all five knowledge files, in a folder whose name
// has a blank, a percent sign and Chinese characters.
QString copyInstallation(const QTemporaryDir& dir, const QStringList& programs)
{
    const QDir from(builtDatabaseDir());
    QDir(dir.path()).mkdir("嘉 名%20");
    const QDir to(QDir(dir.path()).filePath("嘉 名%20"));
    QStringList files = programs;
    for (const char* f : kKnowledgeFiles) files << f;
    for (const QString& f : files) {
        EXPECT_TRUE(QFile::copy(from.filePath(f), to.filePath(f))) << f.toStdString();
        if (programs.contains(f)) QFile(to.filePath(f)).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    return to.path();
}

struct CliRun {
    int status;
    QString out, err;
};

CliRun runIn(const QString& folder, const QStringList& args)
{
    QProcess p;
    p.setWorkingDirectory(QDir::tempPath());  // never the program's own folder
    p.start(QDir(folder).filePath("jiaming-cli"), args);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace

TEST(Relocation, DbInfoListsEveryTableFromAMovedFolder)
{
    QTemporaryDir dir;
    const QString folder = copyInstallation(dir, {"jiaming-cli"});
    const CliRun run = runIn(folder, {"dbinfo"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList tables = {
        "dream.dll\tchenggu1", "dream.dll\tchenggu2", "dream.dll\tchenggu3", "dream.dll\tchenggu4",
        "dream.dll\tchenggu", "dream.dll\tshouji", "KelFile.dll\t81", "KelFile.dll\tsancai",
        "KelFile.dll\tsancai2009", "KelBirth.dll\tNoter", "KelBirth.dll\thuangdao", "KelBirth.dll\tsg",
        "Tgcode.dll\thzwh", "Tgcode.dll\tjiazi", "Tgcode.dll\tShishen", "Tgcode.dll\tJQ", "Tgcode.dll\tplaces", "Velmora.dll\tword",
        "Velmora.dll\tzh", "Velmora.dll\till_sound", "Velmora.dll\tchar_gloss", "Velmora.dll\tpopular_name",
        "Velmora.dll\tchar_level", "Velmora.dll\teveryday_word", "Velmora.dll\tname_place"};
    QStringList listed;
    for (const QString& line : run.out.split('\n', Qt::SkipEmptyParts)) listed << line.section('\t', 0, 1);
    EXPECT_EQ(listed, tables);
}

TEST(Relocation, AMissingFileIsReportedWithStatusOne)
{
    QTemporaryDir dir;
    const QString folder = copyInstallation(dir, {"jiaming-cli"});
    QFile::remove(QDir(folder).filePath("Tgcode.dll"));
    const CliRun run = runIn(folder, {"dbinfo"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("Tgcode.dll")) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("Velmora.dll\tword")) << "the other files are still listed";
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath("Tgcode.dll"))) << "a missing file is never created";
}

TEST(Relocation, UnknownCommandsAndHelp)
{
    QTemporaryDir dir;
    const QString folder = copyInstallation(dir, {"jiaming-cli"});
    EXPECT_EQ(runIn(folder, {"--help"}).status, 0);
    EXPECT_TRUE(runIn(folder, {"--version"}).out.startsWith("jiaming-cli "));
    EXPECT_EQ(runIn(folder, {"no-such-command"}).status, 2);
}

TEST(Relocation, TheWindowStartsAndStaysUpWithoutItsFiles)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    ASSERT_TRUE(QFile::copy(QDir(builtDatabaseDir()).filePath("jiaming"), QDir(folder).filePath("jiaming")));
    QFile(QDir(folder).filePath("jiaming")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(QDir(folder).filePath("jiaming"), {});
    ASSERT_TRUE(p.waitForStarted(10000));
    EXPECT_FALSE(p.waitForFinished(1500)) << "the program ended by itself: " << p.readAllStandardError().toStdString();
    p.kill();
    p.waitForFinished(5000);
}
