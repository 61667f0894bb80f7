#pragma once

#include <functional>
#include <optional>
#include <string>

#include "controls/containers/page_control.h"
#include "skin/records/data_skin_control_containers.h"
#include "skin/skin_data.h"
#include "skin/skinned_control.h"

namespace controls {

class TspSkinUpDown;

// The skinned notebook of the game's main window: the page-control behaviour with every part
// drawn from a "tab" section of the skin (the strip, each tab, the frame round the pages, the
// page backgrounds), or a plain look without one. When single-line tabs run past the right
// edge, a skinned up-down appears to scroll them.
class TspSkinPageControl : public TPageControl, public skin::SkinnedControl {
public:
    explicit TspSkinPageControl(platform::Component* owner = nullptr);
    ~TspSkinPageControl() override;

    // A page closed with its close button is destroyed (else only its tab is hidden).
    bool FreeOnClose = false;
    // Each tab carries a close button.
    [[nodiscard]] bool ShowCloseButtons() const { return showCloseButtons_; }
    void SetShowCloseButtons(bool show);
    // The tab strip shows what lies behind the control instead of the skin's strip background.
    [[nodiscard]] bool TabsBGTransparent() const { return tabsBGTransparent_; }
    void SetTabsBGTransparent(bool transparent);
    // The tab font without a section, or with one when UseSkinFont is false.
    [[nodiscard]] const gfx::Font& DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(gfx::Font font);
    // Tab captions in the section's font.
    bool UseSkinFont = true;
    // The tab height without a section; it also sizes the tab scroller.
    [[nodiscard]] int DefaultItemHeight() const { return defaultItemHeight_; }
    void SetDefaultItemHeight(int height);

    // The skin and the name of the section drawn from ("tab").
    [[nodiscard]] skin::TspSkinData* SkinData() const override { return skinData_; }
    void SetSkinData(skin::TspSkinData* data);
    std::string SkinDataName = "tab";

    // Asked before a page closes with its close button; canClose false keeps it.
    std::function<void(TspSkinPageControl& sender, TTabSheet& page, bool& canClose)> OnClose;
    // Raised after a page closed.
    std::function<void(TspSkinPageControl& sender)> OnAfterClose;
    // Replaces the drawing of a tab's caption and picture; rect is the caption area.
    std::function<void(int tabIndex, const gfx::Rect& rect, gfx::Painter& painter, bool hot, bool selected)>
        OnDrawSkinTab;

    // The section found at the last fetch (none without a skin or a matching "tab" record).
    [[nodiscard]] const std::optional<skin::TspDataSkinTabControl>& Section() const { return section_; }
    // Looks the section up again and copies its values.
    void FetchSkinData();
    void ForgetSkinSection() override;
    void ApplySkinChange() override;

    // The visible tab under the pointer, or -1.
    [[nodiscard]] int HotTab() const { return hotTab_; }
    // How many tabs of a single line lie outside the room the tab scroller leaves (0 with
    // multi-line tabs): the scroller is shown while this is above 0.
    [[nodiscard]] int TabsOutOfView() const;
    // The up-down that scrolls the tabs while some do not fit, or null.
    [[nodiscard]] TspSkinUpDown* TabScroller() const { return scroller_; }
    // The close button of a visible tab, in client coordinates (empty without close buttons).
    [[nodiscard]] gfx::Rect CloseButtonRect(int tabIndex) const;

    void Paint(gfx::Painter& painter) override;
    void EraseBackground(gfx::Painter& painter) override;
    void MouseDown(platform::MouseButton button, unsigned shift, gfx::Point p) override;
    void MouseUp(platform::MouseButton button, unsigned shift, gfx::Point p) override;
    void MouseMove(unsigned shift, gfx::Point p) override;
    void MouseLeave() override;
    void Notify(const platform::Notification& n) override;
    void FocusChanged(bool focused) override;
    void Resized() override;

protected:
    [[nodiscard]] gfx::Rect AdjustDisplayRect(const gfx::Rect& native) const override;
    [[nodiscard]] int TabExtraLength(const TTabSheet& page) const override;
    void TabSizeChanged() override;
    void Change() override;
    void ComponentRemoved(platform::Component* removed) override;

private:
    [[nodiscard]] int CloseButtonSize() const;
    [[nodiscard]] gfx::Rect FrameRect() const;
    [[nodiscard]] gfx::Rect StripRect() const;
    [[nodiscard]] gfx::Rect SelectedTabArea() const;
    [[nodiscard]] gfx::Font CaptionFont() const;
    void ApplyTabSize();
    void SetHotTab(int tab);
    void UpdateScroller();
    void CloseTab(int tab);

    void PaintPlainBody(gfx::Painter& painter) const;
    void PaintSkinBody(gfx::Painter& painter) const;
    void PaintPlainTab(gfx::Painter& painter, int tab, const gfx::Rect& rect) const;
    void PaintSkinStrip(gfx::Painter& painter) const;
    void PaintSkinTab(gfx::Painter& painter, int tab, const gfx::Rect& rect) const;
    void PaintCaption(gfx::Painter& painter, int tab, gfx::Rect area, const gfx::Font& font, gfx::Color color) const;

    bool showCloseButtons_ = false;
    bool tabsBGTransparent_ = false;
    gfx::Font defaultFont_{"Arial", 14, 0, gfx::clBtnText};
    int defaultItemHeight_ = 20;
    skin::TspSkinData* skinData_ = nullptr;
    std::optional<skin::TspDataSkinTabControl> section_;
    int hotTab_ = -1;
    int oldHotTab_ = -1;
    int closeHot_ = -1;
    int closePressed_ = -1;
    TspSkinUpDown* scroller_ = nullptr;
};

}  // namespace controls
