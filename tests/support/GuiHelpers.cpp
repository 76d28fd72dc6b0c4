#include "tests/support/GuiHelpers.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <QTimer>

namespace ferrolab::test {

Texts Items(const QComboBox* box) {
    Texts items;
    for (int i = 0; i < box->count(); ++i) {
        items.push_back(box->itemText(i).toStdString());
    }
    return items;
}

void Type(QComboBox* box, const QString& text) {
    ASSERT_TRUE(box->isEditable());
    QLineEdit* edit = box->lineEdit();
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    } else {
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(edit, c.toLatin1());
            } else {
                // Characters beyond ASCII arrive through the input method, as from a Chinese IME.
                QInputMethodEvent commit;
                commit.setCommitString(QString(c));
                QApplication::sendEvent(edit, &commit);
            }
        }
    }
}

void Choose(QComboBox* box, int index) {
    ASSERT_GE(index, 0);
    ASSERT_LT(index, box->count());
    box->showPopup();
    QAbstractItemView* view = box->view();
    const QModelIndex item = view->model()->index(index, box->modelColumn(), view->rootIndex());
    // Keyboard choice in the open list: a mouse release right after the list opens is taken
    // for the end of the opening click, so the keyboard is the dependable way in.
    view->setCurrentIndex(item);
    QTest::keyClick(view, Qt::Key_Return);
    if (view->isVisible()) {
        box->hidePopup();
    }
}

void Pick(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    Choose(box, index);
}

void Click(QAbstractButton* button) {
    ASSERT_TRUE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

QString WhileModal(const std::function<void()>& open, const std::function<void(QWidget*)>& inside) {
    QString caption;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            caption = modal->windowTitle();
            if (inside) {
                inside(modal);
            }
            modal->close();
        }
    });
    open();
    return caption;
}

QString SaveScreenshot(QWidget* widget, const QString& name) {
    const QByteArray dir = qgetenv("FERROLAB_SCREENSHOT_DIR");
    if (dir.isEmpty()) {
        return {};
    }
    QDir().mkpath(QString::fromLocal8Bit(dir));
    const QString path = QDir(QString::fromLocal8Bit(dir)).filePath(name + ".png");
    widget->grab().save(path);
    return path;
}

} // namespace ferrolab::test
