// The keys the game reads and the actions they ask for.
#include "input/Bindings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

namespace
{
std::uint32_t heldBy(const Bindings& bindings, std::initializer_list<OIS::KeyCode> keys)
{
    return actionsHeld(bindings, [keys](OIS::KeyCode key)
                       { return std::find(keys.begin(), keys.end(), key) != keys.end(); });
}

std::uint32_t bits(std::initializer_list<Action> actions)
{
    std::uint32_t all = 0;
    for (Action action : actions)
        all |= 1u << int(action);
    return all;
}
} // namespace

TEST(Bindings, TheDefaultKeysAskWhatTheyAlwaysDidAndTheLaterOfTwoOppositeSwimsWins)
{
    const struct
    {
        std::initializer_list<OIS::KeyCode> held;
        std::initializer_list<Action> asked;
    } cases[] = {
        {{}, {}},
        {{OIS::KC_P}, {Action::Pause}},
        {{OIS::KC_ESCAPE}, {Action::Quit}},
        {{OIS::KC_Q}, {Action::Quit}},
        {{OIS::KC_NUMPADENTER}, {Action::NewGame}},
        {{OIS::KC_RMENU, OIS::KC_RETURN}, {Action::Alt, Action::NewGame}},
        {{OIS::KC_F, OIS::KC_T, OIS::KC_SYSRQ, OIS::KC_R},
         {Action::ScoreLine, Action::Filtering, Action::Screenshot, Action::DrawingMode}},
        {{OIS::KC_F1, OIS::KC_M, OIS::KC_H, OIS::KC_F11},
         {Action::Controls, Action::Sound, Action::Marks, Action::FullScreen}},
        {{OIS::KC_W, OIS::KC_A}, {Action::SwimUp, Action::SwimLeft}},
        {{OIS::KC_PGDOWN}, {Action::SwimDown}},
        // The arrows are read after W A S D, Page Up and Down after the up and down keys.
        {{OIS::KC_A, OIS::KC_D}, {Action::SwimRight}},
        {{OIS::KC_A, OIS::KC_RIGHT}, {Action::SwimRight}},
        {{OIS::KC_D, OIS::KC_LEFT}, {Action::SwimLeft}},
        {{OIS::KC_RIGHT, OIS::KC_LEFT}, {Action::SwimLeft}},
        {{OIS::KC_UP, OIS::KC_DOWN}, {Action::SwimDown}},
        {{OIS::KC_S, OIS::KC_PGUP}, {Action::SwimUp}},
        {{OIS::KC_PGUP, OIS::KC_PGDOWN, OIS::KC_W}, {Action::SwimDown}},
        // Keys the game does not read ask for nothing.
        {{OIS::KC_K, OIS::KC_SPACE}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(heldBy(defaultBindings(), c.held), bits(c.asked))
            << "the " << c.held.size() << " keys beginning "
            << (c.held.size() ? *c.held.begin() : 0);
}
