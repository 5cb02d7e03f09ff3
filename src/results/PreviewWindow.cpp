// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreviewWindow.h"

#include "MortgageReport.h"
#include "base/SaveAs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeySequence>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace hw {

namespace {
QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    auto* push = new QPushButton(caption, parent);
    push->setObjectName(QLatin1String(name));
    push->setAutoDefault(false);
    return push;
}
} // namespace

PreviewWindow::PreviewWindow(MortgageReport& report, QPrinter& printer, QWidget* owner)
    : QDialog(owner), report_(report), printer_(printer) {
    setObjectName(QStringLiteral("MortgageReportPreview"));
    setWindowTitle(MortgageReport::caption());

    printButton_ = button(tr("&Print..."), "cmdPrint", this);
    savePdfButton_ = button(tr("&Save as PDF..."), "cmdSavePdf", this);
    chartPageBox_ = new QCheckBox(tr("C&hart Page"), this);
    chartPageBox_->setObjectName(QStringLiteral("chkChartPage"));
    chartPageBox_->setChecked(report.chartPage());
    chartPageBox_->setToolTip(tr("Add a page with the chart of the balances over time"));
    whatIfPageBox_ = new QCheckBox(tr("Wh&at If Page"), this);
    whatIfPageBox_->setObjectName(QStringLiteral("chkWhatIfPage"));
    whatIfPageBox_->setChecked(report.whatIfPage());
    whatIfPageBox_->setToolTip(tr("Add a page with the What If answers"));
    lenderPageBox_ = new QCheckBox(tr("&Lender Checks Page"), this);
    lenderPageBox_->setObjectName(QStringLiteral("chkLenderPage"));
    lenderPageBox_->setChecked(report.lenderChecksPage());
    lenderPageBox_->setToolTip(tr("Add a page with each type's lender checks"));
    // A case with no lender country has no checks to print.
    lenderPageBox_->setEnabled(report.hasLenderChecks());
    zoomInButton_ = button(tr("Zoom &In"), "cmdZoomIn", this);
    zoomOutButton_ = button(tr("Zoom &Out"), "cmdZoomOut", this);
    fitWidthButton_ = button(tr("&Fit Width"), "cmdFitWidth", this);
    closeButton_ = button(tr("Close"), "cmdClose", this);
    printButton_->setToolTip(tr("Print the report (Ctrl+P)"));
    savePdfButton_->setToolTip(tr("Save the report as a PDF file (Ctrl+S)"));

    pages_ = new QPrintPreviewWidget(&printer, this);
    pages_->setObjectName(QStringLiteral("pages"));
    // The page as wide as the window, where its text reads, rather than whole and small.
    pages_->setZoomMode(QPrintPreviewWidget::FitToWidth);
    connect(pages_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* target) { report_.print(target); });

    // The controls in one row, or in as few rows as the screen's width (and
    // the language's words) allow.
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() * 9 / 10 : QSize(900, 700);
    QWidget* const controls[] = {printButton_,   savePdfButton_, chartPageBox_,  whatIfPageBox_,
                                 lenderPageBox_, zoomInButton_,  zoomOutButton_, fitWidthButton_};
    const int count = static_cast<int>(std::size(controls));
    const int spacing =
        style()->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, Qt::Horizontal);
    // The width of the grid with `perRow` controls a row: each column as wide
    // as its widest control, and Close after the last.
    const auto widestRow = [&](int perRow) {
        int width = closeButton_->sizeHint().width() + 2 * spacing;
        for (int column = 0; column < perRow; ++column) {
            int widest = 0;
            for (int i = column; i < count; i += perRow)
                widest = std::max(widest, controls[i]->sizeHint().width());
            width += widest + spacing;
        }
        return width;
    };
    int perRow = count;
    while (perRow > 1 && widestRow(perRow) > room.width())
        --perRow;
    auto* buttons = new QGridLayout;
    for (int i = 0; i < static_cast<int>(std::size(controls)); ++i)
        buttons->addWidget(controls[i], i / perRow, i % perRow);
    buttons->setColumnStretch(perRow, 1);
    buttons->addWidget(closeButton_, buttons->rowCount() - 1, perRow + 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(pages_, 1);

    connect(printButton_, &QPushButton::clicked, this, &PreviewWindow::print);
    connect(savePdfButton_, &QPushButton::clicked, this, &PreviewWindow::savePdf);
    connect(chartPageBox_, &QCheckBox::toggled, this, [this](bool on) {
        report_.setChartPage(on);
        pages_->updatePreview();
    });
    connect(whatIfPageBox_, &QCheckBox::toggled, this, [this](bool on) {
        report_.setWhatIfPage(on);
        pages_->updatePreview();
    });
    connect(lenderPageBox_, &QCheckBox::toggled, this, [this](bool on) {
        report_.setLenderChecksPage(on);
        pages_->updatePreview();
    });
    connect(zoomInButton_, &QPushButton::clicked, pages_, [this] { pages_->zoomIn(); });
    connect(zoomOutButton_, &QPushButton::clicked, pages_, [this] { pages_->zoomOut(); });
    connect(fitWidthButton_, &QPushButton::clicked, pages_, &QPrintPreviewWidget::fitToWidth);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
    const auto key = [this](QKeySequence sequence, QPushButton* target) {
        connect(new QShortcut(sequence, this), &QShortcut::activated, target, &QPushButton::click);
    };
    key(QKeySequence::Print, printButton_);
    key(QKeySequence::Save, savePdfButton_);
    key(QKeySequence::ZoomIn, zoomInButton_);
    key(QKeySequence::ZoomOut, zoomOutButton_);

    // As large as is comfortable, never larger than the screen it opens on.
    resize(QSize(900, 700).boundedTo(room));
    printButton_->setFocus();
}

void PreviewWindow::print() {
    QPrintDialog choose(&printer_, this);
    if (choose.exec() == QDialog::Accepted)
        pages_->print();
}

void PreviewWindow::savePdf() {
    saveAs(this,
           {tr("Save as PDF"), MortgageReport::caption() + QStringLiteral(".pdf"),
            QStringLiteral(".pdf"), tr("PDF files (*.pdf)"), tr("The report was saved as %1."),
            tr("The report could not be saved as %1: %2")},
           [this](const QString& path, int) { return report_.saveAsPdf(path); });
}

} // namespace hw
