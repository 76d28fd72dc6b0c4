#include "ui/CalculatorDialog.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ferrolab {

QPushButton* MakeComputeButton(QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("计算"), parent);
    button->setObjectName(QStringLiteral("computeButton"));
    button->setAutoDefault(false);
    return button;
}

QPushButton* MakeCancelButton(QDialog* dialog) {
    auto* button = new QPushButton(QStringLiteral("取消"), dialog);
    button->setObjectName(QStringLiteral("cancelButton"));
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::reject);
    return button;
}

QHBoxLayout* MakeButtonRow(QPushButton* compute, QPushButton* cancel) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(compute);
    buttons->addWidget(cancel);
    return buttons;
}

QLabel* MakeLabel(const char* text, QWidget* parent, const char* objectName) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    if (objectName != nullptr) {
        label->setObjectName(QString::fromLatin1(objectName));
    }
    return label;
}

QLineEdit* MakeResultBox(const char* objectName, QWidget* parent, int maxWidth) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setReadOnly(true);
    if (maxWidth > 0) {
        box->setMaximumWidth(maxWidth);
    }
    return box;
}

void AddGridRow(QGridLayout* grid, int row, const char* label, QWidget* field, const char* unit) {
    QWidget* parent =
        grid->parentWidget() != nullptr ? grid->parentWidget() : field->parentWidget();
    grid->addWidget(MakeLabel(label, parent), row, 0);
    grid->addWidget(field, row, 1);
    if (unit != nullptr) {
        grid->addWidget(MakeLabel(unit, parent), row, 2);
    }
}

std::vector<const char*> Items(std::span<const char* const> names) {
    return {names.begin(), names.end()};
}

std::vector<const char*> Items(const std::vector<std::string>& texts) {
    std::vector<const char*> items;
    for (const std::string& text : texts) {
        items.push_back(text.c_str());
    }
    return items;
}

} // namespace ferrolab
