#pragma once
// The capture verb of the host tools: a list of steps (host calls, pointer
// gestures in panel pixels, counted GUI ticks, pictures) run in order with
// no clock involved, so that two runs of one build give the same pictures
// and logs, and two builds can be compared picture by picture.
//
//   new                  a fresh plug-in instance (the previous one goes)
//   open, close          the editor
//   ui=V                 the UI size, in the host's own terms
//   param=I,V            a host parameter change, V 0..1
//   program=N            a program change
//   meter=V              the meter value the host delivers (0..1)
//   bypass=V             the host's bypass (1 bypassed) or switch value
//   size=W,H             a host window size (hosts that size the view)
//   click=PX,PY          press and release at a panel point
//   dclick=PX,PY         two clicks there, the second a double click
//   drag=PX,PY,DX,DY,N   press there, N moves of DX,DY window pixels in all,
//                        release
//   wheel=PX,PY,N        N wheel notches there, up when N > 0
//   grip=DX,DY,N         drag the window's bottom-right corner
//   ticks=N              N GUI ticks
//   shot=NAME            the picture NAME, and "== NAME" in the log
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace capture {

enum class Verb {
    kNew,
    kOpen,
    kClose,
    kUi,
    kParam,
    kProgram,
    kMeter,
    kBypass,
    kSize,
    kClick,
    kDoubleClick,
    kDrag,
    kWheel,
    kGrip,
    kTicks,
    kShot,
};

struct Step {
    Verb verb;
    std::vector<double> args;
    std::string name;  // shot only
    std::string text;  // as written, for messages
    double arg(std::size_t i) const { return i < args.size() ? args[i] : 0.0; }
    int iarg(std::size_t i) const { return static_cast<int>(arg(i)); }
};

// The steps that move the pointer over the open editor.
inline bool is_pointer(Verb v)
{
    return v == Verb::kClick || v == Verb::kDoubleClick || v == Verb::kDrag || v == Verb::kWheel ||
           v == Verb::kGrip;
}

struct VerbRow {
    const char* word;
    Verb verb;
    int numbers;  // how many numbers follow "="; -1: a name
};

constexpr VerbRow kVerbs[] = {
    {"new", Verb::kNew, 0},     {"open", Verb::kOpen, 0},          {"close", Verb::kClose, 0},
    {"ui", Verb::kUi, 1},       {"param", Verb::kParam, 2},        {"program", Verb::kProgram, 1},
    {"meter", Verb::kMeter, 1}, {"bypass", Verb::kBypass, 1},      {"size", Verb::kSize, 2},
    {"click", Verb::kClick, 2}, {"dclick", Verb::kDoubleClick, 2}, {"drag", Verb::kDrag, 5},
    {"wheel", Verb::kWheel, 3}, {"grip", Verb::kGrip, 3},          {"ticks", Verb::kTicks, 1},
    {"shot", Verb::kShot, -1},
};

inline bool parse_numbers(const std::string& text, std::vector<double>& out)
{
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t comma = text.find(',', at);
        const std::string part = text.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
        char* end = nullptr;
        const double v = std::strtod(part.c_str(), &end);
        if (part.empty() || !end || *end != '\0' || !(v == v))
            return false;
        out.push_back(v);
        if (comma == std::string::npos)
            break;
        at = comma + 1;
    }
    return true;
}

// One step from its word; false with the reason in error.
inline bool parse_step(const std::string& word, Step& step, std::string& error)
{
    const std::size_t eq = word.find('=');
    const std::string head = word.substr(0, eq);
    const std::string tail = eq == std::string::npos ? std::string() : word.substr(eq + 1);
    for (const VerbRow& row : kVerbs) {
        if (head != row.word)
            continue;
        step = Step{row.verb, {}, {}, word};
        if (row.numbers < 0) {
            step.name = tail;
            // Names become file names: keep them plain.
            const bool plain = !tail.empty() && tail.find_first_not_of("abcdefghijklmnopqrstuvwxyz"
                                                                       "0123456789-_.") == std::string::npos;
            if (!plain || tail[0] == '.')
                error = word + ": a shot needs a plain name (a-z, 0-9, - _ .)";
            return error.empty();
        }
        if (row.numbers == 0 && eq == std::string::npos)
            return true;
        if (!parse_numbers(tail, step.args) || static_cast<int>(step.args.size()) != row.numbers) {
            error = word + ": " + row.word + " takes " + std::to_string(row.numbers) + " number(s)";
            return false;
        }
        return true;
    }
    error = "unknown capture step " + word;
    return false;
}

inline bool parse_steps(int argc, char** argv, int first, std::vector<Step>& steps, std::string& error)
{
    for (int i = first; i < argc; ++i) {
        Step s;
        if (!parse_step(argv[i], s, error))
            return false;
        steps.push_back(s);
    }
    return true;
}

// Runs each step (run(step) answers whether it went well) until one fails,
// which is said on standard output; answers the exit status.
template <typename Run>
int run_steps(const std::vector<Step>& steps, Run&& run)
{
    for (const Step& s : steps) {
        if (!run(s)) {
            std::printf("capture: step %s failed\n", s.text.c_str());
            std::fflush(stdout);
            return 1;
        }
    }
    std::fflush(stdout);
    return 0;
}

// The steps of a command line from argv[first]; false, said on standard
// output, for a word that is no step.
inline bool steps_from(int argc, char** argv, int first, std::vector<Step>& steps)
{
    std::string why;
    if (parse_steps(argc, argv, first, steps, why))
        return true;
    std::printf("capture: %s\n", why.c_str());
    return false;
}

// Panel pixels to window pixels of an editor window of width x height: the
// 144 x 510 panel scaled to the window's height and centred in its width,
// as every build lays it out.
struct PanelMap {
    double scale = 1.0;
    int x_offset = 0;
    int x(double px) const { return x_offset + static_cast<int>(px * scale + 0.5); }
    int y(double py) const { return static_cast<int>(py * scale + 0.5); }
};

inline PanelMap panel_map(int width, int height)
{
    PanelMap m;
    m.scale = height > 0 ? height / 510.0 : 1.0;
    m.x_offset = (width - static_cast<int>(144 * m.scale + 0.5)) / 2;
    return m;
}

// Where a grip drag starts: inside the 19-pixel corner of the window.
constexpr int kGripInset = 6;

}  // namespace capture
