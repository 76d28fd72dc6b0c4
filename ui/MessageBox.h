#pragma once
// The one way the program shows message boxes. Calculation units describe their boxes as
// Notices; dialogs hand them here. Tests install a NoticeRecorder, which collects the boxes
// instead of showing them, so no test ever blocks on a modal box.

#include <vector>

#include "engine/Notice.h"

class QWidget;

namespace ferrolab {

// Shows one modal box (text, caption, icon, OK button), or records it while a recorder exists.
void ShowNotice(QWidget* parent, const Notice& notice);
void ShowNotices(QWidget* parent, const std::vector<Notice>& notices);

// While alive, every ShowNotice is recorded here instead of shown. Recorders nest: the newest
// records, and the one before takes over again when it ends.
class NoticeRecorder {
public:
    NoticeRecorder();
    ~NoticeRecorder();
    NoticeRecorder(const NoticeRecorder&) = delete;
    NoticeRecorder& operator=(const NoticeRecorder&) = delete;

    const std::vector<Notice>& notices() const { return notices_; }
    void clear() { notices_.clear(); }

private:
    friend void ShowNotice(QWidget*, const Notice&);
    std::vector<Notice> notices_;
    NoticeRecorder* previous_ = nullptr;
};

} // namespace ferrolab
