// The main window's wave control: one hidden instance of the Sonivel control, created by its
// ProgID through the registry or, without a registration, from SONIVEL.OCX in the program's
// folder, and reached by the game only through its dispatch interface.
#pragma once

#include <memory>

#include "platform/automation/ControlSite.h"
#include "platform/automation/Dispatch.h"
#include "platform/automation/ObjectLoader.h"
#include "platform/settings/Store.h"
#include "platform/ui/Backend.h"

namespace game {

class SonivelHost {
public:
    // The library looked for in the program's folder when the class is not registered.
    static constexpr const char* kLibraryName = "SONIVEL.OCX";

    // `registry` is the per-user store the class registrations live in.
    SonivelHost(ui::Backend& backend, settings::Store& registry);
    // Takes the control off its site before letting it go.
    ~SonivelHost();
    SonivelHost(const SonivelHost&) = delete;
    SonivelHost& operator=(const SonivelHost&) = delete;

    // Creates the control, in place of any held one. On failure no control is held and the
    // result of the last attempt is kept for CreationResult; nothing is shown to the player.
    automation::HResult Create();
    // Holds `object` as the control: sites it when it is a control and takes any held one off.
    void Attach(automation::Ref<automation::IDispatch> object);

    // The control's dispatch interface, or null when there is none.
    automation::IDispatch* Dispatch() const { return m_dispatch.Get(); }
    // Why there is no control: E_UNEXPECTED before the first Create, then its result.
    automation::HResult CreationResult() const { return m_creationResult; }

private:
    void Release();

    ui::Backend& m_backend;
    automation::ObjectLoader m_loader;
    std::unique_ptr<automation::ControlSite> m_site;
    automation::Ref<automation::IDispatch> m_dispatch;
    automation::Ref<automation::IControl> m_control;
    automation::HResult m_creationResult = automation::E_UNEXPECTED;
};

}  // namespace game
