// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"
#include "base/Message.h"
#include "base/Twips.h"
#include "steps/ClosingFrames.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QLayout>

// Leaving the program: the question, the farewell and the closing animation.

namespace hw {

namespace {
constexpr int FrameStride = 250;
constexpr int HalfStride = FrameStride / 2;
constexpr int LowestHeight = 300;
constexpr int NarrowestWidth = 2000;
} // namespace

void MainWindow::leave() {
    if (leaving_ != Leaving::No)
        return;
    // Closed from the title bar at once, the window builds its pages now rather
    // than during the closing animation.
    buildRemainingPages();
    leaving_ = Leaving::Asking;
    // What the household typed is offered to be saved, a new case too; that
    // answer is the one question. Otherwise the program asks whether to leave.
    const bool unsaved = hasUnsavedChanges();
    const bool goOn = unsaved
                          ? offerToSave(tr("Save this case before leaving?"),
                                        tr("Save the changes to %1 before leaving?"))
                          : ShowMessage(tr("Are you sure you want to exit?"), MsgYesNo) != AnswerNo;
    if (!goOn) {
        leaving_ = Leaving::No;
        return;
    }
    // One question is enough: the farewell stands above the page while the window
    // closes, rather than in a second box to dismiss.
    placeLabel_->setText(tr("Thank you for using Hearthwise."));
    leaving_ = Leaving::Collapsing;
    runClosingAnimation();
    leaving_ = Leaving::Closed;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    switch (leaving_) {
    case Leaving::Closed:
        event->accept();
        return;
    case Leaving::No:
        // Closing from the title bar takes the same way out as Exit.
        event->ignore();
        leave();
        return;
    case Leaving::Asking:
        // The question is already up.
        event->ignore();
        return;
    case Leaving::Collapsing:
        // The window must live until the animation has let go of it: cut the
        // animation short, and the window closes when it returns.
        event->ignore();
        closeRequested_ = true;
        return;
    }
}

void MainWindow::pauseBetweenFrames() {
    QApplication::processEvents();
    if (closingFrameDelay_ <= 0)
        return;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < closingFrameDelay_)
        QApplication::processEvents(QEventLoop::AllEvents, closingFrameDelay_);
}

void MainWindow::runClosingAnimation() {
    // The window shrinks about its middle: first its height, then its width.
    // Positions are kept in twips so that the half steps do not drift.
    setMinimumSize(0, 0);
    if (layout())
        layout()->setSizeConstraint(QLayout::SetNoConstraint);
    centralWidget()->setMinimumSize(0, 0);
    lastClosingFrames_.clear();

    double left = toTwips(geometry().x());
    double top = toTwips(geometry().y());
    const double width = toTwips(geometry().width());
    for (int height : collapseFrames(toTwips(geometry().height()), LowestHeight, FrameStride)) {
        pauseBetweenFrames();
        if (closeRequested_)
            return;
        top += HalfStride;
        setGeometry(twips(left), twips(top), twips(width), twips(height));
        lastClosingFrames_.push_back(height);
    }
    const double height = toTwips(geometry().height());
    for (int w : collapseFrames(toTwips(geometry().width()), NarrowestWidth, FrameStride)) {
        pauseBetweenFrames();
        if (closeRequested_)
            return;
        left += HalfStride;
        setGeometry(twips(left), twips(top), twips(w), twips(height));
        lastClosingFrames_.push_back(w);
    }
}

} // namespace hw
