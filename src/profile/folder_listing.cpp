#include "profile/folder_listing.h"

#include <cstdio>

namespace vorn::profile {

std::string MinuteText(int year, int month, int day, int hour, int minute) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", year, month, day, hour, minute);
    return text;
}

std::int64_t FileTimeFromUnix(std::int64_t seconds, std::int64_t nanoseconds) {
    // 369 years, 89 of them leap years, lie between 1601 and 1970.
    constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
    return (seconds + kSecondsFrom1601To1970) * 10000000 + nanoseconds / 100;
}

std::string FolderMissingText(const std::string& path) { return "找不到文件夹：" + path; }

std::string NotAFolderText(const std::string& path) { return "这不是文件夹：" + path; }

std::string FolderUnreadableText(const std::string& path, const std::string& reason) {
    return "无法读取文件夹：" + path + "\r\n原因：" + reason;
}

}  // namespace vorn::profile
