#pragma once

#include <functional>
#include <string>

#include "platform/win_control.h"

namespace controls {

class TPageControl;

// One page of a page control: a windowed container the size of the control's page area,
// shown while its tab is the selected one. Pages are created hidden by their page control.
class TTabSheet : public platform::WinControl {
public:
    explicit TTabSheet(platform::Component* owner = nullptr);

    // The page control this sheet belongs to (its parent), or null.
    [[nodiscard]] TPageControl* PageControl() const;
    // The position among the page control's pages, or -1.
    [[nodiscard]] int PageIndex() const;

    // The tab's text.
    [[nodiscard]] const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    // Whether the page has a tab at all; a page without one can never be selected.
    [[nodiscard]] bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);
    // The picture of the page control's Images shown on the tab (-1 for none).
    [[nodiscard]] int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);

    // Raised when the page becomes the visible one and when it stops being it.
    std::function<void(TTabSheet& sender)> OnShow;
    std::function<void(TTabSheet& sender)> OnHide;

    void VisibleChanged() override;

private:
    void TabChanged();

    std::string caption_;
    bool tabVisible_ = true;
    int imageIndex_ = -1;
};

}  // namespace controls
