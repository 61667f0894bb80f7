#pragma once

#include <memory>
#include <vector>

#include "gfx/font.h"
#include "gfx/geometry.h"
#include "platform/component.h"
#include "platform/timer.h"

namespace platform {
class Control;
class Form;
}  // namespace platform

namespace skin {

class TMenuItem;
class TspSkinData;
class TspSkinPopupWindow;

// The menu controller of a skinned window: it opens a menu at a rectangle as a stack of
// popup levels (0 the top level, each further one a submenu of the one before), waits
// 500 ms before a submenu chosen by the pointer opens, carries out the chosen item and
// closes the menu on every trigger that ends one. Only one menu of a window is open.
class TspSkinMenu : public platform::Component {
public:
    explicit TspSkinMenu(platform::Form& owner);
    ~TspSkinMenu() override;

    [[nodiscard]] platform::Form& OwnerForm() const { return owner_; }

    // The skin the menu draws from (the window's menu skin, else its skin); null or an
    // empty skin gives the plain look.
    [[nodiscard]] TspSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TspSkinData* data);

    // Items per level before the level pages with scroll markers; 0 for no limit.
    int MaxMenuItemsInWindow = 0;
    // Skinned levels write with the menu-item record's font.
    bool UseSkinFontInMenu = true;
    // Levels are drawn with constant opacity MenusAlphaBlendValue; with the animation the
    // top level fades in to it.
    bool MenusAlphaBlend = false;
    int MenusAlphaBlendValue = 200;
    bool MenusAlphaBlendAnimation = false;
    // The item height and font without a skin.
    int DefMenuItemHeight = 20;
    gfx::Font DefMenuItemFont{"Arial", 14, 0, gfx::clWindowText};

    // Opens the children of item from index first on below anchor (screen pixels; above it
    // when upwards). Any open menu closes first. Opens nothing when there are no such
    // children. opener (may be null) is told MenuClosed and MenuCommandDone.
    void Popup(platform::Control* opener, TMenuItem& item, const gfx::Rect& anchor, bool upwards = false,
               int first = 0);
    // Closes the whole menu from outside: the opener and the window are told MenuClosed.
    void CloseMenu();
    // Closes the levels from level on; from 0 the menu ends and the opener is told.
    void CloseFrom(int level);

    [[nodiscard]] bool IsOpen() const { return open_; }
    [[nodiscard]] int LevelCount() const { return static_cast<int>(levels_.size()); }
    [[nodiscard]] TspSkinPopupWindow& Level(int level) const { return *levels_[static_cast<std::size_t>(level)]; }
    [[nodiscard]] int LevelOf(const TspSkinPopupWindow& popup) const;
    // The work area taken when the menu opened.
    [[nodiscard]] const gfx::Rect& WorkArea() const { return workArea_; }

    // Opens the submenu of item index of a level at once, closing deeper levels first.
    void OpenSubmenu(TspSkinPopupWindow& level, int index);
    // Starts the 500 ms wait after which that submenu opens; StopWaiting cancels it.
    void WaitForSubmenu(TspSkinPopupWindow& level, int index);
    void StopWaiting();
    [[nodiscard]] bool Waiting() const { return wait_.Enabled(); }
    // Carries out item index of a level: a submenu opens, any other item closes the menu and
    // runs its command, and the opener is told MenuCommandDone.
    void ActivateItem(TspSkinPopupWindow& level, int index);

protected:
    void ComponentRemoved(platform::Component* removed) override;

private:
    void ShowLevel(TMenuItem& item, int first, const gfx::Rect& anchor, bool submenu, bool upwards);
    // Hidden levels are freed from the event loop, never under their own handlers.
    void Retire(std::unique_ptr<TspSkinPopupWindow> level);

    platform::Form& owner_;
    TspSkinData* skinData_ = nullptr;
    platform::Control* opener_ = nullptr;
    bool open_ = false;
    gfx::Rect workArea_;
    std::vector<std::unique_ptr<TspSkinPopupWindow>> levels_;
    std::vector<std::unique_ptr<TspSkinPopupWindow>> retired_;
    platform::Timer wait_;
    platform::Timer reaper_;
    TspSkinPopupWindow* waitLevel_ = nullptr;
    int waitIndex_ = -1;
};

}  // namespace skin
