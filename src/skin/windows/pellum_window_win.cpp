#include "skin/windows/pellum_window_win.h"

#include "runtime/base/utf_win.h"
#include "skin/modal_loop_win.h"
#include "skin/skin_state_win.h"

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

PellumWindow::~PellumWindow() { TearDown(); }

bool PellumWindow::IsSetUp() const { return skin_ != nullptr && skin_->initialised; }

AttachStatus PellumWindow::AttachTo(HWND window, const FrameOptions& frame) {
    return AttachSkin(window, frame, WindowSkin::Origin::TakenOver);
}

AttachStatus PellumWindow::AttachSkin(HWND window, const FrameOptions& frame,
                                      WindowSkin::Origin origin) {
    if (!IsSetUp()) return AttachStatus::NotSetUp;
    if (skinned_ || blocked_) return AttachStatus::Busy;
    // The skin goes with its window; it may be told so inside a message of it.
    auto skin = std::make_unique<WindowSkin>(*skin_, options_, [this] {
        skinned_.reset();
        modalWatch_ = 0;
    });
    if (!skin->TakeOver(window, frame, pending_, origin)) return AttachStatus::Busy;
    // A hidden modal window ends its loop as a destroyed one does.
    skin->SetOnHidden([this] { modalWatch_ = 0; });
    skinned_ = std::move(skin);
    return AttachStatus::Ok;
}

AttachStatus PellumWindow::CreateSkinnedWindow(const CreateOptions& options, HWND* created) {
    if (created) *created = nullptr;
    if (!IsSetUp()) return AttachStatus::NotSetUp;
    if (skinned_ || blocked_) return AttachStatus::Busy;
    RegisterPellumClass();
    POINT origin{options.x, options.y};
    if (options.centre) origin = CentredOrigin(options.owner, options.width, options.height);
    const std::wstring title = runtime::Widen(options.frame.title.value_or(std::string()));
    const DWORD style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
    HWND window = CreateWindowExW(0, kClassName, title.c_str(), style, origin.x, origin.y,
                                  options.width, options.height, options.owner, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr) return AttachStatus::Busy;
    HWND owner = options.owner;
    if (owner && options.modal) EnableWindow(owner, FALSE);
    const AttachStatus status = AttachSkin(window, options.frame, WindowSkin::Origin::Created);
    if (status != AttachStatus::Ok) {
        DestroyWindow(window);
        if (owner && options.modal) EnableWindow(owner, TRUE);
        return status;
    }
    if (created) *created = window;
    if (options.onCreated) options.onCreated(window);
    // The routine may have let the window go already.
    if (!IsWindow(window) || !skinned_ || skinned_->Window() != window) {
        if (owner && options.modal) EnableWindow(owner, TRUE);
        return AttachStatus::Ok;
    }
    Showing showing = options.showing;
    if (options.modal && showing == Showing::Hidden) showing = Showing::Plain;
    if (showing == Showing::Animated) skinned_->ShowAnimated(true);
    else if (showing == Showing::Plain) ShowWindow(window, SW_SHOW);
    if (options.modal) {
        modalWatch_ = 1;
        RunModalLoop(modalWatch_, owner ? &owner : nullptr);
    }
    return AttachStatus::Ok;
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
    if (skinned_) skinned_->Redraw(now);
}

void PellumWindow::Refresh() {
    if (skinned_) skinned_->Refresh();
}

const std::vector<SkinItem>& PellumWindow::Items() const {
    static const std::vector<SkinItem> none;
    return skinned_ ? skinned_->Items() : none;
}

const FrameBuffer& PellumWindow::Buffer() const {
    static const FrameBuffer none;
    return skinned_ ? skinned_->Buffer() : none;
}

int PellumWindow::AddLabel(LabelItemOptions wanted) {
    SkinItem item;
    item.kind = ItemKind::Label;
    RectRecord rect = wanted.rect;
    item.value = wanted.value;
    if (wanted.value != 0) {
        rect.height = kLabelHeight;
        item.leftPart = {wanted.rect.x, wanted.rect.y, kLabelLeftPartWidth, kLabelHeight};
    }
    PlaceItem(item, rect);
    item.textRect = LabelTextRect(rect, item.leftPart);
    item.style = std::move(wanted.text);
    item.style.align = TextAlign::Near;
    item.style.lineAlign = TextAlign::Centre;
    ShowPicture(item, std::move(wanted.image));
    return Append(std::move(item), wanted.visible, std::move(wanted.routine));
}

int PellumWindow::AddImageButton(ImageButtonOptions wanted) {
    SkinItem item;
    item.kind = ItemKind::Caption;
    PlaceItem(item, {wanted.rect.x, wanted.rect.y, wanted.rect.width,
                     ImageButtonHeight(wanted.rect.height)});
    item.style.text = std::move(wanted.caption);
    item.style.colour = wanted.textColour;
    item.style.size = wanted.fontSize;
    item.style.align = item.style.lineAlign = TextAlign::Centre;
    ShowPicture(item, std::move(wanted.picture));
    return Append(std::move(item), wanted.visible, std::move(wanted.routine));
}

int PellumWindow::AddPictureLink(PictureLinkOptions wanted) {
    SkinItem item;
    item.kind = ItemKind::PictureLink;
    PlaceItem(item, wanted.rect);
    if (wanted.strip.Native() != nullptr)
        item.picture = std::make_shared<const plus::PlusImage>(std::move(wanted.strip));
    item.normalCells = wanted.normal;
    item.hoverCells = wanted.hover.value_or(wanted.normal);
    return Append(std::move(item), wanted.visible, std::move(wanted.routine));
}

int PellumWindow::AddCheckBox(ChoiceItemOptions wanted) {
    return AddChoice(ItemKind::Check, kCheckBoxWidth, std::move(wanted));
}

int PellumWindow::AddOptionButton(ChoiceItemOptions wanted) {
    return AddChoice(ItemKind::Option, kOptionButtonWidth, std::move(wanted));
}

int PellumWindow::AddChoice(ItemKind kind, int boxWidth, ChoiceItemOptions wanted) {
    SkinItem item;
    item.kind = kind;
    PlaceItem(item, wanted.rect);
    item.textRect = ChoiceTextRect(wanted.rect, boxWidth);
    item.style = std::move(wanted.text);
    item.style.align = TextAlign::Near;
    item.style.lineAlign = TextAlign::Centre;
    item.checked = wanted.checked;
    item.group = wanted.group;
    if (kind == ItemKind::Option && item.checked) {
        // One of a group is on: the last one made so.
        for (SkinItem& other : pending_)
            if (other.kind == ItemKind::Option && other.group == item.group) other.checked = false;
    }
    return Append(std::move(item), wanted.visible, std::move(wanted.routine));
}

int PellumWindow::AddText(TextItemOptions wanted) {
    SkinItem item;
    item.kind = ItemKind::Text;
    PlaceItem(item, wanted.rect);
    item.style = std::move(wanted.text);
    return Append(std::move(item), wanted.visible, {});
}

int PellumWindow::AddEdit(EditItemOptions wanted) {
    SkinItem item;
    item.kind = ItemKind::Edit;
    PlaceItem(item, wanted.rect);
    item.style.colour = wanted.textColour;
    item.style.size = wanted.fontSize;
    item.edit.SetChars(wanted.chars);
    item.edit.SetLimit(wanted.limit);
    const std::wstring text = runtime::Widen(wanted.text);
    item.edit.SetText(std::u16string(text.begin(), text.end()));
    item.cue = std::move(wanted.cue);
    return Append(std::move(item), wanted.visible, std::move(wanted.routine));
}

std::string PellumWindow::ItemText(int index) const {
    return skinned_ ? skinned_->ItemText(index) : std::string();
}

bool PellumWindow::SetItemText(int index, std::string_view text) {
    return skinned_ && skinned_->SetItemText(index, text);
}

bool PellumWindow::IsItemChecked(int index) const {
    return skinned_ && skinned_->IsItemChecked(index);
}

bool PellumWindow::SetItemChecked(int index, bool checked) {
    return skinned_ && skinned_->SetItemChecked(index, checked);
}

bool PellumWindow::SetItemVisible(int index, bool visible) {
    return skinned_ && skinned_->SetItemVisible(index, visible);
}

bool PellumWindow::SetItemGreyed(int index, bool greyed) {
    return skinned_ && skinned_->SetItemGreyed(index, greyed);
}

int PellumWindow::FocusedItem() const { return skinned_ ? skinned_->FocusedItem() : 0; }

bool PellumWindow::FocusItem(int index) { return skinned_ && skinned_->FocusItem(index); }

bool PellumWindow::ActivateItem(int index) { return skinned_ && skinned_->ActivateItem(index); }

void PellumWindow::SetFocusOrder(std::vector<FocusStop> order) {
    if (skinned_) skinned_->SetFocusOrder(std::move(order));
}

void PellumWindow::ShowAnimated(bool show) {
    if (skinned_) skinned_->ShowAnimated(show);
}

void PellumWindow::ShowPicture(SkinItem& item, plus::PlusImage picture) {
    if (picture.Native() == nullptr) return;
    item.state = 4;
    item.picture = std::make_shared<const plus::PlusImage>(std::move(picture));
}

int PellumWindow::Append(SkinItem item, bool visible, ItemRoutine routine) {
    item.visible = visible;
    item.routine = std::move(routine);
    pending_.push_back(std::move(item));
    return kFrameItemCount + static_cast<int>(pending_.size());
}

}  // namespace vorn::skin
