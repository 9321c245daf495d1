// Move-only owners for Win32 handles and COM pointers, so that no code path closes by hand.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <utility>

namespace platform {

// Owns one handle of a kind described by Traits: its invalid value and how to release it.
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : handle_(h) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::invalid(); }
    Handle release() { return std::exchange(handle_, Traits::invalid()); }
    void reset(Handle h = Traits::invalid()) {
        if (handle_ != Traits::invalid()) Traits::close(handle_);
        handle_ = h;
    }
    // For out-parameters of API calls; releases what was held.
    Handle* put() {
        reset();
        return &handle_;
    }

private:
    Handle handle_ = Traits::invalid();
};

// A handle kind: the value that holds nothing (null, or INVALID_HANDLE_VALUE for the kinds that
// use it) and the function that releases one.
template <typename H, auto Close, bool EmptyIsInvalidHandleValue = false>
struct HandleTraits {
    using Handle = H;
    static Handle invalid() {
        if constexpr (EmptyIsInvalidHandleValue) return INVALID_HANDLE_VALUE;
        else return nullptr;
    }
    static void close(Handle h) { Close(h); }
};

using UniqueKernelHandle = UniqueHandle<HandleTraits<HANDLE, &::CloseHandle>>;
using UniqueFile = UniqueHandle<HandleTraits<HANDLE, &::CloseHandle, true>>;
using UniqueFind = UniqueHandle<HandleTraits<HANDLE, &::FindClose, true>>;
using UniqueHKey = UniqueHandle<HandleTraits<HKEY, &::RegCloseKey>>;
using UniqueHMenu = UniqueHandle<HandleTraits<HMENU, &::DestroyMenu>>;
using UniqueHIcon = UniqueHandle<HandleTraits<HICON, &::DestroyIcon>>;
using UniqueHFont = UniqueHandle<HandleTraits<HFONT, &::DeleteObject>>;
using UniqueHBitmap = UniqueHandle<HandleTraits<HBITMAP, &::DeleteObject>>;
using UniqueCoTaskMem = UniqueHandle<HandleTraits<void*, &::CoTaskMemFree>>;
using UniqueMappedView = UniqueHandle<HandleTraits<void*, &::UnmapViewOfFile>>;

// Owns one reference to a COM interface.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            ptr_ = std::exchange(other.ptr_, nullptr);
        }
        return *this;
    }
    ~ComPtr() { reset(); }

    T* get() const { return ptr_; }
    T* operator->() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }
    void reset() {
        if (ptr_) std::exchange(ptr_, nullptr)->Release();
    }
    T** put() {
        reset();
        return &ptr_;
    }
    void** put_void() { return reinterpret_cast<void**>(put()); }

    template <typename U>
    HRESULT As(ComPtr<U>& other) const {
        return ptr_ ? ptr_->QueryInterface(__uuidof(U), other.put_void()) : E_POINTER;
    }

private:
    T* ptr_ = nullptr;
};

// A device context of a window (or of the screen, for null), released when the scope ends.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(::GetDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context; the one it replaced goes back when the scope ends.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Runs a callable when the scope ends.
template <typename F>
class ScopeExit {
public:
    explicit ScopeExit(F f) : f_(std::move(f)) {}
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    ~ScopeExit() { f_(); }

private:
    F f_;
};

}  // namespace platform
