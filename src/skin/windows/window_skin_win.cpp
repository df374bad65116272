// The skin's life on its window, and the window's messages.
#include "skin/windows/window_skin_win.h"

#include "skin/windows/skin_menu_win.h"

#include "runtime/base/utf_win.h"
#include "skin/skin_assets.h"
#include "skin/skin_state_win.h"

namespace vorn::skin {
namespace {

// Timer ids 1, 2 and 3: the show and hide motion, a hover fade that steps
// every 25 ms, a picture link's cells that turn every 80 ms.
constexpr UINT_PTR kZoomTimer = 1, kFadeTimer = 2, kFramesTimer = 3;
constexpr UINT kFadeTickMs = 25, kFramesTickMs = 80;

}  // namespace

WindowSkin::WindowSkin(const SkinState& skin, const PellumOptions& routines,
                       std::function<void()> onGone)
    : skin_(skin),
      routines_(routines),
      onGone_(std::move(onGone)),
      painter_(skin),
      fadeTimer_(kFadeTimer, kFadeTickMs),
      framesTimer_(kFramesTimer, kFramesTickMs),
      zoom_(kZoomTimer, [this](bool shown) { OnZoomFinished(shown); }),
      backdrop_(skin) {}

WindowSkin::~WindowSkin() {
    relays_.clear();
    const HWND window = handle();
    if (window == nullptr) return;
    // Whole again before it is let go.
    zoom_.Finish();
    StopTimers();
    HideCaretNow();
    Detach();
    if (GetCapture() == window) ReleaseCapture();
    if (IsWindow(window)) InvalidateRect(window, nullptr, TRUE);
}

bool WindowSkin::TakeOver(HWND window, const FrameOptions& frame, std::vector<SkinItem> items,
                          Origin origin) {
    if (!Attach(window)) return false;
    frame_ = frame;
    origin_ = origin;
    items_.resize(kFrameItemCount);
    BuildFrame();
    TakeIcon();
    Frame(FrameSlot::Icon).routine = frame_.iconRoutine;
    for (SkinItem& item : items) items_.push_back(std::move(item));
    hasFocus_ = GetFocus() == window;
    RelayTabs();
    // The skin's arrow for the whole window; children keep their own.
    SetClassLongPtrW(window, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(Cursor(kCursorClass)));
    // Children draw themselves; the system frame goes (WM_NCCALCSIZE).
    SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_CLIPCHILDREN);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (origin_ == Origin::Created) {
        RECT rect{};
        GetWindowRect(window, &rect);
        SetRoundedRegion(window, rect.right - rect.left, rect.bottom - rect.top);
    }
    return true;
}

SkinItem* WindowSkin::ItemAt(int index) {
    if (index < 1 || static_cast<std::size_t>(index) > items_.size()) return nullptr;
    return &items_[static_cast<std::size_t>(index - 1)];
}

const SkinItem* WindowSkin::ItemAt(int index) const {
    return const_cast<WindowSkin*>(this)->ItemAt(index);
}

void WindowSkin::ShowAnimated(bool show) {
    if (handle() == nullptr) return;
    RelayTabs();
    // The picture is taken as the window will look.
    if (show) HideCaretNow();
    zoom_.Start(handle(), show, [this](HDC dc, int, int) { PaintPicture(dc); });
}

void WindowSkin::OnZoomFinished(bool shown) {
    if (shown) {
        UpdateCaret();
        return;
    }
    HideCaretNow();
    if (onHidden_) onHidden_();
}

HCURSOR WindowSkin::Cursor(int skinCursor) const {
    const HCURSOR cursor = skin_.skinCursors[static_cast<std::size_t>(skinCursor)].Get();
    return cursor ? cursor : LoadCursorW(nullptr, IDC_ARROW);
}

void WindowSkin::Redraw(bool now) {
    if (handle() == nullptr) return;
    if (now) Refresh();
    else PostMessageW(handle(), kSkinRedrawMessage, 0, 0);
}

void WindowSkin::OnWindowGone() {
    StopTimers();
    zoom_.Abandon();
    relays_.clear();
    // Taken out first: the routine may destroy this skin.
    const std::function<void()> gone = std::move(onGone_);
    if (gone) gone();
}

LRESULT WindowSkin::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        // No system frame or caption: the skin draws its own.
        case WM_NCCALCSIZE: return 0;
        case WM_NCPAINT: return 0;
        case WM_NCACTIVATE: return TRUE;
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: Paint(); return 0;
        case WM_PRINTCLIENT: PrintClient(reinterpret_cast<HDC>(wParam)); return 0;
        case kSkinRedrawMessage: Refresh(); return 0;
        case WM_SETTEXT: {
            const LRESULT result = Default(message, wParam, lParam);
            if (!frame_.title && lParam != 0) {
                Frame(FrameSlot::Title).style.text =
                    runtime::Narrow(reinterpret_cast<const wchar_t*>(lParam));
                painter_.ForgetText(Slot(FrameSlot::Title));
                InvalidateItem(Slot(FrameSlot::Title));
            }
            return result;
        }
        case WM_SIZE: {
            const LRESULT result = Default(message, wParam, lParam);
            OnSize(wParam);
            return result;
        }
        case WM_DISPLAYCHANGE:
            composed_ = false;
            InvalidateRect(handle(), nullptr, FALSE);
            return Default(message, wParam, lParam);
        case WM_SETCURSOR:
            if (OnSetCursor(lParam)) return TRUE;
            return Default(message, wParam, lParam);
        case WM_MOUSEMOVE:
            OnMouseMove(lParam);
            if (pressed_ >= 0 || draggingCaption_) return 0;
            return Default(message, wParam, lParam);
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONDOWN: {
            const bool doubleClick = message == WM_LBUTTONDBLCLK;
            if (doubleClick && OnCaptionDoubleClick(lParam)) return 0;
            OnButtonDown(lParam, doubleClick);
            if (pressed_ >= 0 || draggingCaption_) return 0;
            return Default(message, wParam, lParam);
        }
        case WM_LBUTTONUP:
            if (pressed_ >= 0 || draggingCaption_) {
                OnButtonUp(lParam);
                return 0;
            }
            return Default(message, wParam, lParam);
        case WM_CAPTURECHANGED:
            if (draggingCaption_) captionDrag_.OnCaptureLost();
            draggingCaption_ = false;
            if (pressed_ >= 0 && reinterpret_cast<HWND>(lParam) != handle()) {
                const auto pressed = static_cast<std::size_t>(pressed_);
                pressed_ = -1;
                InvalidateItem(pressed);
            }
            return Default(message, wParam, lParam);
        case WM_MOUSELEAVE:
            OnMouseLeave();
            return Default(message, wParam, lParam);
        case WM_TIMER:
            if (zoom_.OnTimer(wParam)) return 0;
            if (wParam == fadeTimer_.Id() || wParam == framesTimer_.Id()) {
                OnTimer(wParam);
                return 0;
            }
            return Default(message, wParam, lParam);
        case WM_MEASUREITEM:
        case WM_DRAWITEM:
        case WM_MENUCHAR:
            if (const auto answer = AnswerSkinMenuMessage(message, wParam, lParam)) return *answer;
            return Default(message, wParam, lParam);
        case WM_SETFOCUS:
            OnSetFocus();
            return Default(message, wParam, lParam);
        case WM_KILLFOCUS:
            OnKillFocus();
            return Default(message, wParam, lParam);
        case WM_ACTIVATE: {
            const LRESULT result = Default(message, wParam, lParam);
            OnActivate(wParam);
            return result;
        }
        case WM_GETDLGCODE:
            // The items take the keys while one of them has the focus.
            if (focused_ >= 0 || TabsThroughControls())
                return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
            return Default(message, wParam, lParam);
        case WM_KEYDOWN:
            if (OnKeyDown(wParam)) return 0;
            return Default(message, wParam, lParam);
        case WM_CHAR:
            if (OnChar(wParam)) return 0;
            return Default(message, wParam, lParam);
        case WM_IME_CHAR:
            if (FocusedEdit() == nullptr) break;
            EditChar(static_cast<wchar_t>(wParam));
            return 0;
        case WM_IME_STARTCOMPOSITION:
            UpdateCaret();
            return Default(message, wParam, lParam);
        case WM_IME_COMPOSITION:
            if (OnImeComposition(lParam)) return 0;
            return Default(message, wParam, lParam);
        case WM_PARENTNOTIFY:
            // A control made now may join the Tab cycle.
            if (LOWORD(wParam) == WM_CREATE) RelayTabs();
            return Default(message, wParam, lParam);
        case WM_CLOSE:
            if (!routines_.onClose) break;
            AskToClose();
            return 0;
        case WM_DESTROY:
            StopTimers();
            zoom_.Abandon();
            HideCaretNow();
            if (!routines_.onDestroy) break;
            // Told here only: the window's own destroy handling is the skin's now.
            (*routines_.onDestroy)(handle(), WM_DESTROY);
            return 0;
        default: break;
    }
    return Default(message, wParam, lParam);
}

void WindowSkin::AskToClose() {
    const HWND window = handle();
    if ((*routines_.onClose)(window, WM_CLOSE) != 0) return;
    // Let go: destroyed here rather than passed on, so nothing under the
    // skin asks a second time. The skin may be gone afterwards.
    if (IsWindow(window)) DestroyWindow(window);
}

}  // namespace vorn::skin
