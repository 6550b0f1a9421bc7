// The text of a read-only multi-line text box, replaced without telling screen readers about the
// caret passing through the new text. Orca takes a caret move in a widget that has the focus by
// the time it reads the event as a silent change of focus, so a box filled just before it is
// focused (the cards after a deal, the results) would never be announced.
#pragma once

#include <wx/textctrl.h>

namespace ui::wx {

// Prepares a multi-line text box for ReplaceText; call once, when it is created.
void WatchCaret(wxTextCtrl& text);

// Replaces the text and puts the caret at the start of its first line that holds something (the
// card boxes begin with an empty line; the line at the caret is what a screen reader reads when
// the box gets the focus). Screen readers learn nothing of the change itself; they read the text
// when they look at the box.
void ReplaceText(wxTextCtrl& text, const wxString& value);

// Puts the caret back where ReplaceText puts it, with nothing selected: the top of the text as a
// screen reader reads it. A real move is reported like any other; the caret already there and
// nothing selected, nothing happens.
void ResetCaret(wxTextCtrl& text);

}  // namespace ui::wx
