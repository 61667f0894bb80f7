#include "platform/form.h"

#include <algorithm>
#include <functional>
#include <stdexcept>

#include "platform/application.h"
#include "platform/plain_frame.h"
#include "platform/text_input.h"

namespace platform {

namespace {

// Clamps a length to a minimum and an optional (non-zero) maximum.
int ClampLength(int v, int min, int max) {
    if (max > 0) v = std::min(v, max);
    return std::max(v, min);
}

Cursor CursorForCode(HitTest code) {
    switch (code) {
        case HitTest::Left:
        case HitTest::Right:
            return Cursor::SizeWE;
        case HitTest::Top:
        case HitTest::Bottom:
            return Cursor::SizeNS;
        case HitTest::TopLeft:
        case HitTest::BottomRight:
            return Cursor::SizeNWSE;
        case HitTest::TopRight:
        case HitTest::BottomLeft:
            return Cursor::SizeNESW;
        default:
            return Cursor::Arrow;
    }
}

// Every focusable Tab stop under root, in Tab order (each parent's children by TabOrder).
void CollectTabStops(const WinControl& root, std::vector<WinControl*>& out) {
    std::vector<WinControl*> children;
    for (const auto& c : root.Controls())
        if (auto* w = dynamic_cast<WinControl*>(c.get()); w && w->Visible() && w->Enabled()) children.push_back(w);
    std::stable_sort(children.begin(), children.end(),
                     [](const WinControl* a, const WinControl* b) { return a->TabOrder() < b->TabOrder(); });
    for (WinControl* w : children) {
        if (w->TabStop && w->CanFocus()) out.push_back(w);
        CollectTabStops(*w, out);
    }
}

// Calls f on every showing, enabled control under root, depth first, until f returns true.
bool AnyControl(const WinControl& root, const std::function<bool(Control&)>& f) {
    for (const auto& c : root.Controls()) {
        if (!c->Visible() || !c->Enabled()) continue;
        if (f(*c)) return true;
        if (auto* w = dynamic_cast<WinControl*>(c.get()); w && AnyControl(*w, f)) return true;
    }
    return false;
}

}  // namespace

Form::Form(Application& app) : app_(app), plainFrame_(std::make_unique<PlainFrame>(*this)) {
    visible_ = false;
    bounds_ = {0, 0, 320, 240};
    app_.Register(*this);
}

Form::~Form() {
    // Components and controls may reach back into the form while they go.
    components_.clear();
    app_.Unregister(*this);
}

void Form::SetCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    app_.GetBackend().SetWindowCaption(*this, caption_);
    Frame().CaptionChanged();
    InvalidateNonClient();
}

void Form::SetBounds(int left, int top, int width, int height) {
    const SizeLimits limits = Limits();
    width = ClampLength(width, limits.min.width, limits.max.width);
    height = ClampLength(height, limits.min.height, limits.max.height);
    const gfx::Rect next = gfx::Rect::from_size(left, top, width, height);
    if (next == bounds_) return;
    const bool resized = next.size() != bounds_.size();
    bounds_ = next;
    app_.GetBackend().SetWindowBounds(*this, bounds_);
    if (!PopupStyle) app_.CancelPopups(this);  // a menu does not follow its moving owner
    if (resized) Resized();
}

void Form::HandleBoundsChanged(const gfx::Rect& bounds) {
    if (bounds == bounds_) return;
    const bool resized = bounds.size() != bounds_.size();
    bounds_ = bounds;
    if (!PopupStyle) app_.CancelPopups(this);
    if (resized) Resized();
}

void Form::Resized() {
    Frame().Resized(bounds_.size());
    InvalidateWindow({0, 0, Width(), Height()});
}

gfx::Rect Form::ClientRectInWindow() const { return Frame().ClientRect(bounds_.size()); }

void Form::SetClientSize(int width, int height) {
    const gfx::Rect client = ClientRectInWindow();
    SetBounds(Left(), Top(), width + Width() - client.width(), height + Height() - client.height());
}

void Form::CenterOnWorkArea() {
    const gfx::Rect area = app_.WorkArea();
    SetBounds(area.left + area.width() / 2 - Width() / 2, area.top + area.height() / 2 - Height() / 2, Width(),
              Height());
}

void Form::Show() {
    if (Visible()) {
        app_.BringToFront(*this);
        if (!PopupStyle) app_.Activate(this);
        return;
    }
    Frame().Showing(!shownOnce_);
    if (!shownOnce_) {
        shownOnce_ = true;
        SetBounds(Left(), Top(), Width(), Height());
        if (Position == FormPosition::DesktopCenter) CenterOnWorkArea();
        if (Position == FormPosition::ScreenCenter) {
            const gfx::Rect screen = app_.GetBackend().ScreenRect();
            SetBounds(screen.left + screen.width() / 2 - Width() / 2, screen.top + screen.height() / 2 - Height() / 2,
                      Width(), Height());
        }
    }
    visible_ = true;
    try {
        FormShow();
    } catch (...) {
        visible_ = false;  // never half shown: the window system has not seen it yet
        throw;
    }
    if (!visible_) return;  // FormShow hid it again
    if (!focused_) SelectNext(true);
    InvalidateWindow({0, 0, Width(), Height()});
    Update();
    app_.GetBackend().ShowWindow(*this, true);
    app_.FormShown(*this);
}

void Form::Hide() {
    if (!visible_) return;
    if (InMoveSize()) EndMoveSize();
    SetMouseCapture(nullptr);
    UpdateHover(nullptr);
    visible_ = false;
    app_.GetBackend().ShowWindow(*this, false);
    FormHide();
    app_.FormHidden(*this);
}

int Form::ShowModal() {
    if (modal_)
        throw std::runtime_error("The window \"" + caption_ +
                                 "\" is already shown modally and cannot be shown so again.");
    // Drags in other windows end here: they take no input until this one closes.
    for (Form* f : app_.Forms()) {
        if (f->InMoveSize()) f->EndMoveSize();
        f->SetMouseCapture(nullptr);
    }
    ModalResult = mrNone;
    modal_ = true;
    app_.PushModal(*this);
    struct PopGuard {
        Form& form;
        ~PopGuard() {
            form.modal_ = false;
            form.app_.PopModal(form);
        }
    };
    {
        PopGuard guard{*this};
        Show();
        app_.RunLoopUntil([this] { return ModalResult != mrNone || !visible_; });
        if (ModalResult == mrNone) ModalResult = mrCancel;
    }
    Hide();
    return ModalResult;
}

void Form::Close() {
    CloseAction action = CloseAction::Hide;
    FormClose(action);
    if (action == CloseAction::None) return;
    if (modal_ && ModalResult == mrNone) ModalResult = mrCancel;
    if (action == CloseAction::Minimize) {
        Minimize();
        return;
    }
    Hide();
    if (this == app_.MainForm()) app_.Terminate();
}

bool Form::IsActive() const { return active_; }

void Form::Minimize() { app_.GetBackend().MinimizeWindow(*this); }

void Form::SetWindowOutline(std::optional<gfx::Region> outline) {
    outline_ = std::move(outline);
    app_.GetBackend().SetWindowOutline(*this, outline_);
}

void Form::SetOpacity(std::uint8_t opacity) {
    if (opacity == opacity_) return;
    opacity_ = opacity;
    app_.GetBackend().SetWindowOpacity(*this, opacity_);
}

FrameHook* Form::SetFrameHook(FrameHook* hook) {
    FrameHook* previous = hook_;
    hook_ = hook;
    Frame().Resized(bounds_.size());
    InvalidateWindow({0, 0, Width(), Height()});
    return previous;
}

HitTest Form::HitTestAt(gfx::Point window) {
    if (!gfx::Rect{0, 0, Width(), Height()}.contains(window)) return HitTest::Nowhere;
    return Frame().HitTestAt(window);
}

SizeLimits Form::Limits() const { return Frame().Limits(); }

void Form::SetActiveControl(WinControl* control) {
    if (control == focused_) return;
    WinControl* old = focused_;
    focused_ = control;
    if (old) old->FocusChanged(false);
    if (focused_ == control && control) control->FocusChanged(true);
    AnnounceFocus();
}

namespace {
void NotifyTree(WinControl& root, const Notification& n) {
    for (const auto& c : root.Controls()) {
        c->Notify(n);
        if (auto* w = dynamic_cast<WinControl*>(c.get())) NotifyTree(*w, n);
    }
}
}  // namespace

void Form::AnnounceFocus() { NotifyTree(*this, {Message::FocusChanged, focused_}); }

void Form::SelectNext(bool forward) {
    std::vector<WinControl*> stops;
    CollectTabStops(*this, stops);
    if (stops.empty()) return;
    auto it = std::find(stops.begin(), stops.end(), focused_);
    std::size_t index;
    if (it == stops.end())
        index = forward ? 0 : stops.size() - 1;
    else if (forward)
        index = (static_cast<std::size_t>(it - stops.begin()) + 1) % stops.size();
    else
        index = (static_cast<std::size_t>(it - stops.begin()) + stops.size() - 1) % stops.size();
    SetActiveControl(stops[index]);
}

void Form::SetMouseCapture(Control* control) {
    if (control == capture_) return;
    capture_ = control;
    if (!nonClientPressed_ && !InMoveSize()) app_.GetBackend().CapturePointer(*this, capture_ != nullptr);
}

void Form::Released(Control& control) {
    if (capture_ == &control) SetMouseCapture(nullptr);
    if (hover_ == &control) hover_ = nullptr;
    if (focused_ == &control) focused_ = nullptr;
}

void Form::InvalidateWindow(const gfx::Rect& window) {
    const gfx::Rect r = window.intersected({0, 0, Width(), Height()});
    if (!r.empty()) dirty_ = dirty_.united(r);
}

void Form::InvalidateNonClient() { frameDirty_ = true; }

void Form::Notify(const Notification& n) {
    if (hook_) hook_->Notify(n);
}

gfx::Rect Form::PaintDirty() {
    const gfx::Rect all{0, 0, Width(), Height()};
    if (backbuffer_.size() != bounds_.size()) {
        backbuffer_.Reset(Width(), Height(), gfx::ColorToPixel(gfx::clBtnFace));
        dirty_ = all;
    }
    const gfx::Rect area = dirty_;
    const bool frame = frameDirty_ && !all.empty();
    dirty_ = {};
    frameDirty_ = false;
    gfx::Painter painter(backbuffer_);
    const gfx::Rect client = ClientRectInWindow();
    if (frame && !area.contains(all)) {
        // The ring around the client area; the controls inside keep their pixels.
        const gfx::Rect ring[] = {{0, 0, all.right, client.top},
                                  {0, client.bottom, all.right, all.bottom},
                                  {0, client.top, client.left, client.bottom},
                                  {client.right, client.top, all.right, client.bottom}};
        gfx::PainterSaver saver(painter);
        painter.ClipRegion(gfx::Region::FromRects(ring));
        Frame().PaintNonClient(painter, bounds_.size());
    }
    if (area.empty()) return frame ? all : area;
    painter.ClipRect(area);
    Frame().PaintNonClient(painter, bounds_.size());
    painter.Translate(client.top_left());
    painter.ClipRect({0, 0, client.width(), client.height()});
    if (!painter.ClipBounds().empty()) PaintTree(painter);
    return frame ? all : area;
}

void Form::Update() {
    if (!visible_) return;
    const gfx::Rect painted = PaintDirty();
    if (!painted.empty()) app_.GetBackend().Present(*this, backbuffer_, painted);
}

const gfx::Bitmap& Form::Backbuffer() {
    const gfx::Rect painted = PaintDirty();
    if (visible_ && !painted.empty()) app_.GetBackend().Present(*this, backbuffer_, painted);
    return backbuffer_;
}

void Form::EraseBackground(gfx::Painter& painter) {
    if (hook_ && hook_->EraseClient(painter, ClientRect().size())) return;
    WinControl::EraseBackground(painter);
}

Control* Form::ControlAtWindow(gfx::Point window, gfx::Point* local) const {
    gfx::Point p = window - ClientRectInWindow().top_left();
    const WinControl* container = this;
    for (;;) {
        Control* child = container->ControlAt(p);
        if (!child) break;
        p = p - child->BoundsRect().top_left();
        auto* w = dynamic_cast<WinControl*>(child);
        if (!w) {
            *local = p;
            return child;
        }
        container = w;
    }
    *local = p;
    return const_cast<WinControl*>(container);
}

void Form::UpdateHover(Control* now) {
    if (now == hover_) return;
    Control* old = hover_;
    hover_ = now;
    if (old) old->MouseLeave();
    if (now && hover_ == now) now->MouseEnter();
}

void Form::ShowCursorFor(gfx::Point window, HitTest code) {
    if (code != HitTest::Client) {
        app_.GetBackend().SetCursor(CursorForCode(code));
        return;
    }
    gfx::Point local;
    const Control* c = ControlAtWindow(window, &local);
    while (c && c->ControlCursor == Cursor::Default) c = c->Parent();
    app_.GetBackend().SetCursor(c ? c->ControlCursor : Cursor::Arrow);
}

void Form::BeginMoveSize(HitTest code, gfx::Point screen) {
    if (code != HitTest::Caption && !IsSizingEdge(code)) return;
    moveSize_ = code;
    moveStartPointer_ = screen;
    moveStartBounds_ = bounds_;
    app_.GetBackend().CapturePointer(*this, true);
    Frame().MoveSizeStart(code);
}

void Form::ContinueMoveSize(gfx::Point screen) {
    const gfx::Point d = screen - moveStartPointer_;
    gfx::Rect r = moveStartBounds_;
    if (moveSize_ == HitTest::Caption) {
        r = r.translated(d);
        Frame().Moving(r);
        SetBounds(r);
        return;
    }
    const auto code = static_cast<int>(moveSize_);
    const bool left = code == 10 || code == 13 || code == 16;
    const bool right = code == 11 || code == 14 || code == 17;
    const bool top = code == 12 || code == 13 || code == 14;
    const bool bottom = code == 15 || code == 16 || code == 17;
    const SizeLimits limits = Limits();
    if (left || right) {
        const int w = ClampLength(r.width() + (right ? d.x : -d.x), limits.min.width, limits.max.width);
        if (left)
            r.left = r.right - w;
        else
            r.right = r.left + w;
    }
    if (top || bottom) {
        const int h = ClampLength(r.height() + (bottom ? d.y : -d.y), limits.min.height, limits.max.height);
        if (top)
            r.top = r.bottom - h;
        else
            r.bottom = r.top + h;
    }
    SetBounds(r);
}

void Form::EndMoveSize() {
    moveSize_ = HitTest::Nowhere;
    app_.GetBackend().CapturePointer(*this, capture_ != nullptr);
    Frame().MoveSizeEnd();
}

void Form::HandleMouseDown(gfx::Point window, gfx::Point screen, MouseButton button, unsigned shift) {
    const HitTest code = HitTestAt(window);
    if (code != HitTest::Client && !capture_) {
        if (button == MouseButton::Left && (shift & ssDouble) && Frame().NonClientDoubleClick(window, code)) return;
        if (button == MouseButton::Left && (code == HitTest::Caption || IsSizingEdge(code))) {
            BeginMoveSize(code, screen);
            return;
        }
        nonClientPressed_ = true;
        app_.GetBackend().CapturePointer(*this, true);
        Frame().NonClientMouseDown(window, button, shift);
        return;
    }
    gfx::Point local;
    Control* target = capture_ ? capture_ : ControlAtWindow(window, &local);
    if (capture_) local = window - capture_->ClientToWindow({0, 0});
    if (!target->IsEnabled()) return;
    if (auto* w = dynamic_cast<WinControl*>(target); w && w != this && w->TabStop && w->CanFocus()) w->SetFocus();
    // The window system pairs presses by time and distance alone (SDL within 32 pixels), so
    // a quick press on a neighbouring control would otherwise lose its click.
    if (button == MouseButton::Left) {
        if (target != lastLeftPressed_) shift &= ~static_cast<unsigned>(ssDouble);
        lastLeftPressed_ = target;
    }
    const bool isDouble = (shift & ssDouble) != 0;
    clickArmed_ = button == MouseButton::Left && !isDouble;
    SetMouseCapture(target);
    target->MouseDown(button, shift | ButtonState(button), local);
    if (isDouble && button == MouseButton::Left && capture_ == target) target->DblClick();
}

void Form::HandleMouseUp(gfx::Point window, gfx::Point screen, MouseButton button, unsigned shift) {
    if (InMoveSize()) {
        ContinueMoveSize(screen);
        if (button == MouseButton::Left) EndMoveSize();
        return;
    }
    if (nonClientPressed_) {
        nonClientPressed_ = false;
        app_.GetBackend().CapturePointer(*this, capture_ != nullptr);
        Frame().NonClientMouseUp(window, button, shift);
        return;
    }
    Control* target = capture_;
    gfx::Point local;
    if (!target) {
        if (HitTestAt(window) != HitTest::Client) return;
        target = ControlAtWindow(window, &local);
        if (target->IsEnabled()) target->MouseUp(button, shift, local);
        return;
    }
    local = window - target->ClientToWindow({0, 0});
    const bool click = clickArmed_ && button == MouseButton::Left;
    clickArmed_ = false;
    SetMouseCapture(nullptr);
    target->MouseUp(button, shift, local);
    // The handler may have hidden or disabled the control; a click needs it still there.
    if (click && target->ClientRect().contains(local) && target->Showing() && target->IsEnabled()) target->Click();
}

void Form::HandleMouseMove(gfx::Point window, gfx::Point screen, unsigned shift) {
    if (InMoveSize()) {
        ContinueMoveSize(screen);
        return;
    }
    if (nonClientPressed_) {
        Frame().NonClientMouseMove(window, shift);
        return;
    }
    const HitTest code = HitTestAt(window);
    ShowCursorFor(window, code);
    if (code != HitTest::Client && !capture_) {
        UpdateHover(nullptr);
        pointerInNonClient_ = true;
        Frame().NonClientMouseMove(window, shift);
        return;
    }
    if (pointerInNonClient_) {
        pointerInNonClient_ = false;
        Frame().NonClientLeave();
    }
    gfx::Point local;
    Control* under = code == HitTest::Client ? ControlAtWindow(window, &local) : nullptr;
    UpdateHover(under);
    Control* target = capture_ ? capture_ : under;
    if (target && target->IsEnabled()) target->MouseMove(shift, window - target->ClientToWindow({0, 0}));
}

void Form::HandleMouseWheel(gfx::Point window, int delta, unsigned shift) {
    if (HitTestAt(window) != HitTest::Client) return;
    gfx::Point local;
    for (Control* c = ControlAtWindow(window, &local); c; c = c->Parent()) {
        if (c->IsEnabled() && c->MouseWheel(shift, delta, window - c->ClientToWindow({0, 0}))) return;
    }
}

void Form::HandleMouseLeave() {
    if (InMoveSize() || nonClientPressed_) return;
    UpdateHover(nullptr);
    // The frame hears of it even when no motion crossed its part: a window shown under the
    // pointer may have lit a frame object from a hit test alone.
    pointerInNonClient_ = false;
    Frame().NonClientLeave();
}

void Form::HandleKeyDown(Key key, unsigned shift) {
    if (KeyPreview) {
        FormKeyDown(key, shift);
        if (key == Key::None) return;
    }
    if (focused_ && !focused_->CanFocus()) SetActiveControl(nullptr);
    if (focused_) {
        Key k = key;
        focused_->KeyDown(k, shift);
        if (k == Key::None || (focused_ && focused_->WantsKey(key))) return;
    }
    DialogKey(key, shift);
}

void Form::HandleKeyUp(Key key, unsigned shift) {
    if (focused_ && focused_->CanFocus()) focused_->KeyUp(key, shift);
}

void Form::HandleText(std::string_view utf8, unsigned shift) {
    for (char32_t ch : DecodeUtf8(utf8)) {
        if (ch < 0x20 || ch == 0x7F || !Windows1251CanHold(ch)) continue;
        if (focused_ && focused_->CanFocus() && !(shift & ssAlt)) {
            focused_->KeyPress(ch);
            if (ch == 0) continue;
        }
        OfferAccelerator(ToLowerChar(ch));
    }
}

bool Form::DialogKey(Key key, unsigned shift) {
    switch (key) {
        case Key::Tab:
            if (shift & (ssAlt | ssCtrl)) return false;
            SelectNext(!(shift & ssShift));
            return true;
        case Key::Return:
        case Key::Escape:
            return AnyControl(*this, [&](Control& c) { return c.HandleDialogKey(key, shift); });
        default:
            break;
    }
    // Alt with a letter or digit presses the control whose caption marks it.
    const int k = static_cast<int>(key);
    if ((shift & ssAlt) && ((k >= 'A' && k <= 'Z') || (k >= '0' && k <= '9')))
        return OfferAccelerator(ToLowerChar(static_cast<char32_t>(k)));
    return false;
}

bool Form::OfferAccelerator(char32_t ch) {
    return AnyControl(*this, [&](Control& c) { return c.HandleAccelerator(ch); });
}

void Form::SetActiveState(bool active) {
    if (active == active_) return;
    active_ = active;
    Frame().ActivationChanged(active);
    if (focused_) focused_->WindowActivationChanged(active);
    InvalidateNonClient();
    if (active)
        FormActivate();
    else
        FormDeactivate();
}

}  // namespace platform
