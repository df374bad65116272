#include "mainwindow/about_box.h"

#include "mainwindow/control_ids.h"
#include "mainwindow/tip_boxes.h"

namespace vorn::mainwindow {

std::string AboutText() {
    return "Vorn_人形怪配置器 V1.0\r\n\r\n"
           "欢迎使用[Qilor系列软件]，感谢您对我的支持和鼓励。\r\n\r\n"
           "本软件为Vorn引擎 人形怪配置 专用工具。\r\n\r\n"
           "相信后续版本会更加给力，敬请期待下一版本。\r\n\r\n"
           "联系方式：请通过程序目录中的 help.html 查看使用说明"
           "\r\n\r\n"
           "作者：Qilor 工作室";
}

runtime::BoxAnswer ShowAbout(runtime::ControlCommands& commands, runtime::BoxService& boxes) {
    return ShowAboutBox(boxes, commands.HandleOf(kMainWindowId), "关于软件", AboutText(),
                        runtime::icon::kInformation, {"返回", "确定"}, "不再提示");
}

}  // namespace vorn::mainwindow
