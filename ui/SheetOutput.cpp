#include "ui/SheetOutput.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>

#include <optional>

namespace ferrolab {
namespace {

std::optional<KeepSeams>& ActiveSeams() {
    static std::optional<KeepSeams> seams;
    return seams;
}

const QString kLineEnd = QStringLiteral("\r\n");

// Lays the sheet out on pages of the device: the body in the page's paint rectangle less a
// footer line with the page number.
bool RenderSheet(QPagedPaintDevice* device, const ReportSheet& sheet, const QFont& baseFont) {
    QPainter painter;
    if (!painter.begin(device)) {
        return false;
    }
    QFont font = baseFont;
    font.setPointSizeF(10.5);
    QTextDocument document;
    document.documentLayout()->setPaintDevice(device);
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(option);
    QString text = SheetText(sheet);
    text.replace(kLineEnd, QStringLiteral("\n"));
    document.setPlainText(text);
    // The caption stands out as the sheet's title.
    QTextCursor title(&document);
    title.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat titleFormat;
    titleFormat.setFontWeight(QFont::Bold);
    titleFormat.setFontPointSize(14);
    title.mergeCharFormat(titleFormat);

    const QRectF page(0, 0, device->width(), device->height());
    const qreal footer = QFontMetricsF(font, device).height() * 2;
    const QSizeF body(page.width(), page.height() - footer);
    document.setPageSize(body);
    const int pages = document.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !device->newPage()) {
            return false;
        }
        painter.save();
        painter.translate(0, -i * body.height());
        document.drawContents(&painter, QRectF(QPointF(0, i * body.height()), body));
        painter.restore();
        painter.setFont(font);
        painter.drawText(QRectF(0, body.height(), page.width(), footer), Qt::AlignCenter,
                         QStringLiteral("第 %1 页 / 共 %2 页").arg(i + 1).arg(pages));
    }
    return painter.end();
}

QString& LastDirectory() {
    static QString directory = QDir::homePath();
    return directory;
}

} // namespace

QDate SheetDate() {
    if (ActiveSeams() && ActiveSeams()->today) {
        return ActiveSeams()->today();
    }
    return QDate::currentDate();
}

bool IsPdfName(const QString& path) {
    return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
}

bool SaveSheet(const QString& path, const ReportSheet& sheet, const QFont& font) {
    // QSaveFile writes to a temporary file in the target's folder and renames it over the
    // target on commit; without a commit the temporary file is removed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (IsPdfName(path)) {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(sheet.caption);
        writer.setCreator(QStringLiteral("Ferrolab"));
        if (!RenderSheet(&writer, sheet, font)) {
            file.cancelWriting();
            return false;
        }
    } else {
        const QByteArray bytes = SheetText(sheet).toUtf8();
        if (file.write(bytes) != bytes.size()) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}

bool PrintSheet(QPrinter* printer, const ReportSheet& sheet, const QFont& font) {
    return RenderSheet(printer, sheet, font);
}

QString ChooseSheetFile(QWidget* parent, const QString& suggested) {
    if (ActiveSeams() && ActiveSeams()->chooseFile) {
        return ActiveSeams()->chooseFile(parent, suggested);
    }
    const QString textFilter = QStringLiteral("文本文件 (*.txt)");
    const QString pdfFilter = QStringLiteral("PDF 文件 (*.pdf)");
    QString filter = textFilter;
    QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("保存计算书"), QDir(LastDirectory()).filePath(suggested),
        textFilter + QStringLiteral(";;") + pdfFilter, &filter);
    if (path.isEmpty()) {
        return {};
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += filter == pdfFilter ? QStringLiteral(".pdf") : QStringLiteral(".txt");
    }
    LastDirectory() = QFileInfo(path).absolutePath();
    return path;
}

bool ConfirmPrint(QWidget* parent, QPrinter* printer) {
    if (ActiveSeams() && ActiveSeams()->confirmPrint) {
        return ActiveSeams()->confirmPrint(parent, printer);
    }
    QPrintDialog dialog(printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印计算书"));
    return dialog.exec() == QDialog::Accepted;
}

KeepSeamsOverride::KeepSeamsOverride(KeepSeams seams) {
    ActiveSeams() = std::move(seams);
}

KeepSeamsOverride::~KeepSeamsOverride() {
    ActiveSeams().reset();
}

} // namespace ferrolab
