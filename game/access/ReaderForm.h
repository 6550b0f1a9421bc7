// The screen-reader choice window: the two readers in a list, a label and the OK button.
#pragma once

#include "platform/ui/Form.h"

namespace game {

class ReaderForm : public ui::Form {
public:
    explicit ReaderForm(ui::Backend& backend);

    ui::Control& lstReader;
    ui::Control& lblReader;
    ui::Control& btnOK;
};

}  // namespace game
