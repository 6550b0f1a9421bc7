#include "platform/automation/PropertyPage.h"

namespace automation {

HResult PropertyPage::GetPageInfo(PageInfo* info) {
    if (!info) {
        return E_POINTER;
    }
    info->caption = std::string(m_resources.LoadString(m_captionId));
    info->dialog = m_resources.FindDialog(m_dialogId);
    return S_OK;
}

}  // namespace automation
