// Texts and byte sets handed out by the runtime, the shared empty constants, and their release.
#include <cstdlib>
#include <cstring>
#include <string>

#include "runtime/core.h"

namespace rt {

const char kEmptyText[1] = {0};
const ByteBlock kEmptyBytes = {0};

namespace {
std::size_t g_live = 0;
std::size_t g_constantReleases = 0;
}  // namespace

std::size_t LiveValueCount() { return g_live; }
std::size_t ConstantReleaseAttempts() { return g_constantReleases; }

void* AllocateOrDie(std::size_t bytes) {
    void* p = std::malloc(bytes ? bytes : 1);
    if (!p) {
        const std::string message = "分配 " + std::to_string(bytes) + " 字节内存失败!";
        FatalError(message.c_str());
    }
    return p;
}

Value MakeText(std::string_view text) {
    Value v;
    v.kind = ValueKind::Text;
    if (text.empty()) return v;
    char* block = static_cast<char*>(AllocateOrDie(text.size() + 1));
    std::memcpy(block, text.data(), text.size());
    block[text.size()] = 0;
    v.block = block;
    ++g_live;
    return v;
}

Value MakeBytes(std::string_view bytes) {
    Value v;
    v.kind = ValueKind::Bytes;
    if (bytes.empty()) return v;
    auto* block = static_cast<ByteBlock*>(AllocateOrDie(sizeof(ByteBlock) + bytes.size()));
    block->size = bytes.size();
    std::memcpy(block->data(), bytes.data(), bytes.size());
    v.block = block;
    ++g_live;
    return v;
}

Value TextToBytes(const char* text) { return MakeBytes(text ? std::string_view(text) : std::string_view()); }

void ReleaseValue(Value& value) {
    if (value.block == nullptr) return;
    if (value.block == kEmptyText || value.block == &kEmptyBytes) {
        ++g_constantReleases;  // never freed: they are the program's own
    } else {
        std::free(value.block);
        --g_live;
    }
    value.block = nullptr;
}

}  // namespace rt
