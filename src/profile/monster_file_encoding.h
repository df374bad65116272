// Which encoding a monster file was saved in. The game server reads GBK, but
// administrators also edit the files in editors that save UTF-8 (Notepad's
// default, without a byte-order mark) or UTF-16; such a file opens like a GBK
// one and is written back as GBK.
//
// A byte-order mark decides. Without one, text that is valid only as GBK or
// only as (strict) UTF-8 is that; pure ASCII is GBK, where nothing needs
// converting. Bytes valid as both are GBK when every double-byte character
// lies in GB2312's area (lead and trail byte 0xA1-0xFE, lead at most 0xF7),
// otherwise UTF-8: the continuation bytes 0x80-0xBF of UTF-8 Chinese become
// lead or trail bytes when read as GBK, and about half of them fall below
// 0xA1, so UTF-8 text of more than a word or two almost never stays inside
// that area, while GBK written by people almost always does.
#pragma once

#include <string_view>

#include "runtime/base/text_encoding.h"

namespace vorn::profile {

// The UTF-8 text without its mark and the encoding it was read in (Gbk also
// for GBK text behind a stray UTF-8 mark), or nothing and the sentence that
// says why, naming the first line that no encoding reads.
runtime::DecodedText DecodeMonsterFile(std::string_view bytes);

}  // namespace vorn::profile
