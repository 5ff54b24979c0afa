#include "input/Bindings.h"

Action oppositeSwim(Action action)
{
    switch (action)
    {
    case Action::SwimLeft:
        return Action::SwimRight;
    case Action::SwimRight:
        return Action::SwimLeft;
    case Action::SwimUp:
        return Action::SwimDown;
    case Action::SwimDown:
        return Action::SwimUp;
    default:
        return action;
    }
}

const Bindings& defaultBindings()
{
    static const Bindings table{{
        {OIS::KC_P, Action::Pause},         {OIS::KC_F1, Action::Controls},
        {OIS::KC_M, Action::Sound},         {OIS::KC_H, Action::Marks},
        {OIS::KC_RETURN, Action::NewGame},  {OIS::KC_NUMPADENTER, Action::NewGame},
        {OIS::KC_LMENU, Action::Alt},       {OIS::KC_RMENU, Action::Alt},
        {OIS::KC_F11, Action::FullScreen},  {OIS::KC_A, Action::SwimLeft},
        {OIS::KC_D, Action::SwimRight},     {OIS::KC_UP, Action::SwimUp},
        {OIS::KC_W, Action::SwimUp},        {OIS::KC_DOWN, Action::SwimDown},
        {OIS::KC_S, Action::SwimDown},      {OIS::KC_PGUP, Action::SwimUp},
        {OIS::KC_PGDOWN, Action::SwimDown}, {OIS::KC_RIGHT, Action::SwimRight},
        {OIS::KC_LEFT, Action::SwimLeft},   {OIS::KC_F, Action::ScoreLine},
        {OIS::KC_T, Action::Filtering},     {OIS::KC_SYSRQ, Action::Screenshot},
        {OIS::KC_R, Action::DrawingMode},   {OIS::KC_ESCAPE, Action::Quit},
        {OIS::KC_Q, Action::Quit},
    }};
    return table;
}

std::uint32_t actionsHeld(const Bindings& bindings,
                          const std::function<bool(OIS::KeyCode)>& keyDown)
{
    std::uint32_t held = 0;
    for (const KeyBinding& binding : bindings.keys)
    {
        if (!keyDown(binding.key))
            continue;
        held |= 1u << int(binding.action);
        const Action opposite = oppositeSwim(binding.action);
        if (opposite != binding.action)
            held &= ~(1u << int(opposite));
    }
    return held;
}
