#include "mainwindow/tip_boxes.h"

#include <utility>

namespace vorn::mainwindow {
namespace {

BoxRequest TipRequest(runtime::WindowHandle owner, std::string title, std::string message,
                      std::uintptr_t icon, std::vector<std::string> captions,
                      std::string optionText) {
    BoxRequest request;
    request.owner = owner;
    request.title = std::move(title);
    request.message = std::move(message);
    request.centreHorizontally = true;
    request.centreVertically = true;
    request.icon = icon;
    request.tinted = true;
    request.captions = std::move(captions);
    request.defaultButton = 0;
    request.showOption = true;
    request.optionText = std::move(optionText);
    request.slowAnimation = true;
    return request;
}

}  // namespace

BoxAnswer ShowTipBox(BoxService& boxes, runtime::WindowHandle owner, std::string title,
                     std::string message, std::span<const std::uint8_t> picture,
                     std::vector<std::string> captions, std::string optionText) {
    const std::uintptr_t icon = boxes.LoadPicture(picture);
    return boxes.ShowBox(TipRequest(owner, std::move(title), std::move(message), icon,
                                    std::move(captions), std::move(optionText)));
}

BoxAnswer ShowAboutBox(BoxService& boxes, runtime::WindowHandle owner, std::string title,
                       std::string message, std::uint32_t iconCode,
                       std::vector<std::string> captions, std::string optionText) {
    return boxes.ShowBox(TipRequest(owner, std::move(title), std::move(message), iconCode,
                                    std::move(captions), std::move(optionText)));
}

}  // namespace vorn::mainwindow
