#pragma once
// "关于 Ferrolab": icon, version, and a button that opens the maker's web site.

#include <QDialog>

namespace ferrolab {

class CAboutBoxDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutBoxDlg(QWidget* parent = nullptr);

private:
    void OnWebButton();
};

} // namespace ferrolab
