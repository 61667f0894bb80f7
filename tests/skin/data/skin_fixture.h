#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "package_fixtures.h"
#include "skin/package/skin_package.h"

namespace testfixtures {

// A small compressed skin: a 30 x 20 frame picture with a mask, two active pictures, and a
// definition naming the skin, its frame, two objects and three controls.
inline std::vector<std::string> SmallDefinition(const std::string& skinName) {
    return {"[VERSION]",           "skinname=" + skinName,
            "[PICTURES]",          "picture=main.bmp",
            "mask=mask.bmp",       "activepicturescount=2",
            "0=active.bmp",        "1=controls.bmp",
            "[FORMINFO]",          "clientrect=3,10,27,17",
            "[SKINCOLORS]",        "cbtnface=255",
            "[SKINOBJECTS]",       "count=2",
            "0=caption:caption",   "1=closebutton:stdbutton",
            "[SKINCONTROLS]",      "count=3",
            "0=button:button",     "1=odd:nosuchkind",
            "2=vupdown:updown",    "[button]",
            "pictureindex=1",      "skinrect=0,0,20,21",
            "[vupdown]",           "pictureindex=1",
            "skinrect=20,0,35,31", "upbuttonrect=0,0,15,15"};
}

// The package of a small skin, uncompressed, in the newest layout.
inline std::vector<std::uint8_t> SmallPackage(const std::vector<std::string>& lines) {
    skin::PackageWriter w(3);
    w.Slot(Bmp24(30, 20));
    w.Slot({});
    w.Slot(Bmp1(30, 20));
    w.PictureCount(2);
    w.Picture(Bmp24(10, 10));
    w.Picture(Bmp24(40, 31));
    w.Lines(lines);
    return w.Take();
}

inline std::vector<std::uint8_t> SmallSkin(const std::string& skinName = "Small") {
    return skin::DeflateSkin(SmallPackage(SmallDefinition(skinName)));
}

}  // namespace testfixtures
