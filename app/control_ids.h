#pragma once

// Identifiers of the controls of the main window, handed out from 100 in steps of 10 in the
// order the controls are created.
enum ControlId {
    kProxyGroupId = 100,
    kAddressLabelId = 110,
    kAddressEditId = 120,
    kSetProxyButtonId = 130,
    kClearProxyButtonId = 140,
    kNoRestartLabelId = 150,
    kUsageLabelId = 160,
    kDownloadLinkId = 170,
    kWebPaneId = 180,
};
