#include "app/main_window_controls.h"
#include "app/address_edit.h"
#include "app/download_link.h"
#include "app/proxy_group.h"
#include "app/push_button.h"
#include "app/static_label.h"
#include "app/web_pane.h"
#include "build_config.h"

namespace {
enum class ControlKind { WebPane, DownloadLink, Label, Button, Edit, Group };
enum class ControlParent { MainWindow, ProxyGroup };

struct ControlEntry {
    ControlSlot slot; // its row in the table: checked below
    ControlKind kind;
    ControlParent parent;
    ControlPlace place;
    bool tabStop;
    const char* text;
    const LabelStyle* labelStyle; // labels only
};

const char kUsageText[] =
    "使用说明： 填写ip地址请如 ip地址:端口号一定要加上:  诺还不会使用请联系" IEPROXY_MAKER_HOST
    "客服";

// In slot order; each row carries the control's name as a comment. The identifiers follow from
// the slots (ControlIdOf).
// clang-format off
constexpr ControlEntry kControls[] = {
    /* 超文本浏览框1 */ {kWebPaneSlot, ControlKind::WebPane, ControlParent::MainWindow, {-5, -10, 690, 143}, true, "", nullptr},
    /* 超级链接框1 */ {kDownloadLinkSlot, ControlKind::DownloadLink, ControlParent::ProxyGroup, {344, 20, 216, 32}, false, "点击下载ip获取工具", nullptr},
    /* 标签3 */ {kUsageLabelSlot, ControlKind::Label, ControlParent::ProxyGroup, {0, 88, 456, 36}, false, kUsageText, &kWrappedRedLabel},
    /* 标签2 */ {kNoRestartLabelSlot, ControlKind::Label, ControlParent::ProxyGroup, {9, 11, 216, 16}, false, "本设置方式不需要重启浏览器即可生效", &kSingleLineRedLabel},
    /* 按钮2 */ {kClearProxyButtonSlot, ControlKind::Button, ControlParent::ProxyGroup, {265, 20, 64, 24}, true, "取消代理", nullptr},
    /* 按钮1 */ {kSetProxyButtonSlot, ControlKind::Button, ControlParent::ProxyGroup, {264, 52, 64, 24}, true, "设置代理", nullptr},
    /* 编辑框1 */ {kAddressEditSlot, ControlKind::Edit, ControlParent::ProxyGroup, {64, 49, 160, 20}, true, "", nullptr},
    /* 标签1 */ {kAddressLabelSlot, ControlKind::Label, ControlParent::ProxyGroup, {8, 46, 48, 16}, false, "IP地址：", &kSingleLineBlackLabel},
    /* 分组框1 */ {kProxyGroupSlot, ControlKind::Group, ControlParent::MainWindow, {0, 140, 584, 140}, false, "设置IP代理", nullptr},
};
// clang-format on

constexpr bool RowsAreInSlotOrder() {
    for (int slot = 0; slot < kControlCount; ++slot)
        if (kControls[slot].slot != slot)
            return false;
    return true;
}
static_assert(sizeof kControls / sizeof kControls[0] == kControlCount, "one row a control");
static_assert(RowsAreInSlotOrder(), "the rows stand in slot order");

HWND CreateControl(const ControlEntry& entry, HWND mainWindow) {
    ControlCreation creation = {mainWindow, ControlIdOf(entry.slot), entry.place,
                                entry.tabStop ? WS_TABSTOP : 0u};
    switch (entry.kind) {
    case ControlKind::WebPane:
        return CreateWebPane(creation);
    case ControlKind::DownloadLink:
        return CreateDownloadLink(creation, entry.text);
    case ControlKind::Label:
        return CreateStaticLabel(creation, entry.text, entry.labelStyle);
    case ControlKind::Button:
        return CreatePushButton(creation, entry.text);
    case ControlKind::Edit:
        return CreateAddressEdit(creation);
    case ControlKind::Group:
        return CreateProxyGroup(creation, entry.text);
    }
    return nullptr;
}

// Among the children of one parent an earlier control lies above a later one.
void StackControls(const MainWindowState& state) {
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    for (int slot = 0; slot < kControlCount; ++slot) {
        HWND above = HWND_TOP;
        for (int earlier = slot - 1; earlier >= 0; --earlier) {
            if (kControls[earlier].parent == kControls[slot].parent) {
                above = state.controls[earlier];
                break;
            }
        }
        SetWindowPos(state.controls[slot], above, 0, 0, 0, 0, flags);
    }
}

} // namespace

bool CreateMainWindowControls(MainWindowState* state) {
    for (int slot = kControlCount - 1; slot >= 0; --slot) {
        state->controls[slot] = CreateControl(kControls[slot], state->window);
        if (state->controls[slot] == nullptr)
            return false; // the caller destroys the main window and, with it, what was made
    }
    HWND group = state->controls[kProxyGroupSlot];
    for (int slot = 0; slot < kControlCount; ++slot)
        if (kControls[slot].parent == ControlParent::ProxyGroup)
            SetParent(state->controls[slot], group);
    StackControls(*state);
    for (HWND control : state->controls)
        ShowWindow(control, SW_SHOWNA);
    return true;
}
