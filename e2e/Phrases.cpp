// How a script becomes steps: split at blanks ('quotes' keep blanks within
// one step), and each phrase, a name for steps that rows repeat, replaced by
// its steps. In a phrase's steps NAME and VALUE stand for the halves of its
// argument NAME=VALUE, or NAME for the whole of any other.
#include <algorithm>
#include <cstdio>
#include <iterator>

#include "e2e/Run.h"

namespace e2e {
namespace {

struct Phrase {
    const char* name;
    const char* form;
    const char* meaning;
    const char* steps;
};
// clang-format off
const Phrase kPhrases[] = {
    {"countdown", "ITEM=SECONDS", "a countdown started: the item chosen on the Advanced tab, the seconds typed, Start clicked", "tab:1 choose:'NAME' fill:txtCounter=VALUE click:cmdStart"},
    {"typedcountdown", "TEXT=SECONDS", "the same, with a text typed over the chosen Log Off", "tab:1 choose:'Log Off' fill:lstAdvanced='NAME' fill:txtCounter=VALUE click:cmdStart"},
    {"traymenu", "KEY", "the tray menu opened by the shell's notification 517, and the key pressed in it", "post:517 menu key:NAME"},
};
// clang-format on

std::vector<std::string> Tokens(const std::string& script) {
    std::vector<std::string> tokens(1);
    bool quoted = false;
    for (char c : script) {
        if (c == '\'')
            quoted = !quoted;
        else if (quoted || (c != ' ' && c != '\n'))
            tokens.back() += c;
        else if (!tokens.back().empty())
            tokens.emplace_back();
    }
    if (tokens.back().empty()) tokens.pop_back();
    return tokens;
}

std::string Replaced(std::string text, const std::string& what, const std::string& by) {
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + by.size()))
        text.replace(at, what.size(), by);
    return text;
}

}  // namespace

std::pair<std::string, std::string> VerbAndArgument(const std::string& step) {
    const std::size_t colon = std::min(step.find(':'), step.size());
    return {step.substr(0, colon), step.substr(std::min(colon + 1, step.size()))};
}

std::vector<std::string> Steps(const std::string& script) {
    std::vector<std::string> steps;
    for (const std::string& token : Tokens(script)) {
        const std::pair<std::string, std::string> step = VerbAndArgument(token);
        const std::string& arg = step.second;
        const auto phrase = std::find_if(std::begin(kPhrases), std::end(kPhrases),
                                         [&](const Phrase& candidate) { return step.first == candidate.name; });
        if (phrase == std::end(kPhrases)) {
            steps.push_back(token);
            continue;
        }
        const std::string name = arg.substr(0, arg.find('=')), value = arg.substr(arg.find('=') + 1);
        for (const std::string& expanded : Tokens(Replaced(Replaced(phrase->steps, "NAME", name), "VALUE", value)))
            steps.push_back(expanded);
    }
    return steps;
}

void PrintPhrases() {
    std::puts("\nPhrases, each standing for the steps after its meaning:");
    for (const Phrase& phrase : kPhrases)
        std::printf("%-14s %-14s %s: %s\n", phrase.name, phrase.form, phrase.meaning, phrase.steps);
}

}  // namespace e2e
