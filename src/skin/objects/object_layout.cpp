#include "skin/objects/object_layout.h"

#include <algorithm>

#include "skin/objects/button_objects.h"
#include "skin/objects/caption_object.h"
#include "skin/objects/decoration_objects.h"

namespace skin {

namespace {

// The border icon that makes a command's button available; 0 for commands without one.
unsigned IconFor(TspCommand command) {
    switch (command) {
        case TspCommand::Maximize:
            return biMaximize;
        case TspCommand::Minimize:
            return biMinimize;
        case TspCommand::SysMenu:
            return biSystemMenu;
        case TspCommand::RollUp:
            return biRollUp;
        case TspCommand::MinimizeToTray:
            return biMinimizeToTray;
        default:
            return 0;
    }
}

TspSkinStdButtonObject* FirstFloating(FrameObjectList& objects, TspCommand command,
                                      const std::vector<TspSkinStdButtonObject*>& placed) {
    for (auto& o : objects) {
        auto* b = dynamic_cast<TspSkinStdButtonObject*>(o.get());
        if (b && b->Floating() && b->Command == command && std::find(placed.begin(), placed.end(), b) == placed.end())
            return b;
    }
    return nullptr;
}

TspSkinCaptionObject* FirstCaption(FrameObjectList& objects) {
    for (auto& o : objects)
        if (auto* c = dynamic_cast<TspSkinCaptionObject*>(o.get())) return c;
    return nullptr;
}

}  // namespace

void SetObjectAvailability(FrameObjectList& objects, TspBorderIcons icons, bool hideButtons,
                           const std::function<bool(const std::string&)>& customVisible) {
    for (auto& o : objects) {
        if (auto* a = dynamic_cast<TspSkinAnimateObject*>(o.get()); a && hideButtons) {
            a->Enabled = false;
            continue;
        }
        auto* b = dynamic_cast<TspSkinStdButtonObject*>(o.get());
        if (!b) continue;
        if (hideButtons) {
            b->Enabled = false;
            b->Visible = !b->SkinRectInAPicture;
        } else if (b->Command == TspCommand::Close) {
            b->Enabled = b->Visible = true;
        } else if (b->Command == TspCommand::Default) {
            b->Enabled = true;
            b->Visible = customVisible && customVisible(b->IDName);
        } else {
            b->Enabled = (icons & IconFor(b->Command)) != 0;
            b->Visible = b->SkinRectInAPicture ? b->Enabled : true;
        }
    }
}

void PlaceObjects(FrameObjectList& objects, const FrameGeometry& g, const TspDataSkinFormInfo& info) {
    for (auto& o : objects) o->ObjectRect = g.MapByZones(o->SkinRect);
    const gfx::Rect row = !g.buttons.empty() ? g.buttons : g.caption;
    if (row.empty()) return;
    const int offset = info.ButtonsOffset;
    const bool fromLeft = info.ButtonsInLeft;
    std::vector<TspSkinStdButtonObject*> placed;
    int x = fromLeft ? row.left : row.right;
    const auto place = [&](TspSkinStdButtonObject* b) {
        const gfx::Size s = b->SkinRect.size();
        b->ObjectRect = fromLeft ? gfx::Rect::from_size(x, row.top, s.width, s.height)
                                 : gfx::Rect{x - s.width, row.top, x, row.top + s.height};
        x += fromLeft ? s.width + offset : -(s.width + offset);
        placed.push_back(b);
    };
    for (TspCommand command : {TspCommand::Close, TspCommand::Maximize, TspCommand::Minimize, TspCommand::RollUp,
                               TspCommand::MinimizeToTray})
        if (auto* b = FirstFloating(objects, command, placed)) place(b);
    while (auto* b = FirstFloating(objects, TspCommand::Default, placed)) place(b);
    TspSkinCaptionObject* caption = FirstCaption(objects);
    if (g.buttons.empty() && caption) {
        if (fromLeft)
            caption->ObjectRect.left = x - offset;
        else
            caption->ObjectRect.right = x + offset;
    }
    auto* menu = FirstFloating(objects, TspCommand::SysMenu, placed);
    if (!menu || g.caption.empty()) return;
    // The system-menu button sits at the caption's other end, centred on its height.
    const gfx::Size s = menu->SkinRect.size();
    const int top = g.caption.top + g.caption.height() / 2 - s.height / 2;
    if (fromLeft) {
        menu->ObjectRect = {g.caption.right - s.width, top, g.caption.right, top + s.height};
        if (caption) caption->ObjectRect.right = menu->ObjectRect.left;
    } else {
        menu->ObjectRect = gfx::Rect::from_size(g.caption.left, top, s.width, s.height);
        if (caption) caption->ObjectRect.left = menu->ObjectRect.right;
    }
}

}  // namespace skin
