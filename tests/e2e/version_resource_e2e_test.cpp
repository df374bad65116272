// What the program file says about itself (Explorer's Properties > Details):
// its version resource, read back from the built program.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "e2e/program_under_test.h"
#include "runtime/base/utf_win.h"

namespace vorn::e2e {
namespace {

// One string of the version resource's block `block`, UTF-8; empty when absent.
std::string VersionString(const std::vector<BYTE>& info, const wchar_t* block, const wchar_t* name) {
    const std::wstring path = std::wstring(L"\\StringFileInfo\\") + block + L"\\" + name;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), path.c_str(), &value, &length) || length == 0) return {};
    return runtime::Narrow(static_cast<const wchar_t*>(value));
}

TEST(VersionResource, NamesTheProductInChineseAndEnglishWithItsVersion) {
    const std::wstring program = ProgramUnderTest().wstring();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "the program carries no version resource";
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, size, info.data()));

    EXPECT_EQ(VersionString(info, L"080404b0", L"ProductName"), "Vorn_人形怪配置器");
    EXPECT_FALSE(VersionString(info, L"080404b0", L"FileDescription").empty());
    EXPECT_FALSE(VersionString(info, L"040904b0", L"ProductName").empty()) << "and in English";

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    const std::string version = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                                std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                                std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." +
                                std::to_string(LOWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(VersionString(info, L"080404b0", L"FileVersion"), version)
        << "the text and the numbers agree";
}

}  // namespace
}  // namespace vorn::e2e
