// The folder the panel works in: made when missing and entered, or refused with its name.
#include <gtest/gtest.h>

#include <QDir>
#include <filesystem>
#include <fstream>

#include "TempWorkingDir.h"
#include "platform/WorkingFolder.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

QString Q(const fs::path& p) {
    return QString::fromStdString(p.string());
}

TEST(WorkingFolder, MissingFoldersAreMadeAndEntered) {
    TempWorkingDir dir;
    const fs::path folder = dir.Path() / "a" / "b" / "c";
    EXPECT_EQ(platform::EnterWorkingFolder(Q(folder)), "");
    EXPECT_EQ(fs::current_path(), folder);
    // Entering it again, now that it exists, is just as good.
    fs::current_path(dir.Path());
    EXPECT_EQ(platform::EnterWorkingFolder(Q(folder)), "");
    EXPECT_EQ(fs::current_path(), folder);
}

TEST(WorkingFolder, AFolderThatCannotBeMadeIsNamedAndTheDirectoryStays) {
    TempWorkingDir dir;
    std::ofstream(dir.Path() / "file") << "x";
    const fs::path folder = dir.Path() / "file" / "sub";
    const QString error = platform::EnterWorkingFolder(Q(folder));
    EXPECT_TRUE(error.contains(Q(folder))) << error.toStdString();
    EXPECT_EQ(fs::current_path(), dir.Path());
    EXPECT_NE(platform::EnterWorkingFolder(""), "");
    EXPECT_EQ(fs::current_path(), dir.Path());
}

TEST(WorkingFolder, TheDesktopFolderIsTheUsersDataFolderForThePanel) {
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/tmp/vx-data-home");
    const QString folder = platform::DesktopDataFolder();
    if (previous.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", previous);
    EXPECT_EQ(folder, "/tmp/vx-data-home/vxpanel");
}

}  // namespace
}  // namespace vx::test
