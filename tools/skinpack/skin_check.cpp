#include "skin_check.h"

#include <string_view>

#include "record_keys.h"
#include "skin/package/compressed_stored_skin.h"
#include "skin/skin_data.h"

namespace skinpack {

namespace {

struct Required {
    std::string_view name;
    std::string_view kind;
};

// The frame objects and controls the game's windows look up by name.
constexpr Required kRequiredObjects[] = {
    {"caption", "caption"}, {"closebutton", "stdbutton"}, {"minimizebutton", "stdbutton"}, {"menuitem", "menuitem"}};
constexpr Required kRequiredControls[] = {{"button", "button"},       {"checkbox", "checkradio"},
                                          {"radiobox", "checkradio"}, {"htrackbar", "trackbar"},
                                          {"trackbar", "trackbar"},   {"groupbox", "panel"},
                                          {"panel", "panel"},         {"label", "label"},
                                          {"stdlabel", "stdlabel"},   {"tab", "tab"},
                                          {"edit", "edit"},           {"vupdown", "updown"},
                                          {"hupdown", "updown"},      {"resizebutton", "button"}};

std::string SizeText(const gfx::Bitmap& b) { return std::to_string(b.width()) + " x " + std::to_string(b.height()); }

class Checker {
public:
    Checker(const skin::TspSkinData& data, CheckReport& report) : data_(data), report_(report) {}

    void Run() {
        CheckFrame();
        CheckRequired(kRequiredObjects, data_.Objects(), "[SKINOBJECTS]");
        CheckRequired(kRequiredControls, data_.Controls(), "[SKINCONTROLS]");
        for (const auto& object : data_.Objects()) CheckObject(*object);
        for (const auto& control : data_.Controls()) CheckControl(*control);
        CheckIndex("[POPUPWINDOW] windowpictureindex", data_.PopupWindow().WindowPictureIndex);
        CheckIndex("[HINTWINDOW] windowpictureindex", data_.HintWindow().WindowPictureIndex);
        CheckIndex("[FORMINFO] bgpictureindex", data_.FormInfo().BGPictureIndex);
        CheckIndex("[FORMINFO] mdibgpictureindex", data_.FormInfo().MDIBGPictureIndex);
        for (const skin::TspDataSkinArea& area : data_.Areas()) {
            Inside("SKINAREAS " + area.IDName, area.AreaRect, data_.Picture(), "picture");
        }
    }

private:
    void Problem(std::string text) { report_.problems.push_back(std::move(text)); }

    void Inside(const std::string& what, const gfx::Rect& r, const gfx::Bitmap& picture, std::string_view pictureName) {
        if (r.empty()) return;
        if (!picture.rect().contains(r)) {
            Problem(what + " " + FormatRect(r) + " lies outside " + std::string(pictureName) + " (" +
                    SizeText(picture) + ")");
        }
    }

    void InsideSize(const std::string& what, const gfx::Rect& r, const gfx::Rect& owner) {
        if (r.empty()) return;
        if (!gfx::Rect{0, 0, owner.width(), owner.height()}.contains(r)) {
            Problem(what + " " + FormatRect(r) + " does not fit in skinrect " + FormatRect(owner));
        }
    }

    void CheckIndex(const std::string& what, int index) {
        if (index != -1 && data_.ActivePicture(index) == nullptr) {
            Problem(what + " is " + std::to_string(index) + " but the skin has " +
                    std::to_string(data_.ActivePictures().size()) + " active pictures");
        }
    }

    void CheckFrame() {
        const skin::TspDataSkinFormInfo& f = data_.FormInfo();
        const gfx::Bitmap& picture = data_.Picture();
        if (picture.empty()) {
            Problem("[PICTURES] has no frame picture");
            return;
        }
        if (f.ClientRect.empty()) Problem("[FORMINFO] clientrect is empty, so windows get the plain frame");
        Inside("[FORMINFO] clientrect", f.ClientRect, picture, "picture");
        Inside("[FORMINFO] captionrect", f.CaptionRect, picture, "picture");
        Inside("[FORMINFO] buttonsrect", f.ButtonsRect, picture, "picture");
        for (const gfx::Point p : {f.LeftTopPoint, f.RightTopPoint, f.LeftBottomPoint, f.RightBottomPoint}) {
            if (p.x > picture.width() || p.y > picture.height()) {
                Problem("[FORMINFO] corner point " + FormatPoint(p) + " lies outside picture (" + SizeText(picture) +
                        ")");
            }
        }
        if (!data_.Mask().empty()) {
            if (data_.Mask().size() != picture.size()) {
                Problem("mask (" + SizeText(data_.Mask()) + ") and picture (" + SizeText(picture) + ") differ in size");
            }
            Inside("[FORMINFO] maskrectarea", f.MaskRectArea, data_.Mask(), "mask");
        }
    }

    template <std::size_t N, class List>
    void CheckRequired(const Required (&required)[N], const List& list, std::string_view section) {
        for (const Required& r : required) {
            bool found = false;
            for (const auto& record : list) {
                if (record->IDName != r.name) continue;
                found = true;
                if (record->KindName() != r.kind) {
                    Problem(std::string(section) + " lists " + std::string(r.name) + " as " +
                            std::string(record->KindName()) + " but the game draws it as " + std::string(r.kind));
                }
                break;
            }
            if (!found) Problem(std::string(section) + " has no " + std::string(r.name) + ":" + std::string(r.kind));
        }
    }

    template <class Record>
    RecordKeys KeysOf(Record& record) {
        ++report_.recordsChecked;
        RecordKeys keys;
        record.Exchange(keys);
        for (const auto& [key, index] : keys.pictureIndices) CheckIndex("[" + record.IDName + "] " + key, index);
        return keys;
    }

    void CheckObject(skin::TspDataSkinObject& object) {
        const RecordKeys keys = KeysOf(object);
        const std::string where = "[" + object.IDName + "] ";
        const gfx::Bitmap* active = data_.ActivePicture(object.ActivePictureIndex);
        const gfx::Bitmap& frame = object.RollUp ? data_.RollUpPicture() : data_.Picture();
        // Menu items and objects marked so are cut from their active picture, the rest
        // from the frame.
        const bool inActive = object.SkinRectInAPicture || object.KindName() == "menuitem";
        if (inActive && active != nullptr) {
            Inside(where + "skinrect", object.SkinRect, *active, "its active picture");
        } else {
            Inside(where + "skinrect", object.SkinRect, frame, "the frame picture");
        }
        for (const auto& [key, rect] : keys.rects) {
            if (key == "skinrect" || rect.empty()) continue;
            if (key == "textrect" || key == "imagerect" || key == "frametextrect") {
                InsideSize(where + key, rect, object.SkinRect);
            } else if (active == nullptr) {
                Problem(where + key + " " + FormatRect(rect) + " needs an active picture but activepictureindex is " +
                        std::to_string(object.ActivePictureIndex));
            } else {
                Inside(where + key, rect, *active, "active picture " + std::to_string(object.ActivePictureIndex));
            }
        }
    }

    void CheckControl(skin::TspDataSkinControl& control) {
        const RecordKeys keys = KeysOf(control);
        const std::string where = "[" + control.IDName + "] ";
        if (control.SkinRect.empty()) return;
        const gfx::Bitmap* picture = data_.ActivePicture(control.PictureIndex);
        if (picture == nullptr) {
            Problem(where + "has a skinrect but pictureindex " + std::to_string(control.PictureIndex) +
                    " names no picture");
            return;
        }
        const std::string pictureName = "picture " + std::to_string(control.PictureIndex);
        for (const auto& [key, rect] : keys.rects) {
            // The state images are cut from the picture; clientrect is relative to skinrect.
            if (key.ends_with("skinrect")) Inside(where + key, rect, *picture, pictureName);
            if (key == "clientrect") InsideSize(where + key, rect, control.SkinRect);
        }
        for (const auto& [key, p] : keys.points) {
            if (p.x > control.SkinRect.width() || p.y > control.SkinRect.height()) {
                Problem(where + key + " " + FormatPoint(p) + " does not fit in skinrect " +
                        FormatRect(control.SkinRect));
            }
        }
    }

    const skin::TspSkinData& data_;
    CheckReport& report_;
};

}  // namespace

CheckReport CheckSkin(const std::filesystem::path& definition) {
    CheckReport report;
    skin::TspCompressedStoredSkin stored;
    skin::TspSkinData data;
    try {
        stored.LoadFromSkinFile(definition);
        data.LoadCompressedStream(stored.Data());
    } catch (const std::exception& e) {
        report.problems.emplace_back(e.what());
        return report;
    }
    Checker(data, report).Run();
    return report;
}

}  // namespace skinpack
