#include "controls/containers/tab_sheet.h"

#include "controls/containers/page_control.h"

namespace controls {

TTabSheet::TTabSheet(platform::Component* owner) : WinControl(owner) { Hide(); }

TPageControl* TTabSheet::PageControl() const { return dynamic_cast<TPageControl*>(Parent()); }

int TTabSheet::PageIndex() const {
    const TPageControl* pc = PageControl();
    return pc ? pc->IndexOfPage(this) : -1;
}

void TTabSheet::SetCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    TabChanged();
}

void TTabSheet::SetTabVisible(bool visible) {
    if (visible == tabVisible_) return;
    tabVisible_ = visible;
    TabChanged();
}

void TTabSheet::SetImageIndex(int index) {
    if (index == imageIndex_) return;
    imageIndex_ = index;
    TabChanged();
}

void TTabSheet::VisibleChanged() {
    if (Visible()) {
        if (OnShow) OnShow(*this);
    } else if (OnHide) {
        OnHide(*this);
    }
}

void TTabSheet::TabChanged() {
    if (TPageControl* pc = PageControl()) pc->TabsChanged(this);
}

}  // namespace controls
