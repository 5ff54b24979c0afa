#include "game/ReplayFormat.h"

#include "game/ReplayFormatV1.h"
#include "game/replay.pb.h"

#include <google/protobuf/io/coded_stream.h>
#include <google/protobuf/wire_format_lite.h>

#include <memory>
#include <stdexcept>

namespace
{
namespace pb = fishtank::replay;
using google::protobuf::internal::WireFormatLite;
using google::protobuf::io::CodedInputStream;
using google::protobuf::io::CodedOutputStream;

// The fields of the Tape message: one record each.
enum TapeField : std::uint32_t
{
    kHeader = 1,
    kFrame = 2,
    kCheck = 3,
    kEnd = 4
};

constexpr int kMouseButtons = 8; // OIS::MB_Left to OIS::MB_Button7

void append(std::string& out, TapeField field, const google::protobuf::MessageLite& record)
{
    const std::size_t size = record.ByteSizeLong();
    std::uint8_t prefix[16];
    std::uint8_t* end = CodedOutputStream::WriteTagToArray(
        WireFormatLite::MakeTag(field, WireFormatLite::WIRETYPE_LENGTH_DELIMITED), prefix);
    end = CodedOutputStream::WriteVarint32ToArray(std::uint32_t(size), end);
    out.append(reinterpret_cast<const char*>(prefix), std::size_t(end - prefix));
    const std::size_t at = out.size();
    out.resize(at + size);
    record.SerializeWithCachedSizesToArray(reinterpret_cast<std::uint8_t*>(&out[at]));
}

// ReplayHeader::heldKeys's bits, in the listener's order: F1, M, Return, H, F11, Start,
// South, Back, Tab.
void putHeld(pb::HeldButtons& held, int bits)
{
    held.set_controls(bits & 1);
    held.set_sound(bits & 2);
    held.set_new_game(bits & 4);
    held.set_marks(bits & 8);
    held.set_full_screen(bits & 16);
    held.set_pad_start(bits & 32);
    held.set_pad_south(bits & 64);
    held.set_pad_back(bits & 128);
    held.set_hall_of_fame(bits & 256);
}

int heldBits(const pb::HeldButtons& held)
{
    return int(held.controls()) | int(held.sound()) << 1 | int(held.new_game()) << 2 |
           int(held.marks()) << 3 | int(held.full_screen()) << 4 | int(held.pad_start()) << 5 |
           int(held.pad_south()) << 6 | int(held.pad_back()) << 7 | int(held.hall_of_fame()) << 8;
}

pb::Header headerRecord(const ReplayHeader& h)
{
    pb::Header out;
    out.set_game_version(h.gameVersion);
    out.set_width(h.width);
    out.set_height(h.height);
    out.set_date(h.date);
    out.set_sound_on(h.settings.soundOn);
    out.set_marks_shown(h.settings.cuesShown);
    out.set_full_screen(h.settings.fullScreen);
    out.set_rumble(h.settings.rumble);
    out.set_stats_on(h.statsOn);
    out.set_controls_shown(h.controlsShown);
    out.set_paused_for_controls(h.pausedForControls);
    out.set_best_score(h.bestScore);
    out.set_filtering(h.filtering);
    out.set_anisotropy(int(h.anisotropy));
    out.set_scene_detail(h.sceneDetail);
    out.set_toggle_delay(h.toggleDelay);
    putHeld(*out.mutable_held(), h.heldKeys);
    out.set_pace_percent(h.settings.pacePercent);
    return out;
}

ReplayHeader takeHeader(const pb::Header& in)
{
    ReplayHeader h;
    if (in.game_version().size() > 64)
        throw std::runtime_error("the version's length is " +
                                 std::to_string(in.game_version().size()) + ", out of range");
    h.gameVersion = in.game_version();
    h.width = inRange(in.width(), 1, kMaxWindowSide, "the window's width");
    h.height = inRange(in.height(), 1, kMaxWindowSide, "the window's height");
    h.date = in.date();
    h.settings.soundOn = in.sound_on();
    h.settings.cuesShown = in.marks_shown();
    h.settings.fullScreen = in.full_screen();
    h.settings.rumble = in.rumble();
    h.statsOn = in.stats_on();
    h.controlsShown = in.controls_shown();
    h.pausedForControls = in.paused_for_controls();
    h.bestScore = inRange(in.best_score(), 0, 1 << 30, "the best score");
    h.filtering = inRange(in.filtering(), 0, 3, "the filtering");
    h.anisotropy = unsigned(inRange(in.anisotropy(), 1, 16, "the anisotropy"));
    h.sceneDetail = inRange(in.scene_detail(), 0, 2, "the polygon mode");
    h.toggleDelay =
        finiteInRange(in.toggle_delay(), -kMaxFrameSeconds, kMaxFrameSeconds, "the toggle delay");
    h.heldKeys = heldBits(in.held());
    if (in.has_pace_percent())
        h.settings.pacePercent = inRange(in.pace_percent(), 1, 1000, "the game's pace");
    return h;
}

// The ids (bit numbers: an action's stable number, a mouse button's OIS number) of the
// bits set in `now` and not in `before`.
template <typename Add>
void bitsGoneDown(std::uint32_t now, std::uint32_t before, int count, Add add)
{
    for (int i = 0; i < count; ++i)
        if ((now >> i & 1u) != 0 && (before >> i & 1u) == 0)
            add(std::uint32_t(i));
}

// An id this game does not know (an action of a later game) is passed over.
template <typename Bits> void setBit(Bits& bits, std::uint32_t id, int count, bool down)
{
    if (id < std::uint32_t(count))
        bits = down ? Bits(bits | 1u << id) : Bits(bits & ~(1u << id));
}

void putPad(pb::Pad& out, const PadInput& pad)
{
    out.set_up(pad.up);
    out.set_down(pad.down);
    out.set_left(pad.left);
    out.set_right(pad.right);
    out.set_south(pad.south);
    out.set_start(pad.start);
    out.set_back(pad.back);
    out.set_pad_removed(pad.padRemoved);
    out.set_connected(pad.connected);
    out.set_stick_x(pad.stickX);
    out.set_stick_y(pad.stickY);
}

PadInput takePad(const pb::Pad& in)
{
    PadInput pad;
    pad.up = in.up();
    pad.down = in.down();
    pad.left = in.left();
    pad.right = in.right();
    pad.south = in.south();
    pad.start = in.start();
    pad.back = in.back();
    pad.padRemoved = in.pad_removed();
    pad.connected = inRange(in.connected(), 0, 16, "the pads connected");
    pad.stickX = finiteInRange(in.stick_x(), -1.0f, 1.0f, "the stick's x");
    pad.stickY = finiteInRange(in.stick_y(), -1.0f, 1.0f, "the stick's y");
    return pad;
}

bool samePad(const PadInput& a, const PadInput& b)
{
    return a.up == b.up && a.down == b.down && a.left == b.left && a.right == b.right &&
           a.south == b.south && a.start == b.start && a.back == b.back &&
           a.padRemoved == b.padRemoved && a.connected == b.connected && a.stickX == b.stickX &&
           a.stickY == b.stickY;
}

void takeFrame(const pb::Frame& in, ReplayFrame& frame)
{
    FrameInput& input = frame.input;
    for (std::uint32_t id : in.pressed())
        setBit(input.actions, id, kActionCount, true);
    for (std::uint32_t id : in.released())
        setBit(input.actions, id, kActionCount, false);
    for (std::uint32_t id : in.buttons_pressed())
        setBit(input.mouseButtons, id, kMouseButtons, true);
    for (std::uint32_t id : in.buttons_released())
        setBit(input.mouseButtons, id, kMouseButtons, false);
    input.mouseX = inRange(in.mouse_x(), -100000, 100000, "the mouse's motion");
    input.mouseY = inRange(in.mouse_y(), -100000, 100000, "the mouse's motion");
    if (in.has_pad())
        input.pad = takePad(in.pad());
    frame.focusPaused = in.focus_paused();
    if (in.width() != 0 || in.height() != 0)
    {
        frame.width = inRange(in.width(), 1, kMaxWindowSide, "the window's width");
        frame.height = inRange(in.height(), 1, kMaxWindowSide, "the window's height");
    }
    inRange(in.seeds_size(), 0, kMaxPerFrame, "the reseeds in a frame");
    frame.dice.seeds.assign(in.seeds().begin(), in.seeds().end());
    inRange(in.early_draws_size(), 0, kMaxPerFrame, "the early draws in a frame");
    for (int draw : in.early_draws())
        frame.dice.earlyDraws.push_back(inRange(draw, 0, 0x7FFFFFFF, "a draw"));
    frame.dt = finiteInRange(in.dt(), 0.0f, kMaxFrameSeconds, "a frame's time");
    frame.dice.draws = inRange(in.draws(), 0, 1 << 20, "the draws in a frame");
}

// Reads the Tape message's fields one record at a time, skipping fields it does not know.
class ReplayFormatV2 : public ReplayTapeReader
{
public:
    using ReplayTapeReader::ReplayTapeReader;

private:
    void takeRecords(const std::string& records) override
    {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(records.data());
        CodedInputStream in(bytes, int(records.size()));
        while (in.CurrentPosition() < int(records.size()))
        {
            const std::uint32_t tag = in.ReadTag();
            const std::uint32_t field = WireFormatLite::GetTagFieldNumber(tag);
            const bool known =
                field >= kHeader && field <= kEnd &&
                WireFormatLite::GetTagWireType(tag) == WireFormatLite::WIRETYPE_LENGTH_DELIMITED;
            if (!headerTaken && field != kHeader)
                throw std::runtime_error("it does not begin with the game's description");
            if (!known)
            {
                if (tag == 0 || !WireFormatLite::SkipField(&in, tag))
                    throw std::runtime_error("a record is damaged");
                continue;
            }
            std::uint32_t length = 0;
            if (!in.ReadVarint32(&length) ||
                length > records.size() - std::size_t(in.CurrentPosition()))
                throw std::runtime_error("it ends inside a record");
            const std::uint8_t* record = bytes + in.CurrentPosition();
            in.Skip(int(length));
            takeRecord(TapeField(field), record, int(length));
        }
    }

    void takeRecord(TapeField field, const std::uint8_t* record, int length)
    {
        refuseAfterEnd();
        const bool parsed = field == kHeader  ? header.ParseFromArray(record, length)
                            : field == kFrame ? frame.ParseFromArray(record, length)
                            : field == kCheck ? check.ParseFromArray(record, length)
                                              : end.ParseFromArray(record, length);
        if (!parsed)
            throw std::runtime_error("a record is damaged");
        if (field == kHeader)
        {
            if (headerTaken)
                throw std::runtime_error("it describes the game twice");
            takeHeader(::takeHeader(header));
        }
        else if (field == kFrame)
        {
            takeFrame(frame, nextFrame());
            keepFrame();
        }
        else if (field == kCheck)
            addCheck(ReplayCheck{check.hash(), inRange(check.score(), 0, 1 << 30, "the score"),
                                 inRange(check.meals(), 0, 1 << 30, "the meals"),
                                 inRange(check.fish(), 0, 1 << 20, "the fish")});
        else
            addEnd(ReplayEnd{inRange(end.score(), 0, 1 << 30, "the final score"),
                             GameEnd(inRange(int(end.cause()), 1, 4, "the cause of the end")),
                             inRange(end.frames(), 0, kMaxReplayFrames, "the frame count")});
    }

    // Kept from record to record, so that a long game parses without allocating.
    pb::Header header;
    pb::Frame frame;
    pb::Check check;
    pb::End end;
};
} // namespace

ReplayWriter::ReplayWriter(const ReplayHeader& header) : codec(kReplayFormat)
{
    append(records, kHeader, headerRecord(header));
}

void ReplayWriter::frame(const ReplayFrame& f)
{
    pb::Frame out;
    out.set_dt(f.dt);
    out.set_draws(std::uint32_t(f.dice.draws));
    bitsGoneDown(f.input.actions, last.actions, kActionCount,
                 [&](std::uint32_t id) { out.add_pressed(id); });
    bitsGoneDown(last.actions, f.input.actions, kActionCount,
                 [&](std::uint32_t id) { out.add_released(id); });
    const auto now = std::uint32_t(f.input.mouseButtons), before = std::uint32_t(last.mouseButtons);
    bitsGoneDown(now, before, kMouseButtons,
                 [&](std::uint32_t id) { out.add_buttons_pressed(id); });
    bitsGoneDown(before, now, kMouseButtons,
                 [&](std::uint32_t id) { out.add_buttons_released(id); });
    out.set_mouse_x(f.input.mouseX);
    out.set_mouse_y(f.input.mouseY);
    if (!samePad(f.input.pad, last.pad))
        putPad(*out.mutable_pad(), f.input.pad);
    out.set_focus_paused(f.focusPaused);
    out.set_width(f.width);
    out.set_height(f.height);
    for (std::int64_t seed : f.dice.seeds)
        out.add_seeds(seed);
    for (int draw : f.dice.earlyDraws)
        out.add_early_draws(draw);
    append(records, kFrame, out);
    last = f.input;
    ++frames;
}

void ReplayWriter::check(const ReplayCheck& c)
{
    pb::Check out;
    out.set_hash(c.hash);
    out.set_score(c.score);
    out.set_meals(c.meals);
    out.set_fish(c.fishCount);
    append(records, kCheck, out);
}

std::string ReplayWriter::flush()
{
    if (records.empty() && !codec.startWaiting())
        return ""; // an empty piece would only lengthen the file
    std::string piece = codec.piece(records, false);
    records.clear();
    return piece;
}

std::string ReplayWriter::finish(const ReplayEnd& end)
{
    pb::End out;
    out.set_score(end.score);
    out.set_cause(pb::Cause(end.cause));
    out.set_frames(frames);
    append(records, kEnd, out);
    std::string piece = codec.piece(records, true);
    records.clear();
    return piece;
}

bool readReplay(const std::string& bytes, ReplayTape& tape, std::string& why)
{
    tape = ReplayTape{};
    why.clear();
    int format = 0;
    if (!openReplay(bytes, kReplayFormat, format, why))
        return false;
    std::unique_ptr<ReplayTapeReader> reader;
    if (format == 1)
        reader = std::make_unique<ReplayFormatV1>(tape);
    else
        reader = std::make_unique<ReplayFormatV2>(tape);
    const std::string problem =
        readReplayPieces(bytes, [&](const std::string& records) { reader->take(records); });
    if (!reader->headerRead())
    {
        why = problem.empty() ? "it holds no recorded game" : problem;
        tape = ReplayTape{};
        return false;
    }
    tape.unreadable = problem;
    return true;
}

std::string recordedByOtherVersion(const ReplayHeader& header, const std::string& thisVersion)
{
    if (header.gameVersion == thisVersion)
        return "";
    return "recorded by fishtank " +
           (header.gameVersion.empty() ? std::string("of an unknown version")
                                       : header.gameVersion) +
           "; this is " + thisVersion;
}
