#pragma once
// The main window's client area. It draws nothing; it carries the handler of the built-up
// section calculator.

#include <QWidget>

#include "app/CommandTarget.h"

namespace ferrolab {

class CTrabekView : public QWidget, public CommandTarget {
    Q_OBJECT
public:
    explicit CTrabekView(QWidget* parent = nullptr);

    bool HasHandler(int command) const override;
    bool OnCommand(int command) override;

    void OnBuiltUpSection();
};

} // namespace ferrolab
