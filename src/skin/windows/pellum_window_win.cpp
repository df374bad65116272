#include "skin/windows/pellum_window_win.h"

#include "runtime/base/utf_win.h"
#include "skin/modal_loop_win.h"
#include "skin/skin_assets.h"
#include "skin/windows/item_painter_win.h"

namespace vorn::skin {
namespace {

void RegisterPellumClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, PellumWindow::kClassName, &windowClass)) return;
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = PellumWindow::kClassName;
    RegisterClassExW(&windowClass);
}

POINT CentredOrigin(HWND owner, int width, int height) {
    RECT area{};
    if (owner) GetWindowRect(owner, &area);
    else SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return {area.left + (area.right - area.left - width) / 2,
            area.top + (area.bottom - area.top - height) / 2};
}

}  // namespace

PellumWindow::PellumWindow(const SkinState* skin)
    : skin_(skin), painter_(skin ? std::make_unique<ItemPainter>(*skin) : nullptr) {}

PellumWindow::~PellumWindow() { TearDown(); }

bool PellumWindow::IsSetUp() const { return painter_ && painter_->Ready(); }

std::uint32_t PellumWindow::AttachTo(HWND window, const FrameOptions& frame) {
    if (!IsSetUp()) return kNotSetUp;
    if (handle() != nullptr || blocked_ || !Attach(window)) return kBusy;
    frame_ = frame;
    BuildFrame();
    TakeIcon();
    for (const PellumItem& item : pending_) items_.push_back(item);
    painter_->ForgetAll();
    timers_.SetWindow(handle());
    composed_ = false;
    // The skin's arrow for the whole window; children keep their own.
    SetClassLongPtrW(window, GCLP_HCURSOR,
                     reinterpret_cast<LONG_PTR>(painter_->Cursor(kCursorClass)));
    // Children draw themselves; the system frame goes (WM_NCCALCSIZE).
    SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_CLIPCHILDREN);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return kOk;
}

std::uint32_t PellumWindow::CreateSkinnedWindow(const CreateOptions& options, HWND* created) {
    if (created) *created = nullptr;
    if (!IsSetUp()) return kNotSetUp;
    if (handle() != nullptr || blocked_) return kBusy;
    RegisterPellumClass();
    POINT origin{options.x, options.y};
    if (options.centre) origin = CentredOrigin(options.owner, options.width, options.height);
    const std::wstring title = runtime::Widen(options.frame.title.value_or(std::string()));
    const DWORD style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
    HWND window = CreateWindowExW(0, kClassName, title.c_str(), style, origin.x, origin.y,
                                  options.width, options.height, options.owner, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr) return kBusy;
    HWND owner = options.owner;
    if (owner && options.modal) EnableWindow(owner, FALSE);
    const std::uint32_t status = AttachTo(window, options.frame);
    if (status != kOk) {
        DestroyWindow(window);
        if (owner && options.modal) EnableWindow(owner, TRUE);
        return status;
    }
    if (created) *created = window;
    if (options.onCreated) options.onCreated(window);
    if (options.modal && IsWindow(window)) {
        ShowWindow(window, SW_SHOW);
        modalWatch_ = 1;
        RunModalLoop(modalWatch_, owner ? &owner : nullptr);
    }
    return kOk;
}

void PellumWindow::SetOptions(PellumOptions options) {
    if (options.onClose) options_.onClose = std::move(options.onClose);
    if (options.onDestroy) options_.onDestroy = std::move(options.onDestroy);
}

std::uint32_t PellumWindow::HostValue(std::uint32_t value, bool set) {
    if (hostValue_ == 0 && set) hostValue_ = value;
    return hostValue_;
}

void PellumWindow::Redraw(bool now) {
    if (handle() == nullptr) return;
    if (now) Refresh();
    else PostMessageW(handle(), kRedrawMessage, 0, 0);
}

int PellumWindow::AddLabel(LabelItemSpec wanted) {
    PellumItem item;
    item.kind = item_kind::kLabel;
    item.rect = wanted.rect;
    item.value = wanted.value;
    if (wanted.value != 0) {
        item.rect.height = kLabelHeight;
        item.leftPart = {wanted.rect.x, wanted.rect.y, kLabelLeftPartWidth, kLabelHeight};
    }
    item.text = std::move(wanted.text);
    item.text.align = TextAlign::Near;
    item.text.lineAlign = TextAlign::Centre;
    item.visible = wanted.visible;
    if (wanted.image.Native() != nullptr) {
        item.state = 4;
        item.picture = std::make_shared<const plus::PlusImage>(std::move(wanted.image));
    }
    item.routine = std::move(wanted.routine);
    const int index = NextIndex();
    pending_.push_back(std::move(item));
    return index;
}

int PellumWindow::AddImageButton(ImageButtonSpec wanted) {
    PellumItem item;
    item.kind = item_kind::kImageButton;
    item.rect = wanted.rect;
    item.rect.height = ImageButtonHeight(wanted.rect.height);
    item.text.text = std::move(wanted.caption);
    item.text.colour = wanted.textColour;
    item.text.size = wanted.fontSize;
    item.text.align = TextAlign::Centre;
    item.text.lineAlign = TextAlign::Centre;
    item.visible = wanted.visible;
    if (wanted.picture.Native() != nullptr) {
        item.state = 4;
        item.picture = std::make_shared<const plus::PlusImage>(std::move(wanted.picture));
    }
    item.routine = std::move(wanted.routine);
    const int index = NextIndex();
    pending_.push_back(std::move(item));
    return index;
}

int PellumWindow::AddPictureLink(PictureLinkSpec wanted) {
    PellumItem item;
    item.kind = item_kind::kPictureLink;
    item.rect = wanted.rect;
    item.visible = wanted.visible;
    if (wanted.strip.Native() != nullptr)
        item.picture = std::make_shared<const plus::PlusImage>(std::move(wanted.strip));
    item.normalCells = wanted.normal;
    item.hoverCells = wanted.hover.value_or(wanted.normal);
    item.routine = std::move(wanted.routine);
    const int index = NextIndex();
    pending_.push_back(std::move(item));
    return index;
}

void PellumWindow::TearDown() {
    const HWND window = handle();
    timers_.SetWindow(nullptr);
    if (window != nullptr) {
        Detach();
        if (GetCapture() == window) ReleaseCapture();
        if (IsWindow(window)) InvalidateRect(window, nullptr, TRUE);
    }
    Forget();
}

void PellumWindow::OnWindowGone() {
    timers_.SetWindow(nullptr);
    Forget();
}

void PellumWindow::Forget() {
    items_.clear();
    icon_.reset();
    buffer_.Release();
    if (painter_) painter_->ForgetAll();
    composed_ = false;
    hovered_ = pressed_ = -1;
    tracking_ = draggingCaption_ = false;
    modalWatch_ = 0;
}

LRESULT PellumWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        // No system frame or caption: the skin draws its own.
        case WM_NCCALCSIZE: return 0;
        case WM_NCPAINT: return 0;
        case WM_NCACTIVATE: return TRUE;
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: Paint(); return 0;
        case WM_PRINTCLIENT: PrintClient(reinterpret_cast<HDC>(wParam)); return 0;
        case kRedrawMessage: Refresh(); return 0;
        case WM_SETTEXT: {
            const LRESULT result = Default(message, wParam, lParam);
            if (!frame_.title && lParam != 0) {
                items_[1].text.text = runtime::Narrow(reinterpret_cast<const wchar_t*>(lParam));
                painter_->ForgetText(1);
                InvalidateItem(1);
            }
            return result;
        }
        case WM_SIZE: {
            const LRESULT result = Default(message, wParam, lParam);
            if (wParam == SIZE_MINIMIZED) {
                // Nothing is seen: nothing moves, and nothing is left lit.
                timers_.StopAll();
                for (PellumItem& item : items_) item.hover = item.hoverTarget = 0;
                hovered_ = -1;
            } else {
                BuildFrame();
                painter_->ForgetText(1);
                composed_ = false;
                InvalidateRect(handle(), nullptr, FALSE);
            }
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
            if (OnCaptionDoubleClick(lParam)) return 0;
            [[fallthrough]];
        case WM_LBUTTONDOWN: {
            OnButtonDown(lParam);
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
                items_[pressed_].pressed = false;
                InvalidateItem(static_cast<std::size_t>(pressed_));
                pressed_ = -1;
            }
            return Default(message, wParam, lParam);
        case WM_MOUSELEAVE:
            OnMouseLeave();
            return Default(message, wParam, lParam);
        case WM_TIMER:
            if (ItemTimers::IsItemTimer(wParam)) {
                OnTimer(wParam);
                return 0;
            }
            return Default(message, wParam, lParam);
        case WM_CLOSE: return OnClose(wParam, lParam);
        case WM_DESTROY: return OnDestroy(wParam, lParam);
        default: return Default(message, wParam, lParam);
    }
}

LRESULT PellumWindow::OnClose(WPARAM wParam, LPARAM lParam) {
    if (!options_.onClose) return Default(WM_CLOSE, wParam, lParam);
    const HWND window = handle();
    if ((*options_.onClose)(window, WM_CLOSE) != 0) return 0;
    // Let go: destroyed here rather than passed on, so nothing under the
    // skin asks a second time.
    if (IsWindow(window)) DestroyWindow(window);
    return 0;
}

LRESULT PellumWindow::OnDestroy(WPARAM wParam, LPARAM lParam) {
    timers_.StopAll();
    if (!options_.onDestroy) return Default(WM_DESTROY, wParam, lParam);
    // Told here only: the window's own destroy handling is the skin's now.
    (*options_.onDestroy)(handle(), WM_DESTROY);
    return 0;
}

}  // namespace vorn::skin
