// The names in a Paradox table (.DB): of every record, in the order of the
// data blocks' chain, the field named "Name" (any case; also "名称",
// "ItemName", "物品名称"), else the table's first alpha field. Alpha fields
// hold GBK text padded with zero bytes; blanks around a name are dropped and
// records whose name is empty are skipped.
#pragma once

#include <string_view>

#include "names/name_list_reading.h"

namespace vorn::names {

// Beyond the header's checks (ReadParadoxHeader), refused: a name field that
// is not alpha, no alpha field, a block pointer outside the file, a chain
// that comes back to a block it passed, a block whose previous-block number
// or record data length does not fit, a record count other than the header's,
// a name that is not GBK text, no name at all.
NameListReading ReadParadoxNames(std::string_view bytes);

}  // namespace vorn::names
