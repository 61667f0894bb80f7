#include "controls/containers/skin_page_control.h"

#include <algorithm>

#include "controls/containers/tab_image.h"
#include "controls/ranges/skin_up_down.h"

namespace controls {
namespace {

constexpr int kPlainCloseButton = 14;  // the close mark without a section

}  // namespace

TspSkinPageControl::TspSkinPageControl(platform::Component* owner) : TPageControl(owner) {
    SetFont({"Arial", 14, 0, gfx::clBtnText});
    ApplyTabSize();
}

TspSkinPageControl::~TspSkinPageControl() = default;

void TspSkinPageControl::SetShowCloseButtons(bool show) {
    if (show == showCloseButtons_) return;
    showCloseButtons_ = show;
    TabsChanged(nullptr);
}

void TspSkinPageControl::SetTabsBGTransparent(bool transparent) {
    if (transparent == tabsBGTransparent_) return;
    tabsBGTransparent_ = transparent;
    Invalidate();
}

void TspSkinPageControl::SetDefaultFont(gfx::Font font) {
    defaultFont_ = std::move(font);
    if (!section_ || !UseSkinFont) ApplySkinChange();
}

void TspSkinPageControl::SetDefaultItemHeight(int height) {
    if (height == defaultItemHeight_) return;
    defaultItemHeight_ = height;
    if (!section_) ApplyTabSize();
}

void TspSkinPageControl::SetSkinData(skin::TspSkinData* data) {
    if (data == skinData_) return;
    if (skinData_) RemoveFreeNotification(skinData_);
    skinData_ = data;
    if (skinData_) FreeNotification(skinData_);
    if (skinData_ && !skinData_->IsEmpty()) {
        ApplySkinChange();
    } else {
        section_.reset();
    }
}

void TspSkinPageControl::ComponentRemoved(platform::Component* removed) {
    if (removed == skinData_) {
        skinData_ = nullptr;
        section_.reset();
        ApplyTabSize();
    }
    TPageControl::ComponentRemoved(removed);
}

void TspSkinPageControl::FetchSkinData() {
    section_.reset();
    if (!skinData_ || skinData_->IsEmpty()) return;
    const int index = skinData_->FindControl(SkinDataName);
    if (index < 0) return;
    if (const auto* tab = dynamic_cast<const skin::TspDataSkinTabControl*>(skinData_->Controls()[index].get()))
        section_ = *tab;
}

void TspSkinPageControl::ForgetSkinSection() { section_.reset(); }

void TspSkinPageControl::ApplySkinChange() {
    FetchSkinData();
    if (section_)
        SetFont(
            UseSkinFont
                ? gfx::Font{section_->Font.Name, section_->Font.Height, section_->Font.Style, section_->Font.FontColor}
                : gfx::Font{defaultFont_.Name, defaultFont_.Height, defaultFont_.Style, section_->Font.FontColor});
    else
        SetFont(defaultFont_);
    ApplyTabSize();
    RealignPages();
    if (scroller_) Extract(*scroller_).reset();
    scroller_ = nullptr;
    UpdateScroller();
    Invalidate();
    if (ActivePage()) ActivePage()->Invalidate();
}

void TspSkinPageControl::ApplyTabSize() {
    int height = TabHeight();
    if (height <= 0) height = section_ ? section_->TabRect.height() : defaultItemHeight_;
    SetItemSize(TabWidth(), height);
}

void TspSkinPageControl::TabSizeChanged() { ApplyTabSize(); }

int TspSkinPageControl::CloseButtonSize() const {
    if (section_ && !section_->CloseButtonRect.empty()) return section_->CloseButtonRect.width();
    return kPlainCloseButton;
}

int TspSkinPageControl::TabExtraLength(const TTabSheet& /*page*/) const {
    // The room the platform keeps for a tab picture of the close button's width.
    return showCloseButtons_ ? 1 + CloseButtonSize() + 3 : 0;
}

gfx::Rect TspSkinPageControl::AdjustDisplayRect(const gfx::Rect& native) const {
    const int w = Width();
    const int h = Height();
    gfx::Rect r = native;
    if (!section_) {
        switch (TabPosition()) {
            case TabPosition::Top:
                r = {1, r.top - 5, w - 1, h - 1};
                break;
            case TabPosition::Bottom:
                r = {1, 1, w - 1, r.bottom + 3};
                break;
            case TabPosition::Left:
                r = {r.left - 3, r.top - 5, w - 1, h - 1};
                break;
            case TabPosition::Right:
                r = {r.left - 3, r.top - 5, r.right + 3, h - 1};
                break;
        }
        return r;
    }
    const gfx::Rect& cl = section_->ClientRect;
    const int a = section_->SkinRect.width() - cl.right;
    const int b = section_->SkinRect.height() - cl.bottom;
    switch (TabPosition()) {
        case TabPosition::Top:
            r = {cl.left, r.top + cl.top - 6, w - a, h - b};
            break;
        case TabPosition::Bottom:
            r = {cl.left, r.top + cl.top - 4, w - a, r.bottom - b + 4};
            break;
        case TabPosition::Left:
            r = {r.left + cl.left - 4, r.top + cl.top - 4, w - a, h - b};
            break;
        case TabPosition::Right:
            r = {cl.left, r.top + cl.top - 4, r.right + 4 - a, h - b};
            break;
    }
    return r;
}

gfx::Rect TspSkinPageControl::FrameRect() const {
    const gfx::Rect page = DisplayRect();
    if (!section_) return page.inflated(1, 1);
    const gfx::Rect& cl = section_->ClientRect;
    return {page.left - cl.left, page.top - cl.top, page.right + section_->SkinRect.width() - cl.right,
            page.bottom + section_->SkinRect.height() - cl.bottom};
}

gfx::Rect TspSkinPageControl::StripRect() const {
    const gfx::Rect f = FrameRect();
    const int w = Width();
    const int h = Height();
    switch (TabPosition()) {
        case TabPosition::Top:
            return {0, 0, w, f.top};
        case TabPosition::Bottom:
            return {0, f.bottom, w, h};
        case TabPosition::Left:
            return {0, 0, f.left, h};
        case TabPosition::Right:
            return {f.right, 0, w, h};
    }
    return {};
}

gfx::Rect TspSkinPageControl::SelectedTabArea() const {
    gfx::Rect r = TabRect(TabIndex());
    if (r.empty() || !section_) return r;
    const int grow = SelectedTabGrowth(*section_, false);
    switch (TabPosition()) {
        case TabPosition::Top:
            r.bottom += grow;
            break;
        case TabPosition::Bottom:
            r.top -= grow;
            break;
        case TabPosition::Left:
            r.right += grow;
            break;
        case TabPosition::Right:
            r.left -= grow;
            break;
    }
    return r;
}

gfx::Rect TspSkinPageControl::CloseButtonRect(int tabIndex) const {
    const gfx::Rect tab = TabRect(tabIndex);
    if (!showCloseButtons_ || tab.empty()) return {};
    const int size = CloseButtonSize();
    const int height = section_ && !section_->CloseButtonRect.empty() ? section_->CloseButtonRect.height() : size;
    const int right = tab.right - (section_ ? 5 : 2);
    const int top = tab.top + tab.height() / 2 - height / 2;
    return {right - size, top, right, top + height};
}

int TspSkinPageControl::TabsOutOfView() const {
    if (MultiLine()) return 0;
    return TabsOutside(TabRects(), Width() - 2 * defaultItemHeight_ - 3);
}

void TspSkinPageControl::Change() {
    if (scroller_) scroller_->SetPosition(TabsScrolledLeft(TabRects()));
    TPageControl::Change();
    Invalidate();
    if (ActivePage()) ActivePage()->Invalidate();
}

void TspSkinPageControl::SetHotTab(int tab) {
    if (tab == hotTab_) return;
    oldHotTab_ = hotTab_;
    hotTab_ = tab;
    const int selected = TabIndex();
    const bool oldShows = oldHotTab_ >= 0 && oldHotTab_ != selected;
    const bool newShows = hotTab_ >= 0 && hotTab_ != selected;
    // The selected tab looks the same hot or not, so only an unselected one needs the strip again.
    if (oldShows || newShows) InvalidateRect(StripRect());
}

void TspSkinPageControl::MouseMove(unsigned /*shift*/, gfx::Point p) {
    SetHotTab(IndexOfTabAt(p));
    if (!showCloseButtons_) return;
    const int hot = hotTab_ >= 0 && CloseButtonRect(hotTab_).contains(p) ? hotTab_ : -1;
    if (hot != closeHot_) {
        closeHot_ = hot;
        InvalidateRect(StripRect());
    }
}

void TspSkinPageControl::MouseLeave() {
    closeHot_ = -1;
    SetHotTab(-1);
}

void TspSkinPageControl::MouseDown(platform::MouseButton button, unsigned shift, gfx::Point p) {
    SetHotTab(IndexOfTabAt(p));
    if (button == platform::MouseButton::Left && showCloseButtons_ && hotTab_ >= 0 &&
        CloseButtonRect(hotTab_).contains(p)) {
        closePressed_ = hotTab_;
        InvalidateRect(StripRect());
        return;
    }
    TPageControl::MouseDown(button, shift, p);
}

void TspSkinPageControl::MouseUp(platform::MouseButton button, unsigned /*shift*/, gfx::Point p) {
    SetHotTab(IndexOfTabAt(p));
    const int pressed = closePressed_;
    closePressed_ = -1;
    if (pressed < 0) return;
    InvalidateRect(StripRect());
    if (button == platform::MouseButton::Left && pressed == hotTab_ && CloseButtonRect(pressed).contains(p))
        CloseTab(pressed);
}

void TspSkinPageControl::CloseTab(int tab) {
    const std::vector<TTabSheet*> tabs = VisibleTabs();
    if (tab < 0 || tab >= static_cast<int>(tabs.size())) return;
    TTabSheet& page = *tabs[tab];
    bool canClose = true;
    if (OnClose) OnClose(*this, page, canClose);
    if (!canClose) return;
    hotTab_ = closeHot_ = -1;
    page.SetTabVisible(false);
    if (FreeOnClose) DeletePage(page);
    if (OnAfterClose) OnAfterClose(*this);
}

void TspSkinPageControl::Notify(const platform::Notification& n) {
    if (n.message == platform::Message::BackgroundChanged && tabsBGTransparent_) Invalidate();
}

void TspSkinPageControl::FocusChanged(bool /*focused*/) { InvalidateRect(StripRect().united(SelectedTabArea())); }

void TspSkinPageControl::Resized() {
    TPageControl::Resized();
    UpdateScroller();
}

void TspSkinPageControl::UpdateScroller() {
    const int outside = TabsOutOfView();
    if (outside == 0) {
        if (scroller_) Extract(*scroller_).reset();
        scroller_ = nullptr;
        return;
    }
    const int scrolled = TabsScrolledLeft(TabRects());
    if (!scroller_) {
        scroller_ = &Make<TspSkinUpDown>();
        scroller_->SetOrientation(TUDOrientation::udHorizontal);
        scroller_->SetSkinDataName(section_ ? section_->UpDown : std::string("hupdown"));
        scroller_->OnChange = [this](platform::Control&) { ScrollTabs(scroller_->Position()); };
        if (skinData_) scroller_->SetSkinData(skinData_);
    }
    // Max follows the tabs that are out, so the scroller never scrolls past the last one.
    scroller_->SetMin(0);
    scroller_->SetMax(outside);
    scroller_->Increment = 1;
    if (scroller_->Position() != scrolled) scroller_->SetPosition(scrolled);
    const int h = defaultItemHeight_;
    const int top = TabPosition() == controls::TabPosition::Top ? 0 : Height() - h;
    scroller_->SetBounds(Width() - 2 * h, top, 2 * h, h);
}

}  // namespace controls
