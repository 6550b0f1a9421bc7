#include "platform/automation/Control.h"

namespace automation {

Control::Control(const ControlClass& controlClass)
    : m_class(controlClass),
      m_events(static_cast<IDispatch&>(*this),
               controlClass.coclass->events ? controlClass.coclass->events->iid : Guid{}),
      m_window([this](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
          // Handlers may release the host's last reference (a sink that lets go of the control).
          const Ref<IDispatch> keepAlive(this);
          WindowProc(message, wParam, lParam);
      }),
      m_extent(controlClass.initialSize) {}

Control::~Control() {
    m_window.Destroy();
    m_events.DisconnectAll();
}

HResult Control::GetIDsOfNames(std::string_view name, DispId* id) {
    if (!id) {
        return E_POINTER;
    }
    const MethodInfo* method = m_class.coclass->dispatch->Find(name);
    if (!method) {
        return DISP_E_UNKNOWNNAME;
    }
    *id = method->id;
    return S_OK;
}

HResult Control::Invoke(DispId id, std::span<const Variant> args, Variant* result) {
    const DispatchEntry* entry = FindEntry(m_class.dispatchMap, id);
    if (!entry) {
        return DISP_E_MEMBERNOTFOUND;
    }
    return InvokeEntry(*entry, *this, args, result);
}

HResult Control::GetTypeInfo(const InterfaceInfo** info) {
    if (!info) {
        return E_POINTER;
    }
    *info = m_class.coclass->dispatch;
    return S_OK;
}

HResult Control::GetClassInfo(const CoClassInfo** info) {
    if (!info) {
        return E_POINTER;
    }
    *info = m_class.coclass;
    return S_OK;
}

HResult Control::FindConnectionPoint(const Guid& iid, IConnectionPoint** point) {
    if (!point) {
        return E_POINTER;
    }
    *point = nullptr;
    if (!m_class.coclass->events || iid != m_events.Iid()) {
        return CONNECT_E_NOCONNECTION;
    }
    *point = &m_events;
    m_events.AddRef();
    return S_OK;
}

HResult Control::SetSite(ControlSite* site) {
    m_site = site;
    if (site) {
        m_window.Create(*site);
    } else {
        m_window.Destroy();
    }
    return S_OK;
}

HResult Control::Draw(DrawContext& context, const Rect& bounds) {
    OnDraw(context, bounds);
    return S_OK;
}

HResult Control::GetExtent(Size* size) {
    if (!size) {
        return E_POINTER;
    }
    *size = m_extent;
    return S_OK;
}

HResult Control::SetExtent(const Size& size) {
    if (size.width < 0 || size.height < 0) {
        return E_INVALIDARG;
    }
    m_extent = size;
    return S_OK;
}

HResult Control::GetPropertyPages(std::span<const Guid>* pages) {
    if (!pages) {
        return E_POINTER;
    }
    *pages = m_class.propertyPages;
    return S_OK;
}

HResult Control::SaveProperties(PropertyBag& bag) {
    PropExchange exchange(ExchangeDirection::Save, bag);
    DoPropExchange(exchange);
    return S_OK;
}

HResult Control::LoadProperties(const PropertyBag& bag) {
    PropertyBag copy = bag;
    PropExchange exchange(ExchangeDirection::Load, copy);
    DoPropExchange(exchange);
    return S_OK;
}

void Control::WindowProc(std::uint32_t, std::uintptr_t, std::intptr_t) {}

void Control::DoPropExchange(PropExchange& exchange) {
    exchange.ExchangeLong("_ExtentX", m_extent.width, m_class.initialSize.width);
    exchange.ExchangeLong("_ExtentY", m_extent.height, m_class.initialSize.height);
}

void Control::FireEvent(DispId id, std::span<const Variant> args) {
    m_events.Fire(id, args);
}

bool Control::RequestResize(int width, int height) {
    return m_site && m_site->RequestResize(width, height);
}

std::uint32_t Control::ShowModalDialog(std::uint32_t dialogId) {
    const DialogResource* dialog = Resources().FindDialog(dialogId);
    if (!m_site || !dialog) {
        return 0;
    }
    return m_site->ShowModalDialog(*dialog);
}

bool Control::AmbientUserMode() const {
    return !m_site || m_site->UserMode();
}

}  // namespace automation
