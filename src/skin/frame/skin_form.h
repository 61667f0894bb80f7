#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/font.h"
#include "platform/component.h"
#include "platform/form.h"
#include "platform/frame_hook.h"
#include "platform/timer.h"
#include "skin/frame/frame_geometry.h"
#include "skin/frame/frame_strips.h"
#include "skin/frame/frame_types.h"
#include "skin/frame/system_menu.h"
#include "skin/objects/object_layout.h"

namespace platform {
class PlainFrame;
}

namespace skin {

class ObjectHintView;
class TMenuItem;
class TspSkinData;
class TspSkinMenu;

// Draws a window's whole frame from a skin: placed on a window (its owner must be a
// platform::Form), it takes the window's frame hook, so the borders, the caption bar and
// its buttons come from the skin's frame picture and objects, the outline follows the skin's
// mask, and hit testing, size limits, moving, sizing, minimising and activation follow the
// skin's geometry. Without a loaded skin the window keeps a plain frame.
class TspSkinForm : public platform::Component, public platform::FrameHook {
public:
    // Throws std::invalid_argument when the owner is not a window.
    explicit TspSkinForm(platform::Component* owner);
    ~TspSkinForm() override;

    // The skin drawn from; assigning it rebuilds the frame.
    [[nodiscard]] TspSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TspSkinData* data);
    // The skin the system menu draws from when it differs.
    [[nodiscard]] TspSkinData* MenusSkinData() const { return menusSkinData_; }
    void SetMenusSkinData(TspSkinData* data);
    // The frame buttons and system-menu items offered; assigning repaints the frame.
    [[nodiscard]] TspBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TspBorderIcons icons);
    // Hides every frame button.
    [[nodiscard]] bool HideCaptionButtons() const { return hideCaptionButtons_; }
    void SetHideCaptionButtons(bool hide);

    bool SupportNCArea = true;  // the skin is drawn around the client area
    bool Sizeable = true;       // the borders resize the window
    bool DraggAble = false;     // client-area dragging, for a frame drawn inside the client area
    bool Magnetic = false;      // edges snap to the work area while moving
    int MagneticSize = 10;      // the snap distance
    TspPositionInMonitor PositionInMonitor = TspPositionInMonitor::sppDefault;
    int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;  // 0 means no limit
    int ClientWidth = 0, ClientHeight = 0;                         // the client size restored after each skin change
    bool AlphaBlend = false;                                       // the window is translucent
    std::uint8_t AlphaBlendValue = 200;                            // its opacity then
    bool AlphaBlendAnimation = false;                              // it fades in when shown
    bool MenusAlphaBlend = false;                                  // the same for the skinned menus
    bool MenusAlphaBlendAnimation = false;
    std::uint8_t MenusAlphaBlendValue = 200;
    bool ShowIcon = false;              // the system-menu button shows the window's icon
    bool UseDefaultSysMenu = true;      // the system menu is built here before it opens
    bool MaximizeOnFullScreen = false;  // maximising covers the whole screen, not the work area
    bool UseFormCursorInNCArea = false;
    bool UseSkinCursors = false;
    bool ShowObjectHint = false;       // frame objects show their hints
    bool UseDefaultObjectHint = true;  // the system buttons' hints come from the strings
    bool AlwaysShowInTray = false;
    bool AlwaysMinimizeToTray = false;
    bool LogoBitMapTransparent = false;  // the logo's bottom-left colour is see-through
    bool UseSkinFontInMenu = true;
    int MaxMenuItemsInWindow = 0;
    // The caption fonts while no skin is loaded.
    gfx::Font DefCaptionFont{"Arial", 14, gfx::fsBold, gfx::clBtnText};
    gfx::Font DefInActiveCaptionFont{"Arial", 14, gfx::fsBold, gfx::clBtnShadow};
    int DefMenuItemHeight = 20;
    gfx::Font DefMenuItemFont{"Arial", 14, 0, gfx::clBtnText};
    // Drawn over the client background when not empty.
    gfx::Bitmap LogoBitMap;

    // Companions a window may have; the frame only keeps them (and forgets one that dies).
    enum class Companion { MainMenu, SystemMenu, MainMenuBar, MDITabsBar, StatusBar, TrayIcon, SkinHint };
    [[nodiscard]] platform::Component* GetCompanion(Companion which) const;
    void SetCompanion(Companion which, platform::Component* component);

    // Paints the caption instead of the caption object's text.
    std::function<void(TspSkinForm&, gfx::Painter&, const gfx::Rect&, bool active)> OnCaptionPaint;
    // The client rectangle changed with the frame.
    std::function<void(TspSkinForm&, const gfx::Rect&)> OnChangeClientRect;
    // The frame was rebuilt from the skin.
    std::function<void(TspSkinForm&)> OnChangeSkinData;
    // Pointer events on frame objects, by object name.
    std::function<void(TspSkinForm&, const std::string&, int x, int y, const gfx::Rect&, platform::MouseButton)>
        OnMouseDownEvent, OnMouseUpEvent;
    std::function<void(TspSkinForm&, const std::string&, int x, int y, const gfx::Rect&)> OnMouseMoveEvent;
    std::function<void(TspSkinForm&, const std::string&)> OnMouseEnterEvent, OnMouseLeaveEvent;
    // Asked whether a custom-command button shows (set visible to show it).
    std::function<void(TspSkinForm&, const std::string& name, bool& visible)> OnActivateCustomObject;
    std::function<void(TspSkinForm&)> OnActivate, OnDeActivate, OnMinimize, OnRestore, OnMaximize;
    std::function<void(TspSkinForm&)> OnChangeRollUpState, OnMinimizeToTray, OnSkinMenuOpen;
    // Opens the system menu at a screen point with the items given, instead of the frame's
    // own skinned popup menu.
    std::function<void(TspSkinForm&, gfx::Point screen, const std::vector<SystemMenuItem>&)> OnPopupSystemMenu;

    // Run-time state.
    [[nodiscard]] platform::Form& Window() const { return form_; }
    // The frame is drawn from the skin.
    [[nodiscard]] bool IsSkinned() const;
    // A skin is loaded and not being replaced.
    [[nodiscard]] bool SkinLoaded() const;
    [[nodiscard]] bool Skinnable() const { return skinnable_; }
    [[nodiscard]] bool IsActive() const { return active_; }
    [[nodiscard]] TspWindowState WindowState() const { return state_; }
    [[nodiscard]] bool RolledUp() const { return rolledUp_; }
    void SetRolledUp(bool rolledUp);
    [[nodiscard]] bool InSizeMove() const { return inSizeMove_; }
    [[nodiscard]] const FrameGeometry& Geometry() const { return geometry_; }
    [[nodiscard]] const FrameObjectList& Objects() const { return objects_; }
    // The object under the pointer, or -1.
    [[nodiscard]] int HotIndex() const { return hot_; }
    [[nodiscard]] const platform::Timer& HotTimer() const { return *hotTimer_; }
    [[nodiscard]] const platform::Timer& MorphTimer() const { return *morphTimer_; }
    [[nodiscard]] const platform::Timer& AnimationTimer() const { return *animationTimer_; }
    // The caption text the frame shows.
    [[nodiscard]] const std::string& CaptionText() const { return form_.Caption(); }
    // The window's minimum size (the size of a minimised caption bar).
    [[nodiscard]] gfx::Size MinimumSize() const;

    // Keeps a control over a named skin area of the frame; an unknown name binds nothing.
    void BindSkinArea(platform::Control& control, std::string areaName);

    // Window commands the frame buttons carry out.
    void ExecuteCommand(TspCommand command);
    void Minimize();
    void Maximize();
    void Restore();
    // Opens the system menu at a screen point: built afresh from the icons and the state, shown
    // by OnPopupSystemMenu when set, else as the skinned popup menu.
    void OpenSystemMenu(gfx::Point screen);
    // The skinned popup menu the system menu opens in; null until it first opens.
    [[nodiscard]] TspSkinMenu* SystemMenuPopup() const { return systemMenu_.get(); }
    // The items the system menu holds now, in order.
    [[nodiscard]] std::vector<SystemMenuItem> SystemMenuItems() const;
    // Carries out a system-menu item the popup menu reports chosen.
    void ChooseSystemMenuItem(const SystemMenuItem& item);

    // What frame objects call on their window.
    void RedrawObject(const TspActiveSkinObject& object);
    void StartMorphTimer();
    void ObjectMouseDown(TspActiveSkinObject& object, int x, int y, platform::MouseButton button);
    void ObjectMouseUp(TspActiveSkinObject& object, int x, int y, platform::MouseButton button);
    void ObjectMouseMove(TspActiveSkinObject& object, int x, int y);
    [[nodiscard]] gfx::Point ScreenPoint(gfx::Point window) const;

    // The frame hook.
    [[nodiscard]] gfx::Rect ClientRect(gfx::Size window) const override;
    void PaintNonClient(gfx::Painter& painter, gfx::Size window) override;
    bool EraseClient(gfx::Painter& painter, gfx::Size client) override;
    [[nodiscard]] platform::HitTest HitTestAt(gfx::Point window) override;
    [[nodiscard]] platform::SizeLimits Limits() const override;
    void NonClientMouseDown(gfx::Point window, platform::MouseButton button, unsigned shift) override;
    void NonClientMouseUp(gfx::Point window, platform::MouseButton button, unsigned shift) override;
    void NonClientMouseMove(gfx::Point window, unsigned shift) override;
    void NonClientLeave() override;
    bool NonClientDoubleClick(gfx::Point window, platform::HitTest code) override;
    void Resized(gfx::Size window) override;
    void ActivationChanged(bool active) override;
    void CaptionChanged() override;
    void MoveSizeStart(platform::HitTest code) override;
    void MoveSizeEnd() override;
    void Moving(gfx::Rect& proposed) override;
    void Showing(bool first) override;
    void Notify(const platform::Notification& n) override;

protected:
    void ComponentRemoved(platform::Component* removed) override;

private:
    struct AreaBinding {
        platform::Control* control;
        std::string name;
    };
    // The frame strips drawn for one size and look, kept until either changes.
    struct StripCache {
        gfx::Size size;
        const gfx::Bitmap* source = nullptr;
        bool dimmed = false;
        std::uint64_t generation = 0;
        FrameStrips strips;
    };

    [[nodiscard]] platform::FrameHook& Fallback() const;
    [[nodiscard]] bool AtLeastMinimum(gfx::Size size) const;
    void Rebuild();
    void CreateObjects();
    void UpdateAvailability();
    void UpdateGeometry();
    void UpdateOutline();
    void PlaceAreas();
    void ReloadHints();
    void ClearHotAndPressed();
    void SkinChanging();
    void SkinChanged(bool own);
    void SkinnableChanged();
    void WalkControls(platform::WinControl& parent, bool forget);
    void RepaintFrame();
    [[nodiscard]] const FrameStrips& Strips();
    void PaintStrips(gfx::Painter& painter, const FrameStrips& strips);
    void PaintObjects(gfx::Painter& painter);
    // Finds the hot object at a window point and sends leave and enter; with a point outside
    // every object (or outside the window), nothing is hot.
    void TrackHot(gfx::Point window);
    void ClearHot();
    // The hint window objects show their hints in, when hints are on and one is attached.
    [[nodiscard]] ObjectHintView* HintView() const;
    [[nodiscard]] int ObjectAt(gfx::Point window) const;
    [[nodiscard]] bool OverCaptionObject(gfx::Point window) const;
    [[nodiscard]] platform::HitTest SizingEdge(gfx::Point p) const;
    [[nodiscard]] gfx::Rect MaximizedBounds() const;
    [[nodiscard]] gfx::Point MinimizedSlot() const;
    void HotTimerTick();
    void MorphTimerTick();
    void AnimationTimerTick();
    void FadeTimerTick();
    void Watch(TspSkinData*& slot, TspSkinData* data);
    void PopupSystemMenu(gfx::Point screen, const std::vector<SystemMenuItem>& items);

    platform::Form& form_;
    platform::FrameHook* previous_ = nullptr;
    std::unique_ptr<platform::PlainFrame> plain_;
    TspSkinData* skinData_ = nullptr;
    TspSkinData* menusSkinData_ = nullptr;
    std::vector<platform::Component*> companions_;
    TspBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize | biRollUp;
    bool hideCaptionButtons_ = false;

    bool skinnable_ = true;
    bool changing_ = false;
    bool active_ = false;
    bool rolledUp_ = false;
    bool inSizeMove_ = false;
    TspWindowState state_ = TspWindowState::Normal;
    gfx::Rect normalBounds_;
    FrameGeometry geometry_;
    FrameObjectList objects_;
    int hot_ = -1;
    int pressed_ = -1;
    std::vector<AreaBinding> areas_;
    StripCache cache_;
    std::uint64_t generation_ = 1;
    std::unique_ptr<platform::Timer> hotTimer_;
    std::unique_ptr<platform::Timer> morphTimer_;
    std::unique_ptr<platform::Timer> animationTimer_;
    std::unique_ptr<platform::Timer> fadeTimer_;
    // The menu goes first: its open levels point into the items.
    std::unique_ptr<TMenuItem> systemMenuItems_;
    std::unique_ptr<TspSkinMenu> systemMenu_;
};

}  // namespace skin
