// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MortgageReport.h"

#include "BalanceChart.h"
#include "PreviewWindow.h"
#include "base/SaveAs.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDate>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QTextDocument>

namespace hw {

namespace {

// Measures in twips.
constexpr int Gap = 180;          // between two columns
constexpr int Pad = 120;          // inside a box
constexpr int Corner = 120;       // of a rounded box
constexpr int FooterHeight = 300; // the date and "Page N of M"
constexpr double FigurePoints = 10.0;
constexpr int RecordPad = 100; // above and below a record's figures
constexpr double SmallestPoints = 6.0;

// The texts of this file, in its translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(hw::MortgageReport)
};

// The foot of every page, the report's and Compare's alike.
QString dateOfPrinting(const QLocale& locale) {
    return locale.toString(QDate::currentDate(), QLocale::LongFormat);
}
QString pageOf(int page, int pages, const QLocale& locale) {
    return Texts::tr("Page %1 of %2").arg(locale.toString(page), locale.toString(pages));
}

QFont arial(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    // The painter works in twips, so a point is twenty units.
    font.setPixelSize(static_cast<int>(points * 20.0 + 0.5));
    font.setBold(bold);
    return font;
}

// The six figure columns of the table, left to right.
enum Column { TermColumn, FirstColumn, LastColumn, PaidColumn, InterestColumn, FinalColumn };
constexpr int FigureColumns = 6;

QString figure(const ReportRecord& record, int column) {
    switch (column) {
    case TermColumn:
        return record.term;
    case FirstColumn:
        return record.first;
    case LastColumn:
        return record.last;
    case PaidColumn:
        return record.paid;
    case InterestColumn:
        return record.interest;
    default:
        return record.finalBalance;
    }
}

// Draws the pages on one device, in twips from the top left of the printable
// area. A first pass without drawing counts the pages, so that every page can
// say "Page N of M".
class BandPainter {
public:
    BandPainter(QPainter& painter, QPrinter& printer, const ReportContent& content,
                const QLocale& locale, ReportPages extra)
        : painter_(painter), printer_(printer), content_(content), locale_(locale), extra_(extra) {
        const double dpi = printer.resolution();
        painter.scale(dpi / 1440.0, dpi / 1440.0);
        const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
        pageHeight_ = static_cast<int>(area.height() * 1440.0 / dpi);
        pageWidth_ = static_cast<int>(area.width() * 1440.0 / dpi);
        QPen pen(Qt::black);
        pen.setWidth(15);
        painter.setPen(pen);
        date_ = dateOfPrinting(locale);
        layOutColumns();
    }

    void run() {
        draw_ = false;
        pages();
        pageCount_ = page_;
        draw_ = true;
        pages();
    }

private:
    void pages() {
        page_ = 1;
        top_ = 0;
        reportHeader();
        pageHeader();
        columnHeads();
        for (const ReportRecord& record : content_.records) {
            if (top_ + recordHeight(record) > bottom()) {
                newPage();
                columnHeads();
            }
            detail(record);
        }
        readingNotes();
        if (extra_.chart)
            chartPage();
        if (extra_.whatIf)
            sectionsPage(Texts::tr("What If"), content_.whatIf);
        if (extra_.lenderChecks && !content_.lenderChecks.empty())
            sectionsPage(Texts::tr("Lender Checks"), content_.lenderChecks);
        footer();
    }

    int bottom() const { return pageHeight_ - FooterHeight; }
    int width() const { return pageWidth_; }

    void newPage() {
        footer();
        if (draw_)
            printer_.newPage();
        ++page_;
        top_ = 0;
        pageHeader();
    }

    void text(int left, int top, int width, int height, const QString& value, int flags = 0) {
        if (draw_)
            painter_.drawText(QRect(left, top_ + top, width, height),
                              Qt::AlignLeft | Qt::AlignTop | flags, value);
    }
    // The height `value` takes wrapped within `width`, in the current font.
    int wrappedHeight(int width, const QString& value) const {
        return painter_
            .boundingRect(QRect(0, 0, std::max(width, 1), 100000), Qt::TextWordWrap, value)
            .height();
    }
    int advance(const QString& value) const {
        return painter_.fontMetrics().horizontalAdvance(value);
    }
    // A hairline in mid grey between records: it separates them without
    // weighing on the figures.
    void rule(int top) { rule(top, 0, width()); }
    void rule(int top, int left, int right) {
        if (!draw_)
            return;
        const QPen kept = painter_.pen();
        painter_.setPen(QPen(QColor(0x9a, 0x9a, 0x9a), 8));
        painter_.drawLine(left, top_ + top, right, top_ + top);
        painter_.setPen(kept);
    }
    void roundedBox(int left, int top, int width, int height) {
        if (draw_)
            painter_.drawRoundedRect(QRect(left, top_ + top, width, height), Corner, Corner);
    }

    // The figure columns are as wide as their widest figure or head, the type
    // column takes what is left; where the page is too narrow for the figures
    // (twelve-digit amounts), the table's type is made smaller until they fit.
    void layOutColumns() {
        for (points_ = FigurePoints; points_ >= SmallestPoints; points_ -= 0.5) {
            measureColumns();
            if (typeWidth_ >= 1800)
                break;
        }
        points_ = std::max(points_, SmallestPoints);
        measureColumns();
    }
    void measureColumns() {
        painter_.setFont(arial(points_, true));
        for (int c = 0; c < FigureColumns; ++c)
            columnWidth_[c] = std::max(advance(headLine1(c)), advance(headLine2(c)));
        painter_.setFont(arial(points_, false));
        for (const ReportRecord& record : content_.records)
            for (int c = 0; c < FigureColumns; ++c)
                columnWidth_[c] = std::max(columnWidth_[c], advance(figure(record, c)));
        // "Monthly Repayments" stands over the first and last repayments.
        painter_.setFont(arial(points_, true));
        const int repayments = advance(Texts::tr("Monthly Repayments"));
        const int short_ =
            repayments - (columnWidth_[FirstColumn] + Gap + columnWidth_[LastColumn]);
        if (short_ > 0) {
            columnWidth_[FirstColumn] += (short_ + 1) / 2;
            columnWidth_[LastColumn] += (short_ + 1) / 2;
        }
        int figures = 0;
        for (int c = 0; c < FigureColumns; ++c)
            figures += columnWidth_[c] + Gap;
        typeWidth_ = width() - figures - 2 * Pad;
        int left = Pad + typeWidth_ + Gap;
        for (int c = 0; c < FigureColumns; ++c) {
            columnLeft_[c] = left;
            left += columnWidth_[c] + Gap;
        }
    }

    void reportHeader() {
        painter_.setFont(arial(20.25, true));
        text(0, 0, width(), 555, MortgageReport::caption(), Qt::AlignHCenter);
        top_ += 780;
    }

    // The case the report answers, on every page.
    void pageHeader() {
        painter_.setFont(arial(10, true));
        const QString captions[] = {Texts::tr("Purpose:"), Texts::tr("Amount borrowed:"),
                                    Texts::tr("Term in years:"), Texts::tr("Interest rate:"),
                                    Texts::tr("Monthly spare income:")};
        const QString values[] = {content_.purpose, content_.amountBorrowed, content_.termInYears,
                                  content_.interestRate, content_.spareIncome};
        int captionWidth = 0;
        for (const QString& caption : captions)
            captionWidth = std::max(captionWidth, advance(caption));
        painter_.setFont(arial(10, false));
        int valueWidth = 0;
        for (const QString& value : values)
            valueWidth = std::max(valueWidth, advance(value));
        constexpr int Line = 290;
        const int boxWidth = std::min(width(), 2 * Pad + captionWidth + Gap + valueWidth);
        roundedBox(0, 0, boxWidth, 2 * Pad + 5 * Line);
        for (int i = 0; i < 5; ++i) {
            painter_.setFont(arial(10, true));
            text(Pad, Pad + i * Line, captionWidth, Line, captions[i]);
            painter_.setFont(arial(10, false));
            text(Pad + captionWidth + Gap, Pad + i * Line, valueWidth, Line, values[i]);
        }
        top_ += 2 * Pad + 5 * Line + 300;
    }

    void footer() {
        painter_.setFont(arial(8, false));
        const int top = top_;
        top_ = bottom() + 60;
        text(0, 0, width(), FooterHeight - 60, date_);
        text(0, 0, width(), FooterHeight - 60, pageOf(page_, pageCount_, locale_), Qt::AlignRight);
        top_ = top;
    }

    // The heads over the figure columns, on two lines, each translated whole
    // so that a language words its two lines as one head; "Monthly
    // Repayments" stands over the first and last repayments on the first line.
    static QString head(int column) {
        switch (column) {
        case TermColumn:
            return Texts::tr("Term");
        case FirstColumn:
            return u'\n' + Texts::tr("First");
        case LastColumn:
            return u'\n' + Texts::tr("Last");
        case PaidColumn:
            return Texts::tr("Total Paid");
        case InterestColumn:
            return Texts::tr("Interest\nTotal Paid");
        case FinalColumn:
            return Texts::tr("Final\nBalance");
        default:
            return {};
        }
    }
    static QString headLine1(int column) { return head(column).section(u'\n', 0, 0); }
    static QString headLine2(int column) { return head(column).section(u'\n', 1, 1); }

    void columnHeads() {
        painter_.setFont(arial(points_, true));
        // A line as tall as its tallest head: letters the font lacks (Chinese,
        // say) come from a taller font, and a line cut to the font's own
        // height would clip their feet.
        QStringList heads{Texts::tr("Type of Mortgage"), Texts::tr("Monthly Repayments")};
        for (int c = 0; c < FigureColumns; ++c)
            heads << headLine1(c) << headLine2(c);
        int line = painter_.fontMetrics().height();
        for (const QString& head : heads)
            line = std::max(line, painter_.boundingRect(QRect(), Qt::AlignLeft, head).height());
        const int height = 2 * Pad + 2 * line;
        roundedBox(0, 0, width(), height);
        const int line1 = Pad;
        const int line2 = Pad + line;
        const auto over = [&](int column, int top, const QString& head) {
            text(columnLeft_[column], top, columnWidth_[column], line, head, Qt::AlignRight);
        };
        text(Pad, line1, typeWidth_, line, Texts::tr("Type of Mortgage"));
        text(columnLeft_[FirstColumn], line1,
             columnLeft_[LastColumn] + columnWidth_[LastColumn] - columnLeft_[FirstColumn], line,
             Texts::tr("Monthly Repayments"), Qt::AlignHCenter);
        for (int c = 0; c < FigureColumns; ++c) {
            over(c, line1, headLine1(c));
            over(c, line2, headLine2(c));
        }
        top_ += height + 60;
    }

    int recordHeight(const ReportRecord& record) {
        painter_.setFont(arial(points_, false));
        int height = std::max(wrappedHeight(typeWidth_, record.mortgageType),
                              painter_.fontMetrics().height());
        if (!record.affordable)
            height = std::max(height, wrappedHeight(figuresWidth(), notAffordable(record)));
        return height + 2 * RecordPad + 45;
    }
    int figuresWidth() const {
        return columnLeft_[FinalColumn] + columnWidth_[FinalColumn] - columnLeft_[TermColumn];
    }
    static QString notAffordable(const ReportRecord& record) {
        const QString mark = Texts::tr("This option is not affordable");
        return record.reason.isEmpty() ? mark : mark + u'\n' + record.reason;
    }

    void detail(const ReportRecord& record) {
        const int height = recordHeight(record);
        painter_.setFont(arial(points_, false));
        const int line = height - 2 * RecordPad - 45;
        text(Pad, RecordPad, typeWidth_, line, record.mortgageType, Qt::TextWordWrap);
        if (!record.affordable) {
            text(columnLeft_[TermColumn], RecordPad, figuresWidth(), line, notAffordable(record),
                 Qt::TextWordWrap);
        } else {
            // Figures right-aligned, so that their decimals line up.
            for (int c = 0; c < FigureColumns; ++c)
                text(columnLeft_[c], RecordPad, columnWidth_[c], line, figure(record, c),
                     Qt::AlignRight);
        }
        rule(height - 38);
        top_ += height;
    }

    // Under the table, what its columns mean, for a household reading it on paper.
    void readingNotes() {
        const QString notes[] = {
            Texts::tr(
                "Term: the years the loan runs; for the endowment and revolving credit types, the "
                "years until it is paid off."),
            Texts::tr(
                "Monthly Repayments: what you pay in the first and in the last month. The "
                "revolving "
                "credit types have no set repayment (Variant): your spare income goes into the "
                "loan each month."),
            Texts::tr(
                "Total Paid: everything you pay over the term; Interest Total Paid: the part of it "
                "that is interest."),
            Texts::tr(
                "Final Balance: what is still owed at the end of the term, to be repaid another "
                "way."),
            Texts::tr(
                "The figures are worked out from the amount, rate, term and spare income above. "
                "They are not an offer of a loan: ask your lender for its own figures.")};
        painter_.setFont(arial(9, false));
        int height = 400;
        for (const QString& note : notes)
            height += wrappedHeight(width(), note) + 60;
        if (top_ + height > bottom())
            return;
        top_ += 300;
        painter_.setFont(arial(10, true));
        text(0, 0, width(), 300, Texts::tr("Reading the table"));
        top_ += 340;
        painter_.setFont(arial(9, false));
        for (const QString& note : notes) {
            const int lines = wrappedHeight(width(), note);
            text(0, 0, width(), lines, note, Qt::TextWordWrap);
            top_ += lines + 60;
        }
    }

    void chartPage() {
        newPage();
        painter_.setFont(arial(14, true));
        text(0, 0, width(), 420, Texts::tr("Outstanding Balance over Time"));
        painter_.setFont(arial(9, false));
        text(0, 480, width(), 300,
             Texts::tr("What is still owed at the end of each month, for every type that is "
                       "affordable."));
        const QLocale locale = locale_;
        ChartLook look;
        look.font = arial(9, false);
        look.money = [locale](double value) {
            return locale.toCurrencyString(value, QString(), 0);
        };
        look.lineWidth = 25.0;
        look.locale = locale;
        const int height = std::min(bottom() - top_ - 1000, 9000);
        if (draw_)
            paintBalanceChart(painter_, QRectF(0, top_ + 1000, width(), height), content_.balances,
                              look);
    }

    // A heading per question or type; its figures in a small table, its sentences under it.
    void sectionsPage(const QString& title, const std::vector<ReportSection>& sections) {
        newPage();
        painter_.setFont(arial(14, true));
        text(0, 0, width(), 420, title);
        top_ += 600;
        for (const ReportSection& section : sections)
            reportSection(section);
    }
    // Starts a new page where `height` does not fit on this one.
    void keepTogether(int height) {
        if (top_ + height > bottom())
            newPage();
    }
    void reportSection(const ReportSection& section) {
        constexpr int Line = 250;
        painter_.setFont(arial(10, false));
        const int lead = section.lead.isEmpty() ? 0 : wrappedHeight(width(), section.lead);
        // The heading stays with what follows it.
        keepTogether(380 + lead + (section.rows.empty() ? 0 : 2 * Line));
        painter_.setFont(arial(11, true));
        text(0, 0, width(), 330, section.title);
        top_ += 380;
        painter_.setFont(arial(10, false));
        if (lead > 0) {
            text(0, 0, width(), lead, section.lead, Qt::TextWordWrap);
            top_ += lead + 60;
        }
        if (!section.rows.empty()) {
            // Each column as wide as its widest cell; the figures right-aligned.
            std::vector<int> widths(static_cast<std::size_t>(section.heads.size()), 0);
            for (std::size_t c = 0; c < widths.size(); ++c) {
                painter_.setFont(arial(9, true));
                widths[c] = advance(section.heads[static_cast<int>(c)]);
                painter_.setFont(arial(9, false));
                for (const QStringList& row : section.rows)
                    widths[c] = std::max(widths[c], advance(row.value(static_cast<int>(c))));
            }
            const auto cells = [&](const QStringList& row, bool head) {
                painter_.setFont(arial(9, head));
                int left = Pad;
                for (std::size_t c = 0; c < widths.size(); ++c) {
                    text(left, 0, widths[c], Line, row.value(static_cast<int>(c)),
                         c == 0 ? Qt::AlignLeft : Qt::AlignRight);
                    left += widths[c] + Gap;
                }
                rule(Line + 10, Pad, left - Gap);
                top_ += Line + 40;
            };
            cells(section.heads, true);
            for (const QStringList& row : section.rows) {
                keepTogether(Line + 40);
                cells(row, false);
            }
            top_ += 80;
        }
        painter_.setFont(arial(10, false));
        for (const QString& note : section.notes) {
            const int height = wrappedHeight(width(), note);
            keepTogether(height);
            painter_.setFont(arial(10, false));
            text(0, 0, width(), height, note, Qt::TextWordWrap);
            top_ += height + 60;
        }
        top_ += 240;
    }

    QPainter& painter_;
    QPrinter& printer_;
    const ReportContent& content_;
    QLocale locale_;
    ReportPages extra_;
    bool draw_ = false;
    QString date_;
    int pageHeight_ = 0;
    int pageWidth_ = 0;
    int top_ = 0;
    int page_ = 1;
    int pageCount_ = 1;
    double points_ = FigurePoints;
    int typeWidth_ = 0;
    std::array<int, FigureColumns> columnWidth_{};
    std::array<int, FigureColumns> columnLeft_{};
};

void setUpPage(QPrinter& printer, const QLocale& locale) {
    printer.setPageSize(QPageSize(reportPaper(locale)));
    printer.setDocName(MortgageReport::caption());
    printer.setCreator(QStringLiteral("Hearthwise"));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

} // namespace

QPageSize::PageSizeId reportPaper(const QLocale& locale) {
    const QLocale::Territory where = locale.territory();
    return where == QLocale::UnitedStates || where == QLocale::Canada ? QPageSize::Letter
                                                                      : QPageSize::A4;
}

MortgageReport::MortgageReport(ReportContent content, QLocale locale)
    : content_(std::move(content)), locale_(std::move(locale)) {}

void MortgageReport::setWhatIfPage(bool on) {
    extra_.whatIf = on;
    if (on && content_.whatIf.empty() && whatIfSource_)
        content_.whatIf = whatIfSource_();
}

bool printLikeTheReport(QTextDocument& document, QPrinter& printer, const QLocale& locale) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    const double twip = printer.resolution() / 1440.0;
    const double footer = FooterHeight * twip;
    // Point sizes on the printer's own resolution, as the report's are.
    document.documentLayout()->setPaintDevice(&printer);
    QFont font = arial(10, false);
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setPageSize(QSizeF(area.width(), area.height() - footer));
    const int pages = document.pageCount();
    const QString date = dateOfPrinting(locale);
    QFont small = font;
    small.setPointSizeF(8);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            printer.newPage();
        const double top = page * document.pageSize().height();
        painter.save();
        painter.translate(0, -top);
        document.drawContents(&painter, QRectF(0, top, area.width(), document.pageSize().height()));
        painter.restore();
        painter.setFont(small);
        const QRectF foot(0, area.height() - footer + 60 * twip, area.width(), footer - 60 * twip);
        painter.drawText(foot, Qt::AlignLeft | Qt::AlignTop, date);
        painter.drawText(foot, Qt::AlignRight | Qt::AlignTop, pageOf(page + 1, pages, locale));
    }
    return painter.end();
}

void MortgageReport::print(QPrinter* printer) const {
    QPainter painter;
    if (!painter.begin(printer))
        return;
    BandPainter(painter, *printer, content_, locale_, extra_).run();
    painter.end();
}

WriteOutcome MortgageReport::saveAsPdf(const QString& path) const {
    QPrinter printer(QPrinter::HighResolution);
    setUpPage(printer, locale_);
    return writePdf(printer, path, [this](QPrinter& pdf) {
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        BandPainter(painter, pdf, content_, locale_, extra_).run();
        return painter.end();
    });
}

void MortgageReport::warmUp() {
    QFontMetrics(arial(10, false)).horizontalAdvance(caption());
    QFontMetrics(arial(10, true)).horizontalAdvance(caption());
    QPrinter printer(QPrinter::HighResolution);
}

void MortgageReport::preview(QWidget* owner) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPage(printer, locale_);
    PreviewWindow(*this, printer, owner).exec();
}

} // namespace hw
