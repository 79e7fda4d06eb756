#include <windows.h>
#include "app/keyboard.h"
#include "app/main_window.h"
#include "app/process_start.h"
#include "base/fatal_error.h"
#include "base/process_end.h"

namespace {
int RunMessageLoop(const MainWindowState& state) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (HandleTabKey(state, message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitialiseProcess();
    MainWindowState state;
    if (!BuildMainWindow(&state))
        FailFatally("启动窗口载入失败，程序将退出。");
    state.loopRunning = true;
    int exitCode = state.window != nullptr ? RunMessageLoop(state) : 0;
    ReleaseProcessResources();
    return exitCode;
}
