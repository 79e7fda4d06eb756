#pragma once
// Small owners that give back what they hold when they go out of scope, so that every handle,
// DC, buffer and COM reference is released on every path by construction.
#include <windows.h>
#include "base/allocation.h"

// A paint of `window`: BeginPaint, and EndPaint at the end. The clip box is empty when nothing
// needs painting (or the paint context could not be had).
class ScopedPaint {
  public:
    explicit ScopedPaint(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {
        int region = dc_ != nullptr ? GetClipBox(dc_, &clip_) : ERROR;
        if (region == NULLREGION || region == ERROR)
            SetRectEmpty(&clip_);
    }
    ~ScopedPaint() { EndPaint(window_, &paint_); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;
    HDC dc() const { return dc_; }
    const RECT& clip() const { return clip_; }
    bool nothingToPaint() const { return IsRectEmpty(&clip_) != FALSE; }

  private:
    HWND window_;
    PAINTSTRUCT paint_ = {};
    HDC dc_;
    RECT clip_ = {};
};

// The DC of a window's client area: GetDC, and ReleaseDC at the end.
class ScopedWindowDc {
  public:
    explicit ScopedWindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ScopedWindowDc() {
        if (dc_ != nullptr)
            ReleaseDC(window_, dc_);
    }
    ScopedWindowDc(const ScopedWindowDc&) = delete;
    ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// An object selected into a DC; the one it replaced is selected again at the end.
class ScopedSelection {
  public:
    ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelection() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR)
            SelectObject(dc_, previous_);
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A GDI object of our own making: DeleteObject at the end. Declare it before the selection that
// uses it, so that it is deselected first.
template <typename Handle> class ScopedGdiObject {
  public:
    explicit ScopedGdiObject(Handle object) : object_(object) {}
    ~ScopedGdiObject() {
        if (object_ != nullptr)
            DeleteObject(object_);
    }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
    Handle get() const { return object_; }

  private:
    Handle object_;
};

// An open registry key: RegCloseKey at the end. Opened through `receive()`.
class ScopedKey {
  public:
    ScopedKey() = default;
    ~ScopedKey() {
        if (key_ != nullptr)
            RegCloseKey(key_);
    }
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;
    HKEY* receive() {
        if (key_ != nullptr)
            RegCloseKey(key_);
        key_ = nullptr;
        return &key_;
    }
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

// A text in a buffer from AllocateOrFail: FreeAllocation at the end (or at reset()).
class OwnedText {
  public:
    explicit OwnedText(char* text) : text_(text) {}
    OwnedText(OwnedText&& other) noexcept : text_(other.text_) { other.text_ = nullptr; }
    ~OwnedText() { reset(); }
    OwnedText(const OwnedText&) = delete;
    OwnedText& operator=(const OwnedText&) = delete;
    OwnedText& operator=(OwnedText&&) = delete;
    char* get() const { return text_; }
    void reset() {
        FreeAllocation(text_);
        text_ = nullptr;
    }

  private:
    char* text_;
};

// One counted COM reference: Release at the end (or at reset()). Filled through `receive()`.
template <typename Interface> class ComRef {
  public:
    ComRef() = default;
    ~ComRef() { reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    void** receive() {
        reset();
        return reinterpret_cast<void**>(&pointer_);
    }
    void adopt(Interface* taken) { // takes over a reference the caller holds
        reset();
        pointer_ = taken;
    }
    void reset() {
        if (pointer_ != nullptr)
            pointer_->Release();
        pointer_ = nullptr;
    }

  private:
    Interface* pointer_ = nullptr;
};
