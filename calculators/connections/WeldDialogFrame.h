#pragma once
// The frame both fillet-weld dialogs are laid out in: their inputs on the left with the drawing
// of the joint beside them, the buttons below, the report across the bottom.

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"

namespace ferrolab {

struct WeldDialogFrame {
    CBitmapPreview* picture = nullptr;
    QPushButton* compute = nullptr;
    ReportBox* report = nullptr;
};

// Builds the frame around the input column `left` (which it closes with a stretch).
inline WeldDialogFrame LayOutWeldDialog(QDialog* dialog, QVBoxLayout* left, int reportHeight) {
    WeldDialogFrame frame;
    frame.picture = new CBitmapPreview(dialog);
    frame.picture->setObjectName(QStringLiteral("picture"));
    frame.picture->setMinimumSize(300, 300);

    frame.compute = MakeComputeButton(dialog);
    QHBoxLayout* buttons = MakeButtonRow(frame.compute, MakeCancelButton(dialog));

    left->addStretch(1);
    auto* upper = new QHBoxLayout;
    upper->addLayout(left);
    upper->addWidget(frame.picture, 1);

    frame.report = new ReportBox(dialog);
    frame.report->setMinimumSize(640, reportHeight);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(upper);
    layout->addLayout(buttons);
    layout->addWidget(frame.report);
    return frame;
}

} // namespace ferrolab
