#pragma once

#include <string>
#include <vector>

#include "skin/definition/skin_kinds.h"
#include "skin/records/data_form_info.h"
#include "skin/records/data_hint_window.h"
#include "skin/records/data_popup_window.h"
#include "skin/records/data_skin_area.h"
#include "skin/records/skin_colors.h"

namespace skin {

class IniFile;

// Everything the skin definition says, as typed records: what a loaded skin holds besides
// its bitmaps.
struct SkinDefinition {
    // [VERSION]
    std::string SkinName;
    std::string SkinAuthor;
    std::string AuthorEmail;
    std::string AuthorURL;
    std::string SkinComments;
    // [PICTURES]: the names of the files the package was built from.
    std::string PictureName;
    std::string MaskName;
    std::string RollUpPictureName;
    std::string RollUpMaskName;
    std::vector<std::string> ActivePictureNames;

    TspDataSkinFormInfo FormInfo;
    TspDataSkinPopupWindow PopupWindow;
    TspDataSkinHintWindow HintWindow;
    TspDataSkinColors SkinColors = TspDataSkinColors::SystemColors();
    SkinAreaList Areas;
    SkinObjectList Objects;
    SkinControlList Controls;

    // Reads, in order, [VERSION], [PICTURES], [FORMINFO], [POPUPWINDOW], [HINTWINDOW],
    // [SKINCOLORS], SKINAREAS, [SKINOBJECTS] and [SKINCONTROLS] into a cleared definition.
    // Each part is stored as soon as it is read, so after a SkinFormatError the parts read
    // before it stay.
    void LoadFromIni(const IniFile& ini);
    // Writes every section in the canonical form (the ini it gives reads back the same).
    void SaveToIni(IniFile& ini) const;
    // Back to the empty skin: no names, no records, default frame data, system colours.
    void Clear();
};

}  // namespace skin
