// The forum link's target, its fallback command line, its colour and its hover rules.
#include "guidance/link.h"

using namespace rt;

std::optional<std::string> LinkTargetText(const std::vector<Setting>& s) {
    if (s[link::LinkKind].integer != 0) {
        const std::string& web = s[link::WebAddress].text;
        if (web.empty()) return std::nullopt;
        return web;
    }
    const std::string& mail = s[link::MailAddress].text;
    if (mail.empty()) return std::nullopt;
    return "mailto:" + mail;
}

std::string LinkDisplayText(const std::vector<Setting>& s) {
    if (!s[link::Caption].text.empty()) return s[link::Caption].text;
    return s[link::LinkKind].integer != 0 ? s[link::WebAddress].text : s[link::MailAddress].text;
}

std::optional<std::string> FallbackCommandLine(std::string_view command, std::string_view target) {
    std::size_t cut = command.find("\"%1\"");
    if (cut == std::string_view::npos) cut = command.find("%1");
    std::string line(command.substr(0, cut));
    line += ' ';
    line += target;
    if (line.size() + 1 > kCommandLineSize) return std::nullopt;
    return line;
}

std::int64_t LinkColour(const std::vector<Setting>& s, bool hover, bool visited) {
    if (hover) return s[link::HoverColour].integer;
    if (visited) return s[link::VisitedColour].integer;
    return s[link::NormalColour].integer;
}

HoverStep OnLinkMouseMove(bool hover, bool inside, bool holdsCapture) {
    if (!hover) return {true, true, false, true};
    if (!inside) return {false, false, true, true};
    return {true, !holdsCapture, false, false};
}
