// Runs sonivel-host script lines: creates objects, calls their methods, keeps host arrays, pumps
// the event loop, and writes every outcome as one JSON line.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "platform/automation/Connection.h"
#include "platform/automation/ControlSite.h"
#include "platform/automation/ObjectLoader.h"
#include "platform/json/Json.h"
#include "tools/sonivel-host/HostLoop.h"
#include "tools/sonivel-host/Script.h"

namespace sonivelhost {

class ScriptRunner {
public:
    ScriptRunner(automation::ObjectLoader& loader, std::ostream& out);
    // Lets go of every object, then of the libraries no longer used.
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    // Runs one line; false when it could not be run (the reason has been written).
    bool RunLine(std::string_view line, int lineNumber);
    // The errno of the first output that could not be written (nothing is written after it), or 0.
    int WriteError() const { return m_writeError; }

private:
    class Site;
    struct Hosted {
        automation::Ref<automation::IDispatch> dispatch;
        const automation::CoClassInfo* classInfo = nullptr;
        automation::Ref<automation::IConnectionPoint> events;
        std::uint32_t cookie = 0;
        automation::Ref<automation::IControl> control;
        std::unique_ptr<Site> site;
    };

    bool Create(const std::vector<Word>& words);
    bool Call(const std::vector<Word>& words);
    bool DeclareArray(const std::vector<Word>& words);
    // A host array passed by reference is followed by the number of its values the call may use:
    // the control has no way to check it, so the host refuses one beyond the array (false, after
    // the error line).
    bool CheckArrayLength(const std::string& name, const std::vector<std::int16_t>& array,
                          const Word& next);
    bool Print(const std::vector<Word>& words);
    bool Pump(const std::vector<Word>& words);
    bool Release(const std::vector<Word>& words);
    bool Draw(const std::vector<Word>& words);

    void Emit(json::Value::Object fields);
    bool Fail(std::string message);
    void Drop(Hosted& hosted);
    Hosted* Find(const std::string& name);
    std::string EventName(const Hosted& hosted, automation::DispId id) const;
    void OnEvent(const std::string& object, automation::DispId id,
                 std::span<const automation::Variant> args);

    automation::ObjectLoader& m_loader;
    std::ostream& m_out;
    HostLoop m_loop;
    std::map<std::string, Hosted> m_objects;
    std::map<std::string, std::vector<std::int16_t>> m_arrays;
    int m_line = 0;
    int m_writeError = 0;
};

// The JSON form of an automation value.
json::Value ToJson(const automation::Variant& value);

}  // namespace sonivelhost
