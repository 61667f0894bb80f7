#include "skin/menu/skin_popup_window.h"

#include <algorithm>

#include "gfx/text.h"
#include "platform/application.h"
#include "platform/text_input.h"
#include "skin/menu/menu_glyphs.h"
#include "skin/menu/menu_item.h"
#include "skin/menu/menu_look.h"
#include "skin/menu/skin_menu.h"
#include "skin/skin_data.h"

namespace skin {

namespace {
constexpr int kTrackMs = 50;
constexpr int kAnimateMs = 20;
constexpr int kScrollMs = 100;
constexpr int kFadeMs = 6;  // a fade step comes once more than 5 ms have passed
constexpr int kFadeStep = 10;
constexpr int kMarkerHeight = 10;
constexpr int kPlainImageColumn = 19;

// Text the level measures an item by: its caption and, after two blanks, its shortcut.
std::string MeasuredText(const TMenuItem& item) {
    return item.ShortCutText.empty() ? item.Caption : item.Caption + "  " + item.ShortCutText;
}
}  // namespace

TspSkinPopupWindow::TspSkinPopupWindow(TspSkinMenu& menu, TMenuItem& item, int first)
    : platform::PopupWindow(menu.OwnerForm().App(), menu.OwnerForm()),
      menu_(menu),
      item_(item),
      firstIndex_(first),
      track_(App(), this),
      animate_(App(), this),
      scroll_(App(), this),
      fade_(App(), this) {
    track_.SetEnabled(false);
    track_.SetInterval(kTrackMs);
    track_.OnTimer = [this](platform::Timer&) { TrackPointer(App().GetBackend().PointerPosition()); };
    animate_.SetEnabled(false);
    animate_.SetInterval(kAnimateMs);
    animate_.OnTimer = [this](platform::Timer&) { StepAnimation(); };
    scroll_.SetEnabled(false);
    scroll_.SetInterval(kScrollMs);
    scroll_.OnTimer = [this](platform::Timer&) {
        if (CanScroll(hotMarker_))
            Scroll(hotMarker_);
        else
            scroll_.SetEnabled(false);
    };
    fade_.SetEnabled(false);
    fade_.SetInterval(kFadeMs);
    fade_.OnTimer = [this](platform::Timer&) {
        const int target = std::clamp(menu_.MenusAlphaBlendValue, 0, 255);
        const int next = std::min(Opacity() + kFadeStep, target);
        SetOpacity(static_cast<std::uint8_t>(next));
        if (next >= target) fade_.SetEnabled(false);
    };
    OnCancelMode = [this](platform::PopupWindow&) { menu_.CloseMenu(); };
}

TspSkinPopupWindow::~TspSkinPopupWindow() = default;

void TspSkinPopupWindow::ChooseLook() {
    look_ = {};
    look_.defaultItemHeight = menu_.DefMenuItemHeight;
    record_.reset();
    framePicture_ = nullptr;
    maskPicture_ = nullptr;
    const TspSkinData* data = menu_.SkinData();
    if (data && !data->IsEmpty()) {
        const TspDataSkinPopupWindow& popup = data->PopupWindow();
        // A frame picture outside the list would give a frame of no size: the plain look.
        framePicture_ = data->ActivePicture(popup.WindowPictureIndex);
        if (framePicture_) {
            look_.popup = &popup;
            look_.framePicture = framePicture_->size();
            maskPicture_ = data->ActivePicture(popup.MaskPictureIndex);
        }
        int at = data->FindObject("MENUITEM");
        if (at < 0) at = data->FindObject("menuitem");
        if (at >= 0) {
            const auto* found =
                dynamic_cast<const TspDataSkinMenuItem*>(data->Objects()[static_cast<std::size_t>(at)].get());
            // Without its picture the record's item pictures are gone and only the plain
            // look remains, heights included, so that no item is drawn 0 pixels high.
            if (found && data->ActivePicture(found->ActivePictureIndex)) {
                record_ = *found;
                look_.item = &*record_;
                itemLook_.picture = data->ActivePicture(found->ActivePictureIndex);
            }
        }
    }
    itemLook_.record = look_.item;
    itemLook_.font = menu_.DefMenuItemFont;
    if (look_.popup && look_.item && menu_.UseSkinFontInMenu) {
        itemLook_.font.Name = look_.item->Font.Name;
        itemLook_.font.Height = look_.item->Font.Height;
        itemLook_.font.Style = look_.item->Font.Style;
    }
    itemLook_.morphing = look_.item && look_.item->Morphing && data && data->EnableSkinEffects;
    itemLook_.popupBackground = &background_;
    backgrounds_ = {};
    itemLook_.backgrounds = &backgrounds_;
}

void TspSkinPopupWindow::Build(const gfx::Rect& anchor, bool submenu, bool upwards) {
    ChooseLook();
    items_.clear();
    heights_.clear();
    std::vector<int> widths;
    for (TMenuItem* child : ShownChildren(item_, firstIndex_)) {
        items_.push_back(std::make_unique<TspSkinMenuItem>(*child));
        heights_.push_back(MenuItemHeight(look_, child->IsSeparator()));
        widths.push_back(
            gfx::MeasureText(itemLook_.font, MeasuredText(*child), {0, 0, 1 << 20, 1 << 10}, gfx::dtSingleLine)
                .width());
    }
    const gfx::Rect work = menu_.WorkArea();
    const LevelSize size = MeasureLevel(look_, heights_, widths, menu_.MaxMenuItemsInWindow, work.height());
    scrolling_ = size.scrolling;
    paging_ = size.paging;
    itemsRect_ = LevelItemsRect(look_, size.size);
    first_ = 0;
    SetBounds(0, 0, size.size.width, size.size.height);
    LayOut();
    RenderBackground();
    if (look_.popup && maskPicture_) SetWindowOutline(PopupOutline(*maskPicture_, *look_.popup, size.size));

    PlacementRequest placement;
    placement.anchor = anchor;
    placement.work = work;
    placement.size = size.size;
    placement.submenu = submenu;
    placement.upwards = upwards;
    placement.scrolling = scrolling_;
    placement.paging = paging_;
    placement.itemsTop = itemsRect_.top;
    const gfx::Point at = PlaceLevel(placement);

    if (menu_.MenusAlphaBlend) {
        const bool animate = menu_.MenusAlphaBlendAnimation && !submenu;
        SetOpacity(static_cast<std::uint8_t>(animate ? 0 : std::clamp(menu_.MenusAlphaBlendValue, 0, 255)));
        fade_.SetEnabled(animate);
    }
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i]->Item().Selectable()) {
            Select(static_cast<int>(i));
            break;
        }
    }
    lastPointer_ = App().GetBackend().PointerPosition();
    Popup(gfx::Rect::from_size(at, size.size));
    track_.SetEnabled(true);
}

void TspSkinPopupWindow::LayOut() {
    std::vector<gfx::Rect> rects;
    LayOutMenuItems(itemsRect_, heights_, first_, scrolling_, rects);
    for (std::size_t i = 0; i < items_.size(); ++i) items_[i]->ItemRect = rects[i];
    Invalidate();
}

void TspSkinPopupWindow::RenderBackground() {
    const gfx::Size size = BoundsRect().size();
    if (look_.popup) {
        ComposePopupFrame(background_, *framePicture_, *look_.popup, size);
        return;
    }
    background_.Reset(size.width, size.height, gfx::ColorToPixel(gfx::clWindow));
    gfx::Painter p(background_);
    const gfx::Rect all{0, 0, size.width, size.height};
    p.FillRect({0, 0, kPlainImageColumn + 3, size.height}, gfx::ColorToPixel(gfx::clBtnFace));
    p.FrameRect(all, gfx::ColorToPixel(gfx::clWindow));
    p.FrameRect(all.shrunk(1, 1), gfx::ColorToPixel(gfx::clBtnShadow));
}

gfx::Rect TspSkinPopupWindow::ItemScreenRect(int index) const {
    return items_[static_cast<std::size_t>(index)]->ItemRect.translated(BoundsRect().top_left());
}

gfx::Rect TspSkinPopupWindow::MarkerRect(ScrollMarker marker) const {
    if (!scrolling_ || marker == ScrollMarker::None) return {};
    if (marker == ScrollMarker::Up)
        return {itemsRect_.left, itemsRect_.top, itemsRect_.right, itemsRect_.top + kMarkerHeight};
    return {itemsRect_.left, itemsRect_.bottom - kMarkerHeight, itemsRect_.right, itemsRect_.bottom};
}

void TspSkinPopupWindow::Select(int index) {
    if (index == selected_) return;
    if (selected_ >= 0) {
        TspSkinMenuItem& old = *items_[static_cast<std::size_t>(selected_)];
        InvalidateRect(old.ItemRect);
        old.Selected = false;
        old.AnimationFrame = -1;
        if (!itemLook_.morphing) old.MorphFactor = 0;
        if (old.Opened) {
            const int level = menu_.LevelOf(*this);
            if (level >= 0) menu_.CloseFrom(level + 1);
            old.Opened = false;
        }
    }
    selected_ = index;
    if (selected_ >= 0) {
        TspSkinMenuItem& now = *items_[static_cast<std::size_t>(selected_)];
        now.Selected = true;
        InvalidateRect(now.ItemRect);
        if (!itemLook_.morphing) now.MorphFactor = 1;
    }
    StartAnimation();
}

void TspSkinPopupWindow::MarkOpened(int index) {
    Select(index);
    items_[static_cast<std::size_t>(index)]->Opened = true;
}

void TspSkinPopupWindow::SubmenuClosed() {
    for (auto& item : items_) item->Opened = false;
}

int TspSkinPopupWindow::ItemAt(gfx::Point p) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->Shown() && items_[i]->ItemRect.contains(p)) return static_cast<int>(i);
    return -1;
}

bool TspSkinPopupWindow::CanScroll(ScrollMarker marker) const {
    if (!scrolling_) return false;
    if (marker == ScrollMarker::Up) return first_ > 0;
    if (marker == ScrollMarker::Down) return !items_.empty() && !items_.back()->Shown();
    return false;
}

void TspSkinPopupWindow::Scroll(ScrollMarker marker) {
    first_ += marker == ScrollMarker::Up ? -1 : 1;
    LayOut();
}

void TspSkinPopupWindow::SetHotMarker(ScrollMarker marker) {
    if (marker == hotMarker_) return;
    hotMarker_ = marker;
    scroll_.SetEnabled(marker != ScrollMarker::None);
    Invalidate();
}

void TspSkinPopupWindow::TrackPointer(gfx::Point screen) {
    if (screen == lastPointer_) return;
    lastPointer_ = screen;
    const gfx::Point p = screen - BoundsRect().top_left();
    if (!gfx::Rect{0, 0, Width(), Height()}.contains(p)) return;
    if (WindowOutline() && !WindowOutline()->Contains(p)) return;
    if (MarkerRect(ScrollMarker::Up).contains(p) && CanScroll(ScrollMarker::Up)) {
        SetHotMarker(ScrollMarker::Up);
        return;
    }
    if (MarkerRect(ScrollMarker::Down).contains(p) && CanScroll(ScrollMarker::Down)) {
        SetHotMarker(ScrollMarker::Down);
        return;
    }
    SetHotMarker(ScrollMarker::None);
    const int index = ItemAt(p);
    if (index < 0 || index == selected_ || !items_[static_cast<std::size_t>(index)]->Item().Selectable()) return;
    Select(index);
    if (!ShownChildren(items_[static_cast<std::size_t>(index)]->Item(), 0).empty())
        menu_.WaitForSubmenu(*this, index);
    else
        menu_.StopWaiting();
}

void TspSkinPopupWindow::SelectNext(bool down) {
    const int n = static_cast<int>(items_.size());
    if (n == 0) return;
    int index = selected_;
    for (int step = 0; step < n; ++step) {
        index = index < 0 ? (down ? 0 : n - 1) : (index + (down ? 1 : n - 1)) % n;
        if (items_[static_cast<std::size_t>(index)]->Item().Selectable()) {
            Select(index);
            MakeShown(index);
            return;
        }
    }
}

void TspSkinPopupWindow::MakeShown(int index) {
    if (!scrolling_) return;
    while (index < first_) Scroll(ScrollMarker::Up);
    while (!items_[static_cast<std::size_t>(index)]->Shown() && CanScroll(ScrollMarker::Down))
        Scroll(ScrollMarker::Down);
}

void TspSkinPopupWindow::PopupKeyDown(platform::Key key, unsigned /*shift*/) {
    const int level = menu_.LevelOf(*this);
    switch (key) {
        case platform::Key::Up:
        case platform::Key::Down:
            SelectNext(key == platform::Key::Down);
            return;
        case platform::Key::Right:
            if (selected_ >= 0) menu_.OpenSubmenu(*this, selected_);
            return;
        case platform::Key::Left:
            if (menu_.LevelCount() >= 2) menu_.CloseFrom(level);
            return;
        case platform::Key::Escape:
            menu_.CloseFrom(level);
            return;
        case platform::Key::Return:
            if (selected_ >= 0) menu_.ActivateItem(*this, selected_);
            return;
        default:
            return;
    }
}

void TspSkinPopupWindow::PopupKeyPress(char32_t ch) {
    const char32_t wanted = platform::ToLowerChar(ch);
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const TMenuItem& item = items_[i]->Item();
        if (!item.Selectable() || platform::AcceleratorOf(item.Caption) != wanted) continue;
        Select(static_cast<int>(i));
        menu_.ActivateItem(*this, static_cast<int>(i));
        return;
    }
}

void TspSkinPopupWindow::MouseMove(unsigned /*shift*/, gfx::Point p) {
    // The window system's own report is taken at once too: a display may report the pointer
    // to the timer late.
    TrackPointer(ClientToScreen(p));
}

void TspSkinPopupWindow::MouseUp(platform::MouseButton button, unsigned /*shift*/, gfx::Point p) {
    if (button != platform::MouseButton::Left) return;
    const int index = ItemAt(p);
    if (index >= 0 && items_[static_cast<std::size_t>(index)]->Item().Selectable()) menu_.ActivateItem(*this, index);
}

void TspSkinPopupWindow::FormHide() {
    // A closed level waits to be freed; nothing of it runs meanwhile.
    track_.SetEnabled(false);
    animate_.SetEnabled(false);
    scroll_.SetEnabled(false);
    fade_.SetEnabled(false);
}

void TspSkinPopupWindow::Notify(const platform::Notification& n) {
    if (n.message == platform::Message::SkinChanging) menu_.CloseMenu();
}

void TspSkinPopupWindow::StartAnimation() {
    const bool frames = look_.item && !look_.item->AnimateSkinRect.empty() && look_.item->FrameCount > 0 &&
                        menu_.SkinData() && menu_.SkinData()->EnableSkinEffects;
    const bool fading = itemLook_.morphing &&
                        std::any_of(items_.begin(), items_.end(), [](const auto& item) { return item->Fading(); });
    animationTicks_ = 0;
    animate_.SetEnabled(frames || fading);
}

void TspSkinPopupWindow::StepAnimation() {
    bool busy = false;
    if (itemLook_.morphing) {
        for (auto& item : items_) {
            if (!item->Fading()) continue;
            item->StepFade();
            InvalidateRect(item->ItemRect);
            busy = busy || item->Fading();
        }
    }
    if (look_.item && !look_.item->AnimateSkinRect.empty() && look_.item->FrameCount > 0 && selected_ >= 0) {
        // Frames step at the record's interval, counted on this timer's ticks.
        animationTicks_ += kAnimateMs;
        if (animationTicks_ >= std::max(look_.item->AnimateInterval, 1)) {
            animationTicks_ = 0;
            TspSkinMenuItem& item = *items_[static_cast<std::size_t>(selected_)];
            item.AnimationFrame = (item.AnimationFrame + 1) % look_.item->FrameCount;
        }
        busy = true;
    }
    if (!busy) animate_.SetEnabled(false);
    for (const auto& item : items_)
        if (item->Fading() || item->AnimationFrame >= 0 || item->Selected) InvalidateRect(item->ItemRect);
}

void TspSkinPopupWindow::Paint(gfx::Painter& painter) {
    painter.Copy(background_, background_.rect(), {0, 0});
    // Only the items in the repainted part are drawn: moving the highlight repaints two.
    const gfx::Rect clip = painter.ClipBounds();
    for (auto& item : items_)
        if (!item->ItemRect.intersected(clip).empty()) item->Draw(painter, itemLook_);
    if (!scrolling_) return;
    // The room between the last shown item and the down marker shows the item background.
    int bottom = itemsRect_.top + kMarkerHeight;
    for (const auto& item : items_)
        if (item->Shown()) bottom = item->ItemRect.bottom;
    const gfx::Rect gap{itemsRect_.left, bottom, itemsRect_.right, itemsRect_.bottom - kMarkerHeight};
    const gfx::Rect up = MarkerRect(ScrollMarker::Up);
    const gfx::Rect down = MarkerRect(ScrollMarker::Down);
    for (const gfx::Rect& r : {gap, up, down}) {
        if (r.empty()) continue;
        if (look_.item) {
            gfx::Bitmap strip(r.width(), MenuItemHeight(look_, false));
            DrawSkinnedItemBackground(strip, itemLook_, false, false, -1);
            // A marker shows the top of the item picture.
            painter.Copy(strip, {0, 0, r.width(), std::min(r.height(), strip.height())}, r.top_left());
        } else {
            painter.FillRect(r, gfx::ColorToPixel(gfx::clWindow));
        }
    }
    const gfx::Color normal = look_.popup ? look_.popup->ScrollMarkerColor : gfx::clBtnShadow;
    const gfx::Color hot = look_.popup ? look_.popup->ScrollMarkerActiveColor : gfx::clBtnText;
    DrawScrollArrow(painter, true, up, gfx::ColorToPixel(hotMarker_ == ScrollMarker::Up ? hot : normal));
    DrawScrollArrow(painter, false, down, gfx::ColorToPixel(hotMarker_ == ScrollMarker::Down ? hot : normal));
}

}  // namespace skin
