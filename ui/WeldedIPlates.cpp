#include "ui/WeldedIPlates.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

#include "ui/CalculatorDialog.h"

namespace ferrolab {
namespace {

// Each plate's own objectName and value, in the order of the enum.
struct PlateSlot {
    const char* name;
    double PlateValues::*value;
};
constexpr PlateSlot kSlots[] = {
    {"b1", &PlateValues::b1}, {"t1", &PlateValues::t1}, {"hw", &PlateValues::hw},
    {"h", &PlateValues::h},   {"tw", &PlateValues::tw}, {"b2", &PlateValues::b2},
    {"t2", &PlateValues::t2},
};

const PlateSlot& SlotOf(Plate plate) {
    return kSlots[static_cast<int>(plate)];
}

} // namespace

WeldedIPlates::WeldedIPlates(QGridLayout* grid, const std::vector<PlateRow>& rows, Heights heights)
    : QObject(grid->parentWidget()) {
    QWidget* parent = grid->parentWidget();
    for (const PlateRow& row : rows) {
        const PlateSlot& slot = SlotOf(row.plate);
        const char* name = row.objectName != nullptr ? row.objectName : slot.name;
        plates_.push_back(row.plate);
        boxes_.push_back(
            new ValueCombo(QString::fromLatin1(name), row.presets, &(values_.*slot.value), parent));
    }
    // The height rows' radio buttons, one exclusive pair: id 0 the clear web height, id 1 the
    // overall height.
    std::vector<QWidget*> radios(rows.size(), nullptr);
    if (heights == Heights::Radios) {
        auto* modes = new QButtonGroup(this);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Plate plate = rows[i].plate;
            if (plate != Plate::Hw && plate != Plate::H) {
                continue;
            }
            auto* radio = new QRadioButton(QString::fromStdString(rows[i].label), parent);
            const bool hw = plate == Plate::Hw;
            radio->setObjectName(hw ? QStringLiteral("heightModeHw")
                                    : QStringLiteral("heightModeH"));
            modes->addButton(radio, hw ? 0 : 1);
            (hw ? hwMode_ : hMode_) = radio;
            radios[i] = radio;
        }
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        QWidget* label =
            radios[i] != nullptr ? radios[i] : MakeLabel(rows[i].label.c_str(), parent);
        labels_.push_back(label);
        grid->addWidget(label, static_cast<int>(i), 0);
        grid->addWidget(boxes_[i], static_cast<int>(i), 1);
    }
}

ValueCombo* WeldedIPlates::Box(Plate plate) const {
    for (std::size_t i = 0; i < plates_.size(); ++i) {
        if (plates_[i] == plate) {
            return boxes_[i];
        }
    }
    return nullptr;
}

std::vector<QWidget*> WeldedIPlates::Widgets() const {
    std::vector<QWidget*> widgets;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        widgets.push_back(labels_[i]);
        widgets.push_back(boxes_[i]);
    }
    return widgets;
}

void WeldedIPlates::SelectFirst() {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        if (plates_[i] != Plate::H) {
            boxes_[i]->SelectFirst();
        }
    }
}

void WeldedIPlates::Mirror(ValueCombo* from, ValueCombo* to, bool chosen) {
    to->SetValueText(chosen ? from->itemText(from->currentIndex()) : from->currentText());
}

void WeldedIPlates::MirrorEdits(Plate from, Plate to, std::function<void()> after) {
    ValueCombo* source = Box(from);
    ValueCombo* twin = Box(to);
    connect(source, &ValueCombo::typed, this, [source, twin, after] {
        Mirror(source, twin, false);
        if (after) {
            after();
        }
    });
    connect(source, &ValueCombo::chosen, this, [source, twin, after] {
        Mirror(source, twin, true);
        if (after) {
            after();
        }
    });
}

} // namespace ferrolab
