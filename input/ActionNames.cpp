#include "input/ActionNames.h"

#include <strings.h>

namespace
{
struct ActionWords
{
    Action action;
    const char* name;
    const char* caption;
    const char* doing;
};

const ActionWords kWords[] = {
    {Action::SwimLeft, "left", "Swim left", "swims left"},
    {Action::SwimRight, "right", "Swim right", "swims right"},
    {Action::SwimUp, "up", "Swim up", "swims up"},
    {Action::SwimDown, "down", "Swim down", "swims down"},
    {Action::Pause, "pause", "Pause", "pauses"},
    {Action::ScoreLine, "score-line", "Score line", "shows the score line"},
    {Action::Filtering, "filtering", "Texture filtering", "changes the filtering"},
    {Action::DrawingMode, "drawing-mode", "Drawing mode", "changes the drawing mode"},
    {Action::Screenshot, "screenshot", "Screenshot", "takes a screenshot"},
    {Action::Quit, "quit", "Quit", "quits"},
    {Action::NewGame, "new-game", "New game", "starts a new game"},
    {Action::Sound, "sound", "Sound", "switches the sound"},
    {Action::Marks, "marks", "Marks", "shows the marks"},
    {Action::FullScreen, "full-screen", "Full screen", "goes full screen"},
    {Action::Controls, "controls", "Controls", "shows the controls"},
    {Action::HallOfFame, "hall-of-fame", "Hall of fame", "shows the hall of fame"},
};

const ActionWords& wordsFor(Action action)
{
    for (const ActionWords& words : kWords)
        if (words.action == action)
            return words;
    static const ActionWords alt{Action::Alt, "alt", "Alt", "is held for Alt+Return"};
    return alt;
}
} // namespace

const std::vector<Action>& actionsOffered()
{
    static const std::vector<Action> offered = []
    {
        std::vector<Action> all;
        for (const ActionWords& words : kWords)
            all.push_back(words.action);
        return all;
    }();
    return offered;
}

const char* actionName(Action action)
{
    return wordsFor(action).name;
}

const char* actionCaption(Action action)
{
    return wordsFor(action).caption;
}

const char* actionDoing(Action action)
{
    return wordsFor(action).doing;
}

bool actionFromName(const std::string& name, Action& action)
{
    for (const ActionWords& words : kWords)
        if (strcasecmp(words.name, name.c_str()) == 0)
        {
            action = words.action;
            return true;
        }
    return false;
}
