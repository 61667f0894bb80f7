#include "platform/win_control.h"

#include <algorithm>

#include "platform/form.h"

namespace platform {

WinControl::~WinControl() {
    // Children go first, topmost first, while this object is still a WinControl.
    while (!children_.empty()) children_.pop_back();
}

Control& WinControl::Insert(std::unique_ptr<Control> child) {
    Control& ref = *child;
    if (ref.parent_) ref.parent_->Remove(ref);
    ref.parent_ = this;
    int windowed = 0;
    for (const auto& c : children_)
        if (c->IsWindowed()) ++windowed;
    if (auto* w = dynamic_cast<WinControl*>(&ref)) w->tabOrder_ = windowed;
    children_.push_back(std::move(child));
    if (ref.Visible()) InvalidateRect(ref.BoundsRect());
    return ref;
}

void WinControl::Remove(Control& child) {
    auto it = std::find_if(children_.begin(), children_.end(), [&](const auto& c) { return c.get() == &child; });
    if (it == children_.end()) return;
    if (Form* form = ParentForm()) form->Released(child);
    InvalidateRect(child.BoundsRect());
    static_cast<void>(it->release());  // the new owner holds it now
    children_.erase(it);
    child.parent_ = nullptr;
}

std::unique_ptr<Control> WinControl::Extract(Control& child) {
    auto it = std::find_if(children_.begin(), children_.end(), [&](const auto& c) { return c.get() == &child; });
    if (it == children_.end()) return nullptr;
    std::unique_ptr<Control> owned(it->get());
    Remove(child);
    return owned;
}

void WinControl::Restack(Control& child, bool toTop) {
    auto it = std::find_if(children_.begin(), children_.end(), [&](const auto& c) { return c.get() == &child; });
    if (it == children_.end()) return;
    std::unique_ptr<Control> owned = std::move(*it);
    children_.erase(it);
    if (toTop)
        children_.push_back(std::move(owned));
    else
        children_.insert(children_.begin(), std::move(owned));
    InvalidateRect(child.BoundsRect());
}

void WinControl::EraseBackground(gfx::Painter& painter) { painter.FillRect(ClientRect(), gfx::ColorToPixel(Color)); }

void WinControl::SetTabOrder(int order) { tabOrder_ = order; }

bool WinControl::CanFocus() const { return Showing() && IsEnabled() && ParentForm() != nullptr; }

bool WinControl::Focused() const {
    const Form* form = ParentForm();
    return form && form->ActiveControl() == this;
}

void WinControl::SetFocus() {
    if (Form* form = ParentForm(); form && CanFocus()) form->SetActiveControl(this);
}

void WinControl::SetWindowRegion(std::optional<gfx::Region> region) {
    region_ = std::move(region);
    if (Parent()) Parent()->InvalidateRect(BoundsRect());
}

Control* WinControl::ControlAt(gfx::Point local) const {
    auto hits = [&](const Control& c) {
        if (!c.Visible() || !c.BoundsRect().contains(local)) return false;
        if (const auto* w = dynamic_cast<const WinControl*>(&c); w && w->region_)
            return w->region_->Contains(local - c.BoundsRect().top_left());
        return true;
    };
    for (auto it = children_.rbegin(); it != children_.rend(); ++it)
        if ((*it)->IsWindowed() && hits(**it)) return it->get();
    for (auto it = children_.rbegin(); it != children_.rend(); ++it)
        if (!(*it)->IsWindowed() && hits(**it)) return it->get();
    return nullptr;
}

void WinControl::NotifyControls(const Notification& n, bool windowedOnly) {
    // A handler may reorder the list; walk a snapshot.
    std::vector<Control*> snapshot;
    for (const auto& c : children_)
        if (!windowedOnly || c->IsWindowed()) snapshot.push_back(c.get());
    for (Control* c : snapshot) c->Notify(n);
}

namespace {
void PaintChild(Control& child, gfx::Painter& painter) {
    gfx::PainterSaver saver(painter);
    painter.Translate(child.BoundsRect().top_left());
    painter.ClipRect(child.ClientRect());
    if (auto* w = dynamic_cast<WinControl*>(&child)) {
        if (w->WindowRegion()) painter.ClipRegion(*w->WindowRegion());
        if (painter.ClipBounds().empty()) return;
        w->PaintTree(painter);
    } else {
        if (painter.ClipBounds().empty()) return;
        child.Paint(painter);
    }
}
}  // namespace

void WinControl::PaintTree(gfx::Painter& painter) {
    EraseBackground(painter);
    Paint(painter);
    for (const auto& c : children_)
        if (!c->IsWindowed() && c->Visible()) PaintChild(*c, painter);
    for (const auto& c : children_)
        if (c->IsWindowed() && c->Visible()) PaintChild(*c, painter);
}

// Marks a control as painting into a copy for as long as it lives.
class CopyPaintMark {
public:
    explicit CopyPaintMark(Control& c) : c_(c), previous_(c.paintingCopy_) { c_.paintingCopy_ = true; }
    ~CopyPaintMark() { c_.paintingCopy_ = previous_; }
    CopyPaintMark(const CopyPaintMark&) = delete;
    CopyPaintMark& operator=(const CopyPaintMark&) = delete;

private:
    Control& c_;
    bool previous_;
};

void CaptureParentImage(const Control& control, gfx::Bitmap& image) {
    WinControl* parent = control.Parent();
    if (!parent) return;
    const gfx::Rect bounds = control.BoundsRect();
    image.Reset(std::max(0, bounds.width()), std::max(0, bounds.height()));
    if (image.empty()) return;
    gfx::Painter painter(image);
    painter.Translate({-bounds.left, -bounds.top});
    painter.ClipRect(parent->ClientRect());
    {
        CopyPaintMark mark(*parent);
        parent->EraseBackground(painter);
        if (!dynamic_cast<Form*>(parent)) parent->Paint(painter);
    }
    for (const auto& sibling : parent->Controls()) {
        if (sibling.get() == &control) break;
        if (sibling->IsWindowed() || !sibling->Visible() || !sibling->BoundsRect().intersects(bounds)) continue;
        CopyPaintMark mark(*sibling);
        gfx::PainterSaver saver(painter);
        painter.Translate(sibling->BoundsRect().top_left());
        painter.ClipRect(sibling->ClientRect());
        sibling->Paint(painter);
    }
}

}  // namespace platform
