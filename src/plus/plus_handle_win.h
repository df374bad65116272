// The plumbing every drawing-object wrapper shares: one owned GDI+ object,
// released through its table entry, and calls that skip an empty wrapper and
// keep the status of the ones that reach GDI+.
#pragma once

#include <cstdint>
#include <utility>

#include "plus/plus_calls_win.h"
#include "plus/plus_status_win.h"

namespace vorn::plus {

// A GDI+ colour, 0xAARRGGBB.
using Argb = std::uint32_t;

// Calls table entry `Entry` on `native` (first argument) with `arguments`.
// An empty object is not handed to GDI+: the answer is false and the last
// status stays as it was.
template <auto Entry, typename Native, typename... Arguments>
bool CallPlus(Native* native, Arguments&&... arguments) {
    if (native == nullptr) return false;
    return RecordPlusStatus((Plus().*Entry)(native, std::forward<Arguments>(arguments)...));
}

// The value GDI+ writes through the last (out) argument of `Entry`; a
// value-initialised Out when the object is empty or the call fails before
// writing it.
template <auto Entry, typename Out, typename Native, typename... Arguments>
Out ReadPlus(Native* native, Arguments&&... arguments) {
    Out out{};
    if (native != nullptr)
        RecordPlusStatus((Plus().*Entry)(native, std::forward<Arguments>(arguments)..., &out));
    return out;
}

// Owns one GDI+ object of type Native, released with table entry `ReleaseEntry`.
template <typename Native, auto ReleaseEntry>
class PlusHandle {
public:
    PlusHandle() = default;
    explicit PlusHandle(Native* native) noexcept : native_(native) {}
    PlusHandle(PlusHandle&& other) noexcept : native_(std::exchange(other.native_, nullptr)) {}
    PlusHandle& operator=(PlusHandle&& other) noexcept {
        if (this != &other) {
            Drop();
            native_ = std::exchange(other.native_, nullptr);
        }
        return *this;
    }
    PlusHandle(const PlusHandle&) = delete;
    PlusHandle& operator=(const PlusHandle&) = delete;
    ~PlusHandle() { Drop(); }

    Native* Get() const noexcept { return native_; }
    // Gives the object up without releasing it: the caller owns it now.
    Native* Detach() noexcept { return std::exchange(native_, nullptr); }

    // Releases the object and keeps the status; false when there was none.
    bool Release() {
        Native* native = Detach();
        return CallPlus<ReleaseEntry>(native);
    }

    // Replaces the object with the one `Entry` makes: the entry is called with
    // `arguments` and then the out pointer, of type Made** (a GDI+ subtype of
    // Native, such as GpBitmap for GpImage). True iff it was made.
    template <auto Entry, typename Made = Native, typename... Arguments>
    bool Create(Arguments&&... arguments) {
        Drop();
        Made* made = nullptr;
        const bool ok =
            RecordPlusStatus((Plus().*Entry)(std::forward<Arguments>(arguments)..., &made));
        if (ok) native_ = made;
        return ok && made != nullptr;
    }

    // The same, for objects made from another one (`source`, the entry's first
    // argument): an empty source makes nothing and is not handed to GDI+.
    template <auto Entry, typename Made = Native, typename Source, typename... Arguments>
    bool CreateFrom(Source* source, Arguments&&... arguments) {
        if (source == nullptr) {
            Drop();
            return false;
        }
        return Create<Entry, Made>(source, std::forward<Arguments>(arguments)...);
    }

    template <auto Entry, typename... Arguments>
    bool Call(Arguments&&... arguments) const {
        return CallPlus<Entry>(native_, std::forward<Arguments>(arguments)...);
    }

    template <auto Entry, typename Out, typename... Arguments>
    Out Read(Arguments&&... arguments) const {
        return ReadPlus<Entry, Out>(native_, std::forward<Arguments>(arguments)...);
    }

private:
    // Destruction and replacement release quietly: the last status belongs to
    // the caller's calls, not to clean-up.
    void Drop() noexcept {
        if (native_ != nullptr) (Plus().*ReleaseEntry)(std::exchange(native_, nullptr));
    }

    Native* native_ = nullptr;
};

}  // namespace vorn::plus
