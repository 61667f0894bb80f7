#pragma once

#include <string>
#include <vector>

#include "platform/win_control.h"

namespace platformtest {

// Writes every input event it receives into a shared log as "name:event".
template <typename Base>
class Recording : public Base {
public:
    Recording(std::vector<std::string>& log, std::string name) : log_(log), name_(std::move(name)) {}

    void MouseDown(platform::MouseButton, unsigned shift, gfx::Point p) override {
        Add("down" + std::string(shift & platform::ssDouble ? "2" : "") + "@" + Pos(p));
    }
    void MouseUp(platform::MouseButton, unsigned, gfx::Point p) override { Add("up@" + Pos(p)); }
    void MouseMove(unsigned, gfx::Point p) override { Add("move@" + Pos(p)); }
    void Click() override { Add("click"); }
    void DblClick() override { Add("dblclick"); }
    void MouseEnter() override { Add("enter"); }
    void MouseLeave() override { Add("leave"); }
    bool MouseWheel(unsigned, int delta, gfx::Point) override {
        Add("wheel" + std::to_string(delta));
        return takesWheel;
    }
    void KeyDown(platform::Key& key, unsigned) override { Add("keydown" + std::to_string(static_cast<int>(key))); }
    void KeyPress(char32_t& ch) override {
        Add("char" + std::to_string(static_cast<unsigned>(ch)));
        if (takesChars) ch = 0;
    }

    bool takesWheel = false;
    bool takesChars = false;

private:
    void Add(const std::string& what) { log_.push_back(name_ + ":" + what); }
    static std::string Pos(gfx::Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

    std::vector<std::string>& log_;
    std::string name_;
};

using RecordingWindowed = Recording<platform::WinControl>;
using RecordingWindowless = Recording<platform::Control>;

}  // namespace platformtest
