#include "monsterlist/list_boxes.h"

namespace vorn::monsterlist {
namespace {

runtime::BoxRequest ListBox(runtime::WindowHandle owner, std::string title, std::string message,
                            std::uint32_t icon) {
    runtime::BoxRequest request;
    request.owner = owner;
    request.title = std::move(title);
    request.message = std::move(message);
    request.icon = icon;
    request.tinted = true;
    request.slowAnimation = true;
    return request;
}

}  // namespace

bool Ask(runtime::BoxService& boxes, runtime::WindowHandle owner, std::string title,
         std::string message, std::string yes, std::string no) {
    runtime::BoxRequest request =
        ListBox(owner, std::move(title), std::move(message), runtime::icon::kQuestion);
    request.captions = {std::move(no), std::move(yes)};
    request.defaultButton = 2;
    return runtime::PressedButton(boxes.ShowBox(request)) == 2;
}

void Tell(runtime::BoxService& boxes, runtime::WindowHandle owner, std::string title,
          std::string message) {
    runtime::BoxRequest request =
        ListBox(owner, std::move(title), std::move(message), runtime::icon::kInformation);
    request.captions = {"确定"};
    request.defaultButton = 1;
    boxes.ShowBox(request);
}

std::string LinesUpTo(const std::vector<std::string>& lines, std::size_t most) {
    std::string text;
    for (std::size_t i = 0; i < lines.size() && i < most; ++i) text.append(lines[i]).append("\r\n");
    if (lines.size() > most)
        text.append("……另有 ").append(std::to_string(lines.size() - most)).append(" 条\r\n");
    return text;
}

}  // namespace vorn::monsterlist
