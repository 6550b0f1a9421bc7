// The base of in-process controls: the dispatch interface served from a dispatch map, the event
// interface with its connection point, drawing into a rectangle the host gives, resize requests
// and modal dialogs through the host's site, a notification window, and property exchange.
#pragma once

#include <cstdint>
#include <span>

#include "platform/automation/Connection.h"
#include "platform/automation/ConnectionPoint.h"
#include "platform/automation/ControlSite.h"
#include "platform/automation/DispatchMap.h"
#include "platform/automation/NotifyWindow.h"
#include "platform/automation/Object.h"
#include "platform/automation/PropExchange.h"

namespace automation {

// What a control class declares about itself; constant data with the class's lifetime.
struct ControlClass {
    const CoClassInfo* coclass;  // its dispatch and event interfaces
    std::span<const DispatchEntry> dispatchMap;
    std::span<const Guid> propertyPages;
    const ResourceTable* resources;
    Size initialSize;
};

class Control : public Object<IDispatch, IConnectionPointContainer, IControl, IProvideClassInfo>,
                public Dispatchable {
public:
    HResult GetIDsOfNames(std::string_view name, DispId* id) override;
    HResult Invoke(DispId id, std::span<const Variant> args, Variant* result) override;
    HResult GetTypeInfo(const InterfaceInfo** info) override;

    HResult FindConnectionPoint(const Guid& iid, IConnectionPoint** point) override;

    HResult GetClassInfo(const CoClassInfo** info) override;

    HResult SetSite(ControlSite* site) override;
    HResult Draw(DrawContext& context, const Rect& bounds) override;
    HResult GetExtent(Size* size) override;
    HResult SetExtent(const Size& size) override;
    HResult GetPropertyPages(std::span<const Guid>* pages) override;
    HResult SaveProperties(PropertyBag& bag) override;
    HResult LoadProperties(const PropertyBag& bag) override;

protected:
    explicit Control(const ControlClass& controlClass);
    ~Control() override;

    virtual void OnDraw(DrawContext& context, const Rect& bounds) = 0;
    // Messages to the control's window, on the UI thread. The base acts on none.
    virtual void WindowProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
    // The base exchanges the stock state: the extent.
    virtual void DoPropExchange(PropExchange& exchange);

    // Calls every sink connected to the event interface.
    void FireEvent(DispId id, std::span<const Variant> args);
    // The site's answer; false without a site.
    bool RequestResize(int width, int height);
    // Shows a dialog resource modally through the site; 0 without a site or such a dialog.
    std::uint32_t ShowModalDialog(std::uint32_t dialogId);
    // The site's ambient user mode; true without a site.
    bool AmbientUserMode() const;
    // The control's window, the callback target of its media commands.
    mci::NotifyTarget& NotifyTarget() { return m_window; }
    const ResourceTable& Resources() const { return *m_class.resources; }

private:
    const ControlClass& m_class;
    ConnectionPoint m_events;
    NotifyWindow m_window;
    ControlSite* m_site = nullptr;
    Size m_extent;
};

}  // namespace automation
