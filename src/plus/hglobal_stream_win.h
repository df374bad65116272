// A COM stream over a movable global memory block: how pictures held as
// bytes reach GDI+, and where images are saved to when bytes are wanted back.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace vorn::plus {

class HGlobalStream {
public:
    // Replaces the stream with a new one holding a copy of `bytes`, positioned
    // at its start; with no bytes, an empty stream to write into.
    bool CreateFromBytes(std::span<const std::uint8_t> bytes);
    void Free() { stream_.reset(); }

    IStream* Stream() const { return stream_.get(); }
    // The block under the stream (it may move as the stream grows).
    HGLOBAL HGlobal() const;
    // The stream's length: what was copied in or written.
    std::size_t Size() const;
    std::vector<std::uint8_t> Bytes() const;

private:
    struct Releaser {
        void operator()(IStream* stream) const noexcept { stream->Release(); }
    };
    std::unique_ptr<IStream, Releaser> stream_;
};

}  // namespace vorn::plus
