#include "input/KeyNames.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace
{
struct NamedKey
{
    OIS::KeyCode key;
    const char* name;
};

// Letters and digits are named by themselves (added below); the rest as a keyboard labels
// them. The first name of a key is the one shown; later ones are read too.
const NamedKey kNamed[] = {
    {OIS::KC_F1, "F1"},
    {OIS::KC_F2, "F2"},
    {OIS::KC_F3, "F3"},
    {OIS::KC_F4, "F4"},
    {OIS::KC_F5, "F5"},
    {OIS::KC_F6, "F6"},
    {OIS::KC_F7, "F7"},
    {OIS::KC_F8, "F8"},
    {OIS::KC_F9, "F9"},
    {OIS::KC_F10, "F10"},
    {OIS::KC_F11, "F11"},
    {OIS::KC_F12, "F12"},
    {OIS::KC_UP, "Up"},
    {OIS::KC_DOWN, "Down"},
    {OIS::KC_LEFT, "Left"},
    {OIS::KC_RIGHT, "Right"},
    {OIS::KC_PGUP, "Page Up"},
    {OIS::KC_PGDOWN, "Page Down"},
    {OIS::KC_HOME, "Home"},
    {OIS::KC_END, "End"},
    {OIS::KC_INSERT, "Insert"},
    {OIS::KC_DELETE, "Delete"},
    {OIS::KC_RETURN, "Return"},
    {OIS::KC_RETURN, "Enter"},
    {OIS::KC_NUMPADENTER, "Keypad Enter"},
    {OIS::KC_SPACE, "Space"},
    {OIS::KC_TAB, "Tab"},
    {OIS::KC_BACK, "Backspace"},
    {OIS::KC_ESCAPE, "Escape"},
    {OIS::KC_ESCAPE, "Esc"},
    {OIS::KC_SYSRQ, "Print Screen"},
    {OIS::KC_SYSRQ, "SysRq"},
    {OIS::KC_SYSRQ, "Print"},
    {OIS::KC_PAUSE, "Pause Break"},
    {OIS::KC_LMENU, "Left Alt"},
    {OIS::KC_RMENU, "Right Alt"},
    {OIS::KC_LCONTROL, "Left Ctrl"},
    {OIS::KC_RCONTROL, "Right Ctrl"},
    {OIS::KC_LSHIFT, "Left Shift"},
    {OIS::KC_RSHIFT, "Right Shift"},
    {OIS::KC_NUMPAD0, "Keypad 0"},
    {OIS::KC_NUMPAD1, "Keypad 1"},
    {OIS::KC_NUMPAD2, "Keypad 2"},
    {OIS::KC_NUMPAD3, "Keypad 3"},
    {OIS::KC_NUMPAD4, "Keypad 4"},
    {OIS::KC_NUMPAD5, "Keypad 5"},
    {OIS::KC_NUMPAD6, "Keypad 6"},
    {OIS::KC_NUMPAD7, "Keypad 7"},
    {OIS::KC_NUMPAD8, "Keypad 8"},
    {OIS::KC_NUMPAD9, "Keypad 9"},
    {OIS::KC_DECIMAL, "Keypad ."},
    {OIS::KC_ADD, "Keypad +"},
    {OIS::KC_SUBTRACT, "Keypad -"},
    {OIS::KC_MULTIPLY, "Keypad *"},
    {OIS::KC_DIVIDE, "Keypad /"},
    {OIS::KC_MINUS, "-"},
    {OIS::KC_EQUALS, "="},
    {OIS::KC_LBRACKET, "["},
    {OIS::KC_RBRACKET, "]"},
    {OIS::KC_SEMICOLON, ";"},
    {OIS::KC_APOSTROPHE, "'"},
    {OIS::KC_GRAVE, "`"},
    {OIS::KC_BACKSLASH, "\\"},
    {OIS::KC_COMMA, "Comma"}, // a comma parts the keys of one line in settings.cfg
    {OIS::KC_PERIOD, "."},
    {OIS::KC_SLASH, "/"},
    {OIS::KC_OEM_102, "< >"},
};

const std::vector<std::pair<OIS::KeyCode, std::string>>& allNames()
{
    static const std::vector<std::pair<OIS::KeyCode, std::string>> names = []
    {
        std::vector<std::pair<OIS::KeyCode, std::string>> made;
        const OIS::KeyCode letters[] = {
            OIS::KC_A, OIS::KC_B, OIS::KC_C, OIS::KC_D, OIS::KC_E, OIS::KC_F, OIS::KC_G,
            OIS::KC_H, OIS::KC_I, OIS::KC_J, OIS::KC_K, OIS::KC_L, OIS::KC_M, OIS::KC_N,
            OIS::KC_O, OIS::KC_P, OIS::KC_Q, OIS::KC_R, OIS::KC_S, OIS::KC_T, OIS::KC_U,
            OIS::KC_V, OIS::KC_W, OIS::KC_X, OIS::KC_Y, OIS::KC_Z};
        for (int i = 0; i < 26; ++i)
            made.emplace_back(letters[i], std::string(1, char('A' + i)));
        // OIS numbers the digit row 1 to 9, then 0.
        for (int digit = 1; digit <= 10; ++digit)
            made.emplace_back(OIS::KeyCode(OIS::KC_1 + digit - 1), std::to_string(digit % 10));
        for (const NamedKey& named : kNamed)
            made.emplace_back(named.key, named.name);
        return made;
    }();
    return names;
}

std::string lowered(const std::string& text)
{
    std::string low = text;
    std::transform(low.begin(), low.end(), low.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return low;
}
} // namespace

std::string keyName(OIS::KeyCode key)
{
    for (const auto& [code, name] : allNames())
        if (code == key)
            return name;
    return "";
}

bool keyFromName(const std::string& name, OIS::KeyCode& key)
{
    const std::string wanted = lowered(name);
    for (const auto& [code, known] : allNames())
        if (lowered(known) == wanted)
        {
            key = code;
            return true;
        }
    return false;
}

const std::vector<OIS::KeyCode>& namedKeys()
{
    static const std::vector<OIS::KeyCode> keys = []
    {
        std::vector<OIS::KeyCode> all;
        for (const auto& named : allNames())
            if (std::find(all.begin(), all.end(), named.first) == all.end())
                all.push_back(named.first);
        return all;
    }();
    return keys;
}
