// The file: URL of the help page beside the program.
#include "mainwindow/help_page.h"

#include <gtest/gtest.h>

namespace vorn::mainwindow {
namespace {

TEST(HelpPageUrl, EncodesSpacesAndChineseInTheProgramDirectory) {
    // 工具 is E5 B7 A5 E5 85 B7 in UTF-8.
    EXPECT_EQ(HelpPageUrl("C:\\Program Files\\Vorn 工具"),
              "file:///C:/Program%20Files/Vorn%20%E5%B7%A5%E5%85%B7/help.html");
}

TEST(HelpPageUrl, PlainDirectoryAndDriveRoot) {
    EXPECT_EQ(HelpPageUrl("D:\\Vorn"), "file:///D:/Vorn/help.html");
    EXPECT_EQ(HelpPageUrl("D:\\"), "file:///D:/help.html");
}

TEST(HelpPageUrl, NetworkShareKeepsItsHost) {
    EXPECT_EQ(HelpPageUrl("\\\\server\\共享\\tools"),
              "file://server/%E5%85%B1%E4%BA%AB/tools/help.html");
}

TEST(HelpPageUrl, PosixDirectory) {
    EXPECT_EQ(HelpPageUrl("/opt/vorn tool"), "file:///opt/vorn%20tool/help.html");
}

TEST(FileUrl, EscapesCharactersThatWouldEndThePath) {
    EXPECT_EQ(FileUrl("C:\\a#b\\c?d\\50%\\e\"f<g>"),
              "file:///C:/a%23b/c%3Fd/50%25/e%22f%3Cg%3E");
}

TEST(FileUrl, KeepsUnreservedAndPathCharacters) {
    EXPECT_EQ(FileUrl("C:\\A-z_0.9~\\(x)+y,z;=@!$&'*"),
              "file:///C:/A-z_0.9~/(x)+y,z;=@!$&'*");
}

TEST(FileUrl, EncodesControlAndHighBytesAsUpperCaseHex) {
    EXPECT_EQ(FileUrl(std::string("C:\\a\tb\x7f\xff", 8)), "file:///C:/a%09b%7F%FF");
}

}  // namespace
}  // namespace vorn::mainwindow
