#include "skin/skin_data.h"

#include <utility>

#include "platform/application.h"
#include "platform/form.h"
#include "skin/definition/ini_file.h"
#include "skin/package/compressed_stored_skin.h"
#include "skin/package/skin_list.h"
#include "skin/package/skin_package.h"
#include "skin/resource_str_data.h"

namespace skin {

namespace {

template <class List>
int FindByName(const List& list, std::string_view name) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i]->IDName == name) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

TspSkinData::TspSkinData(platform::Component* owner) : platform::Component(owner) {}

TspSkinData::~TspSkinData() = default;

void TspSkinData::SetSkinnableForm(bool value) {
    if (value == skinnableForm_) return;
    skinnableForm_ = value;
    Send(platform::Message::FormSkinnableChanged);
}

void TspSkinData::SetCompressedStoredSkin(TspCompressedStoredSkin* skin) {
    if (storedSkin_ != skin) RemoveFreeNotification(storedSkin_);
    storedSkin_ = skin;
    if (skin == nullptr) return;
    FreeNotification(skin);
    LoadCompressedStream(skin->Data());
}

void TspSkinData::SetResourceStrData(TspResourceStrData* strings) {
    if (resourceStrData_ != strings) RemoveFreeNotification(resourceStrData_);
    resourceStrData_ = strings;
    FreeNotification(strings);
    Send(platform::Message::SkinStringsChanged);
}

void TspSkinData::SetSkinList(TspCompressedSkinList* list) {
    if (skinList_ != list) RemoveFreeNotification(skinList_);
    skinList_ = list;
    if (list == nullptr) return;
    FreeNotification(list);
    if (skinIndex_ >= 0 && skinIndex_ < list->Count()) LoadItem(skinIndex_);
}

void TspSkinData::SetSkinIndex(int index) {
    if (index == skinIndex_) return;
    if (skinList_ == nullptr) {
        skinIndex_ = index;
        return;
    }
    if (index < 0 || index >= skinList_->Count()) return;
    skinIndex_ = index;
    LoadItem(index);
}

void TspSkinData::LoadItem(int index) { LoadCompressedStream(skinList_->Item(index).Skin.Data()); }

void TspSkinData::LoadCompressedStream(std::span<const std::uint8_t> stream) {
    if (stream.empty()) return;
    // A handler of SkinChanging may change or destroy the component the stream lives in.
    const std::vector<std::uint8_t> compressed(stream.begin(), stream.end());
    empty_ = true;
    loading_ = true;
    Send(platform::Message::SkinChanging);
    Clear();
    try {
        ReadPackage(compressed);
    } catch (const SkinVersionError&) {
        // A newer layout cannot be read at all: the old skin is gone and nothing replaces it.
        throw;
    } catch (...) {
        // Leave no half-read skin behind, and close the load for the windows that were told
        // it began, so that they draw their plain look instead of waiting for it.
        Clear();
        Send(platform::Message::SkinChanged);
        loading_ = false;
        Send(platform::Message::SkinChangeDone);
        throw;
    }
    empty_ = false;
    Send(platform::Message::SkinChanged);
    loading_ = false;
    Send(platform::Message::SkinChangeDone);
}

void TspSkinData::ReadPackage(std::span<const std::uint8_t> stream) {
    const SkinBytes raw = InflateSkin(stream);
    // The definition is parsed where it lies in the inflated bytes, not copied line by line.
    std::string_view text;
    SkinPackage package = ReadSkinBitmaps(raw, text);
    picture_ = std::move(package.picture.pixels);
    inactivePicture_ = std::move(package.inactivePicture.pixels);
    mask_ = std::move(package.mask.pixels);
    rollUpPicture_ = std::move(package.rollUpPicture.pixels);
    rollUpMask_ = std::move(package.rollUpMask.pixels);
    activePictures_.reserve(package.activePictures.size());
    for (gfx::BmpImage& image : package.activePictures) activePictures_.push_back(std::move(image.pixels));
    const IniFile ini = IniFile::FromText(text);
    definition_.LoadFromIni(ini);
}

void TspSkinData::Clear() {
    definition_.Clear();
    activePictures_.clear();
    picture_ = {};
    inactivePicture_ = {};
    mask_ = {};
    rollUpPicture_ = {};
    rollUpMask_ = {};
}

const gfx::Bitmap* TspSkinData::ActivePicture(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= activePictures_.size()) return nullptr;
    return &activePictures_[static_cast<std::size_t>(index)];
}

int TspSkinData::FindArea(std::string_view name) const {
    const SkinAreaList& areas = definition_.Areas;
    for (std::size_t i = 0; i < areas.size(); ++i) {
        if (areas[i].IDName == name) return static_cast<int>(i);
    }
    return -1;
}

int TspSkinData::FindObject(std::string_view name) const { return FindByName(definition_.Objects, name); }

int TspSkinData::FindControl(std::string_view name) const { return FindByName(definition_.Controls, name); }

void TspSkinData::ComponentRemoved(platform::Component* removed) {
    if (removed == storedSkin_) storedSkin_ = nullptr;
    if (removed == resourceStrData_) resourceStrData_ = nullptr;
    if (removed == skinList_) skinList_ = nullptr;
}

platform::Form* TspSkinData::OwningForm() const {
    const auto* control = dynamic_cast<const platform::Control*>(Owner());
    return control != nullptr ? control->ParentForm() : nullptr;
}

void TspSkinData::Send(platform::Message message) {
    platform::Form* form = OwningForm();
    if (form == nullptr) return;
    // Only a window that owns the skin data directly hears first; otherwise the list order.
    platform::Form* first = dynamic_cast<platform::Form*>(Owner());
    form->App().Broadcast(platform::Notification{message, this, 1000}, first);
}

}  // namespace skin
