// The installed tree as the desktop sees it: the freedesktop layout, the desktop
// entry and the metainfo as their validators read them, and programs that run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <set>
#include <string>

#include "command_output.h"
#include "scratch_install.h"

namespace resonara::test {
namespace {

constexpr const char* kDesktopEntry = "share/applications/example.resonara.Resonara.desktop";
constexpr const char* kMetainfo = "share/metainfo/example.resonara.Resonara.metainfo.xml";
constexpr const char* kIconSizeDirs[] = {"16x16", "32x32"};

class InstallTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { install_ = new ScratchInstall; }
    static void TearDownTestSuite() {
        delete install_;
        install_ = nullptr;
    }
    void SetUp() override {
        ASSERT_EQ(install_->InstallOutput().exitStatus, 0) << install_->InstallOutput().text;
    }

    static const ScratchInstall& Installed() { return *install_; }

private:
    static ScratchInstall* install_;
};

ScratchInstall* InstallTest::install_ = nullptr;

// The value of `key` in the desktop entry's main group, or empty.
std::string DesktopEntryValue(const std::filesystem::path& file, const std::string& key) {
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
    return {};
}

TEST_F(InstallTest, PutsExactlyTheProgramsDesktopEntryMetainfoAndIcons) {
    const std::set<std::string> expected = {
        "bin/resonara",
        "bin/resonara-cli",
        kDesktopEntry,
        kMetainfo,
        "share/icons/hicolor/16x16/apps/example.resonara.Resonara.png",
        "share/icons/hicolor/32x32/apps/example.resonara.Resonara.png",
    };
    EXPECT_EQ(Installed().Files(), expected);
}

TEST_F(InstallTest, InstalledCommandLineRunsAndPrintsTheResults) {
    const CommandOutput run = RunCommand(ShellQuoted(Installed().Path("bin/resonara-cli").string()));
    EXPECT_EQ(run.exitStatus, 0) << run.text;
    EXPECT_EQ(run.text.rfind("Vf: ", 0), 0u) << run.text;
}

TEST_F(InstallTest, DesktopEntryStartsAnInstalledProgramWithAnInstalledIcon) {
    const std::filesystem::path entry = Installed().Path(kDesktopEntry);
    const std::string exec = DesktopEntryValue(entry, "Exec");
    const std::string icon = DesktopEntryValue(entry, "Icon");
    ASSERT_FALSE(exec.empty());
    EXPECT_TRUE(std::filesystem::exists(Installed().Path("bin") / exec.substr(0, exec.find(' ')))) << exec;
    for (const char* size : kIconSizeDirs)
        EXPECT_TRUE(std::filesystem::exists(Installed().Path("share/icons/hicolor") / size / "apps" / (icon + ".png")))
            << size << " " << icon;
}

// A validator run on the installed tree, with the Debian package it comes from.
struct Validator {
    const char* name;
    const char* command;
    const char* target;  // relative to the prefix
    const char* package;
};

constexpr Validator kValidators[] = {
    {"DesktopFileValidate", "desktop-file-validate", kDesktopEntry, "desktop-file-utils"},
    {"AppstreamValidate", "appstreamcli validate --no-net", kMetainfo, "appstream"},
    // The tree check also finds the desktop entry that the metainfo launches.
    {"AppstreamValidateTree", "appstreamcli validate-tree --no-net", "", "appstream"},
};

void PrintTo(const Validator& validator, std::ostream* out) { *out << validator.command; }

class ValidatorTest : public InstallTest, public ::testing::WithParamInterface<Validator> {};

// Both validators report some faults without failing (desktop-file-validate's
// "will be fatal in the future" errors), so their words count too.
TEST_P(ValidatorTest, PassesWithoutErrorsOrWarnings) {
    const Validator& validator = GetParam();
    const CommandOutput run =
        RunCommand(std::string(validator.command) + " " + ShellQuoted(Installed().Path(validator.target).string()));
    ASSERT_NE(run.exitStatus, 127) << validator.command << " is missing: install " << validator.package;
    EXPECT_EQ(run.exitStatus, 0) << run.text;
    EXPECT_EQ(run.text.find("error"), std::string::npos) << run.text;
    EXPECT_EQ(run.text.find("warning"), std::string::npos) << run.text;
}

INSTANTIATE_TEST_SUITE_P(InstalledTree, ValidatorTest, ::testing::ValuesIn(kValidators),
                         [](const ::testing::TestParamInfo<Validator>& info) { return info.param.name; });

}  // namespace
}  // namespace resonara::test
