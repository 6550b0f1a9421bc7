#include "tools/sonivel-host/ScriptRunner.h"

#include <cerrno>
#include <charconv>

#include "platform/automation/EventSink.h"
#include "platform/automation/Registry.h"
#include "wavecontrol/SonivelIds.h"

namespace sonivelhost {

using automation::HResult;
using automation::Ref;
using automation::Variant;

// The site of one hosted object: the host loop is its UI thread; resize requests and dialogs
// are reported and granted (the host has no one to ask).
class ScriptRunner::Site final : public automation::ControlSite {
public:
    Site(ScriptRunner& runner, std::string name) : m_runner(runner), m_name(std::move(name)) {}

    void Post(std::function<void()> work) override { m_runner.m_loop.Post(std::move(work)); }
    bool RequestResize(int width, int height) override {
        m_runner.Emit(
            {{"event", "resize"}, {"object", m_name}, {"width", width}, {"height", height}});
        return true;
    }
    std::uint32_t ShowModalDialog(const automation::DialogResource& dialog) override {
        m_runner.Emit({{"event", "dialog"},
                       {"object", m_name},
                       {"id", static_cast<std::int64_t>(dialog.id)},
                       {"caption", dialog.caption}});
        return automation::IDOK;
    }
    bool UserMode() const override { return true; }

private:
    ScriptRunner& m_runner;
    std::string m_name;
};

namespace {

// Records what a control paints.
class PaintLog final : public automation::DrawContext {
public:
    void Fill(const automation::Rect&, automation::Color) override { painted.push_back("fill"); }
    void DrawBitmap(const automation::Rect&, const automation::BitmapResource& bitmap) override {
        painted.push_back("bitmap " + std::to_string(bitmap.id));
    }
    json::Value::Array painted;
};

template <typename T>
std::optional<T> WholeNumber(std::string_view text) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

json::Value ToJson(const Variant& value) {
    switch (value.Type()) {
        case automation::VarType::Empty:
            return nullptr;
        case automation::VarType::Short:
            return static_cast<int>(value.Short());
        case automation::VarType::Long:
            return static_cast<int>(value.Long());
        case automation::VarType::Float:
            return static_cast<double>(value.Float());
        case automation::VarType::Bool:
            return value.Bool();
        case automation::VarType::String:
            return value.String();
        case automation::VarType::ShortRef:
            return "array";
    }
    return nullptr;
}

ScriptRunner::ScriptRunner(automation::ObjectLoader& loader, std::ostream& out)
    : m_loader(loader), m_out(out) {}

ScriptRunner::~ScriptRunner() {
    for (auto& [name, hosted] : m_objects) {
        Drop(hosted);
    }
    m_objects.clear();
    m_loader.FreeUnusedLibraries();
}

bool ScriptRunner::RunLine(std::string_view line, int lineNumber) {
    m_line = lineNumber;
    std::string error;
    const auto words = SplitWords(line, &error);
    if (!words) {
        return Fail(error);
    }
    if (words->empty()) {
        return true;
    }
    const std::string& verb = (*words)[0].text;
    if ((*words)[0].quoted) {
        return Fail("a command does not start with quoted text");
    }
    if (verb == "create") {
        return Create(*words);
    }
    if (verb == "call") {
        return Call(*words);
    }
    if (verb == "array") {
        return DeclareArray(*words);
    }
    if (verb == "print") {
        return Print(*words);
    }
    if (verb == "pump") {
        return Pump(*words);
    }
    if (verb == "release") {
        return Release(*words);
    }
    if (verb == "draw") {
        return Draw(*words);
    }
    return Fail("unknown command: " + verb);
}

void ScriptRunner::Emit(json::Value::Object fields) {
    if (m_writeError != 0) {
        return;
    }
    errno = 0;
    m_out << json::Value(std::move(fields)).Dump() << '\n' << std::flush;
    if (!m_out) {
        m_writeError = errno != 0 ? errno : EIO;
    }
}

bool ScriptRunner::Fail(std::string message) {
    Emit({{"line", m_line}, {"error", std::move(message)}});
    return false;
}

ScriptRunner::Hosted* ScriptRunner::Find(const std::string& name) {
    const auto it = m_objects.find(name);
    return it == m_objects.end() ? nullptr : &it->second;
}

void ScriptRunner::Drop(Hosted& hosted) {
    if (hosted.events) {
        hosted.events->Unadvise(hosted.cookie);
        hosted.events.Reset();
    }
    if (hosted.control) {
        hosted.control->SetSite(nullptr);
        hosted.control.Reset();
    }
    hosted.dispatch.Reset();
}

std::string ScriptRunner::EventName(const Hosted& hosted, automation::DispId id) const {
    if (hosted.classInfo && hosted.classInfo->events) {
        if (const auto* method = hosted.classInfo->events->Find(id)) {
            return method->name;
        }
    }
    return std::to_string(id);
}

void ScriptRunner::OnEvent(const std::string& object, automation::DispId id,
                           std::span<const Variant> args) {
    const Hosted* hosted = Find(object);
    json::Value::Array values;
    for (const Variant& arg : args) {
        values.push_back(ToJson(arg));
    }
    Emit({{"event", hosted ? EventName(*hosted, id) : std::to_string(id)},
          {"object", object},
          {"args", std::move(values)}});
}

// create NAME PROGID|{CLSID} [--library PATH]
bool ScriptRunner::Create(const std::vector<Word>& words) {
    if (words.size() != 3 && !(words.size() == 5 && words[3].text == "--library")) {
        return Fail("usage: create NAME PROGID|{CLSID} [--library PATH]");
    }
    const std::string& name = words[1].text;
    if (Find(name)) {
        return Fail("an object named " + name + " exists already");
    }
    const std::string& id = words[2].text;
    const bool fromLibrary = words.size() == 5;
    automation::Guid clsid;
    if (const auto parsed = automation::Guid::Parse(id)) {
        clsid = *parsed;
    } else if (const HResult hr = automation::CLSIDFromProgID(m_loader.Registry(), id, &clsid);
               automation::Failed(hr)) {
        // Without the registry, the one ProgID this host knows by heart is the wave control's.
        if (!fromLibrary || id != sonivel::kProgId) {
            Emit({{"line", m_line},
                  {"error", "unknown ProgID " + id},
                  {"hr", automation::ResultName(hr)}});
            return false;
        }
        clsid = sonivel::kControlClsid;
    }
    Hosted hosted;
    const HResult hr =
        fromLibrary ? m_loader.CreateFromLibrary(words[4].text, clsid, automation::IDispatch::kIid,
                                                 hosted.dispatch.PutVoid())
                    : m_loader.CreateInstance(clsid, automation::IDispatch::kIid,
                                              hosted.dispatch.PutVoid());
    if (automation::Failed(hr)) {
        Emit({{"line", m_line},
              {"error", "cannot create " + id},
              {"hr", automation::ResultName(hr)}});
        return false;
    }
    Ref<automation::IProvideClassInfo> provider;
    if (automation::Succeeded(automation::QueryInterface(hosted.dispatch.Get(), provider))) {
        provider->GetClassInfo(&hosted.classInfo);
    }
    Ref<automation::IConnectionPointContainer> container;
    if (hosted.classInfo && hosted.classInfo->events &&
        automation::Succeeded(automation::QueryInterface(hosted.dispatch.Get(), container)) &&
        automation::Succeeded(
            container->FindConnectionPoint(hosted.classInfo->events->iid, hosted.events.Put()))) {
        const auto sink = automation::MakeObject<automation::EventSink>(
            [this, name](automation::DispId event, std::span<const Variant> args) {
                OnEvent(name, event, args);
            });
        hosted.events->Advise(sink.Get(), &hosted.cookie);
    }
    if (automation::Succeeded(automation::QueryInterface(hosted.dispatch.Get(), hosted.control))) {
        hosted.site = std::make_unique<Site>(*this, name);
        hosted.control->SetSite(hosted.site.get());
    }
    m_objects.emplace(name, std::move(hosted));
    Emit({{"created", name}, {"clsid", clsid.ToString()}});
    return true;
}

// call NAME METHOD|DISPID [ARGUMENT...]
bool ScriptRunner::Call(const std::vector<Word>& words) {
    if (words.size() < 3) {
        return Fail("usage: call NAME METHOD|DISPID [ARGUMENT...]");
    }
    Hosted* hosted = Find(words[1].text);
    if (!hosted) {
        return Fail("no object named " + words[1].text);
    }
    const std::string& method = words[2].text;
    automation::DispId id = 0;
    if (const auto number = WholeNumber<automation::DispId>(method)) {
        id = *number;
    } else if (const HResult hr = hosted->dispatch->GetIDsOfNames(method, &id);
               automation::Failed(hr)) {
        Emit({{"line", m_line},
              {"error", "no method " + method},
              {"hr", automation::ResultName(hr)}});
        return false;
    }
    std::vector<Variant> args;
    for (std::size_t i = 3; i < words.size(); ++i) {
        std::string error;
        const auto argument = ParseArgument(words[i], &error);
        if (!argument) {
            return Fail(error);
        }
        if (argument->array.empty()) {
            args.push_back(argument->value);
            continue;
        }
        const auto array = m_arrays.find(argument->array);
        if (array == m_arrays.end()) {
            return Fail("no array named " + argument->array);
        }
        if (i + 1 < words.size() && !CheckArrayLength(array->first, array->second, words[i + 1])) {
            return false;
        }
        args.emplace_back(array->second.data());
    }
    Variant result;
    const HResult hr = hosted->dispatch->Invoke(id, args, &result);
    json::Value::Object fields = {{"call", method},
                                  {"object", words[1].text},
                                  {"hr", automation::ResultName(hr)},
                                  {"result", ToJson(result)}};
    automation::DispId errorCodeId = 0;
    if (automation::Succeeded(hosted->dispatch->GetIDsOfNames("GetErrorCode", &errorCodeId)) &&
        errorCodeId != id) {
        Variant code;
        if (automation::Succeeded(hosted->dispatch->Invoke(errorCodeId, {}, &code))) {
            fields.emplace_back("errorCode", ToJson(code));
        }
    }
    Emit(std::move(fields));
    return true;
}

bool ScriptRunner::CheckArrayLength(const std::string& name, const std::vector<std::int16_t>& array,
                                    const Word& next) {
    std::string error;
    const auto argument = ParseArgument(next, &error);
    Variant length;
    if (!argument || !argument->array.empty() ||
        automation::Failed(argument->value.ChangeType(automation::VarType::Long, length)) ||
        length.Long() <= 0 || static_cast<std::size_t>(length.Long()) <= array.size()) {
        // Not a length beyond the array: the call itself judges it.
        return true;
    }
    return Fail("ArrayLength " + std::to_string(length.Long()) + " exceeds the length " +
                std::to_string(array.size()) + " of array " + name);
}

// array NAME LENGTH
bool ScriptRunner::DeclareArray(const std::vector<Word>& words) {
    const auto length =
        words.size() == 3 ? WholeNumber<std::uint32_t>(words[2].text) : std::nullopt;
    if (!length) {
        return Fail("usage: array NAME LENGTH");
    }
    std::vector<std::int16_t> values;
    try {
        values.assign(*length, 0);
    } catch (const std::exception&) {
        // bad_alloc or length_error: the host goes on without that array.
        return Fail("no memory for an array of " + words[2].text + " values");
    }
    m_arrays[words[1].text] = std::move(values);
    return true;
}

// print NAME
bool ScriptRunner::Print(const std::vector<Word>& words) {
    if (words.size() != 2) {
        return Fail("usage: print ARRAY");
    }
    const auto array = m_arrays.find(words[1].text);
    if (array == m_arrays.end()) {
        return Fail("no array named " + words[1].text);
    }
    json::Value::Array values;
    values.reserve(array->second.size());
    for (const std::int16_t v : array->second) {
        values.emplace_back(static_cast<int>(v));
    }
    Emit({{"array", words[1].text}, {"values", std::move(values)}});
    return true;
}

// pump MS
bool ScriptRunner::Pump(const std::vector<Word>& words) {
    const auto ms = words.size() == 2 ? WholeNumber<std::uint32_t>(words[1].text) : std::nullopt;
    if (!ms) {
        return Fail("usage: pump MILLISECONDS");
    }
    m_loop.Pump(std::chrono::milliseconds(*ms));
    return true;
}

// release NAME
bool ScriptRunner::Release(const std::vector<Word>& words) {
    Hosted* hosted = words.size() == 2 ? Find(words[1].text) : nullptr;
    if (!hosted) {
        return Fail("usage: release NAME (an object)");
    }
    Drop(*hosted);
    m_objects.erase(words[1].text);
    m_loader.FreeUnusedLibraries();
    Emit({{"released", words[1].text}});
    return true;
}

// draw NAME WIDTH HEIGHT
bool ScriptRunner::Draw(const std::vector<Word>& words) {
    Hosted* hosted = words.size() == 4 ? Find(words[1].text) : nullptr;
    const auto width = words.size() == 4 ? WholeNumber<int>(words[2].text) : std::nullopt;
    const auto height = words.size() == 4 ? WholeNumber<int>(words[3].text) : std::nullopt;
    if (!hosted || !width || !height) {
        return Fail("usage: draw NAME WIDTH HEIGHT");
    }
    if (!hosted->control) {
        return Fail(words[1].text + " is not a control");
    }
    PaintLog log;
    hosted->control->Draw(log, {0, 0, *width, *height});
    Emit({{"draw", words[1].text}, {"painted", std::move(log.painted)}});
    return true;
}

}  // namespace sonivelhost
