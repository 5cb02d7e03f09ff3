#include "rptMortgage.h"

#include "BalanceChart.h"
#include "frmPreview.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>

namespace hw {

namespace {

// Band heights, in twips.
constexpr int ReportHeaderHeight = 2055;
constexpr int PageHeaderHeight = 3405;
constexpr int DetailHeight = 510;
constexpr int PageFooterHeight = 360;
constexpr int RuleLeft = 60;
constexpr int RuleWidth = 9230;
constexpr int Corner = 120;

QFont arial(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    // The painter works in twips, so a point is twenty units.
    font.setPixelSize(static_cast<int>(points * 20.0 + 0.5));
    font.setBold(bold);
    return font;
}

// Draws the bands on one device, in twips from the top left of the printable area.
class BandPainter {
public:
    BandPainter(QPainter& painter, QPrinter& printer, const ReportContent& content, bool chartPage,
                bool whatIfPage)
        : painter_(painter), printer_(printer), content_(content), chartPage_(chartPage),
          whatIfPage_(whatIfPage) {
        const double dpi = printer.resolution();
        painter.scale(dpi / 1440.0, dpi / 1440.0);
        const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
        pageHeight_ = static_cast<int>(area.height() * 1440.0 / dpi);
        pageWidth_ = static_cast<int>(area.width() * 1440.0 / dpi);
        QPen pen(Qt::black);
        pen.setWidth(15);
        painter.setPen(pen);
    }

    void run() {
        reportHeader();
        pageHeader();
        for (const ReportRecord& record : content_.records) {
            if (top_ + DetailHeight > pageHeight_ - PageFooterHeight) {
                printer_.newPage();
                top_ = 0;
                pageHeader();
            }
            detail(record);
        }
        if (chartPage_)
            chartPage();
        if (whatIfPage_)
            whatIfPage();
    }

private:
    void text(int left, int top, int width, int height, const QString& value, int flags = 0) {
        painter_.drawText(QRect(left, top_ + top, width, height),
                          Qt::AlignLeft | Qt::AlignTop | flags, value);
    }
    void rule(int top) {
        painter_.drawLine(RuleLeft, top_ + top, RuleLeft + RuleWidth, top_ + top);
    }
    void roundedBox(int left, int top, int width, int height) {
        painter_.drawRoundedRect(QRect(left, top_ + top, width, height), Corner, Corner);
    }

    void reportHeader() {
        painter_.setFont(arial(20.25, true));
        text(2415, 0, 4545, 555, rptMortgage::caption(), Qt::AlignHCenter);
        top_ += ReportHeaderHeight;
    }

    void pageHeader() {
        roundedBox(15, 0, 4230, 1470);
        painter_.setFont(arial(12, true));
        const int tops[3] = {165, 585, 1005};
        const char* const captions[3] = {"Amount borrowed:", "Term in years:", "Interest rate:"};
        const QString values[3] = {content_.amountBorrowed, content_.termInYears,
                                   content_.interestRate};
        for (int i = 0; i < 3; ++i) {
            text(120, tops[i], 2300, 330,
                 QCoreApplication::translate("hw::rptMortgage", captions[i]));
            text(2460, tops[i], 1710, 330, values[i]);
        }

        constexpr int HeadsTop = 2670;
        roundedBox(0, HeadsTop, 9360, 690);
        painter_.setFont(arial(9.75, true));
        const int line1 = HeadsTop + 90;
        const int line2 = HeadsTop + 330;
        text(120, line1, 2200, 300,
             QCoreApplication::translate("hw::rptMortgage", "Type of Mortgage"));
        text(2440, line1, 900, 300, QCoreApplication::translate("hw::rptMortgage", "Term"));
        text(3420, line1, 2700, 300,
             QCoreApplication::translate("hw::rptMortgage", "Monthly Repayments"));
        text(3420, line2, 1200, 300, QCoreApplication::translate("hw::rptMortgage", "First"));
        text(5100, line2, 1000, 300, QCoreApplication::translate("hw::rptMortgage", "Last"));
        text(6195, line1, 1530, 300, QCoreApplication::translate("hw::rptMortgage", "Total Paid"));
        text(7845, line1, 1200, 600,
             QCoreApplication::translate("hw::rptMortgage", "Interest Total Paid"),
             Qt::TextWordWrap);
        rule(PageHeaderHeight - 15);
        top_ += PageHeaderHeight;
    }

    void detail(const ReportRecord& record) {
        painter_.setFont(arial(9, false));
        constexpr int Top = 45;
        constexpr int Height = 405;
        text(60, Top, 2205, Height, record.mortgageType, Qt::TextWordWrap);
        if (!record.affordable) {
            text(2440, Top, 6800, Height,
                 QCoreApplication::translate("hw::rptMortgage", "This option is not affordable"));
        } else {
            text(2440, Top, 825, Height, record.term);
            text(3420, Top, 1290, Height, record.first);
            text(4725, Top, 1290, Height, record.last);
            text(6195, Top, 1530, Height, record.paid);
            text(7845, Top, 1455, Height, record.interest);
        }
        // A double rule closes each record.
        rule(465);
        rule(480);
        top_ += DetailHeight;
    }

    void chartPage() {
        printer_.newPage();
        top_ = 0;
        painter_.setFont(arial(14, true));
        text(0, 0, RuleLeft + RuleWidth, 420,
             QCoreApplication::translate("hw::rptMortgage", "Outstanding Balance over Time"));
        painter_.setFont(arial(9, false));
        text(0, 480, RuleLeft + RuleWidth, 300,
             QStringLiteral("What is still owed at the end of each month, for every type that "
                            "is affordable."));
        const ChartLook look{arial(9, false),
                             [](double value) {
                                 QString money = dollars(value);
                                 return money.endsWith(QLatin1String(".00")) ? money.chopped(3)
                                                                             : money;
                             },
                             25.0};
        const int height = std::min(pageHeight_ - 1000, 9000);
        paintBalanceChart(painter_,
                          QRectF(0, 1000, std::max(pageWidth_, RuleLeft + RuleWidth), height),
                          content_.balances, look);
    }

    void whatIfPage() {
        printer_.newPage();
        top_ = 0;
        painter_.setFont(arial(14, true));
        text(0, 0, RuleLeft + RuleWidth, 420,
             QCoreApplication::translate("hw::rptMortgage", "What If"));
        painter_.setFont(arial(10, false));
        top_ = 720;
        constexpr int Line = 300;
        for (const QString& line : content_.whatIf) {
            if (top_ + Line > pageHeight_) {
                printer_.newPage();
                top_ = 0;
            }
            const int indent = line.startsWith(QLatin1String("    ")) ? 360 : 0;
            text(indent, 0, RuleLeft + RuleWidth - indent, Line, line.trimmed());
            top_ += Line;
        }
    }

    QPainter& painter_;
    QPrinter& printer_;
    const ReportContent& content_;
    bool chartPage_;
    bool whatIfPage_;
    int pageHeight_ = 0;
    int pageWidth_ = 0;
    int top_ = 0;
};

void setUpPage(QPrinter& printer, const QLocale& locale) {
    printer.setPageSize(QPageSize(reportPaper(locale)));
    printer.setDocName(rptMortgage::caption());
    printer.setCreator(QStringLiteral("Hearthwise"));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

} // namespace

QPageSize::PageSizeId reportPaper(const QLocale& locale) {
    const QLocale::Territory where = locale.territory();
    return where == QLocale::UnitedStates || where == QLocale::Canada ? QPageSize::Letter
                                                                      : QPageSize::A4;
}

rptMortgage::rptMortgage(ReportContent content, QLocale locale)
    : content_(std::move(content)), locale_(std::move(locale)) {}

void rptMortgage::setWhatIfPage(bool on) {
    whatIfPage_ = on;
    if (on && content_.whatIf.isEmpty() && whatIfSource_)
        content_.whatIf = whatIfSource_();
}

void rptMortgage::print(QPrinter* printer) const {
    QPainter painter;
    if (!painter.begin(printer))
        return;
    BandPainter(painter, *printer, content_, chartPage_, whatIfPage_).run();
    painter.end();
}

bool rptMortgage::saveAsPdf(const QString& path) const {
    QPrinter printer(QPrinter::HighResolution);
    setUpPage(printer, locale_);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    BandPainter(painter, printer, content_, chartPage_, whatIfPage_).run();
    return painter.end();
}

void rptMortgage::warmUp() {
    QFontMetrics(arial(10, false)).horizontalAdvance(caption());
    QFontMetrics(arial(10, true)).horizontalAdvance(caption());
    QPrinter printer(QPrinter::HighResolution);
}

void rptMortgage::preview(QWidget* owner) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPage(printer, locale_);
    frmPreview(*this, printer, owner).exec();
}

} // namespace hw
