#include <errno.h>
#include <iconv.h>

#include <vector>

#include "runtime/gbk.h"

namespace vorn::runtime {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// CP936 is the Windows table (0x80 is the euro sign); plain GBK is the
// fallback for C libraries that lack the name. No //TRANSLIT: a character
// without a GBK code must fail, not turn into '?'.
iconv_t OpenGbkConverter() {
    iconv_t handle = iconv_open("CP936", "UTF-8");
    if (handle == kNoConverter) handle = iconv_open("GBK", "UTF-8");
    return handle;
}

class Converter {
public:
    Converter() : handle_(OpenGbkConverter()) {}
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

}  // namespace

std::optional<std::string> Utf8ToGbk(std::string_view utf8) {
    Converter converter;
    if (!converter.valid()) return std::nullopt;

    std::vector<char> input(utf8.begin(), utf8.end());
    char* in = input.data();
    std::size_t inLeft = input.size();
    std::string output;
    char block[512];
    while (inLeft > 0) {
        char* out = block;
        std::size_t outLeft = sizeof block;
        const std::size_t result = iconv(converter.get(), &in, &inLeft, &out, &outLeft);
        output.append(block, static_cast<std::size_t>(out - block));
        // EILSEQ: no GBK code or broken UTF-8; EINVAL: truncated sequence.
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) return std::nullopt;
    }
    return output;
}

}  // namespace vorn::runtime
