#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/InstalledFiles.h"

namespace {

void Touch(const QString& path) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

}  // namespace

// An installed tree as the install rules lay it out: the program in bin/, the help in share/tvdl/.
TEST(InstalledFilesTest, HelpFileBesideTheProgramComesBeforeTheInstalledOne) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString program = root.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(program));
    const QString beside = program + QStringLiteral("/tvdl.chm");

    EXPECT_EQ(FindHelpFile(program), beside) << "nowhere: reported missing beside the program";

    const QString installed = root.filePath(QStringLiteral("share/tvdl/tvdl.chm"));
    Touch(installed);
    EXPECT_EQ(FindHelpFile(program), installed);

    Touch(beside);
    EXPECT_EQ(FindHelpFile(program), beside);
}
