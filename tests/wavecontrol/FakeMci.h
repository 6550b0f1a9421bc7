// A stand-in for the media control interface, linked in place of the real one: it records every
// command string and answers with scripted results and replies.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/mci/Mci.h"

namespace fakemci {

// Forgets the commands and the script.
void Reset();
// Every command sent since Reset, in order.
const std::vector<std::string>& Sent();
// Commands that start with `prefix` get `result` and, for status queries, `reply`. Later
// rules take precedence; commands that match none get 0 and no reply.
void Respond(std::string prefix, mci::ErrorCode result, std::string reply = {});
// Commands that start with `prefix` also run `action` with their text before they are
// answered, as the real device would act on a file (later hooks run too).
void OnSend(std::string prefix, std::function<void(const std::string& command)> action);
// The callback window passed with the last command.
mci::NotifyTarget* LastCallback();

// The texts the stand-in gives: "fake text for N" for 0 to 1000, nothing beyond.
std::string TextFor(mci::ErrorCode code);

}  // namespace fakemci
