#include "game/sound/SonivelHost.h"

#include <string>

#include "platform/automation/Registry.h"
#include "wavecontrol/SonivelIds.h"

namespace game {

namespace {

// The control's side of the main window: work from its media threads runs on the UI thread,
// it never gets a new size (it is hidden), and its dialogs become message boxes.
class HostSite final : public automation::ControlSite {
public:
    explicit HostSite(ui::Backend& backend) : m_backend(backend) {}

    void Post(std::function<void()> work) override { m_backend.Post(std::move(work)); }
    bool RequestResize(int, int) override { return false; }
    std::uint32_t ShowModalDialog(const automation::DialogResource& dialog) override {
        std::string text;
        for (const automation::DialogItem& item : dialog.items) {
            if (item.kind == automation::DialogItemKind::StaticText) {
                text += text.empty() ? "" : "\r\n";
                text += item.text;
            }
        }
        m_backend.ShowMessageBox(
            {std::move(text), ui::Buttons::Ok, ui::Icon::None, std::string(dialog.caption)});
        return automation::IDOK;
    }
    bool UserMode() const override { return true; }

private:
    ui::Backend& m_backend;
};

}  // namespace

SonivelHost::SonivelHost(ui::Backend& backend, settings::Store& registry)
    : m_backend(backend), m_loader(registry), m_site(std::make_unique<HostSite>(backend)) {}

SonivelHost::~SonivelHost() {
    Release();
}

automation::HResult SonivelHost::Create() {
    Release();
    automation::Ref<automation::IDispatch> object;
    automation::Guid clsid;
    automation::HResult hr =
        automation::CLSIDFromProgID(m_loader.Registry(), sonivel::kProgId, &clsid);
    if (automation::Succeeded(hr)) {
        hr = m_loader.CreateInstance(clsid, automation::IDispatch::kIid, object.PutVoid());
    }
    if (automation::Failed(hr)) {
        hr = m_loader.CreateFromLibrary(m_backend.ProgramFolder() / kLibraryName,
                                        sonivel::kControlClsid, automation::IDispatch::kIid,
                                        object.PutVoid());
    }
    m_creationResult = hr;
    if (automation::Succeeded(hr)) {
        Attach(std::move(object));
    }
    return hr;
}

void SonivelHost::Attach(automation::Ref<automation::IDispatch> object) {
    Release();
    m_dispatch = std::move(object);
    m_creationResult = automation::S_OK;
    if (automation::Succeeded(automation::QueryInterface(m_dispatch.Get(), m_control))) {
        m_control->SetSite(m_site.get());
    }
}

void SonivelHost::Release() {
    if (m_control) {
        m_control->SetSite(nullptr);
        m_control.Reset();
    }
    m_dispatch.Reset();
}

}  // namespace game
