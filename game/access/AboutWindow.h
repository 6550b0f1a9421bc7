// The events of the About window frmAbout.
#pragma once

#include <string_view>

namespace game {

struct Game;

// The notice and web-site lines of the About window.
inline constexpr std::string_view kAboutNotice =
    "Copyright 2026 The Ventrelle developers. All rights reserved.";
inline constexpr std::string_view kAboutWebSite = "Web site: none; the help topics open with F1.";

namespace about {

// Fills the four labels: version, title, notice and web site. No error handler: a failure here
// is a fault of the program.
void Form_Load(Game& game);
// Closes the window; Enter and Escape press it too.
void cmdOK_Click(Game& game);

}  // namespace about

void ConnectAboutWindow(Game& game);

}  // namespace game
