#include "e2e/expected_gbk.h"

#include <stdexcept>

namespace vorn::e2e {
namespace {

struct Code {
    std::string_view character;  // UTF-8
    std::string_view gbk;        // two bytes, row then column (each + 0xA0)
};

// Every non-ASCII character the expected files hold, in order of first use.
// Each code is the character's GB2312 row and column, each plus 0xA0.
constexpr Code kTable[] = {
    {"人", "\xC8\xCB"}, {"型", "\xD0\xCD"}, {"怪", "\xB9\xD6"}, {"物", "\xCE\xEF"},
    {"配", "\xC5\xE4"}, {"制", "\xD6\xC6"}, {"文", "\xCE\xC4"}, {"件", "\xBC\xFE"},
    {"职", "\xD6\xB0"}, {"业", "\xD2\xB5"}, {"：", "\xA3\xBA"}, {"战", "\xD5\xBD"},
    {"士", "\xCA\xBF"}, {"法", "\xB7\xA8"}, {"师", "\xCA\xA6"}, {"道", "\xB5\xC0"},
    {"性", "\xD0\xD4"}, {"别", "\xB1\xF0"}, {"男", "\xC4\xD0"}, {"女", "\xC5\xAE"},
    {"发", "\xB7\xA2"}, {"是", "\xCA\xC7"}, {"否", "\xB7\xF1"}, {"掉", "\xB5\xF4"},
    {"装", "\xD7\xB0"}, {"备", "\xB1\xB8"}, {"，", "\xA3\xAC"}, {"不", "\xB2\xBB"},
    {"落", "\xC2\xE4"}, {"几", "\xBC\xB8"}, {"率", "\xC2\xCA"}, {"允", "\xD4\xCA"},
    {"许", "\xD0\xED"}, {"挖", "\xCD\xDA"}, {"取", "\xC8\xA1"}, {"身", "\xC9\xED"},
    {"上", "\xC9\xCF"}, {"机", "\xBB\xFA"}, {"为", "\xCE\xAA"}, {"百", "\xB0\xD9"},
    {"分", "\xB7\xD6"}, {"数", "\xCA\xFD"}, {"字", "\xD7\xD6"}, {"越", "\xD4\xBD"},
    {"大", "\xB4\xF3"}, {"小", "\xD0\xA1"}, {"无", "\xCE\xDE"}, {"论", "\xC2\xDB"},
    {"成", "\xB3\xC9"}, {"功", "\xB9\xA6"}, {"都", "\xB6\xBC"}, {"将", "\xBD\xAB"},
    {"会", "\xBB\xE1"}, {"收", "\xCA\xD5"}, {"费", "\xB7\xD1"}, {"用", "\xD3\xC3"},
    {"模", "\xC4\xA3"}, {"式", "\xCA\xBD"}, {"金", "\xBD\xF0"}, {"币", "\xB1\xD2"},
    {"元", "\xD4\xAA"}, {"宝", "\xB1\xA6"}, {"刚", "\xB8\xD5"}, {"石", "\xCA\xAF"},
    {"灵", "\xC1\xE9"}, {"符", "\xB7\xFB"}, {"每", "\xC3\xBF"}, {"次", "\xB4\xCE"},
    {"点", "\xB5\xE3"}, {"使", "\xCA\xB9"}, {"魔", "\xC4\xA7"}, {"种", "\xD6\xD6"},
    {"技", "\xBC\xBC"}, {"能", "\xC4\xDC"}, {"之", "\xD6\xAE"}, {"间", "\xBC\xE4"},
    {"逗", "\xB6\xBA"}, {"号", "\xBA\xC5"}, {"隔", "\xB8\xF4"}, {"开", "\xBF\xAA"},
    {"例", "\xC0\xFD"}, {"如", "\xC8\xE7"}, {"烈", "\xC1\xD2"}, {"火", "\xBB\xF0"},
    {"剑", "\xBD\xA3"}, {"半", "\xB0\xEB"}, {"月", "\xD4\xC2"}, {"弯", "\xCD\xE4"},
    {"刀", "\xB5\xB6"}, {"刺", "\xB4\xCC"}, {"杀", "\xC9\xB1"}, {"术", "\xCA\xF5"},
    {"衣", "\xD2\xC2"}, {"服", "\xB7\xFE"}, {"武", "\xCE\xE4"}, {"器", "\xC6\xF7"},
    {"勋", "\xD1\xAB"}, {"章", "\xD5\xC2"}, {"项", "\xCF\xEE"}, {"链", "\xC1\xB4"},
    {"头", "\xCD\xB7"}, {"盔", "\xBF\xF8"}, {"左", "\xD7\xF3"}, {"手", "\xCA\xD6"},
    {"镯", "\xEF\xED"}, {"右", "\xD3\xD2"}, {"戒", "\xBD\xE4"}, {"指", "\xD6\xB8"},
    {"护", "\xBB\xA4"}, {"腰", "\xD1\xFC"}, {"带", "\xB4\xF8"}, {"鞋", "\xD0\xAC"},
    {"子", "\xD7\xD3"}, {"斗", "\xB6\xB7"}, {"笠", "\xF3\xD2"}, {"爆", "\xB1\xAC"},
    {"赤", "\xB3\xE0"}, {"恶", "\xB6\xF1"}, {"屠", "\xCD\xC0"}, {"龙", "\xC1\xFA"},
    {"天", "\xCC\xEC"}, {"神", "\xC9\xF1"}, {"甲", "\xBC\xD7"}, {"圣", "\xCA\xA5"},
    {"乙", "\xD2\xD2"},
};

std::size_t Utf8Length(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

std::string ExpectedGbk(std::string_view utf8) {
    std::string gbk;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        if (lead < 0x80) {
            gbk += utf8[pos++];
            continue;
        }
        const std::string_view character = utf8.substr(pos, Utf8Length(lead));
        bool found = false;
        for (const Code& code : kTable)
            if (code.character == character) {
                gbk.append(code.gbk);
                found = true;
                break;
            }
        if (!found)
            throw std::invalid_argument("no GBK code in the test table for \"" +
                                        std::string(character) + "\"");
        pos += character.size();
    }
    return gbk;
}

}  // namespace vorn::e2e
