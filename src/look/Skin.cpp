#include "Skin.h"

#include <QAbstractButton>
#include <QStyle>
#include <QWidget>

namespace hw::Skin {

namespace {

// One palette for every skin: warm paper background, deep teal accents.
const char* const CommonSheet = R"(
QWidget { font-size: 10pt; }
QPushButton {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e6ebef);
    border: 1px solid #8a9aa6; border-radius: 5px; padding: 4px 12px; color: #1d2b36;
}
QPushButton:hover { border-color: #1f6f78; background: #f2f8f9; }
QPushButton:pressed { background: #cfe3e6; }
QPushButton:focus { border: 2px solid #1f6f78; }
QPushButton:disabled { color: #9aa5ad; border-color: #c5cdd3; background: #eef1f3; }
QPushButton:default { border-color: #1f6f78; }
QPushButton[skin="option"] { text-align: center; padding: 6px 10px; }
QPushButton[skin="option"]:checked {
    background: #1f6f78; color: #ffffff; border: 2px solid #124a50;
}
QPushButton[skin="option"]:checked:disabled { background: #7fa9ad; color: #eef6f7; }
QPushButton[skin="link"] {
    border: none; background: transparent; color: #1a5fb4; text-decoration: underline;
}
QLabel[skin="title"] {
    background: #1f6f78; color: #ffffff; font-weight: bold; font-size: 11pt;
    padding: 4px 10px; border-radius: 4px;
}
QLabel[skin="panel"] {
    background: #dfe9ea; color: #1d2b36; font-weight: bold; border: 1px solid #b7c9cb;
    border-radius: 3px; padding: 2px 4px;
}
QLabel[skin="guidance"] { color: #24323c; padding: 2px 2px 6px 2px; }
QLabel[skin="message"] { color: #1d2b36; }
QLineEdit {
    border: 1px solid #9fb0bb; border-radius: 3px; padding: 2px 4px; background: #ffffff;
    selection-background-color: #1f6f78;
}
QLineEdit:focus { border: 2px solid #1f6f78; }
QLineEdit[display="true"] { background: rgb(192, 192, 192); border-color: #a8a8a8; }
QLineEdit[display="true"][tone="total"] { color: rgb(192, 0, 0); font-weight: bold; }
QLineEdit[display="true"][tone="debt"] { color: rgb(0, 0, 255); }
QLineEdit:disabled { background: rgb(192, 192, 192); color: #555555; }
)";

const char* const FirstSheet = R"(
QMainWindow, QDialog { background: #f4f1ea; }
QMenuBar { background: #e8e2d6; }
QMenuBar::item:selected { background: #1f6f78; color: #ffffff; }
QDialog#frmAbout QLabel, QDialog#frmAbout QPushButton { font-size: 8pt; }
QDialog#frmAbout QPushButton { padding: 1px 4px; }
QDialog#frmAbout QLabel#SkinLabel1 { font-family: Verdana, sans-serif; font-size: 14pt; }
QDialog#frmAbout QLabel#SkinLabel3, QDialog#frmAbout QLabel#SkinLabel4 { font-weight: bold; }
QDialog#frmAbout QLabel#sklbTitle, QDialog#frmAbout QLabel#sklbArtist {
    font-family: Verdana, sans-serif;
}
)";

const char* const SecondSheet = R"(
)";

const char* const ThirdSheet = R"(
QDialog { background: #fbfaf6; }
QDialog#frmMsgBox { border: 2px solid #1f6f78; }
QDialog#frmHelp QPushButton { font-size: 9pt; padding: 2px 1px; }
QDialog#frmHelp QLabel#lblText { font-size: 9.75pt; }
)";

const char* elementName(Element element) {
    switch (element) {
    case Element::Button:
        return "button";
    case Element::Option:
        return "option";
    case Element::Label:
        return "label";
    case Element::Guidance:
        return "guidance";
    case Element::Title:
        return "title";
    case Element::Panel:
        return "panel";
    case Element::Message:
        return "message";
    case Element::Link:
        return "link";
    }
    return "label";
}

void repolish(QWidget* widget) {
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

} // namespace

QString storedSkin(Storage storage) {
    QString sheet = QString::fromLatin1(CommonSheet);
    switch (storage) {
    case Storage::First:
        sheet += QString::fromLatin1(FirstSheet);
        break;
    case Storage::Second:
        sheet += QString::fromLatin1(SecondSheet);
        break;
    case Storage::Third:
        sheet += QString::fromLatin1(ThirdSheet);
        break;
    }
    return sheet;
}

void applyToWindow(QWidget* window, Storage storage) {
    window->setStyleSheet(storedSkin(storage));
}

void applyTo(QWidget* control, Element element) {
    control->setProperty("skin", QString::fromLatin1(elementName(element)));
    if (element == Element::Option) {
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setCheckable(true);
    }
    repolish(control);
}

void setPressed(QAbstractButton* button, bool pressed) {
    button->setCheckable(true);
    button->setChecked(pressed);
}

bool isPressed(const QAbstractButton* button) {
    return button->isCheckable() && button->isChecked();
}

} // namespace hw::Skin
