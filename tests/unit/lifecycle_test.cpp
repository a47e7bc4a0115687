// The end sequence, the end hook and the fatal runtime error.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>

#include "runtime/core.h"

namespace {

TEST(FatalErrorText, CarriesCodeAndMessageOnlyWhenGiven) {
    struct Case {
        std::int32_t code;
        const char* message;
        const char* text;
    } cases[] = {
        {0, "载入启动窗口失败", "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
        {0, "", "运行时出错!\r\n\r\n"},
        {0, nullptr, "运行时出错!\r\n\r\n"},
        {5, "", "运行时出错!\r\n\r\n错误代码：5\r\n\r\n"},
        {-2, "载入窗口模板数据段出错!", "运行时出错!\r\n\r\n错误代码：-2\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(rt::FatalErrorText(c.code, c.message), c.text);
}

void ShoutCleanup() { std::fputs("cleanup ran;", stderr); }

// The end sequence drops the definitions for good, so these run in a child process.
TEST(EndSequenceDeathTest, CallsTheEndHookOnceEvenWhenEnteredAgain) {
    EXPECT_EXIT(
        {
            rt::SetEndHook(ShoutCleanup);
            rt::RunEndSequence();
            rt::RunEndSequence();
            std::fputs("end;", stderr);
            std::_Exit(0);
        },
        testing::ExitedWithCode(0), testing::EndsWith("cleanup ran;end;"));
}

#ifndef _WIN32  // on Windows the fatal box waits for a person; the end-to-end cases cover it there

TEST(EndSequenceDeathTest, NoWindowCanBeLoadedAfterIt) {
    EXPECT_EXIT(
        {
            rt::RunEndSequence();
            rt::LoadWindow(0x52010001);
        },
        testing::ExitedWithCode(255), testing::HasSubstr("载入启动窗口失败"));
}


TEST(FatalErrorDeathTest, EndsWithMinusOneWithoutTheEndHook) {
    EXPECT_EXIT(
        {
            rt::SetEndHook(ShoutCleanup);
            rt::FatalError("载入启动窗口失败");
        },
        testing::ExitedWithCode(255),
        testing::AllOf(testing::HasSubstr("运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"),
                       testing::Not(testing::HasSubstr("cleanup ran"))));
}

TEST(FatalErrorDeathTest, MemoryThatCannotBeHadNamesTheBytesAskedFor) {
    const std::size_t huge = SIZE_MAX / 2;
    EXPECT_EXIT(rt::AllocateOrDie(huge), testing::ExitedWithCode(255),
                testing::HasSubstr("错误信息：分配 " + std::to_string(huge) + " 字节内存失败!\r\n"));
}

#endif

}  // namespace
