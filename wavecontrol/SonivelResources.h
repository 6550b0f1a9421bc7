// The wave control library's resources: strings, bitmaps, dialogs, the version block and the
// type library.
#pragma once

#include <cstdint>

#include "platform/automation/Resources.h"

namespace sonivel {

inline constexpr std::uint32_t kIdsTypeName = 1;
inline constexpr std::uint32_t kIdsGeneralPageTypeName = 2;
inline constexpr std::uint32_t kIdsGeneralPageCaption = 101;
inline constexpr std::uint32_t kIdsAboutPageTypeName = 102;
inline constexpr std::uint32_t kIdsAboutPageCaption = 103;
inline constexpr std::uint32_t kIdbToolbox = 1;
inline constexpr std::uint32_t kIdbControl = 201;
inline constexpr std::uint32_t kIddAboutBox = 100;
inline constexpr std::uint32_t kIddGeneralPage = 101;
inline constexpr std::uint32_t kIddAboutPage = 202;

extern const automation::ResourceTable kResources;

}  // namespace sonivel
