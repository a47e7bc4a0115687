// Values handed out by the runtime: texts, byte sets, no value, the shared constants, release.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "runtime/core.h"

namespace {

std::string BytesOf(const rt::Value& v) {
    const rt::ByteBlock* b = v.bytes();
    return b ? std::string(reinterpret_cast<const char*>(b->data()), b->size) : std::string();
}

TEST(Values, TextToBytesKeepsEveryByteButTheTerminatingZero) {
    const char text[] = "127.0.0.1 a\r\n127.0.0.1 b";
    const std::size_t before = rt::LiveValueCount();
    rt::Value b = rt::TextToBytes(text);
    ASSERT_NE(b.bytes(), nullptr);
    EXPECT_EQ(b.bytes()->size, std::strlen(text));
    EXPECT_EQ(BytesOf(b), text);
    rt::ReleaseValue(b);
    EXPECT_EQ(rt::LiveValueCount(), before);
}

TEST(Values, EmptyTextsAndByteSetsComeBackAsNoValue) {
    EXPECT_TRUE(rt::TextToBytes("").IsNone());
    EXPECT_TRUE(rt::TextToBytes(nullptr).IsNone());
    EXPECT_TRUE(rt::MakeText("").IsNone());
    EXPECT_TRUE(rt::MakeBytes("").IsNone());
}

TEST(Values, NoValueIsReplacedByTheSharedConstants) {
    rt::Value none = rt::MakeText("");
    EXPECT_EQ(rt::TextOrEmpty(none), rt::kEmptyText);
    EXPECT_EQ(rt::kEmptyText[0], '\0');
    rt::Value noBytes = rt::TextToBytes("");
    EXPECT_EQ(rt::BytesOrEmpty(noBytes), &rt::kEmptyBytes);
    EXPECT_EQ(rt::kEmptyBytes.size, 0u);
}

TEST(Values, ReleaseIgnoresNoValueAndASecondRelease) {
    const std::size_t before = rt::LiveValueCount();
    rt::Value none;
    rt::ReleaseValue(none);
    rt::Value t = rt::MakeText("hosts");
    EXPECT_STREQ(t.text(), "hosts");
    EXPECT_EQ(rt::LiveValueCount(), before + 1);
    rt::ReleaseValue(t);
    rt::ReleaseValue(t);
    EXPECT_TRUE(t.IsNone());
    EXPECT_EQ(rt::LiveValueCount(), before);
}

TEST(Values, ByteSetsMayHoldZeroBytes) {
    rt::Value b = rt::MakeBytes(std::string("a\0b", 3));
    EXPECT_EQ(BytesOf(b), std::string("a\0b", 3));
    rt::ReleaseValue(b);
}

}  // namespace
