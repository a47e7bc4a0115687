// Writing a file from byte sets with POSIX calls, for the native build.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "runtime/core.h"

namespace rt {
namespace {
std::uint32_t g_lastError = 0;

bool Fail() {
    g_lastError = static_cast<std::uint32_t>(errno);
    return false;
}
}  // namespace

std::uint32_t LastFileError() { return g_lastError; }

std::uint8_t ReadFileProtection(const char* name) {
    struct stat st;
    if (!name || ::stat(name, &st) != 0) return 0;
    const char* base = std::strrchr(name, '/');
    base = base ? base + 1 : name;
    return ((st.st_mode & 0222) == 0 ? kReadOnly : 0) | (base[0] == '.' ? kHidden : 0);
}

// Resolvers here keep no cache of their own that a program could flush.
bool FlushDnsCache() { return false; }

bool IsAccessDenied(std::uint32_t code) { return code == EACCES || code == EPERM || code == EROFS; }

std::string SystemErrorText(std::uint32_t code) { return std::strerror(static_cast<int>(code)); }

FileFound ReadFileBytes(const char* name, Value& bytes) {
    bytes = MakeBytes({});
    struct stat st;
    if (!name || !*name || ::stat(name, &st) != 0) {
        Fail();
        return errno == ENOENT || errno == ENOTDIR || !name || !*name ? FileFound::Missing : FileFound::Unreadable;
    }
    if (S_ISDIR(st.st_mode)) return FileFound::Folder;
    int fd = ::open(name, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Fail(), FileFound::Unreadable;
    std::string data;
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            Fail();
            ::close(fd);
            return FileFound::Unreadable;
        }
        if (n == 0) break;
        data.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    bytes = MakeBytes(data);
    return FileFound::Read;
}

bool WriteFileBytes(const char* name, std::initializer_list<const ByteBlock*> sets) {
    if (!name || !*name) return false;
    int fd = ::open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return Fail();
    bool ok = true;
    for (const ByteBlock* set : sets) {
        const unsigned char* p = set->data();
        std::size_t left = set->size;
        while (ok && left > 0) {
            ssize_t n = ::write(fd, p, left);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                ok = Fail();
                break;
            }
            p += n;
            left -= static_cast<std::size_t>(n);
        }
        if (!ok) break;
    }
    if (::close(fd) != 0 && ok) ok = Fail();
    return ok;
}

}  // namespace rt
