#pragma once
// The colour lists the dialogs offer, the DOS colour list used to translate
// colour names for the map program, and the window settings.

#include <array>
#include <cstdint>

#include "base/text.h"

namespace qor {

struct ColorTables {
    std::int32_t WindowColourCount = 0;
    std::array<Text<6>, 20> WindowColourCodes;
    std::array<Text<10>, 20> WindowColourNames;
    std::int32_t CityListCount = 0;
    std::array<Text<6>, 7> CityListCodes;
    std::array<Text<20>, 7> CityListNames;
    std::int32_t ContourListCount = 0;
    std::array<Text<6>, 8> ContourListCodes;
    std::array<Text<20>, 8> ContourListNames;
    std::int32_t DosColourCount = 0;
    std::array<Text<6>, 20> DosFirstNames;
    std::array<std::int32_t, 20> DosCodes{};
    std::array<Text<6>, 20> DosSecondNames;
};

struct WindowSettings {
    Text<6> MainColour = "white";     ///< background colour name of the main window
    Text<6> InputColour = "white";    ///< background colour name of the input dialogs
    Text<14> ScrollFont = "default";  ///< font of the scroll window
    std::int32_t ScrollColumns = 77;
    std::int32_t ScrollRows = 26;
    // Working fields of the setup dialog.
    std::int32_t MainChoice = 0;
    std::int32_t InputChoice = 0;
    std::int32_t FontChoice = 0;
    std::int32_t ColumnsEntry = 0;
    std::int32_t RowsEntry = 0;
};

}  // namespace qor
