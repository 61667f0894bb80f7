#pragma once

#include "skin/objects/active_skin_object.h"

namespace skin {

// A frame button: pressed by the left button, with its own down and disabled looks.
class TspSkinButtonObject : public TspActiveSkinObject {
public:
    TspSkinButtonObject(TspSkinForm& form, const TspDataSkinButton& record);

    gfx::Rect DownRect;
    gfx::Rect DisableSkinRect;
    int GroupIndex = -1;
    // The button is held down.
    bool Down = false;
    // A button that opens a menu stays down while the menu is open.
    bool CarriesMenu = false;

    void Draw(gfx::Painter& p) override;
    void MouseDown(int x, int y, platform::MouseButton button) override;
    void MouseUp(int x, int y, platform::MouseButton button) override;

protected:
    // Draws the disabled or pressed look when one applies; false leaves it to the caller.
    bool DrawButtonState(gfx::Painter& p);
};

// A system button (close, minimise, maximise, system menu, roll-up, tray) that carries out its
// command, with restore looks for when the window is in the state the button undoes.
class TspSkinStdButtonObject : public TspSkinButtonObject {
public:
    TspSkinStdButtonObject(TspSkinForm& form, const TspDataSkinStdButton& record);

    TspCommand Command = TspCommand::Default;
    gfx::Rect RestoreRect;
    gfx::Rect RestoreActiveRect;
    gfx::Rect RestoreDownRect;
    gfx::Rect RestoreInActiveRect;

    // The window is maximised, minimised or rolled up and this button would undo that.
    [[nodiscard]] bool InRestoreState() const;
    // A button laid out along the caption bar rather than painted into the frame.
    [[nodiscard]] bool Floating() const { return Visible && SkinRectInAPicture; }

    void Draw(gfx::Painter& p) override;
    void DblClick() override;
    void MouseDown(int x, int y, platform::MouseButton button) override;
    void MouseUp(int x, int y, platform::MouseButton button) override;
    [[nodiscard]] bool IsMorphing() const override;
};

}  // namespace skin
