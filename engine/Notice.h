#pragma once
// A message box as the calculation units describe it: the dialogs show it through the
// message-box facade, the command-line runner prints its text on standard error.

#include <string>
#include <utility>

namespace ferrolab {

enum class NoticeIcon { None, Error, Warning, Information };

struct Notice {
    std::string text;
    std::string caption; // empty: a box without caption
    NoticeIcon icon = NoticeIcon::None;

    bool operator==(const Notice&) const = default;
};

// The caption of the program's plain message boxes: the program's name, as the user knows it.
inline constexpr const char* kApplicationCaption = "Ferrolab";

// The caption of every refused input.
inline constexpr const char* kInputErrorCaption = "输入错误";

inline Notice InputError(std::string text) {
    return Notice{std::move(text), kInputErrorCaption, NoticeIcon::Error};
}

// A refused compute whose result shows its text under another name than `report` (the bolt
// capacity box's `text`): that text absent, so that the dialog keeps what it showed, and the box
// that says why.
template <class Result, class Owner, class Shown>
Result Refused(Result result, Shown Owner::*shown, std::string text) {
    (result.*shown).reset();
    result.notices.push_back(InputError(std::move(text)));
    return result;
}

// A refused compute: no report, so that the dialog keeps the previous one, and the box that
// says why. Works on any result that holds an optional report and its notices.
template <class Result> Result Refused(Result result, std::string text) {
    return Refused(std::move(result), &Result::report, std::move(text));
}

// The refusal of inputs whose intermediate results leave the range of a double (a length so
// large or so small that a power or a quotient overflows).
inline Notice OutOfComputableRange() {
    return InputError("输入的数值超出了可以计算的范围");
}

} // namespace ferrolab
