// Writing a file from byte sets with CreateFileA and WriteFile: created or cut, shared with no one.
#include <windows.h>

#include <string>

#include "runtime/core.h"

namespace rt {
namespace {
std::uint32_t g_lastError = 0;

bool Fail() {
    g_lastError = GetLastError();
    return false;
}
}  // namespace

std::uint32_t LastFileError() { return g_lastError; }

std::uint8_t ReadFileProtection(const char* name) {
    const DWORD a = name ? GetFileAttributesA(name) : INVALID_FILE_ATTRIBUTES;
    if (a == INVALID_FILE_ATTRIBUTES || (a & FILE_ATTRIBUTE_DIRECTORY)) return 0;
    return ((a & FILE_ATTRIBUTE_READONLY) ? kReadOnly : 0) | ((a & FILE_ATTRIBUTE_HIDDEN) ? kHidden : 0) |
           ((a & FILE_ATTRIBUTE_SYSTEM) ? kSystem : 0);
}

bool FlushDnsCache() {
    // Looked up at run time: the program imports nothing beyond what every Windows has.
    HMODULE dns = LoadLibraryA("dnsapi.dll");
    if (!dns) return false;
    using Flush = BOOL(WINAPI*)();
    auto flush = reinterpret_cast<Flush>(reinterpret_cast<void*>(GetProcAddress(dns, "DnsFlushResolverCache")));
    const bool flushed = flush && flush();
    FreeLibrary(dns);
    return flushed;
}

bool IsAccessDenied(std::uint32_t code) { return code == ERROR_ACCESS_DENIED; }

std::string SystemErrorText(std::uint32_t code) {
    char* text = nullptr;
    DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string out = n ? std::string(text, n) : "错误 " + std::to_string(code);
    if (text) LocalFree(text);
    while (!out.empty() && (out.back() == '\r' || out.back() == '\n' || out.back() == ' ')) out.pop_back();
    return out;
}

FileFound ReadFileBytes(const char* name, Value& bytes) {
    bytes = MakeBytes({});
    if (!name || !*name) return FileFound::Missing;
    const DWORD attributes = GetFileAttributesA(name);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        Fail();
        return g_lastError == ERROR_FILE_NOT_FOUND || g_lastError == ERROR_PATH_NOT_FOUND ? FileFound::Missing
                                                                                        : FileFound::Unreadable;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FileFound::Folder;
    HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Fail(), FileFound::Unreadable;
    std::string data;
    char buf[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buf, sizeof buf, &got, nullptr)) && got > 0) data.append(buf, got);
    if (!ok) Fail();
    CloseHandle(file);
    if (!ok) return FileFound::Unreadable;
    bytes = MakeBytes(data);
    return FileFound::Read;
}

bool WriteFileBytes(const char* name, std::initializer_list<const ByteBlock*> sets) {
    if (!name || !*name) return false;
    HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Fail();
    bool ok = true;
    for (const ByteBlock* set : sets) {
        const unsigned char* p = set->data();
        std::size_t left = set->size;
        while (ok && left > 0) {
            DWORD chunk = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
            DWORD written = 0;
            if (!WriteFile(file, p, chunk, &written, nullptr) || written != chunk) ok = Fail();
            p += written;
            left -= written;
        }
        if (!ok) break;
    }
    if (!CloseHandle(file) && ok) ok = Fail();
    return ok;
}

}  // namespace rt
