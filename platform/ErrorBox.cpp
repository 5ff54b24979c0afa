#include "platform/ErrorBox.h"

#include <SDL_messagebox.h>

#include <cstdlib>
#include <iostream>

void showErrorBox(const std::string& caption, const std::string& text)
{
    std::cerr << caption << "\n" << text << std::endl;
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0')
        return;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), nullptr);
}
