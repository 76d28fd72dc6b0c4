#pragma once
// The plate inputs of a welded I section: the value boxes of the flange widths and thicknesses,
// the web height (the clear height, and where a dialog offers it the overall height beside it)
// and the web thickness, with their labels, laid into the rows of the dialog's grid. The group
// holds the plate values its boxes are bound to.
//
// Each dialog keeps its own event rules: which flange follows which, how the heights follow the
// thicknesses, what is enabled when. The group builds the rows and offers the one step those
// rules share, the copy of a flange's width or thickness into its twin.

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QGridLayout;
class QRadioButton;
class QWidget;

namespace ferrolab {

class ValueCombo;

// The plates a row may hold.
enum class Plate { B1, T1, Hw, H, Tw, B2, T2 };

// The plate values (mm), as the boxes store them.
struct PlateValues {
    double b1 = 0, t1 = 0, hw = 0, h = 0, tw = 0, b2 = 0, t2 = 0;
};

// The plates of an I section of two flanges and a web into a calculation unit's input that
// names them b1, t1, hw, tw, b2, t2.
template <class Input> void CopyPlates(const PlateValues& plates, Input& in) {
    in.b1 = plates.b1;
    in.t1 = plates.t1;
    in.hw = plates.hw;
    in.tw = plates.tw;
    in.b2 = plates.b2;
    in.t2 = plates.t2;
}

// One row of the group.
struct PlateRow {
    Plate plate;
    std::string label;                // the label's text (the radio button's, see Heights)
    std::vector<const char*> presets; // the box's list, in order
    // The box's objectName; none: the plate's own ("b1", "t1", "hw", "h", "tw", "b2", "t2").
    const char* objectName = nullptr;
};

class WeldedIPlates : public QObject {
public:
    // Labelled: every row has a label. Radios: the Hw and H rows have a radio button each in place
    // of the label ("heightModeHw", "heightModeH", one exclusive pair) that says which of the two
    // heights is entered.
    enum class Heights { Labelled, Radios };

    // Builds the rows into the grid's widget: first the boxes, in row order, then the radio
    // buttons, then the labels, so that the tab order runs down the boxes. Row i goes into grid
    // row i: its label (or radio button) in column 0, its box in column 1.
    WeldedIPlates(QGridLayout* grid, const std::vector<PlateRow>& rows,
                  Heights heights = Heights::Labelled);

    const PlateValues& Values() const { return values_; }
    // The box of a plate; null when no row holds it.
    ValueCombo* Box(Plate plate) const;
    // The boxes, in row order.
    const std::vector<ValueCombo*>& Boxes() const { return boxes_; }
    // Every row's label (or radio button) and box, row by row.
    std::vector<QWidget*> Widgets() const;
    // The height radio buttons (Heights::Radios only, null otherwise).
    QRadioButton* HwMode() const { return hwMode_; }
    QRadioButton* HMode() const { return hMode_; }

    // Opening: every box on its first preset, except the overall height H, whose value follows
    // from the others in the dialog's own way.
    void SelectFirst();

    // Copies a flange's width or thickness into its twin, as the user left it: typed, the box's
    // current text; chosen, the chosen item's text (the edit field still shows the previous text
    // at that moment).
    static void Mirror(ValueCombo* from, ValueCombo* to, bool chosen);
    void Mirror(Plate from, Plate to, bool chosen) { Mirror(Box(from), Box(to), chosen); }
    // Every edit of `from`, typed or chosen, is mirrored into `to`; then `after` runs, if given.
    void MirrorEdits(Plate from, Plate to, std::function<void()> after = {});

private:
    PlateValues values_;
    std::vector<Plate> plates_;
    std::vector<ValueCombo*> boxes_;
    std::vector<QWidget*> labels_; // the label or radio button of each row
    QRadioButton* hwMode_ = nullptr;
    QRadioButton* hMode_ = nullptr;
};

} // namespace ferrolab
