// The forum link's logic: its target, what it shows, its fallback command line, colour and hover.
#include <gtest/gtest.h>

#include "guidance/guidance.h"
#include "guidance/link.h"

namespace {

using rt::Setting;

std::vector<Setting> Link(std::int64_t kind, const char* mail, const char* web, const char* caption = "") {
    return rt::MakeSettings(rt::Kind::HyperLinker, 0, 0, 10, 10, true,
                            {{rt::link::LinkKind, kind}, {rt::link::MailAddress, mail}, {rt::link::WebAddress, web},
                             {rt::link::Caption, caption}});
}

TEST(LinkTargetText, Cases) {
    struct Case {
        std::int64_t kind;
        const char *mail, *web;
        std::optional<std::string> target;
    } cases[] = {
        {1, "", "http://www.example.com/", "http://www.example.com/"},
        {1, "a@b.c", "", std::nullopt},  // a web link without address opens nothing
        {0, "a@b.c", "http://x/", "mailto:a@b.c"},
        {0, "", "http://x/", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(LinkTargetText(Link(c.kind, c.mail, c.web)), c.target) << c.kind << c.mail;
}

TEST(LinkDisplayText, CaptionElseTheAddressWithoutPrefix) {
    EXPECT_EQ(LinkDisplayText(Link(1, "", "http://x/", "点击")), "点击");
    EXPECT_EQ(LinkDisplayText(Link(1, "a@b.c", "http://x/")), "http://x/");
    EXPECT_EQ(LinkDisplayText(Link(0, "a@b.c", "http://x/")), "a@b.c");
}

TEST(ForumLink, OpensTheForumsHomePage) {
    auto s = rt::MakeSettings(rt::Kind::HyperLinker, 120, 8, 118, 20, true, ForumLinkSettings());
    EXPECT_EQ(LinkTargetText(s), std::string(kForumAddress));
    EXPECT_EQ(LinkDisplayText(s), "点击查看更多给力软件");
}

TEST(FallbackCommandLine, CutAtThePlaceholderThenASpaceAndTheTarget) {
    const char* target = "http://www.example.com/";
    struct Case {
        const char* command;
        std::string line;
    } cases[] = {
        {"\"C:\\b.exe\" -osint -url \"%1\"", "\"C:\\b.exe\" -osint -url  http://www.example.com/"},  // two spaces
        {"\"C:\\b.exe\" %1 -new", "\"C:\\b.exe\"  http://www.example.com/"},
        {"\"C:\\b.exe\" -a \"%1\" -b %1", "\"C:\\b.exe\" -a  http://www.example.com/"},  // the quoted one first
        {"C:\\b.exe -x %1 \"%1\"", "C:\\b.exe -x %1  http://www.example.com/"},        // quoted wins over an earlier bare
        {"\"C:\\b.exe\" -a -b", "\"C:\\b.exe\" -a -b http://www.example.com/"},        // no placeholder: all kept
        {"C:\\b.exe\"%1\"", "C:\\b.exe http://www.example.com/"},
        {"", " http://www.example.com/"},
    };
    for (const Case& c : cases) EXPECT_EQ(FallbackCommandLine(c.command, target), c.line) << c.command;
}

TEST(FallbackCommandLine, MustFitTheBufferWithItsTerminatingZero) {
    const std::string target = "http://x/";
    const std::string fits(kCommandLineSize - 1 - 1 - target.size(), 'c');  // line of 519 bytes
    EXPECT_EQ(FallbackCommandLine(fits, target)->size(), kCommandLineSize - 1);
    EXPECT_EQ(FallbackCommandLine(fits + "c", target), std::nullopt);
    EXPECT_EQ(FallbackCommandLine(std::string(4000, 'c'), target), std::nullopt);
    // What is cut away does not count.
    EXPECT_TRUE(FallbackCommandLine("b.exe \"%1\"" + std::string(4000, 'c'), target));
}

TEST(LinkColour, HoverWinsOverVisitedWhichWinsOverNormal) {
    auto s = rt::MakeSettings(rt::Kind::HyperLinker, 0, 0, 1, 1, true, ForumLinkSettings());
    EXPECT_EQ(LinkColour(s, false, false), rt::Rgb(255, 0, 0));
    EXPECT_EQ(LinkColour(s, false, true), rt::Rgb(88, 48, 224));
    EXPECT_EQ(LinkColour(s, true, false), rt::Rgb(51, 153, 255));
    EXPECT_EQ(LinkColour(s, true, true), rt::Rgb(51, 153, 255));
}

TEST(LinkHover, FollowsThePointerWithTheMouseCapture) {
    struct Case {
        bool hover, inside, holds;
        HoverStep step;
    } cases[] = {
        {false, true, false, {true, true, false, true}},   // enters: capture, repaint
        {true, true, true, {true, false, false, false}},   // moves on it: nothing
        {true, false, true, {false, false, true, true}},   // leaves: release, repaint
        {true, true, false, {true, true, false, false}},   // lost the capture meanwhile: take it again
    };
    for (const Case& c : cases) {
        const HoverStep s = OnLinkMouseMove(c.hover, c.inside, c.holds);
        EXPECT_EQ((std::array<bool, 4>{s.hover, s.capture, s.release, s.repaint}),
                  (std::array<bool, 4>{c.step.hover, c.step.capture, c.step.release, c.step.repaint}))
            << c.hover << c.inside << c.holds;
    }
}

}  // namespace
