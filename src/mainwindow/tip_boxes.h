// The two box wrappers the main window uses besides the exit confirmation: a
// tip box with a picture and the about box with a standard icon.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "runtime/interfaces/box_request.h"

namespace vorn::mainwindow {

// ShowBox owned by `owner`, both centring flags, the picture as icon, tinted,
// no default button, the option shown, the slow animation.
runtime::BoxAnswer ShowTipBox(runtime::BoxService& boxes, runtime::WindowHandle owner, std::string title,
                     std::string message, std::span<const std::uint8_t> picture,
                     std::vector<std::string> captions, std::string optionText);

// The same with a standard icon code instead of a picture.
runtime::BoxAnswer ShowAboutBox(runtime::BoxService& boxes, runtime::WindowHandle owner, std::string title,
                       std::string message, std::uint32_t iconCode,
                       std::vector<std::string> captions, std::string optionText);

// A box centred both ways over its owner, tinted, with the slow animation:
// the base of the program's questions and warnings.
runtime::BoxRequest CentredBoxRequest(runtime::WindowHandle owner, std::string title,
                                      std::string message, std::uint32_t icon,
                                      std::vector<std::string> captions, int defaultButton);

// A warning with one "确定" button, focused: the exclamation icon, tinted,
// the slow animation; the message centred both ways unless `centred` is false
// (lists read better left-aligned).
runtime::BoxAnswer ShowWarningBox(runtime::BoxService& boxes, runtime::WindowHandle owner,
                                  std::string title, std::string message, bool centred = true);

}  // namespace vorn::mainwindow
