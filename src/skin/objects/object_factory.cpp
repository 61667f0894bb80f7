#include "skin/objects/object_factory.h"

#include "skin/objects/button_objects.h"
#include "skin/objects/caption_object.h"
#include "skin/objects/decoration_objects.h"

namespace skin {

namespace {

template <typename Object, typename Record>
std::unique_ptr<TspActiveSkinObject> Make(TspSkinForm& form, const TspDataSkinObject& record) {
    return std::make_unique<Object>(form, static_cast<const Record&>(record));
}

}  // namespace

std::unique_ptr<TspActiveSkinObject> CreateFrameObject(TspSkinForm& form, const TspDataSkinObject& record) {
    // The main menu bar's buttons are standard buttons by class but belong to the menu bar.
    if (dynamic_cast<const TspDataSkinMainMenuBarButton*>(&record)) return nullptr;
    if (dynamic_cast<const TspDataSkinMainMenuItem*>(&record) || dynamic_cast<const TspDataSkinMenuItem*>(&record))
        return nullptr;
    if (dynamic_cast<const TspDataSkinStdButton*>(&record))
        return Make<TspSkinStdButtonObject, TspDataSkinStdButton>(form, record);
    if (dynamic_cast<const TspDataSkinButton*>(&record))
        return Make<TspSkinButtonObject, TspDataSkinButton>(form, record);
    if (dynamic_cast<const TspDataSkinCaption*>(&record))
        return Make<TspSkinCaptionObject, TspDataSkinCaption>(form, record);
    if (dynamic_cast<const TspDataSkinGauge*>(&record)) return Make<TspSkinGaugeObject, TspDataSkinGauge>(form, record);
    if (dynamic_cast<const TspDataUserObject*>(&record)) return Make<TspUserObject, TspDataUserObject>(form, record);
    if (dynamic_cast<const TspDataSkinSwitch*>(&record))
        return Make<TspSkinSwitchObject, TspDataSkinSwitch>(form, record);
    if (dynamic_cast<const TspDataSkinTrackBar*>(&record))
        return Make<TspSkinTrackBarObject, TspDataSkinTrackBar>(form, record);
    if (dynamic_cast<const TspDataSkinLabel*>(&record)) return Make<TspSkinLabelObject, TspDataSkinLabel>(form, record);
    if (dynamic_cast<const TspDataSkinAnimate*>(&record))
        return Make<TspSkinAnimateObject, TspDataSkinAnimate>(form, record);
    if (dynamic_cast<const TspDataSkinBitLabel*>(&record))
        return Make<TspSkinBitLabelObject, TspDataSkinBitLabel>(form, record);
    if (dynamic_cast<const TspDataSkinFrameRegulatorObject*>(&record))
        return Make<TspSkinFrameRegulatorObject, TspDataSkinFrameRegulatorObject>(form, record);
    if (dynamic_cast<const TspDataSkinFrameGaugeObject*>(&record))
        return Make<TspSkinFrameGaugeObject, TspDataSkinFrameGaugeObject>(form, record);
    return nullptr;
}

}  // namespace skin
