#pragma once
// Driving the real widgets in GUI tests: typing into a combo box's edit field with key events,
// choosing a list item from the drop-down list with the mouse, pressing buttons.

#include <QAbstractButton>
#include <QComboBox>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace ferrolab::test {

// The named child, failing the test when it is missing.
template <class T> T* Child(const QWidget* parent, const QString& name) {
    T* child = parent->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << "no child " << name.toStdString();
    return child;
}

using Texts = std::vector<std::string>;

// The texts of a combo box's drop-down list, in order.
Texts Items(const QComboBox* box);

// Replaces the edit text the way a user does: select all, then type (or delete).
void Type(QComboBox* box, const QString& text);
// Opens the drop-down list and picks item `index` with the keyboard.
void Choose(QComboBox* box, int index);
// Picks the entry with this text the same way, failing the test when there is none.
void Pick(QComboBox* box, const QString& text);
// Clicks a button (push or radio).
void Click(QAbstractButton* button);

// Runs `open`, which shows a modal dialog and returns when it closes; once the dialog is up,
// hands it to `inside`, then closes it. Returns its caption, empty when no dialog came up.
QString WhileModal(const std::function<void()>& open,
                   const std::function<void(QWidget*)>& inside = {});

// Saves a picture of the widget to $FERROLAB_SCREENSHOT_DIR/<name>.png when that is set.
// Returns the path written, or an empty string.
QString SaveScreenshot(QWidget* widget, const QString& name);

} // namespace ferrolab::test
