#include "PreviewWindow.h"

#include "MortgageReport.h"
#include "base/SaveAs.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

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

    cmdPrint = button(tr("&Print..."), "cmdPrint", this);
    cmdSavePdf = button(tr("&Save as PDF..."), "cmdSavePdf", this);
    chkChartPage = new QCheckBox(tr("C&hart Page"), this);
    chkChartPage->setObjectName(QStringLiteral("chkChartPage"));
    chkChartPage->setChecked(report.chartPage());
    chkChartPage->setToolTip(tr("Add a page with the chart of the balances over time"));
    chkWhatIfPage = new QCheckBox(tr("Wh&at If Page"), this);
    chkWhatIfPage->setObjectName(QStringLiteral("chkWhatIfPage"));
    chkWhatIfPage->setChecked(report.whatIfPage());
    chkWhatIfPage->setToolTip(tr("Add a page with the What If answers"));
    cmdZoomIn = button(tr("Zoom &In"), "cmdZoomIn", this);
    cmdZoomOut = button(tr("Zoom &Out"), "cmdZoomOut", this);
    cmdFitWidth = button(tr("&Fit Width"), "cmdFitWidth", this);
    cmdClose = button(tr("Close"), "cmdClose", this);
    cmdPrint->setToolTip(tr("Print the report (Ctrl+P)"));
    cmdSavePdf->setToolTip(tr("Save the report as a PDF file (Ctrl+S)"));

    pages = new QPrintPreviewWidget(&printer, this);
    pages->setObjectName(QStringLiteral("pages"));
    connect(pages, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* target) { report_.print(target); });

    auto* buttons = new QHBoxLayout;
    for (QWidget* control : std::initializer_list<QWidget*>{
             cmdPrint, cmdSavePdf, chkChartPage, chkWhatIfPage, cmdZoomIn, cmdZoomOut, cmdFitWidth})
        buttons->addWidget(control);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(pages, 1);

    connect(cmdPrint, &QPushButton::clicked, this, &PreviewWindow::print);
    connect(cmdSavePdf, &QPushButton::clicked, this, &PreviewWindow::savePdf);
    connect(chkChartPage, &QCheckBox::toggled, this, [this](bool on) {
        report_.setChartPage(on);
        pages->updatePreview();
    });
    connect(chkWhatIfPage, &QCheckBox::toggled, this, [this](bool on) {
        report_.setWhatIfPage(on);
        pages->updatePreview();
    });
    connect(cmdZoomIn, &QPushButton::clicked, pages, [this] { pages->zoomIn(); });
    connect(cmdZoomOut, &QPushButton::clicked, pages, [this] { pages->zoomOut(); });
    connect(cmdFitWidth, &QPushButton::clicked, pages, &QPrintPreviewWidget::fitToWidth);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    const auto key = [this](QKeySequence sequence, QPushButton* target) {
        connect(new QShortcut(sequence, this), &QShortcut::activated, target, &QPushButton::click);
    };
    key(QKeySequence::Print, cmdPrint);
    key(QKeySequence::Save, cmdSavePdf);
    key(QKeySequence::ZoomIn, cmdZoomIn);
    key(QKeySequence::ZoomOut, cmdZoomOut);

    // As large as is comfortable, never larger than the screen it opens on.
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() * 9 / 10 : QSize(900, 700);
    resize(QSize(900, 700).boundedTo(room));
    cmdPrint->setFocus();
}

void PreviewWindow::print() {
    QPrintDialog choose(&printer_, this);
    if (choose.exec() == QDialog::Accepted)
        pages->print();
}

void PreviewWindow::savePdf() {
    saveAs(this,
           {tr("Save as PDF"), MortgageReport::caption() + QStringLiteral(".pdf"),
            QStringLiteral(".pdf"), tr("PDF files (*.pdf)"), tr("report")},
           [this](const QString& path, int) { return report_.saveAsPdf(path); });
}

} // namespace hw
