#include "e2e/input_and_screen.h"
#include "e2e/process_session.h"

namespace {
void SendInputs(std::vector<INPUT>& inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(150);
}

INPUT KeyInput(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}
} // namespace

void PressKey(WORD key, bool shift, bool alt) {
    std::vector<INPUT> inputs;
    if (shift)
        inputs.push_back(KeyInput(VK_SHIFT, false));
    if (alt)
        inputs.push_back(KeyInput(VK_MENU, false));
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    if (alt)
        inputs.push_back(KeyInput(VK_MENU, true));
    if (shift)
        inputs.push_back(KeyInput(VK_SHIFT, true));
    SendInputs(inputs);
}

bool BringToFront(HWND window) {
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; }, 5000);
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

namespace {
bool Between(COLORREF pixel, COLORREF a, COLORREF b) {
    auto within = [](int value, int x, int y) {
        return value >= (x < y ? x : y) - 40 && value <= (x > y ? x : y) + 40;
    };
    return within(GetRValue(pixel), GetRValue(a), GetRValue(b)) &&
           within(GetGValue(pixel), GetGValue(a), GetGValue(b)) &&
           within(GetBValue(pixel), GetBValue(a), GetBValue(b));
}
} // namespace

PixelCount CountPixels(HWND window, COLORREF background, COLORREF text) {
    PixelCount count;
    RECT rect;
    GetWindowRect(window, &rect);
    HDC screen = GetDC(nullptr);
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) {
            COLORREF pixel = GetPixel(screen, x, y);
            if (pixel == background)
                ++count.background;
            else if (Between(pixel, background, text))
                ++count.text;
            else
                ++count.foreign;
        }
    ReleaseDC(nullptr, screen);
    return count;
}

namespace {
void Xdotool(const std::string& arguments) {
    std::string commandLine = "/usr/bin/xdotool " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    Sleep(200);
}
} // namespace

void MoveMouseTo(int x, int y) {
    Xdotool("mousemove " + std::to_string(x) + " " + std::to_string(y));
    // Wine passes a move of the X pointer on to the window that holds the capture only once a
    // move of its own input says so.
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    Sleep(150);
}

// The buttons go through SendInput: after a button of xdotool's, Wine stops passing the
// pointer's moves to the window that holds the capture.
void LeftButton(bool down) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
    Sleep(100);
}

void ClickAt(int x, int y, bool twice) {
    MoveMouseTo(x, y);
    for (int click = 0; click < (twice ? 2 : 1); ++click) {
        LeftButton(true);
        LeftButton(false);
    }
}

bool SaveScreenshot(const std::string& name) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    DWORD imageSize = static_cast<DWORD>(((width * 3 + 3) & ~3) * height);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + imageSize;
    std::string path = JoinPath(BuildFolder(), name + ".bmp");
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    bool saved = false;
    if (out != INVALID_HANDLE_VALUE) {
        DWORD written;
        saved = WriteFile(out, &file, sizeof file, &written, nullptr) &&
                WriteFile(out, &header, sizeof header, &written, nullptr) &&
                WriteFile(out, bits, imageSize, &written, nullptr);
        CloseHandle(out);
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}
