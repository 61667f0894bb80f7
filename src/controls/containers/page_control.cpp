#include "controls/containers/page_control.h"

#include <algorithm>

#include "gfx/text.h"

namespace controls {
namespace {

constexpr int kCaptionPadding = 6;  // on each side of a tab's caption
constexpr int kImageGap = 3;        // between a tab's picture and its caption

}  // namespace

TPageControl::TPageControl(platform::Component* owner) : WinControl(owner) { TabStop = true; }

void TPageControl::AddPage(TTabSheet& page, std::string caption) {
    pages_.push_back(&page);
    page.SetCaption(std::move(caption));
    page.SetBounds(DisplayRect());
    LayoutChanged();
    if (!active_) SetActivePage(&page);
}

void TPageControl::DeletePage(TTabSheet& page) {
    auto it = std::find(pages_.begin(), pages_.end(), &page);
    if (it == pages_.end()) return;
    const bool wasActive = active_ == &page;
    const std::ptrdiff_t at = it - pages_.begin();
    pages_.erase(it);
    if (wasActive) active_ = nullptr;
    std::unique_ptr<platform::Control> owned = Extract(page);
    owned.reset();
    LayoutChanged();
    if (wasActive) {
        // The page that took the deleted one's place, else the one before it.
        for (std::ptrdiff_t i = at; i < static_cast<std::ptrdiff_t>(pages_.size()); ++i)
            if (pages_[i]->TabVisible()) return SetActivePage(pages_[i]);
        for (std::ptrdiff_t i = at - 1; i >= 0; --i)
            if (pages_[i]->TabVisible()) return SetActivePage(pages_[i]);
    }
}

TTabSheet* TPageControl::Pages(int index) const { return index >= 0 && index < PageCount() ? pages_[index] : nullptr; }

int TPageControl::IndexOfPage(const TTabSheet* page) const {
    auto it = std::find(pages_.begin(), pages_.end(), page);
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && (IndexOfPage(page) < 0 || !page->TabVisible())) return;
    if (page == active_) return;
    TTabSheet* previous = active_;
    active_ = page;
    ShowActive(previous);
    ScrollIntoView();
    LayoutChanged();
}

void TPageControl::ShowActive(TTabSheet* previous) {
    // The old page hides first, so its OnHide comes before the new page's OnShow.
    if (previous) previous->Hide();
    if (active_) {
        active_->SetBounds(DisplayRect());
        active_->Show();
    }
}

std::vector<TTabSheet*> TPageControl::VisibleTabs() const {
    std::vector<TTabSheet*> tabs;
    for (TTabSheet* p : pages_)
        if (p->TabVisible()) tabs.push_back(p);
    return tabs;
}

int TPageControl::TabIndex() const {
    const std::vector<TTabSheet*> tabs = VisibleTabs();
    auto it = std::find(tabs.begin(), tabs.end(), active_);
    return it == tabs.end() ? -1 : static_cast<int>(it - tabs.begin());
}

bool TPageControl::SelectTab(int tabIndex) {
    const std::vector<TTabSheet*> tabs = VisibleTabs();
    if (tabIndex < 0 || tabIndex >= static_cast<int>(tabs.size()) || tabs[tabIndex] == active_) return false;
    bool allow = true;
    if (OnChanging) OnChanging(*this, allow);
    if (!allow) return false;
    SetActivePage(tabs[tabIndex]);
    Change();
    return true;
}

void TPageControl::SelectNextPage(bool forward) {
    const int count = static_cast<int>(VisibleTabs().size());
    if (count < 2) return;
    const int current = TabIndex();
    const int next = current < 0 ? 0 : (current + (forward ? 1 : count - 1)) % count;
    SelectTab(next);
}

void TPageControl::Change() {
    if (OnChange) OnChange(*this);
}

const std::vector<gfx::Rect>& TPageControl::TabRects() const {
    if (!rectsValid_) {
        std::vector<int> lengths;
        for (const TTabSheet* p : VisibleTabs()) lengths.push_back(TabLength(*p));
        rects_ = LayoutTabs(lengths, LayoutParams(), TabIndex());
        rectsValid_ = true;
    }
    return rects_;
}

gfx::Rect TPageControl::TabRect(int tabIndex) const {
    const std::vector<gfx::Rect>& rects = TabRects();
    return tabIndex >= 0 && tabIndex < static_cast<int>(rects.size()) ? rects[tabIndex] : gfx::Rect{};
}

gfx::Rect TPageControl::DisplayRect() const {
    std::vector<int> lengths;
    for (const TTabSheet* p : VisibleTabs()) lengths.push_back(TabLength(*p));
    return AdjustDisplayRect(NativeDisplayRect(LayoutParams(), TabRowCount(lengths, LayoutParams())));
}

void TPageControl::ScrollTabs(int first) {
    const int count = static_cast<int>(VisibleTabs().size());
    first = std::clamp(first, 0, std::max(0, count - 1));
    if (multiLine_ || first == firstVisible_) return;
    firstVisible_ = first;
    LayoutChanged();
    Invalidate();
}

void TPageControl::ScrollIntoView() {
    if (multiLine_) return;
    const int selected = TabIndex();
    if (selected < 0) return;
    if (selected < firstVisible_) {
        firstVisible_ = selected;
        rectsValid_ = false;
        return;
    }
    // Scroll right until the selected tab ends inside the control (or is the first shown).
    const int limit = Width();
    while (firstVisible_ < selected) {
        rectsValid_ = false;
        if (TabRect(selected).right <= limit) break;
        ++firstVisible_;
    }
    rectsValid_ = false;
}

void TPageControl::SetTabHeight(int height) {
    if (height == tabHeight_) return;
    tabHeight_ = height;
    TabSizeChanged();
}

void TPageControl::SetTabWidth(int width) {
    if (width == tabWidth_) return;
    tabWidth_ = width;
    TabSizeChanged();
}

void TPageControl::SetItemSize(int width, int height) {
    if (width == itemWidth_ && height == itemHeight_) return;
    itemWidth_ = width;
    itemHeight_ = height;
    LayoutChanged();
}

int TPageControl::ItemHeight() const { return itemHeight_ > 0 ? itemHeight_ : gfx::TextHeight(font_) + 6; }

void TPageControl::SetTabPosition(controls::TabPosition position) {
    if (position == position_) return;
    position_ = position;
    LayoutChanged();
}

void TPageControl::SetMultiLine(bool multiLine) {
    if (multiLine == multiLine_) return;
    multiLine_ = multiLine;
    firstVisible_ = 0;
    LayoutChanged();
}

void TPageControl::SetFont(gfx::Font font) {
    if (font == font_) return;
    font_ = std::move(font);
    LayoutChanged();
}

void TPageControl::SetImages(platform::ImageList* images) {
    if (images == images_) return;
    if (images_) RemoveFreeNotification(images_);
    images_ = images;
    if (images_) FreeNotification(images_);
    LayoutChanged();
}

void TPageControl::ComponentRemoved(platform::Component* removed) {
    if (removed == images_) {
        images_ = nullptr;
        LayoutChanged();
    }
}

void TPageControl::TabsChanged(TTabSheet* page) {
    if (page == active_ && page && !page->TabVisible()) {
        // A page whose tab goes away cannot stay selected: the next tab takes over.
        const std::vector<TTabSheet*> tabs = VisibleTabs();
        const int at = IndexOfPage(page);
        TTabSheet* next = nullptr;
        for (TTabSheet* t : tabs)
            if (IndexOfPage(t) > at) {
                next = t;
                break;
            }
        if (!next && !tabs.empty()) next = tabs.back();
        active_ = nullptr;
        page->Hide();
        SetActivePage(next);
    }
    LayoutChanged();
}

int TPageControl::TabLength(const TTabSheet& page) const {
    int extra = TabExtraLength(page);
    if (images_ && page.ImageIndex() >= 0 && page.ImageIndex() < images_->Count())
        extra += images_->Width() + kImageGap;
    if (itemWidth_ > 0) return itemWidth_;
    return gfx::TextWidth(font_, page.Caption()) + 2 * kCaptionPadding + extra;
}

TabLayoutParams TPageControl::LayoutParams() const {
    TabLayoutParams params;
    params.Position = position_;
    params.MultiLine = multiLine_;
    params.Client = {Width(), Height()};
    params.TabHeight = ItemHeight();
    params.FirstVisible = firstVisible_;
    return params;
}

void TPageControl::LayoutChanged() {
    rectsValid_ = false;
    RealignPages();
    TabLayoutChanged();
}

void TPageControl::TabLayoutChanged() { Invalidate(); }

void TPageControl::RealignPages() {
    const gfx::Rect area = DisplayRect();
    for (TTabSheet* p : pages_) p->SetBounds(area);
}

void TPageControl::Resized() { LayoutChanged(); }

void TPageControl::MouseDown(platform::MouseButton button, unsigned /*shift*/, gfx::Point p) {
    if (button != platform::MouseButton::Left) return;
    const int tab = IndexOfTabAt(p);
    if (tab < 0) return;
    SetFocus();
    SelectTab(tab);
}

bool TPageControl::WantsKey(platform::Key key) const {
    using platform::Key;
    return key == Key::Left || key == Key::Right || key == Key::Up || key == Key::Down;
}

void TPageControl::KeyDown(platform::Key& key, unsigned shift) {
    using platform::Key;
    if (key == Key::Tab && (shift & platform::ssCtrl)) {
        SelectNextPage(!(shift & platform::ssShift));
        key = Key::None;
        return;
    }
    const int count = static_cast<int>(VisibleTabs().size());
    const int current = TabIndex();
    if (key == Key::Left || key == Key::Up) {
        if (current > 0) SelectTab(current - 1);
        key = Key::None;
    } else if (key == Key::Right || key == Key::Down) {
        if (current + 1 < count) SelectTab(current + 1);
        key = Key::None;
    }
}

}  // namespace controls
