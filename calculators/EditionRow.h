#pragma once
// The "规范版本" list of a calculator dialog, made from the calculator's edition field, and the row
// it usually stands in at the top of the dialog.

#include <QString>

class QHBoxLayout;
class QWidget;

namespace ferrolab {

class EditionList;
struct FieldSpec;

// The list of the field's editions as the dialog shows them ("GB50017-2003", ...). It opens on the
// edition last chosen in any dialog of the same code (GB50017, or GB50011 for the seismic
// coefficient); *member holds the chosen index.
EditionList* MakeEditionList(const FieldSpec& edition, int* member, QWidget* parent);

// "规范版本:" with the list on its right; the list takes the rest of the row when `fill`, else it
// keeps its own width and the row ends in a stretch.
QHBoxLayout* MakeEditionRow(EditionList* list, QWidget* parent, bool fill = false);

} // namespace ferrolab
