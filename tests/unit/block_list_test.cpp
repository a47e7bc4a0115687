// The block list's structure, computed from the stored text.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "blocking/blocking.h"

namespace {

std::vector<std::string> Lines() {
    std::vector<std::string> lines;
    std::string text = kBlockList;
    std::size_t at = 0;
    for (;;) {
        std::size_t end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos) break;
        at = end + 2;
    }
    return lines;
}

std::string Host(const std::string& line) { return line.substr(std::strlen("127.0.0.1 ")); }

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(BlockList, EightyFiveLinesJoinedByCrLfWithoutAFinalOne) {
    const std::string text = kBlockList;
    const auto lines = Lines();
    EXPECT_EQ(lines.size(), 85u);
    std::size_t pairs = 0;
    for (std::size_t i = 0; (i = text.find("\r\n", i)) != std::string::npos; i += 2) ++pairs;
    EXPECT_EQ(pairs, 84u);
    EXPECT_FALSE(EndsWith(text, "\r\n"));
    std::size_t lengths = 0;
    for (const auto& l : lines) lengths += l.size();
    EXPECT_EQ(text.size(), lengths + 2 * 84);
}

TEST(BlockList, EveryLineIsTheLoopbackASpaceAndAHost) {
    for (const auto& line : Lines()) {
        ASSERT_EQ(line.rfind("127.0.0.1 ", 0), 0u) << line;
        const std::string host = Host(line);
        EXPECT_EQ(host.find(' '), std::string::npos) << line;
        EXPECT_GE(host.size(), 9u) << line;
        EXPECT_LE(host.size(), 28u) << line;
        EXPECT_GE(line.size(), 19u);
        EXPECT_LE(line.size(), 38u);
        EXPECT_EQ(host.find('\r'), std::string::npos);
        EXPECT_EQ(host.find('\n'), std::string::npos);
    }
}

TEST(BlockList, OnlyTheAllowedAsciiBytes) {
    std::size_t upper = 0;
    for (const char* p = kBlockList; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        const bool allowed = c == '\r' || c == '\n' || c == ' ' || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
                             (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '*';
        EXPECT_TRUE(allowed) << "byte " << static_cast<int>(c);
        upper += c >= 'A' && c <= 'Z';
    }
    EXPECT_EQ(upper, 1u);
    const auto lines = Lines();
    EXPECT_TRUE(Host(lines[1])[0] >= 'A' && Host(lines[1])[0] <= 'Z') << "line 2 begins upper-case: " << lines[1];
}

TEST(BlockList, LineFiftyTwoIsTheTudouPatternAndTheOnlyOneWithAsterisks) {
    const auto lines = Lines();
    const std::string pattern = Host(lines[51]);
    EXPECT_EQ(pattern.rfind("*.", 0), 0u) << pattern;
    EXPECT_TRUE(EndsWith(pattern, "*")) << pattern;
    EXPECT_NE(pattern.find("tudou"), std::string::npos) << pattern;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i != 51) EXPECT_EQ(lines[i].find('*'), std::string::npos) << lines[i];
    }
}

TEST(BlockList, LinesTwentyEightToThirtyThreeRepeatEighteenToTwentyThree) {
    const auto lines = Lines();
    for (int i = 0; i < 6; ++i) EXPECT_EQ(lines[27 + i], lines[17 + i]) << "line " << 28 + i;
    const std::set<std::string> distinct(lines.begin(), lines.end());
    EXPECT_EQ(distinct.size(), 79u);
}

struct Group {
    int first, last;           // line numbers, from 1
    std::vector<const char*> domains;  // every host of the group ends in one of these
};

TEST(BlockList, GroupsBySiteInTheirOrder) {
    const Group groups[] = {
        {1, 15, {"youku.com"}},          {16, 16, {"iqiyi.com"}},
        {17, 17, {"allyes.com"}},        {18, 21, {"cctv.com", "cntv.cn"}},
        {22, 22, {"adsame.com"}},        {23, 23, {"adsunion.com"}},
        {24, 24, {"sina.com.cn"}},       {25, 25, {"pptv.com"}},
        {26, 26, {"letv.com"}},          {27, 27, {"sohu.com"}},
        {34, 43, {".56.com", "v-56.com"}}, {44, 47, {"6rooms.com", ".6.cn"}},
        {48, 58, {"tudou.com", "tudou.com*", "tdimg.com"}}, {59, 59, {"allyes.net"}},
        {60, 74, {"ku6.com", "ku6cdn.com", "ku6img.com", "allyes.com"}}, {75, 77, {"ppstream.com", "pps.tv"}},
        {78, 80, {"uusee.com", "uusee.net"}}, {81, 85, {"sandai.net", "xunlei.com", "mediav.com"}},
    };
    const auto lines = Lines();
    for (const Group& g : groups)
        for (int n = g.first; n <= g.last; ++n) {
            const std::string host = Host(lines[static_cast<std::size_t>(n - 1)]);
            bool matches = false;
            for (const char* d : g.domains) matches = matches || EndsWith(host, d);
            EXPECT_TRUE(matches) << "line " << n << ": " << host;
        }
    // CCTV first, then CNTV, alternating.
    for (int n = 18; n <= 21; ++n)
        EXPECT_TRUE(EndsWith(Host(lines[static_cast<std::size_t>(n - 1)]), n % 2 == 0 ? "cctv.com" : "cntv.cn")) << n;
    // The Ku6 group's second line is on its content-delivery domain, the third and fourth are the
    // network's, the sixth on its second domain.
    EXPECT_TRUE(EndsWith(Host(lines[60]), "ku6cdn.com"));
    EXPECT_TRUE(EndsWith(Host(lines[61]), "allyes.com") && EndsWith(Host(lines[62]), "allyes.com"));
    EXPECT_TRUE(EndsWith(Host(lines[64]), "ku6img.com"));
}

}  // namespace
