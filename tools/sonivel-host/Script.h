// The sonivel-host script language: one command a line, words separated by spaces, text in
// double quotes, "#" starting a comment. See docs/sonivel-host.md.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/Variant.h"

namespace sonivelhost {

struct Word {
    std::string text;
    bool quoted = false;         // some of it was in double quotes: never a keyword
    std::size_t quotedFrom = 0;  // where in `text` the quoted part starts
};

// Splits a line into words; a "#" outside quotes ends the line. Inside quotes \" and \\ stand for
// " and \. Nothing, with `error` set, when a quote is not closed.
std::optional<std::vector<Word>> SplitWords(std::string_view line, std::string* error);

// A call argument: a value, or the name of a host array passed by reference.
struct Argument {
    automation::Variant value;
    std::string array;  // not empty: pass this array
};

// "short:5", "long:-1", "float:0.5", "bool:true", "string:TEXT", "&NAME" (an array), or a bare
// value: quoted text is a string, true/false a boolean, a whole number a long, any other number
// a float. Nothing, with `error` set, for anything else.
std::optional<Argument> ParseArgument(const Word& word, std::string* error);

}  // namespace sonivelhost
