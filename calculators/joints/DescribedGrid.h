#pragma once
// A grid of labelled inputs built from a calculator's description: each row takes its label,
// unit, preset list (value boxes) or allowed values (lists) and its control name from the field,
// so that the dialog shows exactly what the runner describes.

#include <QGridLayout>
#include <QWidget>

#include <string>
#include <vector>

#include "calculators/Description.h"
#include "ui/CalculatorDialog.h"

namespace ferrolab {

class DescribedGrid {
public:
    DescribedGrid(const Description& description, QWidget* parent)
        : description_(description), parent_(parent), grid_(new QGridLayout(parent)) {}

    // A value box on the next row, bound to member.
    ValueCombo* Box(const char* field, double* member) {
        const FieldSpec& described = description_.Field(field);
        auto* box = new ValueCombo(QString::fromStdString(described.control),
                                   Items(described.presets), member, parent_);
        AddRow(described, box);
        return box;
    }

    // A pick-only list on the next row, bound to member; items default to the allowed values.
    ChoiceList* List(const char* field, int* member) {
        const FieldSpec& described = description_.Field(field);
        return List(field, member, described.allowed);
    }
    ChoiceList* List(const char* field, int* member, const std::vector<std::string>& items) {
        const FieldSpec& described = description_.Field(field);
        auto* list = new ChoiceList(QString::fromStdString(described.control), Items(items), member,
                                    parent_);
        AddRow(described, list);
        return list;
    }

    QGridLayout* grid() const { return grid_; }

private:
    void AddRow(const FieldSpec& described, QWidget* control) {
        const std::string label = described.label + ":";
        AddGridRow(grid_, row_++, label.c_str(), control,
                   described.unit.empty() ? nullptr : described.unit.c_str());
    }

    const Description& description_;
    QWidget* parent_;
    QGridLayout* grid_;
    int row_ = 0;
};

} // namespace ferrolab
