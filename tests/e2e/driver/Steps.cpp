// Parsing the driver's command line into steps.
#include "driver/Steps.h"

#include "driver/Failure.h"
#include "driver/Text.h"

namespace quen::driver {

namespace {

struct VerbShape {
    const wchar_t* verb;
    bool window;        // first argument is a window title
    size_t minArgs;     // arguments after the title
    size_t maxArgs;
};

constexpr VerbShape kVerbs[] = {
    {L"wait", true, 0, 1},    {L"gone", true, 0, 1},    {L"list", true, 0, 0},
    {L"text", true, 1, 1},    {L"press", true, 1, 1},   {L"check", true, 1, 1},
    {L"uncheck", true, 1, 1}, {L"type", true, 2, 2},    {L"pick", true, 2, 2},
    {L"msgbox", true, 0, 0},  {L"close", true, 0, 0},   {L"exited", false, 1, 2},
};

const VerbShape* ShapeOf(const std::wstring& verb) {
    for (const auto& s : kVerbs) {
        if (verb == s.verb) return &s;
    }
    return nullptr;
}

std::wstring Join(const std::vector<std::wstring>& tokens) {
    std::wstring out;
    for (const auto& t : tokens) {
        if (!out.empty()) out += L' ';
        out += t.find(L' ') == std::wstring::npos && !t.empty() ? t : L"\"" + t + L"\"";
    }
    return out;
}

Step ParseOne(const std::vector<std::wstring>& tokens) {
    Step step;
    step.source = Join(tokens);
    std::vector<std::wstring> positional;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const auto& t = tokens[i];
        if (t == L"--prefix") step.window.match = TitleMatch::Prefix;
        else if (t == L"--contains") step.window.match = TitleMatch::Contains;
        else if (t == L"--class") {
            if (i + 1 == tokens.size()) FailUsage("--class needs a class name in: " + Narrow(step.source));
            step.window.className = tokens[++i];
        } else if (t.size() > 2 && t.compare(0, 2, L"--") == 0) {
            FailUsage("unknown option " + Narrow(t) + " in: " + Narrow(step.source));
        } else {
            positional.push_back(t);
        }
    }
    if (positional.empty()) FailUsage("empty step (two ';' in a row?)");
    step.verb = positional.front();
    const VerbShape* shape = ShapeOf(step.verb);
    if (shape == nullptr) FailUsage("unknown step \"" + Narrow(step.verb) + "\" (run without arguments for help)");
    size_t first = 1;
    if (shape->window) {
        if (positional.size() < 2) FailUsage("step needs a window title: " + Narrow(step.source));
        step.window.title = positional[1];
        first = 2;
    }
    step.args.assign(positional.begin() + static_cast<long>(first), positional.end());
    if (step.args.size() < shape->minArgs || step.args.size() > shape->maxArgs) {
        FailUsage("wrong number of arguments: " + Narrow(step.source) + " (run without arguments for help)");
    }
    return step;
}

}  // namespace

std::vector<Step> ParseSteps(const std::vector<std::wstring>& argv) {
    std::vector<Step> steps;
    std::vector<std::wstring> tokens;
    for (const auto& a : argv) {
        if (a == L";") {
            steps.push_back(ParseOne(tokens));
            tokens.clear();
        } else {
            tokens.push_back(a);
        }
    }
    // A trailing ";" is harmless; an empty step in the middle is a mistake.
    if (!tokens.empty()) steps.push_back(ParseOne(tokens));
    return steps;
}

}  // namespace quen::driver
