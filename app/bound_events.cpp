#include "app/bound_events.h"
#include "app/control_order.h"
#include "proxy/proxy_actions.h"

void RaiseClick(HWND button) {
    switch (GetDlgCtrlID(button)) {
    case kSetProxyButtonId:
        OnSetProxyClicked(GetDlgItem(GetParent(button), kAddressEditId));
        break;
    case kClearProxyButtonId:
        OnClearProxyClicked();
        break;
    default:
        break; // no other control has a bound event
    }
}
