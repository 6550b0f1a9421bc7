// A text box's text replaced by the game tells screen readers nothing about the caret passing
// through it (Orca takes such a move as a silent change of focus), while every caret move the
// player makes afterwards is still reported. Needs a display: run under xvfb-session.sh.
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/frame.h>
#include <wx/textctrl.h>

#include <memory>

#include "platform/ui/wx/QuietText.h"
#include "platform/ui/wx/WxBackend.h"

namespace ui::wx {
namespace {

class QuietText : public ::testing::Test {
protected:
    void SetUp() override {
        m_frame = new wxFrame(nullptr, wxID_ANY, "Quiet text");
        m_text = new wxTextCtrl(m_frame, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                                wxTE_MULTILINE | wxTE_READONLY);
        WatchCaret(*m_text);
        g_signal_connect(gtk_widget_get_accessible(m_text->GetConnectWidget()), "text-caret-moved",
                         G_CALLBACK(CountMove), &m_moves);
    }
    void TearDown() override { m_frame->Destroy(); }

    // A caret move as the player makes one, with the keys.
    void PlayerMovesTo(int offset) {
        GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(m_text->GetConnectWidget()));
        GtkTextIter iter;
        gtk_text_buffer_get_iter_at_offset(buffer, &iter, offset);
        gtk_text_buffer_place_cursor(buffer, &iter);
    }

    static void CountMove(AtkObject*, int, gpointer moves) { ++*static_cast<int*>(moves); }

    wxFrame* m_frame = nullptr;
    wxTextCtrl* m_text = nullptr;
    int m_moves = 0;
};

TEST_F(QuietText, ReplacingTheTextReportsNoCaretMove) {
    ReplaceText(*m_text, "\nKing of Hearts\n");
    ReplaceText(*m_text, "\nKing of Hearts\n2 of Clubs\n");
    EXPECT_EQ(m_moves, 0);
    EXPECT_EQ(m_text->GetValue(), "\nKing of Hearts\n2 of Clubs\n");
}

TEST_F(QuietText, TheCaretRestsOnTheFirstLineThatHoldsSomething) {
    ReplaceText(*m_text, "\nKing of Hearts\n");
    EXPECT_EQ(m_text->GetInsertionPoint(), 1);
    ReplaceText(*m_text, "You win $200\n");
    EXPECT_EQ(m_text->GetInsertionPoint(), 0);
    ReplaceText(*m_text, "\n");
    EXPECT_EQ(m_text->GetInsertionPoint(), 0);
}

TEST_F(QuietText, EveryMoveOfThePlayerIsReportedAfterAReplacement) {
    ReplaceText(*m_text, "\nKing of Hearts\n2 of Clubs\n");
    PlayerMovesTo(16);  // the second card
    EXPECT_EQ(m_moves, 1);
    // The caret goes back to the first card without the accessible knowing; a move to where it
    // last saw the caret is a real move all the same.
    ReplaceText(*m_text, "\nQueen of Spades\n3 of Hearts\n");
    EXPECT_EQ(m_moves, 1);
    PlayerMovesTo(16);
    EXPECT_EQ(m_moves, 2);
    PlayerMovesTo(1);
    EXPECT_EQ(m_moves, 3);
}

}  // namespace
}  // namespace ui::wx

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const std::unique_ptr<ui::Backend> backend = ui::CreateWxBackend(argc, argv);
    if (!backend) {
        return 2;
    }
    return RUN_ALL_TESTS();
}
