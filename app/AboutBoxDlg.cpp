#include "app/AboutBoxDlg.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "app/Branding.h"
#include "app/Shell.h"

namespace ferrolab {

CAboutBoxDlg::CAboutBoxDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QStringLiteral("关于 Ferrolab"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    icon->setPixmap(ProgramIcon().pixmap(48, 48));

    auto* version = new QLabel(QString::fromUtf8(kAboutVersion), this);
    version->setObjectName(QStringLiteral("aboutVersion"));

    auto* group = new QGroupBox(QStringLiteral("欢迎到以下网站下载最新版本"), this);
    group->setObjectName(QStringLiteral("aboutWebGroup"));
    auto* web = new QPushButton(QString::fromUtf8(kWebAddress), group);
    web->setObjectName(QStringLiteral("aboutWebButton"));
    web->setAutoDefault(false);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(web);
    connect(web, &QPushButton::clicked, this, &CAboutBoxDlg::OnWebButton);

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("aboutOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(version, 1);
    top->addWidget(ok, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(group);
}

void CAboutBoxDlg::OnWebButton() {
    OpenWithDesktop(QUrl(QString::fromUtf8(kWebAddress)));
}

} // namespace ferrolab
