#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/clipboard.h"
#include "platform/headless/headless_audio.h"
#include "platform/message_box.h"

namespace platform::headless {

// A message box as it was shown.
struct MessageRecord {
    MessageKind kind;
    std::string title;
    std::string text;
};

// What the headless window system knows about one window.
struct WindowState {
    gfx::Rect bounds;
    std::string caption;
    bool visible = false;
    bool minimized = false;
    std::optional<gfx::Region> outline;
    std::uint8_t opacity = 255;
    int presents = 0;
    gfx::Rect lastPresented;  // the part of the backbuffer the last present repainted
};

// A backend without a display: a virtual clock that moves only when a test says so, and a
// script of steps that a waiting loop runs one by one. A modal loop that waits when the
// script is empty closes its window, so a test can never hang; a message box shown that
// way counts as answered with OK.
class HeadlessBackend : public Backend {
public:
    // audioDevice false gives a machine without a sound device: cues are checked, none sounds.
    explicit HeadlessBackend(bool audioDevice = true);
    ~HeadlessBackend() override;

    std::int64_t NowMs() override { return clock_; }
    bool WaitEvents(Application& app, std::optional<std::int64_t> deadline) override;
    void PollEvents(Application& /*app*/) override {}
    gfx::Rect WorkArea() override { return workArea_; }
    gfx::Rect ScreenRect() override { return screen_; }
    void SetTitle(const std::string& title) override { title_ = title; }
    void CreateWindow(Form& form) override;
    void DestroyWindow(Form& form) override;
    void ShowWindow(Form& form, bool visible) override;
    void RaiseWindow(Form& form) override;
    void MinimizeWindow(Form& form) override;
    void SetWindowBounds(Form& form, const gfx::Rect& bounds) override;
    void SetWindowCaption(Form& form, const std::string& caption) override;
    void SetWindowOutline(Form& form, const std::optional<gfx::Region>& outline) override;
    void SetWindowOpacity(Form& form, std::uint8_t opacity) override;
    void Present(Form& form, const gfx::Bitmap& backbuffer, const gfx::Rect& dirty) override;
    void SetCursor(Cursor cursor) override { cursor_ = cursor; }
    void CapturePointer(Form& form, bool capture) override;
    gfx::Point PointerPosition() override { return pointer_; }
    Audio* GetAudio() override;
    Clipboard& GetClipboard() override { return clipboard_; }

    // Test side.
    void SetClock(std::int64_t ms) { clock_ = ms; }
    void SetWorkArea(const gfx::Rect& area) { workArea_ = area; }
    void SetPointer(gfx::Point screen) { pointer_ = screen; }
    // Appends a step for a waiting loop to run.
    void Script(std::function<void()> step) { script_.push_back(std::move(step)); }
    [[nodiscard]] std::size_t PendingSteps() const { return script_.size(); }
    [[nodiscard]] const std::vector<MessageRecord>& Messages() const { return messages_; }
    void ClearMessages() { messages_.clear(); }
    [[nodiscard]] const WindowState& State(const Form& form) const;
    [[nodiscard]] const std::string& Title() const { return title_; }
    [[nodiscard]] Cursor CurrentCursor() const { return cursor_; }
    [[nodiscard]] Form* CapturedBy() const { return captured_; }
    // How many times a waiting loop found the script empty and gave up.
    [[nodiscard]] int StalledWaits() const { return stalled_; }
    // The recording audio output.
    [[nodiscard]] HeadlessAudio& Sound() { return *audio_; }

private:
    std::int64_t clock_ = 0;
    gfx::Rect workArea_{0, 0, 1024, 738};
    gfx::Rect screen_{0, 0, 1024, 768};
    std::string title_;
    std::deque<std::function<void()>> script_;
    std::vector<MessageRecord> messages_;
    std::map<const Form*, WindowState> windows_;
    Cursor cursor_ = Cursor::Default;
    Form* captured_ = nullptr;
    gfx::Point pointer_;
    int stalled_ = 0;
    std::unique_ptr<HeadlessAudio> audio_;
    MemoryClipboard clipboard_;
};

}  // namespace platform::headless
