#pragma once

#include <functional>

#include "controls/images/png_image_list.h"
#include "platform/control.h"
#include "platform/input.h"

namespace controls {

// A windowless picture of a PNG image list: what lies behind shows through the picture's
// transparent parts. It does not use the skin. A new view is 50 x 50.
class TspPngImageView : public platform::Control {
public:
    explicit TspPngImageView(Component* owner = nullptr);
    ~TspPngImageView() override;

    // Sizes the view to the list's picture size whenever a list and index are set.
    [[nodiscard]] bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    // The list the picture comes from; cleared when that list is destroyed.
    [[nodiscard]] TspPngImageList* PngImageList() const { return list_; }
    void SetPngImageList(TspPngImageList* list);
    // The picture shown; -1 shows none. Values below -1 keep the index and only repaint.
    [[nodiscard]] int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    // Centres the picture in the view instead of placing it at the top-left corner.
    [[nodiscard]] bool Center() const { return center_; }
    void SetCenter(bool center);

    std::function<void(TspPngImageView& sender)> OnClick;
    std::function<void(TspPngImageView& sender)> OnDblClick;
    std::function<void(TspPngImageView& sender)> OnMouseEnter;
    std::function<void(TspPngImageView& sender)> OnMouseLeave;
    std::function<void(TspPngImageView& sender, platform::MouseButton button, unsigned shift, int x, int y)>
        OnMouseDown;
    std::function<void(TspPngImageView& sender, platform::MouseButton button, unsigned shift, int x, int y)> OnMouseUp;
    std::function<void(TspPngImageView& sender, unsigned shift, int x, int y)> OnMouseMove;

    void Paint(gfx::Painter& painter) override;
    void Click() override;
    void DblClick() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(platform::MouseButton button, unsigned shift, gfx::Point p) override;
    void MouseUp(platform::MouseButton button, unsigned shift, gfx::Point p) override;
    void MouseMove(unsigned shift, gfx::Point p) override;

protected:
    void ComponentRemoved(Component* removed) override;

private:
    void ApplyAutoSize();
    void Unlink();

    TspPngImageList* list_ = nullptr;
    int linkKey_ = 0;
    int imageIndex_ = -1;
    bool autoSize_ = true;
    bool center_ = false;
};

}  // namespace controls
