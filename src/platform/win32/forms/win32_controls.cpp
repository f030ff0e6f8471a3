// The child controls of a form window: made from the table, and kept in step with the state.
#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <cmath>

#include "platform/win32/forms/win32_window_system.h"
#include "platform/win32/forms/window_constants.h"
#include "platform/win32/wide_text.h"

namespace velkor::win32 {
namespace {


int CALLBACK NoteFontFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

}  // namespace

POINT Win32WindowSystem::TwipsOrigin(Form& form, const ControlDesign& design) const {
    POINT origin = {design.rect.left, design.rect.top};
    std::string_view container = design.container;
    while (!container.empty()) {
        const ControlDesign& parent = form.control(container).design();
        if (parent.kind != ControlKind::Frame) break;  // a picture box is a window of its own
        origin.x += parent.rect.left;
        origin.y += parent.rect.top;
        container = parent.container;
    }
    return origin;
}

NativeSurface& Win32WindowSystem::SurfaceHolding(NativeForm& native, const ControlDesign& design) {
    std::string_view container = design.container;
    while (!container.empty()) {
        Control& parent = native.form->control(container);
        if (parent.kind() == ControlKind::PictureBox) {
            for (NativeSurface& surface : native.surfaces)
                if (surface.picture == &parent) return surface;
        }
        container = parent.design().container;
    }
    return native.surfaces.front();
}

void Win32WindowSystem::CreateControls(NativeForm& native) {
    int index = 0;
    for (Control& control : native.form->controls()) {
        const ControlDesign& design = control.design();
        if (design.kind == ControlKind::Line) {
            // x1, y1, x2, y2 in twips; drawn by the surface that holds the line.
            const POINT origin = TwipsOrigin(*native.form, design);
            const POINT shift = {origin.x - design.rect.left, origin.y - design.rect.top};
            SurfaceHolding(native, design)
                .lines.push_back({{Pixels(design.rect.left + shift.x), Pixels(design.rect.top + shift.y)},
                                  {Pixels(design.rect.width + shift.x), Pixels(design.rect.height + shift.y)},
                                  design.foreColour.value_or(kBlack)});
        } else {
            if (design.kind == ControlKind::Frame && design.backColour) {
                const POINT origin = TwipsOrigin(*native.form, design);
                RECT area = {Pixels(origin.x), Pixels(origin.y), Pixels(origin.x + design.rect.width),
                             Pixels(origin.y + design.rect.height)};
                SurfaceHolding(native, design).fills.push_back({area, *design.backColour});
            }
            control.native = CreateControlWindow(native, control, index);
            control.SetObserver(this);
        }
        ++index;
    }
    // Frames go under everything, so the controls they hold are drawn over them.
    for (Control& control : native.form->controls())
        if (control.kind() == ControlKind::Frame && control.native)
            SetWindowPos(ControlWindow(control), HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HWND Win32WindowSystem::CreateControlWindow(NativeForm& native, Control& control, int index) {
    const ControlDesign& design = control.design();
    DWORD style = WS_CHILD | (control.Visible() ? WS_VISIBLE : 0);
    DWORD exStyle = 0;
    const wchar_t* windowClass = L"STATIC";
    switch (design.kind) {
        case ControlKind::Label:
            // A label one line high stays on one line rather than showing half a second one.
            // Like text drawn on the window, it stays under the controls that overlap it.
            style |= (design.rect.height <= 255 ? SS_LEFTNOWORDWRAP : SS_LEFT) | SS_NOTIFY |
                     WS_CLIPSIBLINGS;
            break;
        case ControlKind::PictureBox:
            windowClass = kPictureClass;
            style |= WS_CLIPCHILDREN;
            break;
        case ControlKind::Frame:
            // Under the controls it holds, and never painting over them.
            windowClass = L"BUTTON";
            style |= BS_GROUPBOX | WS_CLIPSIBLINGS;
            break;
        case ControlKind::CheckBox: windowClass = L"BUTTON"; style |= BS_AUTOCHECKBOX | WS_TABSTOP; break;
        case ControlKind::TextBox:
            windowClass = L"EDIT";
            style |= ES_AUTOHSCROLL | WS_TABSTOP;
            exStyle |= WS_EX_CLIENTEDGE;
            break;
        case ControlKind::ListBox:
            windowClass = L"LISTBOX";
            style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
            exStyle |= WS_EX_CLIENTEDGE;
            break;
        case ControlKind::VScrollBar: windowClass = L"SCROLLBAR"; style |= SBS_VERT | WS_TABSTOP; break;
        case ControlKind::Button: windowClass = L"BUTTON"; style |= BS_PUSHBUTTON | WS_TABSTOP; break;
        case ControlKind::ProgressBar: windowClass = PROGRESS_CLASSW; break;
        case ControlKind::Image: style |= SS_ICON; break;
        case ControlKind::Line: return nullptr;
    }
    if (!design.tabStop) style &= ~static_cast<DWORD>(WS_TABSTOP);

    NativeSurface& holder = SurfaceHolding(native, design);
    const POINT origin = TwipsOrigin(*native.form, design);
    const std::wstring caption =
        design.kind == ControlKind::Image ? std::wstring() : Widen(control.Caption());
    HWND window = CreateWindowExW(
        exStyle, windowClass, caption.c_str(), style, Pixels(origin.x), Pixels(origin.y),
        Pixels(design.rect.width), Pixels(design.rect.height), holder.window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index)), instance_,
        design.kind == ControlKind::PictureBox ? &native : nullptr);
    if (!window) return nullptr;
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font(design.font.value_or(native.form->design().font))),
                 FALSE);

    switch (design.kind) {
        case ControlKind::Label:
            SetWindowSubclass(window, LabelProc, kLabelSubclassId, reinterpret_cast<DWORD_PTR>(this));
            break;
        case ControlKind::PictureBox: {
            NativeSurface& surface = native.surfaces.emplace_back();
            surface.window = window;
            surface.picture = &control;
            surface.backColour = control.BackColour().value_or(native.form->design().backColour);
            break;
        }
        case ControlKind::Frame:
            SetWindowSubclass(window, FrameProc, kFrameSubclassId, 0);
            [[fallthrough]];
        case ControlKind::CheckBox:
            // Themed check boxes and frames ignore the caption colour.
            SetWindowTheme(window, L"", L"");
            SendMessageW(window, BM_SETCHECK, static_cast<WPARAM>(control.Value()), 0);
            break;
        case ControlKind::VScrollBar:
            SetScrollRange(window, SB_CTL, design.minimum, design.maximum, FALSE);
            SetScrollPos(window, SB_CTL, static_cast<int>(control.Value()), FALSE);
            break;
        case ControlKind::ProgressBar:
            SendMessageW(window, PBM_SETRANGE32, design.minimum * kProgressScale,
                         design.maximum * kProgressScale);
            SendMessageW(window, PBM_SETPOS, static_cast<WPARAM>(std::lround(control.Value() * kProgressScale)), 0);
            break;
        case ControlKind::Image:
            SendMessageW(window, STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);
            break;
        default:
            break;
    }
    control.native = window;
    for (ControlProperty property : {ControlProperty::ListItems, ControlProperty::Enabled})
        ApplyChange(control, property);
    return window;
}

void Win32WindowSystem::ControlChanged(Control& control, ControlProperty property) {
    ApplyChange(control, property);
}

void Win32WindowSystem::ApplyChange(Control& control, ControlProperty property) {
    HWND window = ControlWindow(control);
    if (!window) return;
    applyingChange_ = true;
    switch (property) {
        case ControlProperty::Caption:
            SetWindowTextW(window, Widen(control.Caption()).c_str());
            break;
        case ControlProperty::ForeColour:
            InvalidateRect(window, nullptr, TRUE);
            break;
        case ControlProperty::BackColour:
            if (control.kind() == ControlKind::PictureBox) {
                for (auto& native : nativeForms_)
                    for (NativeSurface& surface : native->surfaces)
                        if (surface.picture == &control) {
                            surface.backColour = control.BackColour().value_or(surface.backColour);
                            surface.brushStale = true;
                        }
            }
            RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            break;
        case ControlProperty::Visible:
            ShowWindow(window, control.Visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case ControlProperty::Enabled:
            EnableWindow(window, control.Enabled());
            break;
        case ControlProperty::Value:
            if (control.kind() == ControlKind::CheckBox)
                SendMessageW(window, BM_SETCHECK, static_cast<WPARAM>(control.Value()), 0);
            else if (control.kind() == ControlKind::ProgressBar)
                SendMessageW(window, PBM_SETPOS, static_cast<WPARAM>(std::lround(control.Value() * kProgressScale)), 0);
            else if (control.kind() == ControlKind::VScrollBar)
                SetScrollPos(window, SB_CTL, static_cast<int>(control.Value()), TRUE);
            break;
        case ControlProperty::ListItems:
            if (control.kind() != ControlKind::ListBox) break;
            SendMessageW(window, LB_RESETCONTENT, 0, 0);
            for (const std::string& item : control.Items())
                SendMessageW(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
            [[fallthrough]];
        case ControlProperty::ListIndex:
            if (control.kind() == ControlKind::ListBox)
                SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(control.ListIndex()), 0);
            break;
    }
    applyingChange_ = false;
}

HFONT Win32WindowSystem::Font(const FontDesign& design) {
    std::wstring face = Widen(design.face);
    if (face == L"MS Sans Serif") {
        auto [known, inserted] = fontInstalled_.try_emplace(face, false);
        if (inserted) {
            LOGFONTW query = {};
            query.lfCharSet = DEFAULT_CHARSET;
            lstrcpynW(query.lfFaceName, face.c_str(), LF_FACESIZE);
            HDC screen = GetDC(nullptr);
            EnumFontFamiliesExW(screen, &query, NoteFontFound, reinterpret_cast<LPARAM>(&known->second), 0);
            ReleaseDC(nullptr, screen);
        }
        if (!known->second) face = L"Microsoft Sans Serif";
    }
    const int height = -MulDiv(static_cast<int>(std::lround(design.points * 100)), dpi_, 7200);
    UniqueFont& font = fonts_[{face, height, design.bold}];
    if (!font) {
        LOGFONTW logical = {};
        logical.lfHeight = height;
        logical.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
        logical.lfCharSet = DEFAULT_CHARSET;
        lstrcpynW(logical.lfFaceName, face.c_str(), LF_FACESIZE);
        font.reset(CreateFontIndirectW(&logical));
    }
    return font.get();
}

}  // namespace velkor::win32
