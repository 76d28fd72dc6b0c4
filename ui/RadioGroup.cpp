#include "ui/RadioGroup.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QRadioButton>

namespace ferrolab {

RadioGroup::RadioGroup(const QString& title, const QString& objectName,
                       const std::vector<const char*>& texts, int* member, QWidget* parent,
                       Qt::Orientation orientation)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)), member_(member) {
    setObjectName(objectName);
    auto* layout = new QBoxLayout(
        orientation == Qt::Vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, this);
    int id = 0;
    for (const char* text : texts) {
        auto* button = new QRadioButton(QString::fromUtf8(text), this);
        button->setObjectName(QStringLiteral("%1_%2").arg(objectName).arg(id));
        group_->addButton(button, id++);
        layout->addWidget(button);
    }
    CheckFromMember();
    connect(group_, &QButtonGroup::idClicked, this, [this](int index) {
        *member_ = index;
        emit chosen(index);
    });
}

QRadioButton* RadioGroup::button(int index) const {
    return qobject_cast<QRadioButton*>(group_->button(index));
}

void RadioGroup::CheckFromMember() {
    if (QAbstractButton* button = group_->button(*member_)) {
        button->setChecked(true);
    }
}

} // namespace ferrolab
