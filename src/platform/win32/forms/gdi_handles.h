#pragma once
// Owners for GDI objects and icons: each is deleted once, copying is not allowed.
#include <windows.h>

#include <utility>

namespace velkor::win32 {

template <typename Handle, BOOL(WINAPI* Delete)(Handle)>
class UniqueGdi {
public:
    UniqueGdi() = default;
    explicit UniqueGdi(Handle handle) : handle_(handle) {}
    ~UniqueGdi() { reset(); }
    UniqueGdi(const UniqueGdi&) = delete;
    UniqueGdi& operator=(const UniqueGdi&) = delete;
    UniqueGdi(UniqueGdi&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueGdi& operator=(UniqueGdi&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(Handle handle = nullptr) {
        if (handle_) Delete(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

inline BOOL WINAPI DeleteGdiObject(HGDIOBJ object) { return DeleteObject(object); }
inline BOOL WINAPI DeleteFontObject(HFONT font) { return DeleteObject(font); }
inline BOOL WINAPI DeleteBrushObject(HBRUSH brush) { return DeleteObject(brush); }
inline BOOL WINAPI DeleteBitmapObject(HBITMAP bitmap) { return DeleteObject(bitmap); }
inline BOOL WINAPI DeletePenObject(HPEN pen) { return DeleteObject(pen); }

using UniqueFont = UniqueGdi<HFONT, DeleteFontObject>;
using UniqueBrush = UniqueGdi<HBRUSH, DeleteBrushObject>;
using UniqueBitmap = UniqueGdi<HBITMAP, DeleteBitmapObject>;
using UniquePen = UniqueGdi<HPEN, DeletePenObject>;
using UniqueMemoryDC = UniqueGdi<HDC, DeleteDC>;
using UniqueMenu = UniqueGdi<HMENU, DestroyMenu>;

// Selects an object into a DC for one scope.
class SelectInScope {
public:
    SelectInScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectInScope() { SelectObject(dc_, previous_); }
    SelectInScope(const SelectInScope&) = delete;
    SelectInScope& operator=(const SelectInScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace velkor::win32
