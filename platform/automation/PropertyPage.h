// Property pages: the objects a control names for its property sheet, each shown from a dialog
// resource with a caption.
#pragma once

#include <string>

#include "platform/automation/ControlSite.h"
#include "platform/automation/Object.h"

namespace automation {

struct PageInfo {
    std::string caption;
    const DialogResource* dialog;  // null when the library lacks it
};

class IPropertyPage : public IUnknown {
public:
    static constexpr Guid kIid = MakeGuid("{2C6A0E54-81F3-4B6D-9D2E-5A7C13E8F0B1}");

    virtual HResult GetPageInfo(PageInfo* info) = 0;

protected:
    ~IPropertyPage() = default;
};

class PropertyPage : public Object<IPropertyPage> {
public:
    PropertyPage(const ResourceTable& resources, std::uint32_t dialogId, std::uint32_t captionId)
        : m_resources(resources), m_dialogId(dialogId), m_captionId(captionId) {}

    HResult GetPageInfo(PageInfo* info) override;

private:
    const ResourceTable& m_resources;
    std::uint32_t m_dialogId;
    std::uint32_t m_captionId;
};

}  // namespace automation
