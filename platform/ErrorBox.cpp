#include "platform/ErrorBox.h"

#include "platform/TextWrap.h"

#include <SDL_messagebox.h>

#include <cstdlib>
#include <iostream>

namespace
{
// Characters a line of the box may hold: about 560 pixels in the box's font, narrower
// than any screen the game can open a window on.
constexpr std::size_t kBoxLineWidth = 80;
} // namespace

std::string errorBoxMessage(const std::string& text)
{
    return wrapText(text, kBoxLineWidth);
}

void showErrorBox(const std::string& caption, const std::string& text)
{
    std::cerr << caption << "\n" << text << std::endl;
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0')
        return;
    const std::string wrapped = errorBoxMessage(text);
    SDL_MessageBoxButtonData ok{};
    // Return and Escape close the box as the button does.
    ok.flags = SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    ok.buttonid = 0;
    ok.text = "OK";
    SDL_MessageBoxData box{};
    box.flags = SDL_MESSAGEBOX_ERROR;
    box.title = caption.c_str();
    box.message = wrapped.c_str();
    box.numbuttons = 1;
    box.buttons = &ok;
    int pressed = 0;
    SDL_ShowMessageBox(&box, &pressed);
}
