// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;

namespace hw {

class MortgageReport;

// The print preview of the report "Mortgage Options", with the program's own
// buttons, each reachable by Tab and by its key: Print (Ctrl+P), Save as PDF
// (Ctrl+S), the optional chart page, and zoom (Ctrl++, Ctrl+-, fit to width).
class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    PreviewWindow(MortgageReport& report, QPrinter& printer, QWidget* owner = nullptr);

private:
    QPrintPreviewWidget* pages_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* savePdfButton_ = nullptr;
    QCheckBox* chartPageBox_ = nullptr;
    QCheckBox* lenderPageBox_ = nullptr;
    QCheckBox* whatIfPageBox_ = nullptr;
    QPushButton* zoomInButton_ = nullptr;
    QPushButton* zoomOutButton_ = nullptr;
    QPushButton* fitWidthButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    void print();
    void savePdf();

    MortgageReport& report_;
    QPrinter& printer_;
};

} // namespace hw
