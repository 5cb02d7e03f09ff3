// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/LoadOnShowDialog.h"

#include <QUrl>
#include <cstdint>

class QLabel;
class QPushButton;

namespace hw {

// The About window: the program's name, its maker and a link to the maker's
// web page.
class AboutWindow : public LoadOnShowDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* owner = nullptr);

    static QString productName() { return QStringLiteral("Hearthwise"); }
    static QString makerName() { return QStringLiteral("VodiVudi"); }
    // Where the link leads: the maker's web page when the build names one
    // (HEARTHWISE_MAKER_URL), otherwise the user guide installed beside the program.
    static QUrl linkTarget();
    // The handbook installed with the program (or built beside it).
    static QUrl handbook();
    // The page of the handbook that leads to `section` (an id of its page), or
    // the handbook itself where there is none.
    static QUrl handbookAt(const QString& section);
    // What the link shows: the web address, or "Hearthwise user guide".
    static QString linkCaption();
    // The version and the year of the build: "1.0 (2026)".
    static QString versionText();

    // Result codes of a request to open an address; above NoSuchResult means it was opened.
    static constexpr std::int32_t NoSuchResult = 32;
    // The message for a result code; empty for an address that was opened.
    static QString errorMessage(std::int32_t lresult);
    // Restores the normal pointer and reports a failed request in the message box.
    void reportFailedLink(std::int32_t lresult);

    void openLink();

private:
    QLabel* productLabel_ = nullptr;
    QLabel* detailsPanel_ = nullptr;
    QLabel* titleCaption_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QLabel* copyrightCaption_ = nullptr;
    QLabel* makerLabel_ = nullptr;
    QLabel* versionCaption_ = nullptr; // "Version:"
    QLabel* versionLabel_ = nullptr;
    QPushButton* linkButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    void loadOnShow() override;
    void playEntry();
};

} // namespace hw
