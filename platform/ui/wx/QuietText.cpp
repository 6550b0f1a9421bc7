#include "platform/ui/wx/QuietText.h"

#include <gtk/gtk.h>

#include <stdexcept>

namespace ui::wx {
namespace {

constexpr const char* kStateKey = "ventra-caret-state";

// What the text view's accessible object believes about the caret. It reports a move only when
// the caret lands on another offset than the one it last saw, and it sees nothing of a
// replacement, so the first move after one may land where it thinks the caret still is.
struct CaretState {
    AtkObject* accessible = nullptr;  // cleared by GObject if the accessible goes first
    int believed = 0;                 // the offset the accessible last saw
    bool stale = false;               // the caret was put elsewhere without its knowledge
    bool replacing = false;
};

void DeleteState(gpointer data) {
    auto* state = static_cast<CaretState*>(data);
    if (state->accessible != nullptr) {
        g_object_remove_weak_pointer(G_OBJECT(state->accessible),
                                     reinterpret_cast<gpointer*>(&state->accessible));
    }
    delete state;
}

int InsertOffset(GtkTextBuffer* buffer) {
    GtkTextIter iter;
    gtk_text_buffer_get_iter_at_mark(buffer, &iter, gtk_text_buffer_get_insert(buffer));
    return gtk_text_iter_get_offset(&iter);
}

// Runs after the accessible's own handler has seen the move.
void OnMarkSet(GtkTextBuffer* buffer, GtkTextIter*, GtkTextMark* mark, gpointer data) {
    auto* state = static_cast<CaretState*>(data);
    if (state->replacing || (mark != gtk_text_buffer_get_insert(buffer) &&
                             mark != gtk_text_buffer_get_selection_bound(buffer))) {
        return;
    }
    const int offset = InsertOffset(buffer);
    if (state->stale && offset == state->believed && state->accessible != nullptr) {
        // The accessible kept quiet about a real move: say it in its place.
        g_signal_emit_by_name(state->accessible, "text-caret-moved", offset);
    }
    state->believed = offset;
    state->stale = false;
}

long FirstLineWithText(const wxString& value) {
    const std::size_t start = value.find_first_not_of('\n');
    return start == wxString::npos ? 0 : static_cast<long>(start);
}

GtkTextBuffer* BufferOf(wxTextCtrl& text) {
    return gtk_text_view_get_buffer(GTK_TEXT_VIEW(text.GetConnectWidget()));
}

}  // namespace

void WatchCaret(wxTextCtrl& text) {
    GtkWidget* view = text.GetConnectWidget();
    GtkTextBuffer* buffer = BufferOf(text);
    auto* state = new CaretState;
    state->accessible = gtk_widget_get_accessible(view);
    g_object_add_weak_pointer(G_OBJECT(state->accessible),
                              reinterpret_cast<gpointer*>(&state->accessible));
    state->believed = InsertOffset(buffer);
    g_object_set_data_full(G_OBJECT(buffer), kStateKey, state, DeleteState);
    g_signal_connect_after(buffer, "mark-set", G_CALLBACK(OnMarkSet), state);
}

void ReplaceText(wxTextCtrl& text, const wxString& value) {
    GtkTextBuffer* buffer = BufferOf(text);
    auto* state = static_cast<CaretState*>(g_object_get_data(G_OBJECT(buffer), kStateKey));
    if (state == nullptr) {
        throw std::logic_error("ReplaceText on a text box that WatchCaret has not prepared");
    }
    // The accessible listens on the buffer with itself as the handlers' data.
    gpointer accessible = state->accessible;
    state->replacing = true;
    if (accessible != nullptr) {
        g_signal_handlers_block_matched(buffer, G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr,
                                        accessible);
    }
    text.ChangeValue(value);
    text.SetInsertionPoint(FirstLineWithText(value));
    if (accessible != nullptr) {
        g_signal_handlers_unblock_matched(buffer, G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr,
                                          accessible);
    }
    state->replacing = false;
    state->stale = state->believed != InsertOffset(buffer);
}

void ResetCaret(wxTextCtrl& text) {
    const long start = FirstLineWithText(text.GetValue());
    long from = 0;
    long to = 0;
    text.GetSelection(&from, &to);
    if (from != to || text.GetInsertionPoint() != start) {
        text.SetInsertionPoint(start);
    }
}

}  // namespace ui::wx
