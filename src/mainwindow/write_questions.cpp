#include "mainwindow/write_questions.h"

#include <string>

#include "mainwindow/tip_boxes.h"

namespace vorn::mainwindow {
namespace {

using namespace std::string_literals;

// Captions in list order; the box lays them out from right to left.
constexpr int kGoBackButton = 1, kOpenButton = 2, kOverwriteButton = 3;
constexpr int kCreateButton = 2;

}  // namespace

runtime::BoxRequest ChangedOnDiskRequest(runtime::WindowHandle owner, std::string_view path,
                                         std::string_view changedAt) {
    std::string message = "这个文件在本窗口打开或生成之后，被其他人或程序改动过：\r\n"s.append(path);
    if (!changedAt.empty()) message.append("\r\n改动时间：").append(changedAt);
    message.append(
        "\r\n\r\n覆盖：写入窗口中的内容，磁盘上的版本先存入 history 文件夹；"
        "\r\n重新打开：放弃窗口中的修改，显示磁盘上的文件；\r\n返回：不写入任何文件。");
    return CentredBoxRequest(owner, "文件已被改动", std::move(message), runtime::icon::kQuestion,
                             {"返回", "重新打开", "覆盖"}, kGoBackButton);
}

ChangedOnDiskChoice ChangedOnDiskChoiceOf(runtime::BoxAnswer answer) {
    switch (runtime::PressedButton(answer)) {
        case kOverwriteButton: return ChangedOnDiskChoice::Overwrite;
        case kOpenButton: return ChangedOnDiskChoice::OpenFromDisk;
        default: return ChangedOnDiskChoice::GoBack;
    }
}

runtime::BoxRequest CreateFolderRequest(runtime::WindowHandle owner, std::string_view folder) {
    std::string message = "还没有存放怪物文件的目录：\r\n"s.append(folder).append(
        "\r\n\r\n要建立这个文件夹并生成文件吗？");
    return CentredBoxRequest(owner, "建立目录", std::move(message), runtime::icon::kQuestion,
                             {"取消", "建立并生成"}, kCreateButton);
}

bool CreateFolderChosen(runtime::BoxAnswer answer) {
    return runtime::PressedButton(answer) == kCreateButton;
}

}  // namespace vorn::mainwindow
