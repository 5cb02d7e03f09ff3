// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompareWindow.h"

#include "MortgageReport.h"
#include "ReadingTable.h"
#include "base/Message.h"
#include "base/SaveAs.h"
#include "base/ScreenRoom.h"
#include "calc/CaseFile.h"
#include "calc/CaseResults.h"
#include "calc/LenderTexts.h"
#include "calc/OptionTexts.h"
#include "look/Skin.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

namespace hw {

namespace {

// The rows of the table: four for the case, then four for each type.
constexpr int CaseRows = 5;
constexpr int RowsPerType = 4;
enum TypeRow { FirstRow, PaidRow, InterestRow, VerdictRow };

std::optional<double> figureOf(const OptionFigures& figures, int row) {
    switch (row) {
    case FirstRow:
        return figures.first;
    case PaidRow:
        return figures.totalPaid;
    case InterestRow:
        return figures.interest;
    default:
        return std::nullopt;
    }
}

} // namespace

CompareWindow::CompareWindow(QWidget* parent, const Regional& regional, const Offer& thisCase,
                             const QString& folder)
    : QDialog(parent), regional_(regional), folder_(folder) {
    setObjectName(QStringLiteral("CompareWindow"));
    setWindowTitle(tr("Compare Cases"));
    Skin::applyToWindow(this, Skin::Storage::Third);
    offers_.push_back(thisCase);

    offersTable_ = readingTable(0, {}, this);
    offersTable_->setObjectName(QStringLiteral("grdCompare"));
    offersTable_->setAccessibleName(tr("The offers side by side"));
    auto* legend = new QLabel(tr("In bold: the lowest figure of its row among the offers that "
                                 "are affordable."),
                              this);
    legend->setWordWrap(true);
    addButton_ = new QPushButton(tr("&Add Saved Cases..."), this);
    addButton_->setObjectName(QStringLiteral("addButton"));
    pdfButton_ = new QPushButton(tr("Save as P&DF..."), this);
    pdfButton_->setObjectName(QStringLiteral("pdfButton"));
    printButton_ = new QPushButton(tr("&Print..."), this);
    closeButton_ = new QPushButton(tr("Close"), this);
    for (QPushButton* push : {addButton_, pdfButton_, printButton_, closeButton_})
        Skin::applyTo(push, Skin::Element::Button);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(addButton_, &QPushButton::clicked, this, [this] {
        addCases(QFileDialog::getOpenFileNames(this, tr("Add Saved Cases"), folder_,
                                               tr("Hearthwise cases (*.hearthwise)")));
    });
    connect(pdfButton_, &QPushButton::clicked, this, [this] {
        saveAs(this,
               {tr("Save as PDF"), tr("comparison.pdf"), QStringLiteral(".pdf"),
                tr("PDF files (*.pdf)"), tr("The comparison was saved as %1."),
                tr("The comparison could not be saved as %1: %2")},
               [this](const QString& path, int) { return saveAsPdf(path); });
    });
    connect(printButton_, &QPushButton::clicked, this, [this] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(reportPaper(regional_.locale())));
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        QTextDocument document;
        document.setHtml(html());
        if (!printLikeTheReport(document, printer, regional_.locale()))
            ShowMessage(tr("The comparison could not be printed: the printer did not start."),
                        MsgOkOnly);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton_);
    buttons->addWidget(pdfButton_);
    buttons->addWidget(printButton_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(offersTable_, 1);
    layout->addWidget(legend);
    layout->addLayout(buttons);
    showOffers();
    resize(withinScreen(this, QSize(900, 640)));
}

void CompareWindow::addCases(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    for (const QString& path : paths) {
        if (static_cast<int>(offers_.size()) > MostSavedCases) {
            ShowMessage(
                tr("Up to %1 saved cases can be compared with this one.").arg(MostSavedCases),
                MsgOkOnly);
            break;
        }
        const auto read = readCaseFileAt(path, regional_.currencyDecimals(), regional_);
        if (const auto* error = std::get_if<CaseFileError>(&read)) {
            ShowMessage(caseFileRefusal(path, *error), MsgOkOnly);
            continue;
        }
        // A case the pages would stop short of its results is "not whole" in the table.
        const MortgageCase& value = std::get<CaseFileContent>(read).value;
        const CaseResults worked = workOutCase(value, regional_);
        offers_.push_back({QFileInfo(path).completeBaseName(), worked.optionsInput,
                           worked.options.value_or(OptionsResult()), worked.options.has_value(),
                           lenderTallyOf(value, worked.figures, regional_)});
    }
    showOffers();
}

void CompareWindow::showOffers() {
    const int columns = static_cast<int>(offers_.size()) + 1;
    offersTable_->clear();
    offersTable_->setColumnCount(columns);
    offersTable_->setRowCount(CaseRows + RowsPerType * MortgageTypeCount);
    QStringList heads{QString()};
    for (const Offer& offer : offers_)
        heads << offer.name;
    offersTable_->setHorizontalHeaderLabels(heads);
    // A long case name is cut in its middle, where names differ least ("Bank A
    // 2026 offer" and "Bank B 2026 offer"), and is whole in its tooltip.
    for (int column = 1; column < columns; ++column) {
        QTableWidgetItem* head = offersTable_->horizontalHeaderItem(column);
        head->setToolTip(head->text());
        head->setData(Qt::AccessibleTextRole, head->text());
    }
    const auto set = [this](int row, int column, const QString& text, bool figure = true) {
        auto* item = new QTableWidgetItem(text);
        item->setTextAlignment((figure ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignLeft) |
                               Qt::AlignVCenter);
        offersTable_->setItem(row, column, item);
        return item;
    };
    const QString caseHeads[CaseRows] = {tr("Amount borrowed"), tr("Interest rate"),
                                         tr("Term in years"), tr("Monthly spare income"),
                                         tr("Lender checks")};
    for (int row = 0; row < CaseRows; ++row)
        set(row, 0, caseHeads[row], false);
    for (int k = 0; k < MortgageTypeCount; ++k) {
        const int top = CaseRows + RowsPerType * k;
        const QString type = mortgageTypeName(k);
        set(top + FirstRow, 0, tr("%1: first repayment").arg(type), false);
        set(top + PaidRow, 0, tr("%1: total paid").arg(type), false);
        set(top + InterestRow, 0, tr("%1: interest").arg(type), false);
        set(top + VerdictRow, 0, tr("%1: affordable").arg(type), false);
    }
    for (std::size_t o = 0; o < offers_.size(); ++o) {
        const Offer& offer = offers_[o];
        const int column = static_cast<int>(o) + 1;
        set(0, column, regional_.currency(offer.input.amount));
        set(1, column, regional_.percent(static_cast<double>(offer.input.ratePercent) / 100.0));
        set(2, column, regional_.number(static_cast<double>(offer.input.termYears)));
        set(3, column,
            regional_.currency(
                offer.input.shownIncome.minus(offer.input.shownBudget).value_or(Currency())));
        set(4, column, offer.whole ? offer.lenderChecks : QStringLiteral("\u2014"));
        for (int k = 0; k < MortgageTypeCount; ++k) {
            const int top = CaseRows + RowsPerType * k;
            const OptionFigures& figures = offer.result.types[static_cast<std::size_t>(k)];
            for (int row : {FirstRow, PaidRow, InterestRow}) {
                const auto figure = figureOf(figures, row);
                set(top + row, column,
                    !figures.affordable ? QStringLiteral("\u2014")
                    : figure            ? regional_.currency(*figure)
                                        : variesText());
            }
            // "Yes" or "No" in line with the figures; why not, when the cell is pointed at.
            const QString why = notAffordableReason(figures, regional_);
            QTableWidgetItem* verdict = set(top + VerdictRow, column,
                                            !offer.whole         ? tr("The case is not complete")
                                            : figures.affordable ? tr("Yes")
                                                                 : tr("No"));
            verdict->setToolTip(why); // empty for an affordable type
            verdict->setData(Qt::AccessibleDescriptionRole, why);
        }
    }
    // The lowest figure of each row among the affordable offers, in bold.
    for (int k = 0; k < MortgageTypeCount; ++k) {
        for (int row : {FirstRow, PaidRow, InterestRow}) {
            std::optional<double> lowest;
            for (const Offer& offer : offers_) {
                const OptionFigures& figures = offer.result.types[static_cast<std::size_t>(k)];
                const auto figure = figureOf(figures, row);
                if (figures.affordable && figure && (!lowest || *figure < *lowest))
                    lowest = figure;
            }
            if (!lowest || offers_.size() < 2)
                continue;
            for (std::size_t o = 0; o < offers_.size(); ++o) {
                const OptionFigures& figures = offers_[o].result.types[static_cast<std::size_t>(k)];
                const auto figure = figureOf(figures, row);
                if (!figures.affordable || !figure ||
                    regional_.currency(*figure) != regional_.currency(*lowest))
                    continue;
                QTableWidgetItem* item =
                    offersTable_->item(CaseRows + RowsPerType * k + row, static_cast<int>(o) + 1);
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setData(Qt::AccessibleDescriptionRole, tr("the lowest of the row"));
            }
        }
    }
    // Every column as wide as its texts, the bold lowest figures too; a case
    // name beyond its figures' width is cut in its middle.
    QHeaderView* header = offersTable_->horizontalHeader();
    header->setTextElideMode(Qt::ElideMiddle);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    offersTable_->resizeColumnsToContents();
    int widestFigure = 0;
    for (int column = 1; column < offersTable_->columnCount(); ++column)
        widestFigure = std::max(widestFigure, offersTable_->columnWidth(column));
    for (int column = 1; column < offersTable_->columnCount(); ++column)
        header->resizeSection(column, widestFigure);
    addButton_->setEnabled(static_cast<int>(offers_.size()) <= MostSavedCases);
}

QString CompareWindow::html() const {
    QString out = QStringLiteral("<h2>%1</h2><table border=\"1\" cellspacing=\"0\" "
                                 "cellpadding=\"4\"><tr><th></th>")
                      .arg(tr("Compare Cases").toHtmlEscaped());
    for (const Offer& offer : offers_)
        out += QStringLiteral("<th>%1</th>").arg(offer.name.toHtmlEscaped());
    out += QStringLiteral("</tr>");
    for (int row = 0; row < offersTable_->rowCount(); ++row) {
        out += QStringLiteral("<tr>");
        for (int column = 0; column < offersTable_->columnCount(); ++column) {
            const QTableWidgetItem* item = offersTable_->item(row, column);
            // On paper a "No" says why, as its tooltip does on the screen.
            const QString why = item ? item->toolTip() : QString();
            const QString text = !item ? QString()
                                 : why.isEmpty()
                                     ? item->text().toHtmlEscaped()
                                     : tr("%1: %2").arg(item->text(), why).toHtmlEscaped();
            const bool bold = item && item->font().bold();
            out += QStringLiteral("<td align=\"%1\">%2%3%4</td>")
                       .arg(column == 0 ? QStringLiteral("left") : QStringLiteral("right"),
                            bold ? QStringLiteral("<b>") : QString(), text,
                            bold ? QStringLiteral("</b>") : QString());
        }
        out += QStringLiteral("</tr>");
    }
    return out + QStringLiteral("</table><p>%1</p>")
                     .arg(tr("In bold: the lowest figure of its row among the offers that are "
                             "affordable.")
                              .toHtmlEscaped());
}

WriteOutcome CompareWindow::saveAsPdf(const QString& path) const {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(reportPaper(regional_.locale())));
    printer.setPageOrientation(QPageLayout::Landscape);
    return writePdf(printer, path, [this](QPrinter& pdf) {
        QTextDocument document;
        document.setHtml(html());
        return printLikeTheReport(document, pdf, regional_.locale());
    });
}

} // namespace hw
