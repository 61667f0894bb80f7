#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/frame/frame_geometry.h"
#include "skin/frame/frame_types.h"
#include "skin/objects/active_skin_object.h"

namespace skin {

using FrameObjectList = std::vector<std::unique_ptr<TspActiveSkinObject>>;

// Enables and shows the system buttons the window offers: each by its border icon, close
// always, all disabled (and hidden when floating) with hideButtons; a custom-command
// button shows only when customVisible says so for its name.
void SetObjectAvailability(FrameObjectList& objects, TspBorderIcons icons, bool hideButtons,
                           const std::function<bool(const std::string&)>& customVisible);

// Places every object on a window of the geometry's size: by the corner zones, then the
// visible floating buttons in a row along the buttons or caption rectangle (close, maximise,
// minimise, roll-up, tray, custom ones from the outer end; the system-menu button at the
// caption's other end), with the caption shortened to leave them room.
void PlaceObjects(FrameObjectList& objects, const FrameGeometry& geometry, const TspDataSkinFormInfo& info);

}  // namespace skin
