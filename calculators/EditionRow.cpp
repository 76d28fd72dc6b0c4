#include "calculators/EditionRow.h"

#include <QHBoxLayout>
#include <QLabel>

#include "calculators/Description.h"
#include "calculators/Edition.h"
#include "ui/CalculatorDialog.h"
#include "ui/EditionList.h"

namespace ferrolab {

EditionList* MakeEditionList(const FieldSpec& edition, int* member, QWidget* parent) {
    const bool seismic = edition.allowed.front() == std::to_string(kSeismic2001);
    return new EditionList(
        QString::fromLatin1(seismic ? kSeismicEditionSetting : kSteelEditionSetting),
        Items(edition.entries), edition.allowed, member, parent);
}

QHBoxLayout* MakeEditionRow(EditionList* list, QWidget* parent, bool fill) {
    auto* row = new QHBoxLayout;
    row->addWidget(MakeLabel("规范版本:", parent));
    row->addWidget(list, fill ? 1 : 0);
    if (!fill) {
        row->addStretch(1);
    }
    return row;
}

} // namespace ferrolab
