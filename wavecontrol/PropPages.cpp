#include "wavecontrol/PropPages.h"

#include "wavecontrol/SonivelResources.h"

namespace sonivel {

CSonivelPropPage::CSonivelPropPage()
    : PropertyPage(kResources, kIddGeneralPage, kIdsGeneralPageCaption) {}

CAboutPropPage::CAboutPropPage() : PropertyPage(kResources, kIddAboutPage, kIdsAboutPageCaption) {}

}  // namespace sonivel
