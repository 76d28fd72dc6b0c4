#include "ui/MessageBox.h"

#include <QMessageBox>
#include <QString>

namespace ferrolab {
namespace {

NoticeRecorder* activeRecorder = nullptr;

QMessageBox::Icon ToQtIcon(NoticeIcon icon) {
    switch (icon) {
    case NoticeIcon::Error:
        return QMessageBox::Critical;
    case NoticeIcon::Warning:
        return QMessageBox::Warning;
    case NoticeIcon::Information:
        return QMessageBox::Information;
    case NoticeIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

NoticeRecorder::NoticeRecorder() : previous_(activeRecorder) {
    activeRecorder = this;
}

NoticeRecorder::~NoticeRecorder() {
    if (activeRecorder == this) {
        activeRecorder = previous_;
    }
}

void ShowNotice(QWidget* parent, const Notice& notice) {
    if (activeRecorder) {
        activeRecorder->notices_.push_back(notice);
        return;
    }
    // A box without a caption of its own carries the program's name.
    const std::string& caption = notice.caption.empty() ? kApplicationCaption : notice.caption;
    QMessageBox box(ToQtIcon(notice.icon), QString::fromStdString(caption),
                    QString::fromStdString(notice.text), QMessageBox::Ok, parent);
    box.exec();
}

void ShowNotices(QWidget* parent, const std::vector<Notice>& notices) {
    for (const Notice& notice : notices) {
        ShowNotice(parent, notice);
    }
}

} // namespace ferrolab
