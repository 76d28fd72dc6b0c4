#pragma once
// "梁拼接": bolted splice of a welded I or rolled H beam, flanges by cover plates and the web by
// two plates, with friction-type high-strength bolts; by design forces or by equal strength.

#include <QDialog>

#include <map>
#include <string>

#include "calculators/joints/BeamSplice.h"

namespace ferrolab {

class ValueCombo;
class ChoiceList;
class EditionList;
class ReportBox;
class CBitmapPreview;

class CBeamSpliceDlg : public QDialog {
    Q_OBJECT
public:
    explicit CBeamSpliceDlg(QWidget* parent = nullptr);

    // What "计算" works from.
    BeamSpliceInput Input() const;

    void OnCompute();

private:
    void BuildControls();
    void OnInitDialog();
    void UpdateEnabling();
    // The edition's faying surfaces, the pick kept where both editions have it.
    void OnEditionChosen();

    // The value of each box and the chosen index of each list, by field name (the map's nodes
    // stay where they are, so the controls keep their members).
    std::map<std::string, double> values_;
    std::map<std::string, int> chosen_;
    std::map<std::string, ChoiceList*> lists_;
    std::map<std::string, ValueCombo*> boxes_;
    int editionIndex_ = 0;
    int filledEdition_ = kSteel2003; // the edition the surface list shows
    EditionList* editionList_ = nullptr;
    CBitmapPreview* picture_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
