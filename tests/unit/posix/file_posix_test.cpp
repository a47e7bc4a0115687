// WriteFileBytes against a file that the user may not write, natively.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "runtime/core.h"
#include "support.h"

TEST(WriteFileBytesPosix, AFileTheUserMayNotWriteStaysAsItWas) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write any file";
    test::ScratchFolder dir;
    test::WriteAll(dir.File("hosts"), "127.0.0.1 localhost\n");
    ASSERT_EQ(chmod(dir.File("hosts").c_str(), 0444), 0);
    rt::Value list = rt::TextToBytes("127.0.0.1 ad.example");
    EXPECT_FALSE(rt::WriteFileBytes(dir.File("hosts").c_str(), {rt::BytesOrEmpty(list)}));
    rt::ReleaseValue(list);
    EXPECT_EQ(test::ReadAll(dir.File("hosts")), "127.0.0.1 localhost\n");
}
