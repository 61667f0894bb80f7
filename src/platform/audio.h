#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// A sound that cannot be opened; the message is the audio system's own explanation.
class AudioError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The sound output the cue player plays through: one open WAV file at a time. Every
// backend has one. Without a usable output device the files are still opened and checked
// exactly as with one, so a missing or broken file is reported the same way, but nothing
// sounds.
class Audio {
public:
    virtual ~Audio() = default;

    // Opens and decodes the WAV file at path (relative to the working directory), closing
    // the file open before. Throws AudioError when the file cannot be read or decoded.
    virtual void Open(const std::string& path) = 0;
    // Starts the open sound and returns at once; does nothing when nothing is open, and a
    // failure to start is ignored.
    virtual void Play() = 0;
    // Cuts the sound and closes the file; does nothing when nothing is open.
    virtual void Close() = 0;
    // Whether a file is open.
    [[nodiscard]] virtual bool IsOpen() const = 0;
    // Whether sounds can be heard at all: false when there is no usable output device.
    [[nodiscard]] virtual bool HasDevice() const = 0;
};

}  // namespace platform
