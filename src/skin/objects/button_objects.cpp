#include "skin/objects/button_objects.h"

#include "skin/frame/skin_form.h"

namespace skin {

TspSkinButtonObject::TspSkinButtonObject(TspSkinForm& form, const TspDataSkinButton& record)
    : TspActiveSkinObject(form, record),
      DownRect(record.DownRect),
      DisableSkinRect(record.DisableSkinRect),
      GroupIndex(record.GroupIndex) {}

bool TspSkinButtonObject::DrawButtonState(gfx::Painter& p) {
    if (!Enabled && !DisableSkinRect.empty()) {
        DrawPiece(p, ActivePicture, DisableSkinRect);
        return true;
    }
    if (Down && !DownRect.empty() && (GroupIndex != -1 || Hot)) {
        DrawPiece(p, ActivePicture, DownRect);
        return true;
    }
    return false;
}

void TspSkinButtonObject::Draw(gfx::Painter& p) {
    if (!Form().SkinLoaded()) return;
    if (!DrawButtonState(p)) TspActiveSkinObject::Draw(p);
}

void TspSkinButtonObject::MouseDown(int x, int y, platform::MouseButton button) {
    if (button == platform::MouseButton::Left && Enabled && !Down) {
        Down = true;
        Form().RedrawObject(*this);
    }
    TspActiveSkinObject::MouseDown(x, y, button);
}

void TspSkinButtonObject::MouseUp(int x, int y, platform::MouseButton button) {
    if (button == platform::MouseButton::Left && Down && GroupIndex == -1 && !CarriesMenu) {
        Down = false;
        Form().RedrawObject(*this);
    }
    TspActiveSkinObject::MouseUp(x, y, button);
}

TspSkinStdButtonObject::TspSkinStdButtonObject(TspSkinForm& form, const TspDataSkinStdButton& record)
    : TspSkinButtonObject(form, record),
      Command(record.Command),
      RestoreRect(record.RestoreRect),
      RestoreActiveRect(record.RestoreActiveRect),
      RestoreDownRect(record.RestoreDownRect),
      RestoreInActiveRect(record.RestoreInActiveRect) {
    if (!ActivePicture) RestoreActiveRect = {};
}

bool TspSkinStdButtonObject::InRestoreState() const {
    const TspSkinForm& f = Form();
    switch (Command) {
        case TspCommand::Maximize:
            return f.WindowState() == TspWindowState::Maximized;
        case TspCommand::Minimize:
            return f.WindowState() == TspWindowState::Minimized;
        case TspCommand::RollUp:
            return f.RolledUp();
        default:
            return false;
    }
}

bool TspSkinStdButtonObject::IsMorphing() const {
    if (InRestoreState() && Enabled && !RestoreRect.empty())
        return CanMorph() && !RestoreActiveRect.empty() && ((Hot && MorphFactor < 1) || (!Hot && MorphFactor > 0));
    return TspSkinButtonObject::IsMorphing();
}

void TspSkinStdButtonObject::Draw(gfx::Painter& p) {
    if (!Form().SkinLoaded()) return;
    if (!InRestoreState() || !Enabled || RestoreRect.empty()) {
        TspSkinButtonObject::Draw(p);
        return;
    }
    if (!Form().IsActive() && !RestoreInActiveRect.empty())
        DrawPiece(p, ActivePicture, RestoreInActiveRect);
    else if (Down && Hot && !RestoreDownRect.empty())
        DrawPiece(p, ActivePicture, RestoreDownRect);
    else if (IsMorphing())
        DrawMorph(p, ActivePicture, RestoreRect, RestoreActiveRect);
    else if (Hot && !RestoreActiveRect.empty())
        DrawPiece(p, ActivePicture, RestoreActiveRect);
    else
        DrawPiece(p, ActivePicture, RestoreRect);
}

void TspSkinStdButtonObject::DblClick() {
    if (Command == TspCommand::SysMenu) Form().ExecuteCommand(TspCommand::Close);
}

void TspSkinStdButtonObject::MouseDown(int x, int y, platform::MouseButton button) {
    const bool opens = button == platform::MouseButton::Left && Enabled && !Down && Command == TspCommand::SysMenu;
    TspSkinButtonObject::MouseDown(x, y, button);
    if (opens) Form().OpenSystemMenu(Form().ScreenPoint({ObjectRect.left, ObjectRect.bottom}));
}

void TspSkinStdButtonObject::MouseUp(int x, int y, platform::MouseButton button) {
    const bool command = button == platform::MouseButton::Left && Hot && Enabled && Down;
    // The system-menu button does its work on the press.
    const bool runs = command && Command != TspCommand::SysMenu;
    if (runs && Command != TspCommand::Close) Form().ExecuteCommand(Command);
    TspSkinButtonObject::MouseUp(x, y, button);
    if (runs && Command == TspCommand::Close) Form().ExecuteCommand(Command);
}

}  // namespace skin
