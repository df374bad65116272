#include "mainwindow/tip_boxes.h"

#include <utility>

namespace vorn::mainwindow {
namespace {

runtime::BoxRequest TipRequest(runtime::WindowHandle owner, std::string title, std::string message,
                      std::uint32_t icon, std::vector<std::string> captions,
                      std::string optionText) {
    runtime::BoxRequest request;
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

runtime::BoxAnswer ShowTipBox(runtime::BoxService& boxes, runtime::WindowHandle owner, std::string title,
                     std::string message, std::span<const std::uint8_t> picture,
                     std::vector<std::string> captions, std::string optionText) {
    runtime::BoxRequest request = TipRequest(owner, std::move(title), std::move(message),
                                             runtime::icon::kNone, std::move(captions),
                                             std::move(optionText));
    request.picture.assign(picture.begin(), picture.end());
    return boxes.ShowBox(request);
}

runtime::BoxAnswer ShowAboutBox(runtime::BoxService& boxes, runtime::WindowHandle owner, std::string title,
                       std::string message, std::uint32_t iconCode,
                       std::vector<std::string> captions, std::string optionText) {
    return boxes.ShowBox(TipRequest(owner, std::move(title), std::move(message), iconCode,
                                    std::move(captions), std::move(optionText)));
}

runtime::BoxRequest CentredBoxRequest(runtime::WindowHandle owner, std::string title,
                                      std::string message, std::uint32_t icon,
                                      std::vector<std::string> captions, int defaultButton) {
    runtime::BoxRequest request;
    request.owner = owner;
    request.title = std::move(title);
    request.message = std::move(message);
    request.centreHorizontally = true;
    request.centreVertically = true;
    request.icon = icon;
    request.tinted = true;
    request.captions = std::move(captions);
    request.defaultButton = defaultButton;
    request.slowAnimation = true;
    return request;
}

runtime::BoxAnswer ShowWarningBox(runtime::BoxService& boxes, runtime::WindowHandle owner,
                                  std::string title, std::string message, bool centred) {
    runtime::BoxRequest request = CentredBoxRequest(owner, std::move(title), std::move(message),
                                                    runtime::icon::kExclamation, {"确定"}, 1);
    request.centreHorizontally = centred;
    request.centreVertically = centred;
    return boxes.ShowBox(request);
}

}  // namespace vorn::mainwindow
