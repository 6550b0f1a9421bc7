// The control's two property pages: General (a note that everything works at run time) and
// About.
#pragma once

#include "platform/automation/PropertyPage.h"

namespace sonivel {

class CSonivelPropPage final : public automation::PropertyPage {
public:
    CSonivelPropPage();
};

class CAboutPropPage final : public automation::PropertyPage {
public:
    CAboutPropPage();
};

}  // namespace sonivel
