// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FigureWidth.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHash>
#include <QLineEdit>
#include <QLocale>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace hw {

namespace {

QString widestDigit(const QFontMetrics& metrics, const QLocale& locale) {
    QString widest;
    int widestAdvance = -1;
    for (int digit = 0; digit <= 9; ++digit) {
        const QString text = locale.toString(digit);
        const int advance = metrics.horizontalAdvance(text);
        if (advance > widestAdvance) {
            widest = text;
            widestAdvance = advance;
        }
    }
    return widest;
}

// Re-measures its edit whenever what the width depends on changes.
class FigureFitter : public QObject {
public:
    FigureFitter(QLineEdit* edit, const QStringList& samples, int least)
        : QObject(edit), edit_(edit), samples_(samples), least_(least) {
        edit->installEventFilter(this);
        // A widget is polished before it is first shown or measured; until
        // then its style sheet is not known.
        if (edit->testAttribute(Qt::WA_WState_Polished))
            fit();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Polish:
        case QEvent::FontChange:
        case QEvent::StyleChange:
        case QEvent::LocaleChange:
            fit();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // The widest of the samples in the edit's font. A page has dozens of
    // edits in a handful of fonts, and shaping every digit of every sample
    // for each of them was most of the time the first page took to show.
    int textWidth() const {
        const QLocale locale = edit_->locale();
        const QString key = edit_->font().key() + QLatin1Char('|') +
                            QString::number(edit_->logicalDpiX()) + QLatin1Char('|') +
                            locale.name() + locale.zeroDigit() + QLatin1Char('|') +
                            samples_.join(QChar(0x1f));
        static QHash<QString, int> measured;
        if (const auto known = measured.constFind(key); known != measured.cend())
            return *known;
        const QFontMetrics metrics = edit_->fontMetrics();
        int text = 0;
        for (const QString& sample : samples_)
            text = std::max(text, widestFigureAdvance(metrics, sample, locale));
        measured.insert(key, text);
        return text;
    }

    void fit() {
        const QFontMetrics metrics = edit_->fontMetrics();
        const int text = textWidth();
        // What QLineEdit itself adds around its text: two pixels of margin each
        // side, its text margins, and the frame, border and padding of its style.
        const QMargins margins = edit_->textMargins();
        QStyleOptionFrame option;
        option.initFrom(edit_);
        option.rect = edit_->rect();
        option.lineWidth =
            edit_->hasFrame()
                ? edit_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit_)
                : 0;
        option.midLineWidth = 0;
        option.state |= QStyle::State_Sunken;
        const QSize inner(text + 4 + margins.left() + margins.right() + 2,
                          metrics.height() + margins.top() + margins.bottom());
        const QSize outer =
            edit_->style()->sizeFromContents(QStyle::CT_LineEdit, &option, inner, edit_);
        edit_->setFixedWidth(std::max(least_, outer.width()));
    }

    QLineEdit* edit_;
    QStringList samples_;
    int least_;
};

} // namespace

int widestFigureAdvance(const QFontMetrics& metrics, const QString& sample, const QLocale& locale) {
    const QString digit = widestDigit(metrics, locale);
    QString widest;
    widest.reserve(sample.size() * digit.size());
    for (QChar c : sample)
        widest += c.isDigit() ? digit : QString(c);
    return metrics.horizontalAdvance(widest);
}

void fitToFigures(QLineEdit* edit, const QStringList& samples, int least) {
    new FigureFitter(edit, samples, least);
}

} // namespace hw
