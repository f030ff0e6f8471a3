#pragma once
// Names and numbers shared by the parts of the Win32 window system.
#include <windows.h>

namespace velkor::win32 {

inline constexpr wchar_t kFormClass[] = L"VelkorForm";
inline constexpr wchar_t kPictureClass[] = L"VelkorPicture";
inline constexpr wchar_t kApplicationClass[] = L"VelkorApplication";
// Child control ids are this plus the control's place in its form's table.
inline constexpr int kFirstControlId = 100;
inline constexpr UINT_PTR kLabelSubclassId = 1;
inline constexpr UINT_PTR kFrameSubclassId = 2;
// Progress bars take whole numbers; half steps are kept by counting in halves.
inline constexpr int kProgressScale = 2;
// Posted to a form window: run its deferred event.
inline constexpr UINT kDeferredEventMessage = WM_APP + 1;
// kTrayCallbackMessage (platform/window_system.h) is WM_APP + 2.

}  // namespace velkor::win32
