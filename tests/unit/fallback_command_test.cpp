#include <gtest/gtest.h>
#include <string>
#include "app/link_target.h"

namespace {
struct CommandCase {
    const char* commandTemplate;
    const char* commandLine;
};

const char kTarget[] = "www.chengli.example";

const CommandCase kCommandCases[] = {
    // the quoted "%1" is cut before its opening quote, so the space before it stays
    {"\"C:\\Browser\\browser.exe\" \"%1\"", "\"C:\\Browser\\browser.exe\"  www.chengli.example"},
    {"\"C:\\Browser\\browser.exe\" -nohome \"%1\" -x",
     "\"C:\\Browser\\browser.exe\" -nohome  www.chengli.example"},
    {"C:\\browser.exe %1", "C:\\browser.exe  www.chengli.example"},
    {"C:\\browser.exe -url=%1", "C:\\browser.exe -url= www.chengli.example"},
    {"C:\\browser.exe", "C:\\browser.exe www.chengli.example"},
    {"C:\\browser.exe %1 \"%1\"", "C:\\browser.exe %1  www.chengli.example"}, // quoted wins
    {"C:\\browser.exe %2", "C:\\browser.exe %2 www.chengli.example"},
    {"%1", " www.chengli.example"},
};

class FallbackCommandTest : public testing::TestWithParam<CommandCase> {};

TEST_P(FallbackCommandTest, CutsTheTemplateAndAppendsTheTarget) {
    char commandLine[kCommandLineSize];
    ASSERT_TRUE(
        BuildFallbackCommand(GetParam().commandTemplate, kTarget, commandLine, sizeof commandLine));
    EXPECT_EQ(std::string(GetParam().commandLine), commandLine);
}

INSTANTIATE_TEST_SUITE_P(Cases, FallbackCommandTest, testing::ValuesIn(kCommandCases));

TEST(FallbackCommand, ALineThatDoesNotFitIsRefusedNotCut) {
    std::string target = "www.chengli.example";
    // template, one space, target and NUL fill the buffer exactly
    std::string fits(kCommandLineSize - 1 - 1 - target.size(), 'x');
    char commandLine[kCommandLineSize];
    ASSERT_TRUE(
        BuildFallbackCommand(fits.c_str(), target.c_str(), commandLine, sizeof commandLine));
    EXPECT_EQ(kCommandLineSize - 1, std::string(commandLine).size());

    std::string tooLong = fits + "y";
    commandLine[0] = '#';
    EXPECT_FALSE(
        BuildFallbackCommand(tooLong.c_str(), target.c_str(), commandLine, sizeof commandLine));
    EXPECT_EQ('#', commandLine[0]) << "nothing is written when the line does not fit";
}
} // namespace
