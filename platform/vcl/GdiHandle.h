#pragma once
// Owning and borrowing wrappers for GDI and window handles. An owner deletes
// its handle; a borrowed handle (from a paint or draw-item message) is never
// deleted. Owners move, never copy.
#include "WinApi.h"

#include <utility>

namespace vcl {

#if TRAMVELT_HAS_WINDOWS
template <class H>
class TGdiObject {
public:
    TGdiObject() = default;
    explicit TGdiObject(H handle) : handle_(handle) {}
    ~TGdiObject() { Reset(); }
    TGdiObject(TGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    TGdiObject& operator=(TGdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;

    H Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(H handle = nullptr) {
        if (handle_) ::DeleteObject(handle_);
        handle_ = handle;
    }

private:
    H handle_ = nullptr;
};

// A memory device context, deleted with the object.
class TMemoryDC {
public:
    TMemoryDC() : dc_(::CreateCompatibleDC(nullptr)) {}
    ~TMemoryDC() {
        if (dc_) ::DeleteDC(dc_);
    }
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// A window's device context from GetDC, released with the object.
class TWindowDC {
public:
    explicit TWindowDC(HWND window, bool wholeWindow = false)
        : window_(window), dc_(wholeWindow ? ::GetWindowDC(window) : ::GetDC(window)) {}
    ~TWindowDC() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};
#endif

}  // namespace vcl
