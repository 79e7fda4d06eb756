#include <gtest/gtest.h>
#include <cstdio>
#include <vector>
#include "build_config.h"
#include "e2e/driver.h"
#include "program_facts.h"
#include "e2e/registry.h"

namespace {

struct ControlCase {
    const char* name;
    int id;
    const char* className;
    bool inGroup;
    RECT place;     // left, top, right, bottom in the parent's client area
    LONG_PTR style; // as the window has it once shown
    LONG_PTR exStyle;
    const char* text;
};

const LONG_PTR kChild = WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE;
const LONG_PTR kButton =
    kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;

const ControlCase kControls[] = {
    {"WebPane", kWebPaneId, kWebPaneClass, false, {-5, -10, 685, 133}, kChild | WS_TABSTOP, 0, ""},
    {"DownloadLink",
     kDownloadLinkId,
     kLinkClass,
     true,
     {344, 20, 560, 52},
     kChild,
     0,
     "点击下载ip获取工具"},
    {"UsageLabel",
     kUsageLabelId,
     kLabelClass,
     true,
     {0, 88, 456, 124},
     kChild,
     0,
     "使用说明： 填写ip地址请如 ip地址:端口号一定要加上:  诺还不会使用请联系" IEPROXY_MAKER_HOST
     "客服"},
    {"NoRestartLabel",
     kNoRestartLabelId,
     kLabelClass,
     true,
     {9, 11, 225, 27},
     kChild,
     0,
     "本设置方式不需要重启浏览器即可生效"},
    {"ClearProxyButton",
     kClearProxyButtonId,
     "Button",
     true,
     {265, 20, 329, 44},
     kButton,
     0,
     "取消代理"},
    {"SetProxyButton",
     kSetProxyButtonId,
     "Button",
     true,
     {264, 52, 328, 76},
     kButton,
     0,
     "设置代理"},
    {"AddressEdit",
     kAddressEditId,
     "Edit",
     true,
     {64, 49, 224, 69},
     kChild | WS_TABSTOP | ES_AUTOHSCROLL,
     WS_EX_CLIENTEDGE,
     ""},
    {"AddressLabel", kAddressLabelId, kLabelClass, true, {8, 46, 56, 62}, kChild, 0, "IP地址："},
    {"ProxyGroup",
     kProxyGroupId,
     "Button",
     false,
     {0, 140, 584, 280},
     kChild | BS_GROUPBOX | BS_LEFT,
     0,
     "设置IP代理"},
};

// The address box grows to fit a Chinese character and its border, measured in the font it has
// right after its creation: the system font.
int AddressEditHeight() {
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SIZE extent = {};
    GetTextExtentPoint32A(dc, "吴", 2, &extent);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    int needed = extent.cy + 2 * GetSystemMetrics(SM_CYEDGE);
    return needed > 20 ? needed : 20;
}

class ControlsTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        program = new ProgramSession;
        ASSERT_TRUE(program->Launch());
        window = program->WaitForMainWindow();
    }
    static void TearDownTestSuite() {
        delete program;
        program = nullptr;
    }
    void SetUp() override { ASSERT_NE(nullptr, window); }
    static HWND Group() { return ChildById(window, kProxyGroupId); }
    static ProgramSession* program;
    static HWND window;
};
ProgramSession* ControlsTest::program = nullptr;
HWND ControlsTest::window = nullptr;

TEST_F(ControlsTest, EachControlHasItsClassParentPlaceStyleAndText) {
    for (const ControlCase& c : kControls) {
        SCOPED_TRACE(c.name);
        HWND parent = c.inGroup ? Group() : window;
        HWND control = ChildById(parent, c.id);
        ASSERT_NE(nullptr, control);
        EXPECT_EQ(parent, GetParent(control));
        EXPECT_STRCASEEQ(c.className, ClassOf(control).c_str());
        RECT place = RectInParent(control);
        RECT expected = c.place;
        if (c.id == kAddressEditId)
            expected.bottom = expected.top + AddressEditHeight();
        EXPECT_EQ(expected.left, place.left);
        EXPECT_EQ(expected.top, place.top);
        EXPECT_EQ(expected.right, place.right);
        EXPECT_EQ(expected.bottom, place.bottom);
        EXPECT_EQ(c.style, GetWindowLongPtrA(control, GWL_STYLE));
        EXPECT_EQ(c.exStyle, GetWindowLongPtrA(control, GWL_EXSTYLE));
        EXPECT_EQ(Hex(c.text), Hex(TextOf(control)));
        EXPECT_TRUE(IsWindowEnabled(control));
    }
}

TEST_F(ControlsTest, ClassesCursorsBrushesAndFontsAreAsEachControlNeeds) {
    const char* expected[] = {
        "window id=180 class=IeProxyWebPane classstyle=0xb brush=white font=none cursor=arrow",
        "window id=100 class=Button classstyle=0x",
        "window id=170 class=IeProxyLink classstyle=0xb brush=null font=none cursor=hotspot=6,1 "
        "mask=32x64 colour=no program1032=1",
        "window id=160 class=IeProxyLabel classstyle=0xb brush=null font=none cursor=arrow",
        "window id=150 class=IeProxyLabel classstyle=0xb brush=null font=none cursor=arrow",
        "window id=110 class=IeProxyLabel classstyle=0xb brush=null font=none cursor=arrow",
    };
    std::vector<std::string> report = program->Probe(window);
    ASSERT_FALSE(report.empty());
    for (const char* line : expected) {
        std::string prefix(line);
        bool found = false;
        for (const std::string& got : report)
            found |= got.compare(0, prefix.size(), prefix) == 0;
        EXPECT_TRUE(found) << "no line starts with: " << line;
    }
    // The standard controls carry the default GUI font (ours draw with it without being told).
    for (int id : {kProxyGroupId, kAddressEditId, kSetProxyButtonId, kClearProxyButtonId}) {
        std::string prefix = "window id=" + std::to_string(id) + " ";
        for (const std::string& got : report) {
            if (got.compare(0, prefix.size(), prefix) == 0) {
                EXPECT_NE(std::string::npos, got.find(" font=default ")) << got;
            }
        }
    }
}

TEST_F(ControlsTest, EarlierControlsLieAboveLaterOnesAmongSiblings) {
    std::vector<int> mainIds, groupIds;
    for (HWND child : ChildrenTopToBottom(window))
        mainIds.push_back(GetDlgCtrlID(child));
    for (HWND child : ChildrenTopToBottom(Group()))
        groupIds.push_back(GetDlgCtrlID(child));
    EXPECT_EQ((std::vector<int>{kWebPaneId, kProxyGroupId}), mainIds);
    EXPECT_EQ(
        (std::vector<int>{kDownloadLinkId, kUsageLabelId, kNoRestartLabelId, kClearProxyButtonId,
                          kSetProxyButtonId, kAddressEditId, kAddressLabelId}),
        groupIds);
}

TEST_F(ControlsTest, AddressEditHasTheFocusAtStart) {
    EXPECT_EQ(ChildById(Group(), kAddressEditId), program->Focus());
}

TEST_F(ControlsTest, LabelsPaintRedAndBlackTextOnTheButtonFace) {
    struct {
        int id;
        COLORREF text;
    } labels[] = {{kNoRestartLabelId, RGB(255, 0, 0)},
                  {kUsageLabelId, RGB(255, 0, 0)},
                  {kAddressLabelId, RGB(0, 0, 0)}};
    for (const auto& label : labels) {
        PixelCount count =
            CountPixels(ChildById(Group(), label.id), GetSysColor(COLOR_BTNFACE), label.text);
        EXPECT_GT(count.text, 20) << "label " << label.id;
        EXPECT_GT(count.background, count.text)
            << "label " << label.id << ": opaque face-coloured background";
        EXPECT_EQ(0, count.foreign)
            << "label " << label.id << ": nothing but its text on its background";
    }
}

// A colour request reaches the control that sent it, through whichever window is its parent:
// the address box answers black on white with the white brush, the group box's caption black on
// the button face. A request that no child answers gets the platform's default answer.
TEST_F(ControlsTest, ColourRequestsAreAnsweredByTheControlThatSentThem) {
    std::vector<std::string> report = program->Probe(window, kProbeColours);
    ASSERT_EQ(6u, report.size());
    char face[16];
    std::snprintf(face, sizeof face, "%06lx",
                  static_cast<unsigned long>(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ("edit text=000000 back=ffffff brush=white", report[0]);
    EXPECT_EQ(std::string("group text=000000 back=") + face + " brush=btnface", report[1]);
    auto answer = [](const std::string& line) { return line.substr(line.find(' ')); };
    EXPECT_EQ(0u, report[3].find("label-default "));
    EXPECT_EQ(answer(report[3]), answer(report[2])) << "a label does not answer: the default";
    EXPECT_EQ(0u, report[5].find("pane-default "));
    EXPECT_EQ(answer(report[5]), answer(report[4])) << "the web pane does not answer: the default";
}

// At 120 dots per inch the system font is taller, and the rule makes the box taller than its 20
// pixels. The expected height comes from the system font as the program's own process has it.
TEST(ControlsAtHigherResolution, AddressEditGrowsWithTheSystemFont) {
    ScreenDpi dpi(120);
    ProgramSession program;
    ASSERT_TRUE(program.Launch());
    HWND window = program.WaitForMainWindow();
    ASSERT_NE(nullptr, window);
    std::vector<std::string> report = program.Probe(window, kProbeSystemFont);
    ASSERT_EQ(1u, report.size());
    int height = 0, edge = 0, resolution = 0;
    ASSERT_EQ(3, std::sscanf(report[0].c_str(), "systemfont height=%d edge=%d dpi=%d", &height,
                             &edge, &resolution))
        << report[0];
    ASSERT_EQ(120, resolution) << "the program runs at the resolution set for it";
    int needed = height + 2 * edge;
    ASSERT_GT(needed, 20) << "at this resolution the rule must grow the box";
    RECT place = RectInParent(ChildById(ChildById(window, kProxyGroupId), kAddressEditId));
    EXPECT_EQ(49, place.top) << "it grows downward";
    EXPECT_EQ(needed, place.bottom - place.top);
    EXPECT_EQ(160, place.right - place.left);
}
} // namespace
