#include "controls/images/png_image_view.h"

namespace controls {

TspPngImageView::TspPngImageView(Component* owner) : Control(owner) { SetBounds(0, 0, 50, 50); }

TspPngImageView::~TspPngImageView() { Unlink(); }

void TspPngImageView::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_) return;
    autoSize_ = autoSize;
    ApplyAutoSize();
}

void TspPngImageView::SetPngImageList(TspPngImageList* list) {
    if (list == list_) return;
    Unlink();
    list_ = list;
    if (list_) {
        FreeNotification(list_);
        linkKey_ = list_->AddChangeLink([this] { Invalidate(); });
        ApplyAutoSize();
    }
    Invalidate();
}

void TspPngImageView::SetImageIndex(int index) {
    if (index >= -1) imageIndex_ = index;
    if (!list_) return;
    ApplyAutoSize();
    Invalidate();
}

void TspPngImageView::SetCenter(bool center) {
    if (center == center_) return;
    center_ = center;
    Invalidate();
}

void TspPngImageView::Paint(gfx::Painter& painter) {
    if (!list_ || imageIndex_ < 0 || imageIndex_ >= list_->Count()) return;
    const int width = list_->Width();
    const int height = list_->Height();
    if (width <= 0 || height <= 0) return;
    int x = 0;
    int y = 0;
    if (center_) {
        x = Width() / 2 - width / 2;
        y = Height() / 2 - height / 2;
    }
    list_->Draw(painter, imageIndex_, x, y, Enabled());
}

void TspPngImageView::Click() {
    if (OnClick) OnClick(*this);
}

void TspPngImageView::DblClick() {
    if (OnDblClick) OnDblClick(*this);
}

void TspPngImageView::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter(*this);
}

void TspPngImageView::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave(*this);
}

void TspPngImageView::MouseDown(platform::MouseButton button, unsigned shift, gfx::Point p) {
    if (OnMouseDown) OnMouseDown(*this, button, shift, p.x, p.y);
}

void TspPngImageView::MouseUp(platform::MouseButton button, unsigned shift, gfx::Point p) {
    if (OnMouseUp) OnMouseUp(*this, button, shift, p.x, p.y);
}

void TspPngImageView::MouseMove(unsigned shift, gfx::Point p) {
    if (OnMouseMove) OnMouseMove(*this, shift, p.x, p.y);
}

void TspPngImageView::ComponentRemoved(Component* removed) {
    if (removed != list_) return;
    // The dying list takes its links with it; only the pointer goes here.
    list_ = nullptr;
    linkKey_ = 0;
}

void TspPngImageView::ApplyAutoSize() {
    if (!autoSize_ || !list_) return;
    SetBounds(Left(), Top(), list_->Width(), list_->Height());
}

void TspPngImageView::Unlink() {
    if (!list_) return;
    list_->RemoveChangeLink(linkKey_);
    RemoveFreeNotification(list_);
    list_ = nullptr;
    linkKey_ = 0;
}

}  // namespace controls
