// Fuzzes the fatal error's text: its fixed opening, the code and the message only when given.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "runtime/core.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::int32_t code = 0;
    if (size >= 4) std::memcpy(&code, data, 4);
    const std::string message = size > 4 ? std::string(reinterpret_cast<const char*>(data) + 4, size - 4).c_str() : "";
    const std::string text = rt::FatalErrorText(code, message.c_str());
    const std::string opening = "运行时出错!\r\n\r\n";
    std::string expected = opening;
    if (code != 0) expected += "错误代码：" + std::to_string(code) + "\r\n\r\n";
    if (!message.empty()) expected += "错误信息：" + message + "\r\n";
    if (text != expected) std::abort();
    if (text.compare(0, opening.size(), opening) != 0) std::abort();
    if ((text.find("错误代码：") != std::string::npos) != (code != 0) &&
        message.find("错误代码：") == std::string::npos)
        std::abort();
    return 0;
}
