#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "build_config.h"
#include "e2e/driver.h"

namespace {
// The program file as data: both the 32-bit product and the 64-bit twin carry the same resources.
class ProgramFileTest : public testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        std::string path = JoinPath(JoinPath(BuildFolder(), GetParam()), "ieproxy.exe");
        module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, module) << path;
    }
    void TearDown() override {
        if (module != nullptr)
            FreeLibrary(module);
    }
    std::string Resource(LPCSTR type, LPCSTR name, WORD language) {
        HRSRC found = FindResourceExA(module, type, name, language);
        if (found == nullptr)
            return "";
        const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        return std::string(data, SizeofResource(module, found));
    }
    HMODULE module = nullptr;
};

// One node of the version record: length, value length, type, key, value, children.
struct VersionNode {
    std::wstring key;
    std::string value;
    std::vector<VersionNode> children;
};

size_t Align4(size_t offset) {
    return (offset + 3) & ~size_t(3);
}

VersionNode ParseVersionNode(const std::string& data, size_t start) {
    auto word = [&](size_t at) {
        return static_cast<unsigned>(static_cast<unsigned char>(data[at]) |
                                     static_cast<unsigned char>(data[at + 1]) << 8);
    };
    VersionNode node;
    size_t length = word(start), valueLength = word(start + 2), type = word(start + 4);
    size_t at = start + 6;
    while (word(at) != 0) {
        node.key += static_cast<wchar_t>(word(at));
        at += 2;
    }
    at = Align4(at + 2);
    size_t valueBytes = type == 1 ? valueLength * 2 : valueLength;
    node.value = data.substr(at, valueBytes);
    at = Align4(at + valueBytes);
    while (at + 6 < start + length) {
        VersionNode child = ParseVersionNode(data, at);
        size_t childLength = word(at);
        node.children.push_back(child);
        at = Align4(at + childLength);
    }
    return node;
}

std::wstring TextValue(const std::string& value) {
    std::wstring text(reinterpret_cast<const wchar_t*>(value.data()), value.size() / 2);
    while (!text.empty() && text.back() == L'\0')
        text.pop_back();
    return text;
}

std::wstring Widen(const char* ascii) {
    return std::wstring(ascii, ascii + strlen(ascii));
}

TEST_P(ProgramFileTest, VersionRecordHoldsEveryFieldInItsOrder) {
    const WORD kSimplifiedChinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED); // 2052
    std::string data = Resource(RT_VERSION, MAKEINTRESOURCEA(VS_VERSION_INFO), kSimplifiedChinese);
    ASSERT_FALSE(data.empty()) << "no version record stored for language 2052";
    VersionNode root = ParseVersionNode(data, 0);
    EXPECT_EQ(L"VS_VERSION_INFO", root.key);
    ASSERT_EQ(sizeof(VS_FIXEDFILEINFO), root.value.size());
    VS_FIXEDFILEINFO fixed;
    memcpy(&fixed, root.value.data(), sizeof fixed);
    EXPECT_EQ(0xFEEF04BDu, fixed.dwSignature);
    EXPECT_EQ(0x00010000u, fixed.dwFileVersionMS);
    EXPECT_EQ(0u, fixed.dwFileVersionLS);
    EXPECT_EQ(0x00010000u, fixed.dwProductVersionMS);
    EXPECT_EQ(0u, fixed.dwProductVersionLS);
    EXPECT_EQ(0u, fixed.dwFileFlagsMask);
    EXPECT_EQ(0u, fixed.dwFileFlags);
    EXPECT_EQ(static_cast<DWORD>(VOS__WINDOWS32), fixed.dwFileOS);
    EXPECT_EQ(static_cast<DWORD>(VFT_APP), fixed.dwFileType);
    EXPECT_EQ(0u, fixed.dwFileSubtype);
    EXPECT_EQ(0u, fixed.dwFileDateMS);
    EXPECT_EQ(0u, fixed.dwFileDateLS);

    ASSERT_EQ(2u, root.children.size());
    const VersionNode& strings = root.children[0];
    EXPECT_EQ(L"StringFileInfo", strings.key);
    ASSERT_EQ(1u, strings.children.size());
    const VersionNode& table = strings.children[0];
    EXPECT_EQ(L"080404B0", table.key);
    const std::pair<std::wstring, std::wstring> expected[] = {
        {L"FileVersion", L"1.0.0.0"},    {L"FileDescription", L"澄栎"},
        {L"ProductName", L"澄栎IP代理"}, {L"ProductVersion", L"1.0.0.0"},
        {L"CompanyName", L"澄栎"},       {L"LegalCopyright", Widen(IEPROXY_MAKER_HOST)},
        {L"Comments", L"澄栎ip代理"},
    };
    ASSERT_EQ(std::size(expected), table.children.size());
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(expected[i].first, table.children[i].key);
        EXPECT_EQ(expected[i].second, TextValue(table.children[i].value)) << "for key " << i;
    }

    const VersionNode& variables = root.children[1];
    EXPECT_EQ(L"VarFileInfo", variables.key);
    ASSERT_EQ(1u, variables.children.size());
    EXPECT_EQ(L"Translation", variables.children[0].key);
    EXPECT_EQ(std::string("\x04\x08\xB0\x04", 4), variables.children[0].value);
}

BOOL CALLBACK TakeFirstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR param) {
    *reinterpret_cast<std::string*>(param) =
        IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)) : name;
    return FALSE;
}

TEST_P(ProgramFileTest, FirstIconGroupIsDefaultIconWithOne32BitImage) {
    std::string first;
    EnumResourceNamesA(module, RT_GROUP_ICON, TakeFirstName, reinterpret_cast<LONG_PTR>(&first));
    EXPECT_EQ("DEFAULT_ICON", first);
    std::string group =
        Resource(RT_GROUP_ICON, "DEFAULT_ICON", MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    ASSERT_EQ(6u + 14u, group.size()) << "one image in the group, language neutral";
    auto byte = [&](size_t at) { return static_cast<unsigned char>(group[at]); };
    EXPECT_EQ(1, byte(4));   // count
    EXPECT_EQ(32, byte(6));  // width
    EXPECT_EQ(32, byte(7));  // height
    EXPECT_EQ(32, byte(12)); // bits per pixel
    WORD imageId = static_cast<WORD>(byte(18) | byte(19) << 8);
    std::string image =
        Resource(RT_ICON, MAKEINTRESOURCEA(imageId), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    ASSERT_GE(image.size(), 40u + 32u * 32u * 4u);
    // Colour with alpha: fully clear corners, opaque middle, soft edges between.
    bool clear = false, opaque = false, soft = false;
    for (size_t pixel = 0; pixel < 32 * 32; ++pixel) {
        unsigned alpha = static_cast<unsigned char>(image[40 + pixel * 4 + 3]);
        clear |= alpha == 0;
        opaque |= alpha == 255;
        soft |= alpha > 0 && alpha < 255;
    }
    EXPECT_TRUE(clear && opaque && soft);
}

TEST_P(ProgramFileTest, LinkCursorIsAMonochromeHandWithItsHotSpotAtTheFingertip) {
    auto cursor = static_cast<HCURSOR>(
        LoadImageA(module, MAKEINTRESOURCEA(1032), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    ASSERT_NE(nullptr, cursor);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(6u, info.xHotspot);
    EXPECT_EQ(1u, info.yHotspot);
    EXPECT_EQ(nullptr, info.hbmColor) << "monochrome: mask only";
    BITMAP mask = {};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(32, mask.bmWidth);
    EXPECT_EQ(64, mask.bmHeight); // AND and XOR halves
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    DestroyCursor(cursor);
}

INSTANTIATE_TEST_SUITE_P(Files, ProgramFileTest, testing::Values("win32", "win64"));
} // namespace
