// The keys the game reads, the actions they ask for, and the keys the player chooses.
#include "input/Bindings.h"

#include "input/ActionNames.h"
#include "input/KeyChooser.h"
#include "input/KeyNames.h"
#include "input/KeySettings.h"

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
        {{OIS::KC_TAB}, {Action::HallOfFame}},
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

namespace
{
using Keys = std::vector<OIS::KeyCode>;

struct KeysAfter
{
    Action action;
    Keys keys;
};
} // namespace

TEST(Bindings, SettingsLinesAndChangesGiveActionsKeysAndKeepEscapeAndQOnQuit)
{
    struct Give
    {
        Action action;
        OIS::KeyCode key;
        bool swap;
        KeyChange::Outcome outcome;
    };
    const struct
    {
        const char* file;
        std::vector<Give> changes;
        std::size_t problems;
        std::vector<KeysAfter> after;
    } cases[] = {
        {"", {}, 0, {{Action::Pause, {OIS::KC_P}}, {Action::Quit, {OIS::KC_ESCAPE, OIS::KC_Q}}}},
        {"key.pause = K", {}, 0, {{Action::Pause, {OIS::KC_K}}}},
        {"key.UP = i, up\nkey.down = Keypad 2",
         {},
         0,
         {{Action::SwimUp, {OIS::KC_I, OIS::KC_UP}}, {Action::SwimDown, {OIS::KC_NUMPAD2}}}},
        {"key.screenshot = print screen, F12",
         {},
         0,
         {{Action::Screenshot, {OIS::KC_SYSRQ, OIS::KC_F12}}}},
        // Garbled lines are named, and their actions keep the usual keys.
        {"key.pause = Nope\nkey.jump = K\nkey.sound =\nkey.marks = H,, J",
         {},
         4,
         {{Action::Pause, {OIS::KC_P}},
          {Action::Sound, {OIS::KC_M}},
          {Action::Marks, {OIS::KC_H}}}},
        // A key given to two actions: the file's action keeps its usual keys.
        {"key.pause = M", {}, 1, {{Action::Pause, {OIS::KC_P}}, {Action::Sound, {OIS::KC_M}}}},
        {"key.pause = K\nkey.sound = K",
         {},
         2,
         {{Action::Pause, {OIS::KC_P}}, {Action::Sound, {OIS::KC_M}}}},
        {"key.pause = M\nkey.sound = P",
         {},
         0,
         {{Action::Pause, {OIS::KC_M}}, {Action::Sound, {OIS::KC_P}}}},
        {"key.pause = Escape\nkey.full-screen = Left Alt",
         {},
         2,
         {{Action::Pause, {OIS::KC_P}}, {Action::Quit, {OIS::KC_ESCAPE, OIS::KC_Q}}}},
        {"key.quit = X", {}, 0, {{Action::Quit, {OIS::KC_ESCAPE, OIS::KC_Q, OIS::KC_X}}}},
        {"key.quit = Q", {}, 0, {{Action::Quit, {OIS::KC_ESCAPE, OIS::KC_Q}}}},
        // Changes made in the panel.
        {"",
         {{Action::Pause, OIS::KC_K, false, KeyChange::Done}},
         0,
         {{Action::Pause, {OIS::KC_K}}}},
        {"",
         {{Action::Pause, OIS::KC_A, false, KeyChange::Taken}},
         0,
         {{Action::Pause, {OIS::KC_P}}, {Action::SwimLeft, {OIS::KC_A, OIS::KC_LEFT}}}},
        {"",
         {{Action::Pause, OIS::KC_A, true, KeyChange::Done}},
         0,
         {{Action::Pause, {OIS::KC_A}}, {Action::SwimLeft, {OIS::KC_P, OIS::KC_LEFT}}}},
        {"",
         {{Action::SwimUp, OIS::KC_W, false, KeyChange::Done}},
         0,
         {{Action::SwimUp, {OIS::KC_W}}}},
        {"",
         {{Action::Pause, OIS::KC_ESCAPE, true, KeyChange::Refused},
          {Action::SwimLeft, OIS::KC_Q, true, KeyChange::Refused},
          {Action::Pause, OIS::KC_RMENU, true, KeyChange::Refused}},
         0,
         {{Action::Pause, {OIS::KC_P}}, {Action::Quit, {OIS::KC_ESCAPE, OIS::KC_Q}}}},
        {"",
         {{Action::Quit, OIS::KC_X, false, KeyChange::Done},
          {Action::Quit, OIS::KC_A, true, KeyChange::Done},
          {Action::Quit, OIS::KC_P, true, KeyChange::Refused}},
         0,
         {{Action::Quit, {OIS::KC_ESCAPE, OIS::KC_Q, OIS::KC_X, OIS::KC_A}},
          {Action::SwimLeft, {OIS::KC_LEFT}},
          {Action::Pause, {OIS::KC_P}}}},
        // Keys the replay viewer reads are the player's to bind.
        {"key.filtering = 1\nkey.drawing-mode = Backspace",
         {},
         0,
         {{Action::Filtering, {OIS::KC_1}}, {Action::DrawingMode, {OIS::KC_BACK}}}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file);
        KeysRead read = bindingsFromLines(parseSettings(c.file).settings.keys);
        EXPECT_EQ(read.problems.size(), c.problems);
        for (const Give& give : c.changes)
            EXPECT_EQ(giveKey(read.bindings, give.action, give.key, give.swap).outcome,
                      give.outcome)
                << keyName(give.key) << " for " << actionName(give.action);
        for (const KeysAfter& after : c.after)
            EXPECT_EQ(keysFor(read.bindings, after.action), after.keys) << actionName(after.action);
        // What is written reads back as the same keys.
        EXPECT_EQ(bindingsFromLines(keyLinesFor(read.bindings)).bindings.keys.size(),
                  read.bindings.keys.size());
        for (Action action : actionsOffered())
            EXPECT_EQ(keysFor(bindingsFromLines(keyLinesFor(read.bindings)).bindings, action),
                      keysFor(read.bindings, action));
    }
    EXPECT_EQ(bindingsFromLines(parseSettings("key.pause = M").settings.keys).problems[0],
              "line 1 \"key.pause = M\": M also switches the sound; the usual keys are kept");
    // Replaced keys keep their rows: the later of two opposite swims still wins.
    Bindings moved = defaultBindings();
    giveKey(moved, Action::SwimUp, OIS::KC_I, false);
    giveKey(moved, Action::SwimDown, OIS::KC_K, false);
    EXPECT_EQ(heldBy(moved, {OIS::KC_I, OIS::KC_K}), bits({Action::SwimDown}));
    EXPECT_EQ(heldBy(moved, {OIS::KC_UP, OIS::KC_W}), 0u);
    // Hints name an action's first key, and nothing for an action no key asks for.
    EXPECT_EQ(firstKeyName(moved, Action::SwimUp), "I");
    EXPECT_EQ(firstKeyName(defaultBindings(), Action::SwimLeft), "A");
    EXPECT_EQ(firstKeyName(Bindings{}, Action::HallOfFame), "");
}

TEST(Bindings, TheChooserPicksRowsWaitsForAKeyAndNamesAKeyInUse)
{
    using K = OIS::KeyCode;
    const K down = OIS::KC_DOWN, enter = OIS::KC_RETURN, back = OIS::KC_BACK;
    const struct
    {
        std::vector<K> presses;
        int changes; // presses that changed the keys or the speed
        const char* prompt;
        std::vector<KeysAfter> after;
        int pace;
    } cases[] = {
        {{}, 0, "Up, Down: choose a row; Return: choose its key", {}, 100},
        {{down, down, down, down, enter}, 0, "Press a key for Pause (Backspace: cancel)", {}, 100},
        {{down, down, down, down, enter, OIS::KC_K},
         1,
         "Up, Down: choose a row; Return: choose its key",
         {{Action::Pause, {OIS::KC_K}}},
         100},
        {{enter, OIS::KC_SPACE},
         1,
         "Up, Down: choose a row; Return: choose its key",
         {{Action::SwimLeft, {OIS::KC_SPACE}}},
         100},
        {{down, down, down, down, enter, OIS::KC_M},
         0,
         "M already switches the sound: Return swaps, Backspace keeps",
         {{Action::Pause, {OIS::KC_P}}},
         100},
        {{down, down, down, down, enter, OIS::KC_M, enter},
         1,
         "Up, Down: choose a row; Return: choose its key",
         {{Action::Pause, {OIS::KC_M}}, {Action::Sound, {OIS::KC_P}}},
         100},
        {{down, down, down, down, enter, OIS::KC_M, back},
         0,
         "Up, Down: choose a row; Return: choose its key",
         {{Action::Pause, {OIS::KC_P}}, {Action::Sound, {OIS::KC_M}}},
         100},
        // Escape and Q quit the game: they are never taken for a key.
        {{enter, OIS::KC_ESCAPE, OIS::KC_Q},
         0,
         "Press a key for Swim left (Backspace: cancel)",
         {{Action::SwimLeft, {OIS::KC_A, OIS::KC_LEFT}}},
         100},
        {{enter, OIS::KC_LMENU},
         0,
         "Left Alt: Alt stays for Alt+Return. Press a key for Swim left (Backspace: cancel)",
         {},
         100},
        {{enter, back, OIS::KC_K},
         0,
         "Up, Down: choose a row; Return: choose its key",
         {{Action::SwimLeft, {OIS::KC_A, OIS::KC_LEFT}}},
         100},
        // The last row is the speed; the arrows do not swim while the panel shows.
        {{OIS::KC_UP, OIS::KC_LEFT},
         1,
         "Up, Down: choose a row; Left, Right: game speed, from the next game",
         {},
         75},
        // Right stops at full speed and Left at half; Return goes round.
        {{OIS::KC_UP, OIS::KC_RIGHT, enter, OIS::KC_LEFT}, 1, nullptr, {}, 50},
        {{OIS::KC_UP, OIS::KC_LEFT, OIS::KC_LEFT, OIS::KC_LEFT, enter}, 3, nullptr, {}, 75},
        {{OIS::KC_LEFT, OIS::KC_RIGHT},
         0,
         nullptr,
         {{Action::SwimLeft, {OIS::KC_A, OIS::KC_LEFT}}},
         100},
    };
    for (const auto& c : cases)
    {
        KeyChooser chooser(defaultBindings(), 100);
        int changes = 0;
        for (K key : c.presses)
            changes += int(chooser.press(key));
        SCOPED_TRACE(c.presses.size());
        EXPECT_EQ(changes, c.changes);
        if (c.prompt != nullptr)
        {
            EXPECT_EQ(chooser.prompt(), c.prompt);
        }
        EXPECT_EQ(chooser.pace(), c.pace);
        EXPECT_EQ(chooser.rows().back().value, std::to_string(c.pace) + " %");
        for (const KeysAfter& after : c.after)
            EXPECT_EQ(keysFor(chooser.keys(), after.action), after.keys);
    }
}

// With a last game to watch, a row after the speed offers it: Return there asks to watch it,
// once, and waits for no key; without one, Up from the top goes round to the speed.
TEST(KeyChooser, TheLastGamesRowAsksToWatchIt)
{
    KeyChooser chooser(defaultBindings(), 100, true);
    EXPECT_FALSE(chooser.press(OIS::KC_UP));
    EXPECT_EQ(chooser.rows()[std::size_t(chooser.selected())].caption, "The last game");
    EXPECT_FALSE(chooser.press(OIS::KC_RETURN));
    EXPECT_FALSE(chooser.waiting());
    EXPECT_TRUE(chooser.takeWatchRequest());
    EXPECT_FALSE(chooser.takeWatchRequest());
    chooser.tell("Its replay cannot be played: cut short");
    EXPECT_EQ(chooser.prompt(), "Its replay cannot be played: cut short");
    chooser.press(OIS::KC_UP);
    EXPECT_EQ(chooser.prompt(),
              "Up, Down: choose a row; Left, Right: game speed, from the next game");
    EXPECT_FALSE(chooser.takeWatchRequest());

    KeyChooser without(defaultBindings(), 100);
    without.press(OIS::KC_UP);
    EXPECT_EQ(without.rows()[std::size_t(without.selected())].caption, "Game speed");
}
