// The text of the box that a fatal runtime error shows.
#include <string>

#include "runtime/core.h"

namespace rt {

std::string FatalErrorText(std::int32_t errorCode, const char* message) {
    std::string text = "运行时出错!\r\n\r\n";
    if (errorCode != 0) text += "错误代码：" + std::to_string(errorCode) + "\r\n\r\n";
    if (message && *message) text += std::string("错误信息：") + message + "\r\n";
    return text;
}

}  // namespace rt
