#include "platform/ui/Naming.h"

#include <cctype>

namespace ui {

std::string NameWithoutPrefix(const std::string& controlName) {
    std::size_t start = 0;
    while (start < controlName.size() &&
           std::islower(static_cast<unsigned char>(controlName[start])) != 0) {
        ++start;
    }
    return start == controlName.size() ? controlName : controlName.substr(start);
}

std::string WithoutAccessMarker(const std::string& caption) {
    std::string result;
    result.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
        }
        result += caption[i];
    }
    return result;
}

std::string ToDisplayText(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            result += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            result += text[i];
        }
    }
    return result;
}

const Control* LabelFor(const Form& form, const Control& control) {
    const std::string suffix = NameWithoutPrefix(control.Name());
    const Control* previous = nullptr;
    for (const auto& candidate : form.Controls()) {
        if (candidate.get() == &control || candidate->Frame() != control.Frame()) {
            continue;
        }
        if (candidate->Kind() == ControlKind::Label &&
            NameWithoutPrefix(candidate->Name()) == suffix) {
            return candidate.get();
        }
        if (candidate->TabIndex() < control.TabIndex() &&
            (previous == nullptr || candidate->TabIndex() > previous->TabIndex())) {
            previous = candidate.get();
        }
    }
    return previous != nullptr && previous->Kind() == ControlKind::Label ? previous : nullptr;
}

std::string AccessibleNameFor(const Form& form, const Control& control) {
    const Control* label = LabelFor(form, control);
    if (label != nullptr && !label->Caption().empty()) {
        return WithoutAccessMarker(label->Caption());
    }
    return NameWithoutPrefix(control.Name());
}

bool TakesItsLabelsName(const Control& control) {
    return control.Kind() == ControlKind::TextBox || control.Kind() == ControlKind::ListBox;
}

const Control* ControlNamedBy(const Form& form, const Control& label) {
    for (const auto& control : form.Controls()) {
        if (TakesItsLabelsName(*control) && LabelFor(form, *control) == &label) {
            return control.get();
        }
    }
    return nullptr;
}

}  // namespace ui
