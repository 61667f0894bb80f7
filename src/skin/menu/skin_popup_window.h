#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "gfx/bitmap.h"
#include "platform/popup_window.h"
#include "platform/timer.h"
#include "skin/menu/menu_geometry.h"
#include "skin/menu/skin_menu_item.h"
#include "skin/records/data_skin_object.h"

namespace skin {

class TMenuItem;
class TspSkinMenu;

// Which scroll marker the pointer rests on.
enum class ScrollMarker { None, Up, Down };

// One open menu level: a popup window showing the children of one menu item, framed from
// the skin's popup record (or plainly), with pointer tracking every 50 ms, fades every
// 20 ms, scrolling by the markers every 100 ms and the level's keyboard.
class TspSkinPopupWindow : public platform::PopupWindow {
public:
    TspSkinPopupWindow(TspSkinMenu& menu, TMenuItem& item, int first);
    ~TspSkinPopupWindow() override;

    // The menu item whose children this level shows.
    [[nodiscard]] TMenuItem& MenuItem() const { return item_; }
    // Measures the level, places it at anchor (screen pixels) and shows it with the first
    // selectable item selected.
    void Build(const gfx::Rect& anchor, bool submenu, bool upwards);

    [[nodiscard]] const std::vector<std::unique_ptr<TspSkinMenuItem>>& Items() const { return items_; }
    // The selected item, -1 for none.
    [[nodiscard]] int Selected() const { return selected_; }
    [[nodiscard]] int FirstShown() const { return first_; }
    [[nodiscard]] bool Scrolling() const { return scrolling_; }
    [[nodiscard]] bool Paging() const { return paging_; }
    [[nodiscard]] ScrollMarker HotMarker() const { return hotMarker_; }
    [[nodiscard]] const gfx::Rect& ItemsRect() const { return itemsRect_; }
    // Whether the popup is drawn from the skin's popup record.
    [[nodiscard]] bool Skinned() const { return look_.popup != nullptr; }
    // An item's rectangle on the screen.
    [[nodiscard]] gfx::Rect ItemScreenRect(int index) const;
    // The rectangles of the up and down markers (popup coordinates).
    [[nodiscard]] gfx::Rect MarkerRect(ScrollMarker marker) const;

    // Selects an item (-1 for none), deselecting the previous one and closing its submenu.
    void Select(int index);
    // Called by the menu when the item's submenu opened or the level above closed.
    void MarkOpened(int index);
    void SubmenuClosed();
    // One step of pointer tracking with the pointer at a screen point.
    void TrackPointer(gfx::Point screen);

    void PopupKeyDown(platform::Key key, unsigned shift) override;
    void PopupKeyPress(char32_t ch) override;
    void MouseMove(unsigned shift, gfx::Point p) override;
    void MouseUp(platform::MouseButton button, unsigned shift, gfx::Point p) override;
    void Notify(const platform::Notification& n) override;
    void FormHide() override;
    void EraseBackground(gfx::Painter& /*painter*/) override {}
    void Paint(gfx::Painter& painter) override;

private:
    void ChooseLook();
    void LayOut();
    void RenderBackground();
    // The item under a point (popup coordinates) among the shown ones, or -1.
    [[nodiscard]] int ItemAt(gfx::Point p) const;
    [[nodiscard]] bool CanScroll(ScrollMarker marker) const;
    void Scroll(ScrollMarker marker);
    void SetHotMarker(ScrollMarker marker);
    // Selects the next selectable item after (or before) the selected one, wrapping around,
    // and scrolls it into view.
    void SelectNext(bool down);
    void MakeShown(int index);
    void StepAnimation();
    void StartAnimation();

    TspSkinMenu& menu_;
    TMenuItem& item_;
    int firstIndex_;
    MenuLook look_;
    std::optional<TspDataSkinMenuItem> record_;
    const gfx::Bitmap* framePicture_ = nullptr;
    const gfx::Bitmap* maskPicture_ = nullptr;
    MenuItemLook itemLook_;
    ItemBackgroundCache backgrounds_;
    std::vector<std::unique_ptr<TspSkinMenuItem>> items_;
    std::vector<int> heights_;
    int first_ = 0;
    int selected_ = -1;
    gfx::Rect itemsRect_;
    bool scrolling_ = false;
    bool paging_ = false;
    ScrollMarker hotMarker_ = ScrollMarker::None;
    gfx::Bitmap background_;
    gfx::Point lastPointer_;
    int animationTicks_ = 0;

    platform::Timer track_;
    platform::Timer animate_;
    platform::Timer scroll_;
    platform::Timer fade_;
};

}  // namespace skin
