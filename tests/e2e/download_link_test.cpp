#include <gtest/gtest.h>
#include "build_config.h"
#include "e2e/driver.h"
#include "program_facts.h"
#include "e2e/registry.h"

namespace {
const COLORREF kNormal = RGB(0, 0, 255), kVisited = RGB(128, 0, 0), kHover = RGB(49, 106, 197);
const char kTarget[] = IEPROXY_MAKER_HOST;
const char kHttpCommand[] = "http\\shell\\open\\command"; // where Wine's shell opens a web address
const char kPageType[] = "IeProxyTestPage";
const char kPageCommand[] = "IeProxyTestPage\\shell\\open\\command";

std::string Recorder() {
    return JoinPath(JoinPath(DriverFolder(), "recorder"), "recorder.exe");
}

class DownloadLinkTest : public testing::Test {
  protected:
    // `shellWorks`: whether the shell can open the address; when not, the ".htm" fallback runs.
    void Start(const char* name, bool shellWorks) {
        folder = MakeTestFolder(std::string("link-") + name);
        log = JoinPath(folder, "recorder.log");
        ASSERT_TRUE(classes.SetDefault(kHttpCommand,
                                       shellWorks ? "\"" + Recorder() + "\" \"%1\""
                                                  : "\"C:\\no such folder\\browser.exe\" \"%1\""));
        LaunchOptions options;
        options.environment = {"RECORDER_LOG=" + log};
        ASSERT_TRUE(program.Launch(options));
        window = program.WaitForMainWindow();
        ASSERT_NE(nullptr, window);
        link = ChildById(ChildById(window, kProxyGroupId), kDownloadLinkId);
        ASSERT_NE(nullptr, link);
        ASSERT_TRUE(BringToFront(window));
    }
    void UsePageTemplate(const std::string& commandTemplate) {
        ASSERT_TRUE(classes.SetDefault(".htm", kPageType));
        ASSERT_TRUE(classes.SetDefault(kPageCommand, commandTemplate));
    }
    POINT LinkCentre() {
        RECT rect;
        GetWindowRect(link, &rect);
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    void Press(bool twice = false) {
        POINT centre = LinkCentre();
        ClickAt(centre.x, centre.y, twice);
    }
    void MoveOff() {
        MoveMouseTo(5, 5);
        Sleep(200);
    }
    // What the stand-in browser was started with, after giving it time to start.
    std::vector<std::string> Started() {
        Sleep(1500);
        return ReadLines(log);
    }
    // The link is drawn in `colour`, on the button face, and nothing else.
    void ExpectDrawnIn(COLORREF colour) {
        PixelCount count = CountPixels(link, GetSysColor(COLOR_BTNFACE), colour);
        EXPECT_GT(count.text, 30);
        EXPECT_GT(count.background, count.text);
        EXPECT_EQ(0, count.foreign) << "pixels of another colour than " << std::hex << colour;
    }
    ClassesChange classes;
    ProgramSession program;
    HWND window = nullptr, link = nullptr;
    std::string folder, log;
};

TEST_F(DownloadLinkTest, IsDrawnInItsNormalHoverAndVisitedColours) {
    Start("colours", true);
    MoveOff();
    ExpectDrawnIn(kNormal);
    EXPECT_TRUE(SaveScreenshot("screenshot-window"));
    POINT centre = LinkCentre();
    MoveMouseTo(centre.x, centre.y);
    Sleep(200);
    ExpectDrawnIn(kHover);
    EXPECT_TRUE(SaveScreenshot("screenshot-link-hovered"));
    Press();
    Sleep(300);
    ExpectDrawnIn(kHover); // a visited link under the mouse still shows the hover colour
    MoveOff();
    ExpectDrawnIn(kVisited);
    // The shell opened the address with the program registered for web addresses.
    EXPECT_EQ((std::vector<std::string>{"\"" + Recorder() + "\" \"http://" + kTarget + "\""}),
              Started());
}

TEST_F(DownloadLinkTest, OpensOnceForAPressForADoubleClickAndForAPressThatMovesOff) {
    Start("presses", true);
    Press(true); // a double click: its second press is not a press
    EXPECT_EQ(1u, Started().size());
    POINT centre = LinkCentre();
    MoveMouseTo(centre.x, centre.y);
    LeftButton(true);
    MoveOff(); // the button is still down
    LeftButton(false);
    EXPECT_EQ(2u, Started().size()) << "the press opened it, not the release";
}

struct FallbackCase {
    const char* name;
    const char* before;  // the template is the recorder's quoted path followed by this
    const char* started; // the command line after the recorder's quoted path
};

const FallbackCase kFallbacks[] = {
    {"QuotedPercentOne", " \"%1\"", "  " IEPROXY_MAKER_HOST},
    {"BarePercentOne", " -url=%1", " -url= " IEPROXY_MAKER_HOST},
    {"NoPercentOne", " -new", " -new " IEPROXY_MAKER_HOST},
};

class DownloadLinkFallbackTest : public DownloadLinkTest,
                                 public testing::WithParamInterface<FallbackCase> {};

TEST_P(DownloadLinkFallbackTest, StartsThePageProgramWithTheCutTemplateAndTheTarget) {
    std::string quoted = "\"" + Recorder() + "\"";
    UsePageTemplate(quoted + GetParam().before);
    Start(GetParam().name, false);
    Press();
    EXPECT_EQ((std::vector<std::string>{quoted + GetParam().started}), Started());
    MoveOff();
    ExpectDrawnIn(kVisited);
}

INSTANTIATE_TEST_SUITE_P(Templates, DownloadLinkFallbackTest, testing::ValuesIn(kFallbacks),
                         [](const testing::TestParamInfo<FallbackCase>& param) {
                             return param.param.name;
                         });

// Fallbacks that cannot start anything: nothing starts, no box, the program goes on and the link
// stays plain.
enum class PageFallback {
    NoPageKey,           // no ".htm" key at all
    CommandDoesNotFit,   // cut before %1, the template still leaves 500 bytes: it cannot fit
    TypeWithoutCommand,  // the page type has no open command
    CommandWithoutValue, // the command key opens but has no value: neither the target alone nor
                         // leftover bytes may be started
};

struct NothingStartsCase {
    const char* name;
    PageFallback fallback;
};

const NothingStartsCase kNothingStarts[] = {
    {"NoPageKey", PageFallback::NoPageKey},
    {"CommandDoesNotFit", PageFallback::CommandDoesNotFit},
    {"TypeWithoutCommand", PageFallback::TypeWithoutCommand},
    {"CommandWithoutValue", PageFallback::CommandWithoutValue},
};

class DownloadLinkNothingStartsTest : public DownloadLinkTest,
                                      public testing::WithParamInterface<NothingStartsCase> {
  protected:
    void Arrange(PageFallback fallback) {
        switch (fallback) {
        case PageFallback::NoPageKey:
            ASSERT_TRUE(classes.Remove(".htm"));
            break;
        case PageFallback::CommandDoesNotFit:
            UsePageTemplate("\"" + Recorder() + "\" " + std::string(500 - Recorder().size(), 'x') +
                            " %1");
            break;
        case PageFallback::TypeWithoutCommand:
            ASSERT_TRUE(classes.SetDefault(".htm", kPageType));
            ASSERT_TRUE(classes.Remove(kPageType));
            break;
        case PageFallback::CommandWithoutValue:
            ASSERT_TRUE(classes.SetDefault(".htm", kPageType));
            ASSERT_TRUE(classes.MakeEmpty(kPageCommand));
            break;
        }
    }
};

TEST_P(DownloadLinkNothingStartsTest, StartsNothingSilentlyAndTheLinkStaysPlain) {
    Arrange(GetParam().fallback);
    Start(GetParam().name, false);
    Press();
    EXPECT_TRUE(Started().empty());
    MoveOff();
    ExpectDrawnIn(kNormal);
    EXPECT_TRUE(program.IsRunning());
    EXPECT_EQ(nullptr, program.FindTopLevel(kMessageBoxClass)) << "failures are silent";
}

INSTANTIATE_TEST_SUITE_P(Fallbacks, DownloadLinkNothingStartsTest,
                         testing::ValuesIn(kNothingStarts),
                         [](const testing::TestParamInfo<NothingStartsCase>& param) {
                             return param.param.name;
                         });

// A press that fails after one that succeeded makes the link plain again once the mouse leaves.
TEST_F(DownloadLinkTest, AFailedPressAfterASuccessfulOneMakesTheLinkPlainAgain) {
    Start("plain-again", true);
    Press();
    MoveOff();
    ExpectDrawnIn(kVisited);
    // Now neither the shell nor the program registered for pages can open anything.
    ASSERT_TRUE(classes.SetDefault(kHttpCommand, "\"C:\\no such folder\\browser.exe\" \"%1\""));
    UsePageTemplate("\"C:\\no such folder\\pages.exe\" \"%1\"");
    Press();
    MoveOff();
    ExpectDrawnIn(kNormal);
    EXPECT_EQ(1u, Started().size()) << "only the first press started something";
    EXPECT_EQ(nullptr, program.FindTopLevel(kMessageBoxClass)) << "failures are silent";
}
} // namespace
