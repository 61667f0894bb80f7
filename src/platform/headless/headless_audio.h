#pragma once

#include <string>
#include <vector>

#include "platform/audio.h"

namespace platform {

// The audio output of the headless backend. It opens and decodes files exactly as the real
// output does, so tests see the same errors, and records what happened instead of sounding.
class HeadlessAudio : public Audio {
public:
    // What the output was asked to do, in order.
    struct Event {
        enum class Kind { Open, Play, Close };
        Kind kind;
        std::string path;
        friend bool operator==(const Event&, const Event&) = default;
    };

    // hasDevice false behaves like a machine without a sound card: files are still checked.
    explicit HeadlessAudio(bool hasDevice = true) : hasDevice_(hasDevice) {}

    void Open(const std::string& path) override;
    void Play() override;
    void Close() override;
    [[nodiscard]] bool IsOpen() const override { return !openPath_.empty(); }
    [[nodiscard]] bool HasDevice() const override { return hasDevice_; }

    // Makes every later Play fail to start, as a busy device would.
    void SetStartFails(bool fails) { startFails_ = fails; }
    // The file that would be heard now; empty when silent.
    [[nodiscard]] const std::string& Sounding() const { return sounding_; }
    // Every successful Open, Play that started, and Close of an open file.
    [[nodiscard]] const std::vector<Event>& Events() const { return events_; }

private:
    bool hasDevice_;
    bool startFails_ = false;
    std::string openPath_;
    std::string sounding_;
    std::vector<Event> events_;
};

}  // namespace platform
