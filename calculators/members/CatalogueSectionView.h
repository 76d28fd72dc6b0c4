#pragma once
// The dialog side of a CatalogueSectionLoad: what choosing a section name does to the
// properties box, the stored section and "计算".

#include <QPushButton>

#include "calculators/members/CatalogueSectionLoad.h"
#include "ui/CalculatorDialog.h"

namespace ferrolab {

// Shows the properties of a recognised name and keeps its values. A name the catalogue lacks
// shows its box and clears the properties; nothing may then be computed from the previous section
// either. An unrecognised name changes nothing.
template <class Values>
void ShowSectionLoad(QWidget* dialog, const CatalogueSectionLoad<Values>& load,
                     ReportBox* properties, Values& section, QPushButton* compute) {
    compute->setEnabled(true);
    if (!load.recognised) {
        return;
    }
    ShowNotices(dialog, load.notices);
    properties->SetReport(load.text);
    section = load.values;
    if (!load.found) {
        compute->setEnabled(false);
    }
}

} // namespace ferrolab
