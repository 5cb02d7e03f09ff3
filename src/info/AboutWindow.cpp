// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutWindow.h"

#include "LinkOpener.h"
#include "base/Message.h"
#include "base/Twips.h"
#include "look/Skin.h"
#include "look/SkinElement.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QUrl>

namespace hw {

namespace {

struct ErrorRow {
    std::int32_t code;
    const char* message;
};
// Tested in this order; the first match wins.
const ErrorRow ErrorTable[] = {
    {0,
     QT_TRANSLATE_NOOP("hw::AboutWindow", "The operating system is out of memory or resources.")},
    {2, QT_TRANSLATE_NOOP("hw::AboutWindow", "The specified file was not found.")},
    {3, QT_TRANSLATE_NOOP("hw::AboutWindow", "The specified path was not found.")},
    {11,
     QT_TRANSLATE_NOOP("hw::AboutWindow",
                       "The .exe file is invalid (non-Win32\u00AE .exe or error in .exe image).")},
    {5, QT_TRANSLATE_NOOP("hw::AboutWindow",
                          "The operating system denied access to the specified file.")},
    {27,
     QT_TRANSLATE_NOOP("hw::AboutWindow", "The file name association is incomplete or invalid.")},
    {30, QT_TRANSLATE_NOOP(
             "hw::AboutWindow",
             "The DDE transaction could not be completed because other DDE transactions were being "
             "processed.")},
    {29, QT_TRANSLATE_NOOP("hw::AboutWindow", "The DDE transaction failed.")},
    {28, QT_TRANSLATE_NOOP(
             "hw::AboutWindow",
             "The DDE transaction could not be completed because the request timed out.")},
    {32, QT_TRANSLATE_NOOP("hw::AboutWindow", "The specified dynamic-link library was not found.")},
    {31,
     QT_TRANSLATE_NOOP("hw::AboutWindow",
                       "There is no application associated with the given file name extension.")},
    {8, QT_TRANSLATE_NOOP("hw::AboutWindow",
                          "There was not enough memory to complete the operation.")},
    {26, QT_TRANSLATE_NOOP("hw::AboutWindow", "A sharing violation occurred.")},
};

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& place) {
    auto* caption = new QLabel(text, parent);
    caption->setObjectName(QLatin1String(name));
    caption->setTextFormat(Qt::PlainText);
    caption->setGeometry(place);
    return caption;
}

void restoreNormalPointer() {
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

} // namespace

AboutWindow::AboutWindow(QWidget* owner) : LoadOnShowDialog(owner) {
    setObjectName(QStringLiteral("AboutWindow"));
    setWindowTitle(tr("About Hearthwise"));
    setFixedSize(twips(4920), twips(2640));

    productLabel_ = label(this, "SkinLabel1", productName(), twipsRect(360, 120, 4200, 375));
    productLabel_->setAlignment(Qt::AlignCenter);
    // The panel holds the rows and the link; their places are the panel's own, in
    // two columns: the captions, and the values with the link under them.
    detailsPanel_ = label(this, "SkinPanel1", QString(), twipsRect(120, 600, 4680, 1380));
    const auto row = [](int index) { return 150 + 300 * index; };
    constexpr int CaptionLeft = 180, CaptionWidth = 1200, ValueLeft = 1500, ValueWidth = 3000;
    titleCaption_ = label(detailsPanel_, "SkinLabel3", tr("Title:"),
                          twipsRect(CaptionLeft, row(0), CaptionWidth, 255));
    titleLabel_ =
        label(detailsPanel_, "sklbTitle", QString(), twipsRect(ValueLeft, row(0), ValueWidth, 255));
    versionCaption_ = label(detailsPanel_, "SkinLabel5", tr("Version:"),
                            twipsRect(CaptionLeft, row(1), CaptionWidth, 255));
    versionLabel_ = label(detailsPanel_, "sklbVersion", versionText(),
                          twipsRect(ValueLeft, row(1), ValueWidth, 255));
    copyrightCaption_ = label(detailsPanel_, "SkinLabel4", tr("Copyright:"),
                              twipsRect(CaptionLeft, row(2), CaptionWidth, 255));
    makerLabel_ = label(detailsPanel_, "sklbArtist", QString(),
                        twipsRect(ValueLeft, row(2), ValueWidth, 255));
    linkButton_ = new QPushButton(detailsPanel_);
    linkButton_->setObjectName(QStringLiteral("sklbInfo"));
    linkButton_->setGeometry(twipsRect(ValueLeft - 60, row(3), ValueWidth, 285));
    linkButton_->setCursor(Qt::PointingHandCursor);
    closeButton_ = new QPushButton(tr("&Close"), this);
    closeButton_->setObjectName(QStringLiteral("cmdClose"));
    closeButton_->setGeometry(twipsRect(3900, 2130, 900, 405));
    closeButton_->setDefault(true);

    connect(linkButton_, &QPushButton::clicked, this, &AboutWindow::openLink);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutWindow::loadOnShow() {
    Skin::applyToWindow(this, Skin::Storage::First);
    titleLabel_->setText(productName());
    makerLabel_->setText(makerName());
    linkButton_->setText(linkCaption());
    linkButton_->setToolTip(linkTarget().isLocalFile()
                                ? tr("Open the user guide in your browser")
                                : tr("Open the maker's web page in your browser"));
    Skin::applyTo(detailsPanel_, Skin::Element::Panel);
    for (QLabel* caption : {productLabel_, titleCaption_, copyrightCaption_, versionCaption_,
                            makerLabel_, titleLabel_, versionLabel_})
        Skin::applyTo(caption, Skin::Element::Label);
    Skin::applyTo(linkButton_, Skin::Element::Link);
    Skin::applyTo(closeButton_, Skin::Element::Button);
    playEntry();
    closeButton_->setFocus();
}

void AboutWindow::playEntry() {
    // The heading drops into place from 30 pixels above it.
    Skin::SkinElement heading = Skin::elementOf(productLabel_);
    const int v = heading.value(2);
    heading.setValue(2, QString::number(v - 30));
    heading.command(QStringLiteral("moveto - %1 - - - - 1000 decel").arg(v));

    // The panel grows from a small square to its place.
    Skin::SkinElement panel = Skin::elementOf(detailsPanel_);
    if (!panel.isValid())
        return;
    const int a = panel.value(1), b = panel.value(2), c = panel.value(5), d = panel.value(6);
    for (int number : {1, 2, 5, 6})
        panel.setValue(number, QStringLiteral("10"));
    panel.command(QStringLiteral("moveto %1 %2 - - %3 %4 1000 decel").arg(a).arg(b).arg(c).arg(d));
}

QString AboutWindow::errorMessage(std::int32_t lresult) {
    if (lresult > NoSuchResult)
        return {};
    for (const ErrorRow& row : ErrorTable)
        if (row.code == lresult)
            return tr(row.message);
    return tr("Unknown Error!");
}

void AboutWindow::reportFailedLink(std::int32_t lresult) {
    const QString message = errorMessage(lresult);
    restoreNormalPointer();
    if (lresult <= NoSuchResult)
        ShowMessage(message, MsgOkOnly);
}

QString AboutWindow::versionText() {
    // The version and the year of the build.
    return QStringLiteral(HEARTHWISE_VERSION " (" HEARTHWISE_YEAR ")");
}

QUrl AboutWindow::linkTarget() {
    const QString web = QStringLiteral(HEARTHWISE_MAKER_URL);
    if (!web.isEmpty())
        return QUrl::fromUserInput(web);
    return handbook();
}

QUrl AboutWindow::handbook() {
    // Installed, the guide is in share/hearthwise beside bin. In the build it is
    // in the build's share/hearthwise, beside the program's folder or, for the
    // tests (tests/ui), one further up; no path of the build is kept in the program.
    const QString guide = QStringLiteral("share/hearthwise/guide/index.html");
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString installed = programFolder.absoluteFilePath(QStringLiteral("../") + guide);
    const QString inTestBuild = programFolder.absoluteFilePath(QStringLiteral("../../") + guide);
    const QString found =
        !QFileInfo::exists(installed) && QFileInfo::exists(inTestBuild) ? inTestBuild : installed;
    return QUrl::fromLocalFile(QDir::cleanPath(found));
}

QUrl AboutWindow::handbookAt(const QString& section) {
    const QUrl whole = handbook();
    const QFileInfo page(QFileInfo(whole.toLocalFile()).dir(),
                         QStringLiteral("section-%1.html").arg(section));
    return page.exists() ? QUrl::fromLocalFile(page.absoluteFilePath()) : whole;
}

QString AboutWindow::linkCaption() {
    const QUrl target = linkTarget();
    return target.isLocalFile() ? tr("Hearthwise user guide") : target.toDisplayString();
}

void AboutWindow::openLink() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QPointer<AboutWindow> self(this);
    reportFailedLink(LinkOpener::open(linkTarget(), this, [self](int code) {
        if (self)
            self->reportFailedLink(code);
    }));
    restoreNormalPointer();
}

} // namespace hw
