#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "gfx/bitmap.h"
#include "platform/component.h"
#include "skin/definition/skin_definition.h"

namespace platform {
class Form;
}

namespace skin {

class TspCompressedSkinList;
class TspCompressedStoredSkin;
class TspResourceStrData;

// The loaded skin every skinned window and control draws from: the frame bitmaps, the
// active pictures and the typed records of the definition. A load is announced to every
// window of the application through the owning window: SkinChanging before anything is
// freed, then SkinChanged and SkinChangeDone once the new skin is in place.
class TspSkinData : public platform::Component {
public:
    // The owner (normally a window) is how the notifications find the application; skin
    // data without a window loads silently.
    explicit TspSkinData(platform::Component* owner = nullptr);
    ~TspSkinData() override;

    // Whether windows using this skin draw the skinned frame; a change is announced with
    // FormSkinnableChanged.
    [[nodiscard]] bool SkinnableForm() const { return skinnableForm_; }
    void SetSkinnableForm(bool value);
    // Gates fades and frame animations of skin objects and controls.
    bool EnableSkinEffects = true;

    // Assigning a stored skin loads it at once (an empty one loads nothing).
    [[nodiscard]] TspCompressedStoredSkin* CompressedStoredSkin() const { return storedSkin_; }
    void SetCompressedStoredSkin(TspCompressedStoredSkin* skin);
    // The strings of skinned windows; assigning them sends SkinStringsChanged.
    [[nodiscard]] TspResourceStrData* ResourceStrData() const { return resourceStrData_; }
    void SetResourceStrData(TspResourceStrData* strings);
    // A list of stored skins; assigning it loads item SkinIndex when that exists.
    [[nodiscard]] TspCompressedSkinList* SkinList() const { return skinList_; }
    void SetSkinList(TspCompressedSkinList* list);
    // Which item of SkinList is loaded. With a list, an index outside it is ignored.
    [[nodiscard]] int SkinIndex() const { return skinIndex_; }
    void SetSkinIndex(int index);

    // True when no skin is loaded, including while a load is under way.
    [[nodiscard]] bool IsEmpty() const { return empty_; }
    // True from the start of a load until its last notification has been sent.
    [[nodiscard]] bool IsLoading() const { return loading_; }

    // Replaces the loaded skin by the one in a compressed stream (a stored skin's data).
    // An empty stream does nothing. A package of a newer version leaves the data empty and
    // loading and throws SkinVersionError. A damaged stream, package or definition throws
    // too, after the data has been restored to the empty state and the load's
    // notifications have been closed with SkinChanged and SkinChangeDone.
    void LoadCompressedStream(std::span<const std::uint8_t> stream);

    // The frame bitmaps; an absent one is empty.
    [[nodiscard]] const gfx::Bitmap& Picture() const { return picture_; }
    [[nodiscard]] const gfx::Bitmap& InactivePicture() const { return inactivePicture_; }
    [[nodiscard]] const gfx::Bitmap& Mask() const { return mask_; }
    [[nodiscard]] const gfx::Bitmap& RollUpPicture() const { return rollUpPicture_; }
    [[nodiscard]] const gfx::Bitmap& RollUpMask() const { return rollUpMask_; }
    // The active pictures by position.
    [[nodiscard]] const std::vector<gfx::Bitmap>& ActivePictures() const { return activePictures_; }
    // The active picture at a picture index, or null for -1 and any index out of range.
    [[nodiscard]] const gfx::Bitmap* ActivePicture(int index) const;

    // Everything the definition says: names, [FORMINFO], popup and hint windows, colours
    // (system colours while empty), areas, objects and controls.
    [[nodiscard]] const SkinDefinition& Definition() const { return definition_; }
    [[nodiscard]] const TspDataSkinFormInfo& FormInfo() const { return definition_.FormInfo; }
    [[nodiscard]] const TspDataSkinPopupWindow& PopupWindow() const { return definition_.PopupWindow; }
    [[nodiscard]] const TspDataSkinHintWindow& HintWindow() const { return definition_.HintWindow; }
    [[nodiscard]] const TspDataSkinColors& SkinColors() const { return definition_.SkinColors; }
    [[nodiscard]] const SkinAreaList& Areas() const { return definition_.Areas; }
    [[nodiscard]] const SkinObjectList& Objects() const { return definition_.Objects; }
    [[nodiscard]] const SkinControlList& Controls() const { return definition_.Controls; }

    // The position of the first record whose IDName equals name exactly (letter case
    // included), or -1.
    [[nodiscard]] int FindArea(std::string_view name) const;
    [[nodiscard]] int FindObject(std::string_view name) const;
    [[nodiscard]] int FindControl(std::string_view name) const;

protected:
    void ComponentRemoved(platform::Component* removed) override;

private:
    void LoadItem(int index);
    void Clear();
    void ReadPackage(std::span<const std::uint8_t> stream);
    void Send(platform::Message message);
    [[nodiscard]] platform::Form* OwningForm() const;

    bool skinnableForm_ = true;
    TspCompressedStoredSkin* storedSkin_ = nullptr;
    TspResourceStrData* resourceStrData_ = nullptr;
    TspCompressedSkinList* skinList_ = nullptr;
    int skinIndex_ = 0;
    bool empty_ = true;
    bool loading_ = false;

    gfx::Bitmap picture_;
    gfx::Bitmap inactivePicture_;
    gfx::Bitmap mask_;
    gfx::Bitmap rollUpPicture_;
    gfx::Bitmap rollUpMask_;
    std::vector<gfx::Bitmap> activePictures_;
    SkinDefinition definition_;
};

}  // namespace skin
