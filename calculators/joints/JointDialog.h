#pragma once
// The pieces the joint dialogs build alike (the "规范版本" row is calculators/EditionRow.h): the
// drawing and the report box, the preset and choice lists a described field gives a
// control built by hand, and the two refills that follow a pick (the 2017 electrodes of a grade,
// the faying surfaces of an edition).

#include <span>
#include <vector>

#include "calculators/Description.h"
#include "ui/CalculatorDialog.h"

class QWidget;

namespace ferrolab {

class CBitmapPreview;

// The joint's drawing (objectName "picture") and the report box, at least this large.
CBitmapPreview* MakePicture(QWidget* parent, int width, int height);
ReportBox* MakeReportBox(QWidget* parent, int width, int height);

// The presets of a described value box, and the entries of a described fixed list.
std::vector<const char*> PresetsOf(const Description& description, const char* field);
std::vector<const char*> ChoicesOf(const Description& description, const char* field);

// Offers the grade's 2017 electrodes, keeping the one chosen where the grade offers it (else the
// first), and enables the list where the electrode counts.
void RefillElectrodes(ChoiceList* list, std::span<const char* const> electrodes, bool enabled);

// Offers the faying surfaces of `year` (its list `surfaces`), carrying the pick over:
// 喷砂(丸) and 抛丸(喷砂) stand for each other, the wire brush for itself; the 2003 painted and
// rusted surfaces and the 2017 quartz sand go to the first entry. `surfaces2017` is the 2017
// list the pick may come from.
void RefillSurfaces(ChoiceList* list, int year, std::span<const char* const> surfaces,
                    std::span<const char* const> surfaces2017);

} // namespace ferrolab
