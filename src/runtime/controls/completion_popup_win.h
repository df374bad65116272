// The drop-down of completions under an edit control: a list box popup that
// never takes the activation, so the edit keeps the keyboard. The arrows
// move its selection and Enter takes it (through the message loop's key
// filter, see Answer), a click takes the clicked choice, Esc hides it.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/interfaces/completion_list.h"

namespace vorn::runtime {

class CompletionPopup final : public CompletionList {
public:
    using FindControl = std::function<HWND(WindowId, ControlId)>;
    using Chosen = std::function<void(ControlId below, const std::string& choice)>;
    CompletionPopup(FindControl find, Chosen chosen);
    ~CompletionPopup() override;

    void Show(WindowId window, ControlId below, const std::vector<std::string>& choices) override;
    void Hide() override;
    bool IsShown() const;

    // A key press (MessageLoop::AddKeyFilter): Up, Down, Enter and Esc while
    // the list is shown under the focused edit; true when taken.
    bool Answer(const MSG& key);

private:
    class ListWindow;
    void Take(int index);

    FindControl find_;
    Chosen chosen_;
    std::unique_ptr<ListWindow> list_;
    HWND edit_ = nullptr;
    ControlId below_ = 0;
    std::vector<std::string> choices_;
};

}  // namespace vorn::runtime
