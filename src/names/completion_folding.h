// The form in which completion compares a typed text with the names: Latin
// letters without case, and the full-width forms of ASCII (Ａ, ｂ, １, －) and
// the ideographic space as their ASCII counterparts, so "ab" finds "AB剑",
// "ab剑" and "ＡＢ剑" alike. Every other character stays as it is. Only for
// completion: whether a name is known is decided on the exact text.
#pragma once

#include <string>
#include <string_view>

namespace vorn::names {

// UTF-8 in, UTF-8 out; bytes that are no valid UTF-8 pass unchanged, so a
// folded text still finds itself.
std::string FoldForCompletion(std::string_view utf8);
// The same, appended to `folded`.
void AppendFoldedForCompletion(std::string& folded, std::string_view utf8);

}  // namespace vorn::names
