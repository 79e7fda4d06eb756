#include <gtest/gtest.h>
#include <string>
#include "base/double_byte_text.h"
#include "proxy/registry_writer.h"

namespace {
struct SplitCase {
    const char* itemPath;
    const char* keyPath;
    const char* valueName;
};

// "乗" is 81 5C in code page 936: its trail byte is a backslash.
const SplitCase kSplitCases[] = {
    {"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\ProxyEnable",
     "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings", "ProxyEnable"},
    {"ProxyServer", "", "ProxyServer"},
    {"Key\\", "Key", ""},
    {"\\Value", "", "Value"},
    {"A\\\x81\x5C", "A", "\x81\x5C"},
    {"A\\\x81\x5C"
     "B",
     "A",
     "\x81\x5C"
     "B"},
    {"\x81\x5C\\Value", "\x81\x5C", "Value"},
    {"设置\\代理\\值", "设置\\代理", "值"},
    {"A\\\x81", "A", "\x81"}, // a lone lead byte at the end
};

class SplitItemPathTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitItemPathTest, SplitsAtTheLastRealBackslash) {
    const SplitCase& c = GetParam();
    char keyPath[260];
    const char* valueName = nullptr;
    ASSERT_TRUE(SplitItemPath(c.itemPath, keyPath, sizeof keyPath, &valueName));
    EXPECT_EQ(std::string(c.keyPath), keyPath);
    EXPECT_EQ(std::string(c.valueName), valueName);
}

INSTANTIATE_TEST_SUITE_P(Cases, SplitItemPathTest, testing::ValuesIn(kSplitCases));

TEST(SplitItemPath, RefusesAKeyPathThatDoesNotFit) {
    char keyPath[4];
    const char* valueName = nullptr;
    EXPECT_FALSE(SplitItemPath("Long\\Value", keyPath, sizeof keyPath, &valueName));
    EXPECT_TRUE(SplitItemPath("Abc\\Value", keyPath, sizeof keyPath, &valueName));
    EXPECT_STREQ("Abc", keyPath);
}

TEST(FindLastBackslash, IgnoresTrailBytesAndFindsNoneInPlainText) {
    EXPECT_EQ(nullptr, FindLastBackslash(""));
    EXPECT_EQ(nullptr, FindLastBackslash("\x81\x5C\x81\x5C"));
    const char path[] = "C:\\乗\\ieproxy.exe";
    const char* last = FindLastBackslash(path);
    ASSERT_NE(nullptr, last);
    EXPECT_EQ(std::string("\\ieproxy.exe"), last);
    const char folder[] = "C:\\\x81\x5C\\\x81\x5C";
    EXPECT_EQ(folder + 5, FindLastBackslash(folder));
}
} // namespace
