// The box's life: the request turned into items, the window made, the modal
// loop run and the answer read.
#include "skin/windows/msg_box_window_win.h"

#include <utility>

#include "runtime/base/utf_win.h"
#include "skin/modal_loop_win.h"
#include "skin/skin_state_win.h"
#include "skin/windows/owner_click_watch_win.h"
#include "skin/windows/standard_icon_painter_win.h"
#include "skin/windows/text_lines_win.h"

namespace vorn::skin {
namespace {

// No caption and no sizing frame: everything the user sees is drawn. Shown
// with the opening's first frame, not before.
constexpr DWORD kBoxStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kBoxExStyle = WS_EX_LAYERED | WS_EX_CONTROLPARENT | WS_EX_WINDOWEDGE;
constexpr float kTextSize = 12;
// The opening and closing animations tick at this period, or the slower
// one when the request asks for it; fades and the flash at their own.
constexpr UINT kTickMs = 16;
constexpr UINT kSlowTickMs = 18;
constexpr UINT kMotionTickMs = 18;
enum TimerId : UINT_PTR { kOpeningTimer = 1, kClosingTimer = 2, kMotionTimer = 3 };

TextStyle Text(std::string text, Colour colour, TextAlign align, TextAlign lineAlign) {
    TextStyle style;
    style.text = std::move(text);
    style.colour = colour;
    style.size = kTextSize;
    style.align = align;
    style.lineAlign = lineAlign;
    return style;
}

TextAlign Centred(bool centre) { return centre ? TextAlign::Centre : TextAlign::Near; }

}  // namespace

MsgBoxWindow::MsgBoxWindow(const SkinState& skin, const runtime::BoxRequest& request, MsgBoxStepWatch watch)
    : skin_(skin),
      numbering_(static_cast<int>(request.captions.size())),
      tickMs_(static_cast<int>(request.slowAnimation ? kSlowTickMs : kTickMs)),
      watch_(std::move(watch)),
      openingTimer_(kOpeningTimer, request.slowAnimation ? kSlowTickMs : kTickMs),
      closingTimer_(kClosingTimer, request.slowAnimation ? kSlowTickMs : kTickMs),
      motionTimer_(kMotionTimer, kMotionTickMs),
      backdrop_(skin) {
    PrepareItems(request);
    const auto given = reinterpret_cast<HWND>(request.owner);
    owner_ = given && IsWindow(given) ? given : nullptr;
}

MsgBoxWindow::~MsgBoxWindow() {
    // Gone before its drawing objects.
    if (handle()) DestroyWindow(handle());
}

runtime::BoxAnswer MsgBoxWindow::Run() {
    // The opening keeps to its ticks from here: building the box is part of it.
    motionStart_ = std::chrono::steady_clock::now();
    disabledOwner_.emplace(owner_);
    if (!CreateBoxWindow()) {
        disabledOwner_.reset();
        return runtime::PackAnswer(focusItem_, false);
    }
    {
        const OwnerClickWatch watch(owner_, [this] { StartFlash(); });
        RunModalLoop(windowOpen_, nullptr);
    }
    if (handle()) {
        // The loop ended for a WM_QUIT (posted again for the caller): the
        // box goes at once, as closed unless a button was already on its way.
        if (!closing_) resultItem_ = numbering_.Close();
        disabledOwner_->Restore();
        DestroyWindow(handle());
    }
    disabledOwner_.reset();
    const SkinItem& check = Item(numbering_.Check());
    return runtime::PackAnswer(resultItem_, check.visible && check.checked);
}

void MsgBoxWindow::PrepareItems(const runtime::BoxRequest& request) {
    const int n = numbering_.CaptionCount();
    items_.assign(static_cast<std::size_t>(numbering_.Count()), SkinItem{});
    title_ = ShownTitle(request.title);
    message_ = request.message;
    captions_ = request.captions;
    icon_ = request.icon;
    if (!request.picture.empty()) picture_.LoadFromBytes(request.picture);
    tinted_ = request.tinted;

    for (int i = 1; i <= n; ++i) {
        SkinItem& caption = Item(i);
        caption.kind = ItemKind::Caption;
        caption.style = Text(captions_[static_cast<std::size_t>(i - 1)], 0, TextAlign::Centre,
                             TextAlign::Centre);
    }
    Item(numbering_.Close()).kind = ItemKind::Close;

    SkinItem& title = Item(numbering_.Title());
    title.style = Text(title_, skin_.textColour, TextAlign::Near, TextAlign::Centre);
    title.style.bold = true;
    title.style.glow = true;

    Item(numbering_.Message()).style =
        Text(message_, 0, Centred(request.centreHorizontally), Centred(request.centreVertically));

    SkinItem& check = Item(numbering_.Check());
    check.kind = ItemKind::Check;
    check.visible = request.showOption;
    check.style = Text(request.optionText, 0, TextAlign::Near, TextAlign::Centre);

    focusItem_ = numbering_.InitialFocus(request.defaultButton);
    resultItem_ = numbering_.Close();
}

MsgBoxMeasures MsgBoxWindow::Measure() const {
    MsgBoxMeasures measures;
    measures.captionCount = numbering_.CaptionCount();
    measures.hasIcon = picture_.Native() != nullptr || IsStandardIcon(icon_);
    measures.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    measures.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    RECT ownerRect{};
    if (owner_ && GetWindowRect(owner_, &ownerRect))
        measures.owner = RectRecord{ownerRect.left, ownerRect.top, ownerRect.right - ownerRect.left,
                                    ownerRect.bottom - ownerRect.top};

    // As wide and high as the message is drawn, in the bold face of the
    // box's measure, which leaves a little room around the regular text.
    TextStyle measured = Item(numbering_.Message()).style;
    measured.bold = true;
    const TextExtent extent = MeasureTextLines(measured, skin_);
    measures.textWidth = extent.width;
    measures.textHeight = extent.height;
    return measures;
}

void MsgBoxWindow::LayOutItems() {
    for (int i = 1; i <= numbering_.CaptionCount(); ++i) {
        SkinItem& caption = Item(i);
        caption.layoutRect = caption.textRect = caption.hitRect =
            layout_.captions[static_cast<std::size_t>(i - 1)];
    }
    SkinItem& close = Item(numbering_.Close());
    close.layoutRect = close.textRect = close.hitRect = layout_.close;
    SkinItem& title = Item(numbering_.Title());
    title.layoutRect = title.hitRect = layout_.title;
    // Glyphs (and the title's halo) reach above and below a 16-pixel line:
    // single lines are drawn in a taller rectangle around it.
    title.textRect = RectRecord{layout_.title.x, layout_.title.y - 4, layout_.title.width,
                                layout_.title.height + 8};
    SkinItem& message = Item(numbering_.Message());
    message.layoutRect = message.textRect = message.hitRect = layout_.message;
    SkinItem& check = Item(numbering_.Check());
    check.layoutRect = layout_.checkLayout;
    check.textRect = RectRecord{layout_.checkText.x, layout_.checkText.y - 4, layout_.checkText.width,
                                layout_.checkText.height + 8};
    check.hitRect = layout_.checkHit;
}

bool MsgBoxWindow::CreateBoxWindow() {
    layout_ = LayOutMsgBox(Measure());
    LayOutItems();
    const std::wstring text = runtime::Widen(message_);
    if (!CreateOwnWindow(kMsgBoxClass, kBoxExStyle, kBoxStyle, text.c_str(), layout_.x, layout_.y,
                         layout_.width, layout_.height, owner_, 0))
        return false;
    windowOpen_ = 1;
    if (const HCURSOR arrow = skin_.skinCursors[kCursorClass].Get())
        SetClassLongPtrW(handle(), GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(arrow));

    painter_.emplace(skin_, layout_.captions.front().width, layout_.captions.front().height);
    if (!surface_.Create(handle(), layout_.width + 2 * kMsgBoxZoomMargin,
                         layout_.height + 2 * kMsgBoxZoomMargin) ||
        !canvas_.FromDC(surface_.DeviceContext())) {
        DestroyWindow(handle());
        return false;
    }
    BuildSkin();
    // The first frame at once, the others on the timer when they are due.
    StepOpening();
    MessageBeep(BeepType(picture_.Native() ? 0 : icon_));
    return true;
}

void MsgBoxWindow::OnWindowGone() {
    windowOpen_ = 0;
    openingTimer_.Stop();
    closingTimer_.Stop();
    motionTimer_.Stop();
    canvas_.Delete();
    surface_.Release();
}

}  // namespace vorn::skin
