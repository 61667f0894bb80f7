#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/region.h"
#include "platform/frame_hook.h"
#include "platform/win_control.h"

namespace platform {

class Application;

// Where a form is placed at its first showing.
enum class FormPosition { Designed, DesktopCenter, ScreenCenter };

// What closing a form does (FormClose may change it).
enum class CloseAction { None, Hide, Minimize };

// The kind of frame the plain frame draws (a frame hook decides for itself).
enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow };

// Results a modal form ends with; any non-zero value ends ShowModal.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

// A top-level window. Created hidden; its controls live in the client area, inside the
// frame (a FrameHook's or the plain one). Bounds (Left, Top, Width, Height) are the outer
// bounds in screen pixels. Derived windows override the Form* handlers.
class Form : public WinControl {
public:
    explicit Form(Application& app);
    ~Form() override;

    [[nodiscard]] Application& App() const { return app_; }
    [[nodiscard]] Form* ParentForm() const override { return const_cast<Form*>(this); }

    [[nodiscard]] const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);

    // Sizes are clamped to the size limits of the frame.
    void SetBounds(int left, int top, int width, int height) override;
    using Control::SetBounds;
    // The client rectangle in window coordinates.
    [[nodiscard]] gfx::Rect ClientRectInWindow() const;
    [[nodiscard]] gfx::Rect ClientRect() const override { return {0, 0, ClientWidth(), ClientHeight()}; }
    [[nodiscard]] int ClientWidth() const { return ClientRectInWindow().width(); }
    [[nodiscard]] int ClientHeight() const { return ClientRectInWindow().height(); }
    // Sizes the window so that its client area has this size.
    void SetClientSize(int width, int height);
    void SetClientWidth(int width) { SetClientSize(width, ClientHeight()); }
    void SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }
    // Centres the window on the desktop's work area (halves truncated toward zero).
    void CenterOnWorkArea();
    FormPosition Position = FormPosition::Designed;

    // Shows the window and activates it; on a visible window only brings it to the front.
    // The first showing brings the window within its size limits again, since a frame's
    // maximum may come from the window system, which has the window from then on.
    void Show();
    // Whether the window has been shown: the window system has had it since.
    [[nodiscard]] bool ShownOnce() const { return shownOnce_; }
    void Hide();
    // Shows the window and runs a nested loop until it closes or ModalResult is set;
    // the program's other windows take no input meanwhile. Returns ModalResult.
    int ShowModal();
    // Asks the window to close: FormClose decides what happens (hide by default).
    void Close();
    int ModalResult = mrNone;
    [[nodiscard]] bool IsModal() const { return modal_; }
    // The active window among the program's own.
    [[nodiscard]] bool IsActive() const;
    void Minimize();

    // A top-most tool window that never takes activation (popup menus).
    bool PopupStyle = false;
    platform::BorderStyle BorderStyle = BorderStyle::Sizeable;

    // The outline in window coordinates; nullopt is the full rectangle.
    void SetWindowOutline(std::optional<gfx::Region> outline);
    [[nodiscard]] const std::optional<gfx::Region>& WindowOutline() const { return outline_; }
    // Constant opacity of the whole window, 255 for opaque.
    void SetOpacity(std::uint8_t opacity);
    [[nodiscard]] std::uint8_t Opacity() const { return opacity_; }

    // Installs a frame hook (null for the plain frame) and returns the previous one.
    FrameHook* SetFrameHook(FrameHook* hook);
    [[nodiscard]] FrameHook* GetFrameHook() const { return hook_; }
    [[nodiscard]] HitTest HitTestAt(gfx::Point window);
    [[nodiscard]] SizeLimits Limits() const;
    // Whether a move or size loop is running.
    [[nodiscard]] bool InMoveSize() const { return moveSize_ != HitTest::Nowhere; }
    // Starts a move or size loop as if the left button went down on that code at the
    // pointer's current place; the loop ends when the button is released.
    void BeginMoveSize(HitTest code, gfx::Point screen);

    // The focused control (null when none).
    [[nodiscard]] WinControl* ActiveControl() const { return focused_; }
    void SetActiveControl(WinControl* control);
    // Tells every control of the window where the focus is now (FocusChanged, sender the focused
    // control or null), as happens after every focus move.
    void AnnounceFocus();
    // Moves the focus to the next (or previous) Tab stop, wrapping around.
    void SelectNext(bool forward);
    // The control that holds the pointer until release, and the one under the pointer.
    [[nodiscard]] Control* MouseCapture() const { return capture_; }
    void SetMouseCapture(Control* control);
    [[nodiscard]] Control* HoverControl() const { return hover_; }

    // Marks a part of the window (window coordinates) for repainting; the non-client part
    // alone (the client's controls are not painted again for it).
    void InvalidateWindow(const gfx::Rect& window);
    void InvalidateNonClient();
    // Paints what is dirty into the backbuffer and presents it.
    void Update();
    // The window's pixels, frame included, painted up to date.
    [[nodiscard]] const gfx::Bitmap& Backbuffer();

    void EraseBackground(gfx::Painter& painter) override;

    // Input from the Application, in window coordinates, with the pointer's screen place.
    void HandleMouseDown(gfx::Point window, gfx::Point screen, MouseButton button, unsigned shift);
    void HandleMouseUp(gfx::Point window, gfx::Point screen, MouseButton button, unsigned shift);
    void HandleMouseMove(gfx::Point window, gfx::Point screen, unsigned shift);
    void HandleMouseWheel(gfx::Point window, int delta, unsigned shift);
    void HandleMouseLeave();
    void HandleKeyDown(Key key, unsigned shift);
    void HandleKeyUp(Key key, unsigned shift);
    // UTF-8 text typed; characters Windows-1251 cannot hold are dropped.
    void HandleText(std::string_view utf8, unsigned shift);
    // The window system moved or resized the window (outer bounds, screen pixels).
    void HandleBoundsChanged(const gfx::Rect& bounds);

    // Handlers for derived windows.
    virtual void FormCreate() {}
    virtual void FormShow() {}
    virtual void FormHide() {}
    virtual void FormActivate() {}
    virtual void FormDeactivate() {}
    virtual void FormClose(CloseAction& /*action*/) {}
    // With KeyPreview, every key pressed in the window comes here before the focused control;
    // setting key to Key::None consumes it.
    virtual void FormKeyDown(Key& /*key*/, unsigned /*shift*/) {}
    bool KeyPreview = false;

    // Called by the Application when activation among its windows changes.
    void SetActiveState(bool active);
    // Owns a non-visual component (timer, skin data) for the life of the window.
    template <typename T, typename... Args>
    T& Own(Args&&... args) {
        auto c = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *c;
        components_.push_back(std::move(c));
        return ref;
    }

    void Resized() override;
    // Passes the notification to the frame hook first; windows that override it call this.
    void Notify(const Notification& n) override;

private:
    [[nodiscard]] FrameHook& Frame() const { return hook_ ? *hook_ : *plainFrame_; }
    // Paints the dirty part into the backbuffer and returns it (window coordinates).
    gfx::Rect PaintDirty();
    Control* ControlAtWindow(gfx::Point window, gfx::Point* local) const;
    void UpdateHover(Control* now);
    void ContinueMoveSize(gfx::Point screen);
    void EndMoveSize();
    bool DialogKey(Key key, unsigned shift);
    bool OfferAccelerator(char32_t ch);
    void ShowCursorFor(gfx::Point window, HitTest code);
    void Released(Control& control);

    friend class Control;
    friend class WinControl;
    Application& app_;
    std::string caption_;
    FrameHook* hook_ = nullptr;
    std::unique_ptr<FrameHook> plainFrame_;
    std::optional<gfx::Region> outline_;
    std::uint8_t opacity_ = 255;
    bool shownOnce_ = false;
    bool modal_ = false;
    bool active_ = false;

    WinControl* focused_ = nullptr;
    Control* capture_ = nullptr;
    Control* hover_ = nullptr;
    bool clickArmed_ = false;
    // The control the last left press went to, only compared: a double click needs both
    // presses on the same control.
    const Control* lastLeftPressed_ = nullptr;
    bool nonClientPressed_ = false;
    bool pointerInNonClient_ = false;
    bool frameDirty_ = false;  // the non-client part alone needs repainting

    HitTest moveSize_ = HitTest::Nowhere;
    gfx::Point moveStartPointer_;
    gfx::Rect moveStartBounds_;

    gfx::Bitmap backbuffer_;
    gfx::Rect dirty_;
    std::vector<std::unique_ptr<Component>> components_;
};

}  // namespace platform
