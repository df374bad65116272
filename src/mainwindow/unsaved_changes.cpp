#include "mainwindow/unsaved_changes.h"

#include <string>

#include "mainwindow/tip_boxes.h"

namespace vorn::mainwindow {
namespace {

// Captions in list order; the box lays them out from right to left.
constexpr int kCancelButton = 1, kGoOnButton = 2, kGenerateButton = 3;

struct Wording {
    std::string_view title;
    std::string_view question;
};

Wording WordingFor(Leaving leaving) {
    switch (leaving) {
        case Leaving::Closing: return {"关闭程序", "关闭程序前是否先生成文件？"};
        case Leaving::NewMonster: return {"新建怪物", "新建怪物前是否先生成文件？"};
        case Leaving::OpeningFile: return {"打开文件", "打开其他文件前是否先生成文件？"};
    }
    return {"关闭程序", "是否先生成文件？"};
}

}  // namespace

runtime::BoxRequest UnsavedChangesRequest(runtime::WindowHandle owner, std::string_view monsterName,
                                          Leaving leaving) {
    const Wording wording = WordingFor(leaving);
    const bool named = monsterName.find_first_not_of(" \t") != std::string_view::npos;
    return CentredBoxRequest(
        owner, std::string(wording.title),
        (named ? "怪物【" + std::string(monsterName) + "】的修改" : std::string("当前的修改"))
            .append("还没有生成文件。\r\n")
            .append(wording.question),
        runtime::icon::kQuestion, {"取消", "不生成", "生成文件"}, kGenerateButton);
}

UnsavedChoice UnsavedChoiceOf(runtime::BoxAnswer answer) {
    switch (runtime::PressedButton(answer)) {
        case kGenerateButton: return UnsavedChoice::GenerateFirst;
        case kGoOnButton: return UnsavedChoice::GoOn;
        default: return UnsavedChoice::Cancel;
    }
}

}  // namespace vorn::mainwindow
