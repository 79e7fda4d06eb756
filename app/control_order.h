#pragma once

// The controls of the main window in their fixed order, which decides their stacking (an earlier
// control lies above a later one among siblings) and, reversed, the tab cycle.
enum ControlSlot {
    kWebPaneSlot,
    kDownloadLinkSlot,
    kUsageLabelSlot,
    kNoRestartLabelSlot,
    kClearProxyButtonSlot,
    kSetProxyButtonSlot,
    kAddressEditSlot,
    kAddressLabelSlot,
    kProxyGroupSlot,
    kControlCount
};

// The controls are created in reverse order, and the identifiers handed out in creation order
// from 100 in steps of 10.
constexpr int ControlIdOf(ControlSlot slot) {
    return 100 + 10 * (kControlCount - 1 - slot);
}

enum ControlId {
    kProxyGroupId = ControlIdOf(kProxyGroupSlot),             // 100
    kAddressLabelId = ControlIdOf(kAddressLabelSlot),         // 110
    kAddressEditId = ControlIdOf(kAddressEditSlot),           // 120
    kSetProxyButtonId = ControlIdOf(kSetProxyButtonSlot),     // 130
    kClearProxyButtonId = ControlIdOf(kClearProxyButtonSlot), // 140
    kNoRestartLabelId = ControlIdOf(kNoRestartLabelSlot),     // 150
    kUsageLabelId = ControlIdOf(kUsageLabelSlot),             // 160
    kDownloadLinkId = ControlIdOf(kDownloadLinkSlot),         // 170
    kWebPaneId = ControlIdOf(kWebPaneSlot),                   // 180
};
