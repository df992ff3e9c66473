#include <SDL.h>

#include <cstdio>
#include <utility>

#include "platform/code_page.h"
#include "platform/message_box.h"

namespace platform {
namespace {

std::function<void(const std::string&, const std::string&)>& sink() {
    static std::function<void(const std::string&, const std::string&)> s;
    return s;
}

}  // namespace

void showMessageBox(const std::string& caption, const std::string& text) {
    const std::string utf8Caption = cp1252ToUtf8(caption);
    const std::string utf8Text = cp1252ToUtf8(text);
    std::fprintf(stderr, "%s: %s\n", utf8Caption.c_str(), utf8Text.c_str());
    if (sink()) {
        sink()(caption, text);
        return;
    }
    // Fails quietly where no display exists; stderr has the text then.
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, utf8Caption.c_str(), utf8Text.c_str(), nullptr);
}

void setMessageBoxSink(std::function<void(const std::string&, const std::string&)> s) {
    sink() = std::move(s);
}

}  // namespace platform
