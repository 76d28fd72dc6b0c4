#include "app/TrabekView.h"

#include "app/Commands.h"
#include "calculators/properties/BuiltUpSectionDlg.h"

namespace ferrolab {

CTrabekView::CTrabekView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("view"));
}

bool CTrabekView::HasHandler(int command) const {
    return command == cmd::kBuiltUpSection;
}

bool CTrabekView::OnCommand(int command) {
    if (command != cmd::kBuiltUpSection) {
        return false;
    }
    OnBuiltUpSection();
    return true;
}

void CTrabekView::OnBuiltUpSection() {
    CBuiltUpSectionDlg dlg(this);
    dlg.exec();
}

} // namespace ferrolab
