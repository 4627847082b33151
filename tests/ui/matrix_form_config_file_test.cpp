// The configuration file from the window's "File" menu onto a real disk: what a save
// writes, what a load shows, and saves that fail (read-only folder, full disk) keeping
// the old file.
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "MatrixFormFixture.h"
#include "TempWorkingDir.h"
#include "labels/ConfigFileTexts.h"
#include "ui/MainMenu.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<char>;

Bytes ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}
void WriteFile(const fs::path& p, const Bytes& bytes) {
    std::ofstream out(p, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A small tmpfs mounted for one test; needs root (and a kernel that lets it mount).
class SmallTmpfs {
public:
    SmallTmpfs(const fs::path& at, const char* options) : at_(at) {
        fs::create_directories(at);
        mounted_ = ::getuid() == 0 && ::mount("tmpfs", at.c_str(), "tmpfs", 0, options) == 0;
    }
    ~SmallTmpfs() {
        if (mounted_) ::umount2(at_.c_str(), MNT_DETACH);
    }
    bool Mounted() const { return mounted_; }
    bool RemountReadOnly() {
        return ::mount("tmpfs", at_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    fs::path at_;
    bool mounted_ = false;
};

class ConfigFileFormTest : public MatrixFormTest {
protected:
    void Save(const fs::path& p) {
        prompts.savePaths.push_back(p.string());
        form->Menu().SaveConfigurationtoFile1->trigger();
    }
    void Load(const fs::path& p) {
        prompts.openPaths.push_back(p.string());
        form->Menu().OpenConfigurationFile1->trigger();
    }
    // As the operator leaves it: the text set and the box's exit action run.
    void Name(const QString& box, const QString& text) {
        Find<QLineEdit>(box)->setText(text);
        form->Core().NameBoxExit(NameBoxOf(box));
    }
    static NameBox NameBoxOf(const QString& box) {
        const int n = box.section("LabelEdit", 1).toInt() - 1;
        if (box.startsWith("Input")) return {NameFamily::Input, n};
        if (box.startsWith("Output")) return {NameFamily::Output, n};
        if (box.startsWith("Group")) return {NameFamily::Group, n};
        return {NameFamily::Preset, n};
    }
    std::vector<fs::path> Entries(const fs::path& folder) const {
        std::vector<fs::path> out;
        for (const auto& e : fs::directory_iterator(folder)) out.push_back(e.path().filename());
        return out;
    }

    TempWorkingDir dir;
};

TEST_F(ConfigFileFormTest, NamesAreSavedInTheWindowsCodePageWithQuestionMarksForTheRest) {
    Name("InputLabelEdit1", QString::fromUtf8("Café"));
    Name("InputLabelEdit2", QString::fromUtf8("摄像机"));
    Name("InputLabelEdit3", QString::fromUtf8("A😀"));
    const fs::path file = dir.Path() / "names";
    Save(file);
    const Bytes bytes = ReadFile(file);
    ASSERT_EQ(bytes.size(), 520u);
    EXPECT_EQ(Bytes(bytes.begin() + 214, bytes.begin() + 219), (Bytes{'C', 'a', 'f', '\xE9', 0}));
    EXPECT_EQ(Bytes(bytes.begin() + 220, bytes.begin() + 224), (Bytes{'?', '?', '?', 0}));
    EXPECT_EQ(Bytes(bytes.begin() + 226, bytes.begin() + 229), (Bytes{'A', '?', 0}));
    EXPECT_EQ(Entries(dir.Path()), std::vector<fs::path>{"names"}) << "no extension added, no file left over";
    EXPECT_TRUE(prompts.messages.empty());

    Click("ResetInputLabelsButton");
    Load(file);
    EXPECT_EQ(Find<QLineEdit>("InputLabelEdit1")->text(), QString::fromUtf8("Café"));
    EXPECT_EQ(Button("InputButton2")->text(), "???");
    EXPECT_EQ(prompts.messages, std::vector<std::string>{ConfigLoadedText});
}

TEST_F(ConfigFileFormTest, SaveAndLoadBringBackTheNamesOnEveryPage) {
    Name("InputLabelEdit3", "CAM1");
    Name("GroupLabelEdit2", "NEWS");
    Name("PresetLabelEdit8", "LATE");
    Name("OutputLabelEdit1", "PGM");
    const fs::path file = dir.Path() / "studio.vx";
    Save(file);

    Click("ResetInputLabelsButton");
    Click("ResetOutputLabelsButton");
    Click("ResetGroupLabelsButton");
    Click("ResetPresetLabelsButton");
    ASSERT_EQ(Button("InputButton3")->text(), "3");
    Load(file);

    EXPECT_EQ(Button("InputButton3")->text(), "CAM1");
    EXPECT_EQ(Button("GroupInputButton3")->text(), "CAM1");
    EXPECT_EQ(Find("InputButton3")->accessibleName(), "Input 3, CAM1");
    EXPECT_EQ(Button("OutputButton1")->text(), "PGM");
    EXPECT_EQ(Button("GroupExistCheckBox2")->text(), "Group 2 (NEWS)");
    EXPECT_EQ(Button("PresetButton8")->text(), "LATE");
    EXPECT_EQ(form->Core().Model().EventsSuppressed, 0);
}

TEST_F(ConfigFileFormTest, AFileOfTheWrongSizeIsRefusedAndTheWindowStays) {
    Name("InputLabelEdit1", "KEEP");
    for (std::size_t size : {519u, 521u}) {
        SCOPED_TRACE(size);
        prompts.messages.clear();
        const fs::path file = dir.Path() / ("size" + std::to_string(size));
        WriteFile(file, Bytes(size, 'X'));
        Load(file);
        EXPECT_EQ(prompts.messages, std::vector<std::string>{ConfigSizeError});
        EXPECT_EQ(Button("InputButton1")->text(), "KEEP");
        EXPECT_EQ(Find<QLineEdit>("InputLabelEdit2")->text(), "2");
    }
    prompts.messages.clear();
    Load(dir.Path() / "nothing here");
    EXPECT_EQ(prompts.messages, std::vector<std::string>{ConfigOpenError});
    prompts.messages.clear();
    Load(dir.Path());  // a folder is no configuration file
    EXPECT_EQ(prompts.messages, std::vector<std::string>{ConfigOpenError});
}

TEST_F(ConfigFileFormTest, ASaveIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
    const fs::path folder = dir.Path() / "locked";
    SmallTmpfs disk(folder, "size=64k");
    const fs::path file = folder / "studio.vx";
    WriteFile(file, Bytes(520, 'O'));
    // Root writes into any folder whatever its mode: a read-only mount is the only lock.
    if (disk.Mounted())
        ASSERT_TRUE(disk.RemountReadOnly());
    else if (::getuid() == 0)
        GTEST_SKIP() << "running as root without the right to mount a tmpfs: no folder is read-only to root";
    else
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);

    Name("InputLabelEdit1", "CAM1");
    Save(file);

    EXPECT_EQ(prompts.messages, std::vector<std::string>{ConfigCreateError});
    EXPECT_EQ(ReadFile(file), Bytes(520, 'O'));
    EXPECT_EQ(Entries(folder), std::vector<fs::path>{"studio.vx"});
    if (!disk.Mounted()) fs::permissions(folder, fs::perms::owner_all);
}

TEST_F(ConfigFileFormTest, ASaveOntoAFullDiskFailsAndKeepsTheOldFile) {
    const fs::path folder = dir.Path() / "full";
    SmallTmpfs disk(folder, "size=16k");
    if (!disk.Mounted()) GTEST_SKIP() << "filling a disk needs a small tmpfs, which only root can mount here";
    const fs::path file = folder / "studio.vx";
    Save(file);
    ASSERT_TRUE(prompts.messages.empty());
    const Bytes old = ReadFile(file);
    ASSERT_EQ(old.size(), 520u);

    // Fill every byte that is left.
    const int fd = ::open((folder / "filler").c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    const std::vector<char> chunk(512, 'F');
    bool full = false;
    for (int i = 0; i < 1000 && !full; ++i) full = ::write(fd, chunk.data(), chunk.size()) < 0;
    ::close(fd);
    ASSERT_TRUE(full);

    Name("InputLabelEdit1", "CAM1");
    Save(file);

    EXPECT_EQ(prompts.messages, std::vector<std::string>{ConfigCreateError});
    EXPECT_EQ(ReadFile(file), old);
    EXPECT_EQ(Entries(folder).size(), 2u) << "no temporary file is left behind";
}

}  // namespace
}  // namespace vx::test
