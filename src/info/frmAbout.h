#pragma once

#include "shell/LoadingDialog.h"

#include <cstdint>

class QLabel;
class QPushButton;

namespace hw {

// The About window: the program's name, its maker and a link to the maker's
// web page.
class frmAbout : public LoadingDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner = nullptr);

    static QString productName() { return QStringLiteral("Hearthwise"); }
    static QString makerName() { return QStringLiteral("VodiVudi"); }
    static QString makerAddress() { return QStringLiteral("hearthwise.example"); }

    // Result codes of a request to open an address; above NoSuchResult means it was opened.
    static constexpr std::int32_t NoSuchResult = 32;
    static constexpr std::int32_t Opened = 33;
    static constexpr std::int32_t FileNotFound = 2;
    static constexpr std::int32_t NoAssociation = 31;
    // The message for a result code; empty for an address that was opened.
    static QString errorMessage(std::int32_t lresult);
    // Restores the normal pointer and reports a failed request in the message box.
    void pDisplayError(std::int32_t lresult);
    // Opens an address in the user's browser and answers a result code.
    static std::int32_t openAddress(const QString& address);

    QLabel* SkinLabel1 = nullptr;
    QLabel* SkinPanel1 = nullptr;
    QLabel* SkinLabel3 = nullptr;
    QLabel* sklbTitle = nullptr;
    QLabel* SkinLabel4 = nullptr;
    QLabel* sklbArtist = nullptr;
    QPushButton* sklbInfo = nullptr;
    QPushButton* cmdClose = nullptr;

    void sklbInfo_Click();

private:
    void Form_Load() override;
    void playEntry();
};

} // namespace hw
