#include "tests/wavecontrol/FakeMci.h"

#include <algorithm>
#include <cstring>

namespace fakemci {

namespace {

struct Rule {
    std::string prefix;
    mci::ErrorCode result;
    std::string reply;
};

struct Hook {
    std::string prefix;
    std::function<void(const std::string&)> action;
};

struct State {
    std::vector<std::string> sent;
    std::vector<Rule> rules;
    std::vector<Hook> hooks;
    mci::NotifyTarget* callback = nullptr;
};

State& Fake() {
    static State state;
    return state;
}

}  // namespace

void Reset() {
    Fake() = State();
}

const std::vector<std::string>& Sent() {
    return Fake().sent;
}

void Respond(std::string prefix, mci::ErrorCode result, std::string reply) {
    Fake().rules.push_back({std::move(prefix), result, std::move(reply)});
}

void OnSend(std::string prefix, std::function<void(const std::string& command)> action) {
    Fake().hooks.push_back({std::move(prefix), std::move(action)});
}

mci::NotifyTarget* LastCallback() {
    return Fake().callback;
}

std::string TextFor(mci::ErrorCode code) {
    return code <= 1000 ? "fake text for " + std::to_string(code) : std::string();
}

}  // namespace fakemci

namespace mci {

ErrorCode SendString(const char* command, char* reply, std::uint32_t replySize,
                     NotifyTarget* callback) {
    auto& fake = fakemci::Fake();
    fake.sent.emplace_back(command);
    fake.callback = callback;
    for (const auto& hook : fake.hooks) {
        if (std::string_view(command).starts_with(hook.prefix)) {
            hook.action(command);
        }
    }
    const auto rule = std::find_if(fake.rules.rbegin(), fake.rules.rend(), [&](const auto& r) {
        return std::string_view(command).starts_with(r.prefix);
    });
    if (rule == fake.rules.rend()) {
        return Ok;
    }
    if (reply && replySize > 0 && !rule->reply.empty()) {
        const std::size_t n = std::min<std::size_t>(rule->reply.size(), replySize - 1);
        std::memcpy(reply, rule->reply.data(), n);
        reply[n] = '\0';
    }
    return rule->result;
}

// The stand-in holds no samples of its own: the control saves at every edit.
bool DeviceHoldsFile(const char* /*alias*/, const char* /*path*/) {
    return false;
}

bool GetErrorString(ErrorCode code, char* text, std::uint32_t size) {
    const std::string value = fakemci::TextFor(code);
    if (size == 0) {
        return false;
    }
    const std::size_t n = std::min<std::size_t>(value.size(), size - 1);
    std::memcpy(text, value.data(), n);
    text[n] = '\0';
    return !value.empty();
}

}  // namespace mci
