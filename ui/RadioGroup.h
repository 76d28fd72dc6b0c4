#pragma once
// A set of options: radio buttons in a group box, bound to an int member holding the chosen
// button's index.

#include <QGroupBox>
#include <QString>

#include <vector>

class QButtonGroup;
class QRadioButton;

namespace ferrolab {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& title, const QString& objectName,
               const std::vector<const char*>& texts, int* member, QWidget* parent = nullptr,
               Qt::Orientation orientation = Qt::Vertical);

    QRadioButton* button(int index) const;
    // Checks the button of *member (used when the dialog opens).
    void CheckFromMember();

signals:
    void chosen(int index);

private:
    QButtonGroup* group_;
    int* member_;
};

} // namespace ferrolab
