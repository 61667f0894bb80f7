#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/containers/tab_layout.h"
#include "controls/containers/tab_sheet.h"
#include "gfx/font.h"
#include "platform/image_list.h"
#include "platform/win_control.h"

namespace controls {

// A notebook of pages with one row (or several) of tabs: it keeps the pages in order, the
// selected one, the tab rectangles and the switching by pointer and keyboard. It draws
// nothing itself; a skinned page control paints the tabs and the frame over this behaviour.
class TPageControl : public platform::WinControl {
public:
    explicit TPageControl(platform::Component* owner = nullptr);

    // Creates a page at the end, with its tab captioned so. The first page becomes active.
    template <typename T = TTabSheet>
    T& NewPage(std::string caption) {
        T& page = Make<T>();
        AddPage(page, std::move(caption));
        return page;
    }
    // Destroys a page; another page becomes active when it was the active one.
    void DeletePage(TTabSheet& page);

    [[nodiscard]] int PageCount() const { return static_cast<int>(pages_.size()); }
    [[nodiscard]] TTabSheet* Pages(int index) const;
    [[nodiscard]] int IndexOfPage(const TTabSheet* page) const;

    // The shown page; setting it raises no OnChanging or OnChange, only the pages' OnShow
    // and OnHide. A page without a visible tab cannot be made active.
    [[nodiscard]] TTabSheet* ActivePage() const { return active_; }
    void SetActivePage(TTabSheet* page);
    // The active page's position among the pages, or -1.
    [[nodiscard]] int ActivePageIndex() const { return IndexOfPage(active_); }
    void SetActivePageIndex(int index) { SetActivePage(Pages(index)); }

    // The pages that have a tab, in order; tab indices count these.
    [[nodiscard]] std::vector<TTabSheet*> VisibleTabs() const;
    // The selected tab's index among the visible tabs, or -1.
    [[nodiscard]] int TabIndex() const;
    // Switches to a visible tab as the user does: OnChanging may refuse; then the pages
    // change and OnChange follows. Returns whether the selection changed.
    bool SelectTab(int tabIndex);
    // Switches to the next (or previous) tab, wrapping around, as Ctrl+Tab does.
    void SelectNextPage(bool forward);

    // Tab geometry, in client coordinates.
    [[nodiscard]] gfx::Rect TabRect(int tabIndex) const;
    [[nodiscard]] const std::vector<gfx::Rect>& TabRects() const;
    // The visible tab under a point, or -1.
    [[nodiscard]] int IndexOfTabAt(gfx::Point p) const { return TabAt(TabRects(), p); }
    // Where the pages go.
    [[nodiscard]] gfx::Rect DisplayRect() const;
    // How many tabs are scrolled out to the left of a single-line strip; scrolling clamps.
    [[nodiscard]] int FirstVisibleTab() const { return firstVisible_; }
    void ScrollTabs(int first);

    // A fixed tab width (0 sizes each tab to its caption) and height (0 takes the font's).
    [[nodiscard]] int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int height);
    [[nodiscard]] int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int width);
    [[nodiscard]] controls::TabPosition TabPosition() const { return position_; }
    void SetTabPosition(controls::TabPosition position);
    [[nodiscard]] bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool multiLine);
    // Tabs under the pointer are drawn highlighted.
    bool HotTrack = false;
    // The font tab captions are measured in.
    [[nodiscard]] const gfx::Font& Font() const { return font_; }
    void SetFont(gfx::Font font);
    // Pictures for the tabs (each page's ImageIndex); cleared when the list is destroyed.
    [[nodiscard]] platform::ImageList* Images() const { return images_; }
    void SetImages(platform::ImageList* images);

    // Asked before the user switches pages; setting allow to false keeps the current one.
    std::function<void(TPageControl& sender, bool& allow)> OnChanging;
    // Raised after the user switched pages.
    std::function<void(TPageControl& sender)> OnChange;

    // Called by a page whose caption, tab visibility or picture changed.
    void TabsChanged(TTabSheet* page);

    void MouseDown(platform::MouseButton button, unsigned shift, gfx::Point p) override;
    void KeyDown(platform::Key& key, unsigned shift) override;
    [[nodiscard]] bool WantsKey(platform::Key key) const override;
    void Resized() override;

protected:
    // The tab size the strip is laid out with (0 height: the font's cell plus 6).
    void SetItemSize(int width, int height);
    // TabHeight or TabWidth changed; the plain control lays its tabs out at that size.
    virtual void TabSizeChanged() { SetItemSize(tabWidth_, tabHeight_); }
    [[nodiscard]] int ItemHeight() const;
    // Room a tab reserves beside its caption (a close button, say).
    virtual int TabExtraLength(const TTabSheet& /*page*/) const { return 0; }
    // Lets a skinned control move the page area.
    [[nodiscard]] virtual gfx::Rect AdjustDisplayRect(const gfx::Rect& native) const { return native; }
    // After a switch by the user, before OnChange.
    virtual void Change();
    // After the tab geometry changed (captions, sizes, scrolling, selection).
    virtual void TabLayoutChanged();
    // Puts every page on the page area.
    void RealignPages();
    void ComponentRemoved(platform::Component* removed) override;

private:
    void AddPage(TTabSheet& page, std::string caption);
    [[nodiscard]] int TabLength(const TTabSheet& page) const;
    [[nodiscard]] TabLayoutParams LayoutParams() const;
    void LayoutChanged();
    void ShowActive(TTabSheet* previous);
    void ScrollIntoView();

    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
    int tabHeight_ = 0;
    int tabWidth_ = 0;
    int itemWidth_ = 0;
    int itemHeight_ = 0;
    controls::TabPosition position_ = TabPosition::Top;
    bool multiLine_ = false;
    int firstVisible_ = 0;
    gfx::Font font_;
    platform::ImageList* images_ = nullptr;
    mutable std::vector<gfx::Rect> rects_;
    mutable bool rectsValid_ = false;
};

}  // namespace controls
