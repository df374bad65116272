#include "plus/hglobal_stream_win.h"

#include <cstring>

namespace vorn::plus {

bool HGlobalStream::CreateFromBytes(std::span<const std::uint8_t> bytes) {
    Free();
    HGLOBAL block = nullptr;
    if (!bytes.empty()) {
        block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size());
        if (block == nullptr) return false;
        void* target = GlobalLock(block);
        if (target == nullptr) {
            GlobalFree(block);
            return false;
        }
        std::memcpy(target, bytes.data(), bytes.size());
        GlobalUnlock(block);
    }
    // The stream frees the block with its last reference: GDI+ keeps its own
    // reference to a stream it decodes from and may read it after we let go.
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
        if (block != nullptr) GlobalFree(block);
        return false;
    }
    stream_.reset(stream);
    return true;
}

HGLOBAL HGlobalStream::HGlobal() const {
    HGLOBAL block = nullptr;
    if (stream_ && FAILED(GetHGlobalFromStream(stream_.get(), &block))) return nullptr;
    return block;
}

std::size_t HGlobalStream::Size() const {
    STATSTG status{};
    if (!stream_ || FAILED(stream_->Stat(&status, STATFLAG_NONAME))) return 0;
    return static_cast<std::size_t>(status.cbSize.QuadPart);
}

std::vector<std::uint8_t> HGlobalStream::Bytes() const {
    std::vector<std::uint8_t> bytes(Size());
    HGLOBAL block = HGlobal();
    if (bytes.empty() || block == nullptr) return {};
    const void* source = GlobalLock(block);
    if (source == nullptr) return {};
    std::memcpy(bytes.data(), source, bytes.size());
    GlobalUnlock(block);
    return bytes;
}

}  // namespace vorn::plus
