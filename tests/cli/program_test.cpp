#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "designer_fixture.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

struct ProgramOutcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the installed program through the shell; `arguments` is shell text.
ProgramOutcome RunProgram(const std::string& arguments) {
    const std::string outPath = resonara::test::TestFile("out.txt");
    const std::string errPath = resonara::test::TestFile("err.txt");
    const std::string command =
        std::string("'") + RESONARA_CLI + "' " + arguments + " >'" + outPath + "' 2>'" + errPath + "'";
    const int raw = std::system(command.c_str());
    ProgramOutcome outcome;
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    outcome.out = ReadFile(outPath);
    outcome.err = ReadFile(errPath);
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return outcome;
}

TEST(ProgramTest, ArgumentsReachTheDesignerAndItsStatusTheShell) {
    const ProgramOutcome narrowPort = RunProgram("--dp ' 15.9 ' --json");
    EXPECT_EQ(narrowPort.status, 0);
    EXPECT_NE(narrowPort.out.find("\"port_warning\":true"), std::string::npos);
    EXPECT_EQ(narrowPort.err, "");

    const ProgramOutcome zeroQts = RunProgram("--qts=0");
    EXPECT_EQ(zeroQts.status, 2);
    EXPECT_EQ(zeroQts.out, "");
    EXPECT_EQ(zeroQts.err, "Calculation Stopped: Qts can't equal 0\n");

    const ProgramOutcome letters = RunProgram("--fs 'two dozen'");
    EXPECT_EQ(letters.status, 2);
    EXPECT_NE(letters.err.find("--fs: \"two dozen\" is not a number"), std::string::npos);
}

TEST(ProgramTest, HelpExitsWithZero) {
    const ProgramOutcome help = RunProgram("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: resonara-cli"), std::string::npos);
}

}  // namespace
