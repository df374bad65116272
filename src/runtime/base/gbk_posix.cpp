#include <errno.h>
#include <iconv.h>

#include <vector>

#include "runtime/base/gbk.h"

namespace vorn::runtime {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

enum class Direction { ToGbk, FromGbk };

// CP936 is the Windows table (0x80 is the euro sign); plain GBK is the
// fallback for C libraries that lack the name. No //TRANSLIT: a character
// without a GBK code must fail, not turn into '?'.
iconv_t OpenGbkConverter(Direction direction) {
    const bool toGbk = direction == Direction::ToGbk;
    iconv_t handle = toGbk ? iconv_open("CP936", "UTF-8") : iconv_open("UTF-8", "CP936");
    if (handle == kNoConverter)
        handle = toGbk ? iconv_open("GBK", "UTF-8") : iconv_open("UTF-8", "GBK");
    return handle;
}

class Converter {
public:
    explicit Converter(Direction direction) : handle_(OpenGbkConverter(direction)) {}
    ~Converter() {
        if (valid()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle_ != kNoConverter; }
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

std::optional<std::string> Convert(Direction direction, std::string_view text) {
    Converter converter(direction);
    if (!converter.valid()) return std::nullopt;

    // iconv takes a non-const pointer but only reads through it.
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    std::string output;
    output.reserve(text.size() + text.size() / 2);
    // Large blocks: iconv restarts its steps for every call, which made small
    // ones cost several times more.
    std::vector<char> block(64 * 1024);
    while (inLeft > 0) {
        char* out = block.data();
        std::size_t outLeft = block.size();
        const std::size_t result = iconv(converter.get(), &in, &inLeft, &out, &outLeft);
        output.append(block.data(), static_cast<std::size_t>(out - block.data()));
        // EILSEQ: no code on the other side or a broken sequence; EINVAL: a
        // sequence cut off at the end.
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) return std::nullopt;
    }
    return output;
}

}  // namespace

std::optional<std::string> Utf8ToGbk(std::string_view utf8) {
    return Convert(Direction::ToGbk, utf8);
}

std::optional<std::string> GbkToUtf8(std::string_view gbk) {
    std::optional<std::string> utf8 = Convert(Direction::FromGbk, gbk);
    // Some tables decode a code they would encode differently; only a text
    // that gives back the very same bytes may be used.
    if (!utf8 || Utf8ToGbk(*utf8) != gbk) return std::nullopt;
    return utf8;
}

}  // namespace vorn::runtime
