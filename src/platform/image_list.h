#pragma once

#include "gfx/painter.h"
#include "platform/component.h"

namespace platform {

// A list of pictures of one size that controls draw by index (a button's glyph, a hint's image).
// The list owns its pictures; a control holds a plain pointer to the list and asks for a free
// notification to clear it.
class ImageList : public Component {
public:
    explicit ImageList(Component* owner = nullptr) : Component(owner) {}

    // The size every picture of the list is drawn at.
    [[nodiscard]] int Width() const { return width_; }
    [[nodiscard]] int Height() const { return height_; }
    // How many pictures the list holds.
    [[nodiscard]] virtual int Count() const = 0;
    // Draws picture index with its top-left corner at (x, y), faded when not enabled. An index outside
    // the list draws nothing.
    virtual void Draw(gfx::Painter& painter, int index, int x, int y, bool enabled) const = 0;

protected:
    void SetImageSize(int width, int height) {
        width_ = width;
        height_ = height;
    }

private:
    int width_ = 16;
    int height_ = 16;
};

}  // namespace platform
