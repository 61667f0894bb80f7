#include "skin/definition/skin_definition.h"

#include "skin/definition/ini_file.h"

namespace skin {

namespace {
constexpr std::string_view kVersion = "VERSION";
constexpr std::string_view kPictures = "PICTURES";
}  // namespace

void SkinDefinition::LoadFromIni(const IniFile& ini) {
    Clear();
    SkinName = ini.ReadString(kVersion, "skinname", "");
    SkinAuthor = ini.ReadString(kVersion, "skinauthor", "");
    AuthorEmail = ini.ReadString(kVersion, "authoremail", "");
    AuthorURL = ini.ReadString(kVersion, "authorurl", "");
    SkinComments = ini.ReadString(kVersion, "skincomments", "");
    PictureName = ini.ReadString(kPictures, "picture", "");
    MaskName = ini.ReadString(kPictures, "mask", "");
    RollUpPictureName = ini.ReadString(kPictures, "rolluppicture", "");
    RollUpMaskName = ini.ReadString(kPictures, "rollupmask", "");
    ActivePictureNames = ini.ReadList(kPictures, "activepictures");
    FormInfo.LoadFromIni(ini, !MaskName.empty());
    PopupWindow.LoadFromIni(ini);
    HintWindow.LoadFromIni(ini);
    SkinColors.LoadFromIni(ini);
    ReadSkinAreas(ini, Areas);
    ReadSkinObjects(ini, Objects);
    ReadSkinControls(ini, Controls);
}

void SkinDefinition::SaveToIni(IniFile& ini) const {
    ini.EraseSection(kVersion);
    ini.WriteString(kVersion, "skinname", SkinName);
    ini.WriteString(kVersion, "skinauthor", SkinAuthor);
    ini.WriteString(kVersion, "authoremail", AuthorEmail);
    ini.WriteString(kVersion, "authorurl", AuthorURL);
    ini.WriteString(kVersion, "skincomments", SkinComments);
    ini.EraseSection(kPictures);
    ini.WriteString(kPictures, "picture", PictureName);
    ini.WriteString(kPictures, "mask", MaskName);
    ini.WriteString(kPictures, "rolluppicture", RollUpPictureName);
    ini.WriteString(kPictures, "rollupmask", RollUpMaskName);
    ini.WriteList(kPictures, "activepictures", ActivePictureNames);
    FormInfo.SaveToIni(ini);
    PopupWindow.SaveToIni(ini);
    HintWindow.SaveToIni(ini);
    SkinColors.SaveToIni(ini);
    WriteSkinAreas(ini, Areas);
    WriteSkinObjects(ini, Objects);
    WriteSkinControls(ini, Controls);
}

void SkinDefinition::Clear() { *this = SkinDefinition{}; }

}  // namespace skin
