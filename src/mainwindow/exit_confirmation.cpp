#include "mainwindow/exit_confirmation.h"

#include "mainwindow/date_time_text.h"

namespace vorn::mainwindow {

runtime::BoxRequest ExitConfirmationRequest(runtime::WindowHandle owner, const runtime::LocalTime& now) {
    runtime::BoxRequest request;
    request.owner = owner;
    request.title = "关闭程序";
    request.message = "是否关闭当前程序？\r\n" + DateTimeText(now);
    request.centreHorizontally = true;
    request.centreVertically = true;
    request.icon = runtime::icon::kQuestion;
    request.tinted = true;
    request.captions = {"不想退出", "确定退出"};
    request.defaultButton = 1;
    request.showOption = false;
    request.optionText.clear();
    request.slowAnimation = true;
    return request;
}

}  // namespace vorn::mainwindow
