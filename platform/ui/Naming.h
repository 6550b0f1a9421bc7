// What people are told about the model's controls: accessible names of text boxes and lists,
// captions without their access-key marker, and the display form of line breaks. No toolkit.
#pragma once

#include <string>

#include "platform/ui/Form.h"

namespace ui {

// "txtPlayer" -> "Player": the control name without its lower-case kind prefix.
std::string NameWithoutPrefix(const std::string& controlName);

// "E&xit Game" -> "Exit Game"; "&&" stands for a literal ampersand.
std::string WithoutAccessMarker(const std::string& caption);

// CR LF (and a lone CR) become LF: the text widgets break lines on LF only.
std::string ToDisplayText(const std::string& text);

// The label that names a text box or a list: one in the same frame whose name has the same suffix
// (lblPlayer for txtPlayer), else the control just before it in the frame's tab order when that
// is a label; nullptr when neither exists.
const Control* LabelFor(const Form& form, const Control& control);

// What a screen reader should call the control: its label's caption, else its name without prefix.
std::string AccessibleNameFor(const Form& form, const Control& control);

// Text boxes and lists are named after their labels (buttons by their own captions).
bool TakesItsLabelsName(const Control& control);

// The text box or list that `label` names, or nullptr.
const Control* ControlNamedBy(const Form& form, const Control& label);

}  // namespace ui
