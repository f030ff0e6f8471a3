#include "platform/win32/forms/native_form.h"

namespace velkor::win32 {

NativeSurface* NativeForm::SurfaceOf(HWND window) {
    for (NativeSurface& surface : surfaces)
        if (surface.window == window) return &surface;
    return nullptr;
}

}  // namespace velkor::win32
