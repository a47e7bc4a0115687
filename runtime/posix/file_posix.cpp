// Writing a file from byte sets with POSIX calls, for the native build.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "runtime/runtime.h"

namespace rt {

bool WriteFileBytes(const char* name, std::initializer_list<const ByteBlock*> sets) {
    if (!name || !*name) return false;
    int fd = ::open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool ok = true;
    for (const ByteBlock* set : sets) {
        const unsigned char* p = set->data();
        std::size_t left = set->size;
        while (ok && left > 0) {
            ssize_t n = ::write(fd, p, left);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) { ok = false; break; }
            p += n;
            left -= static_cast<std::size_t>(n);
        }
        if (!ok) break;
    }
    if (::close(fd) != 0) ok = false;
    return ok;
}

}  // namespace rt
