// Writing a file from byte sets with CreateFileA and WriteFile: created or cut, shared with no one.
#include <windows.h>

#include "runtime/runtime.h"

namespace rt {

bool WriteFileBytes(const char* name, std::initializer_list<const ByteBlock*> sets) {
    if (!name || !*name) return false;
    HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    for (const ByteBlock* set : sets) {
        const unsigned char* p = set->data();
        std::size_t left = set->size;
        while (ok && left > 0) {
            DWORD chunk = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
            DWORD written = 0;
            if (!WriteFile(file, p, chunk, &written, nullptr) || written != chunk) ok = false;
            p += written;
            left -= written;
        }
        if (!ok) break;
    }
    if (!CloseHandle(file)) ok = false;
    return ok;
}

}  // namespace rt
