#pragma once

#include <functional>
#include <string>

namespace platform {

// A modal box with an OK button and no owner window. Texts are in the
// Windows-1252 code page, as the game's data and messages are. The text also
// goes to stderr, since without a display no box can be shown.
void showMessageBox(const std::string& caption, const std::string& text);

// Tests capture the boxes instead of showing them. An empty function restores
// the real box.
void setMessageBoxSink(std::function<void(const std::string&, const std::string&)> sink);

}  // namespace platform
