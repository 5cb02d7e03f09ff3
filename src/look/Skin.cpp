// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Skin.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QStyle>
#include <QWidget>

namespace hw::Skin {

namespace {

// The skin's colours; every colour a sheet uses is one of these, so the light
// and the dark look are the same design.
struct Colours {
    const char* paper;       // main window
    const char* dialogPaper; // message box, information and chart windows
    const char* menu;
    const char* text;
    const char* guidance;
    const char* base; // typed-into fields
    const char* fieldBorder;
    const char* buttonBorder;
    const char* buttonTop;
    const char* buttonBottom;
    const char* buttonHover;
    const char* buttonPressed;
    const char* accent; // title bar, pressed two-state buttons, selection
    const char* accentEdge;
    const char* onAccent;
    const char* focus;         // the focus mark on any background
    const char* focusOnAccent; // the focus mark on a pressed two-state button
    const char* disabledText;
    const char* disabledBorder;
    const char* disabledBack;
    const char* optionDisabledBack;
    const char* optionDisabledText;
    const char* link;
    const char* panel;
    const char* panelBorder;
    const char* display; // grey figures the page works out
    const char* displayBorder;
    const char* displayText;
    const char* displayDisabledText;
    const char* best; // the lowest figures of the results: they stand out from the row
    const char* onBest;
    const char* dimmed;  // the figures of a type that cannot be afforded: 4.5:1 still
    const char* refusal; // "This option is not affordable"
};

const Colours Light = {
    "#f4f1ea", "#fbfaf6", "#e8e2d6", "#1d2b36", "#24323c", "#ffffff", "#9fb0bb",
    "#8a9aa6", "#ffffff", "#e6ebef", "#f2f8f9", "#cfe3e6", "#1f6f78", "#124a50",
    "#ffffff", "#1f6f78", "#f0b429", "#8a959d", "#c5cdd3", "#eef1f3", "#7fa9ad",
    "#ffffff", "#1a5fb4", "#dfe9ea", "#b7c9cb", "#c0c0c0", "#a8a8a8", "#000000",
    "#404040", "#2e6b3f", "#ffffff", "#5f6a72", "#a3262a",
};

const Colours Dark = {
    "#1f2428", "#23282d", "#2a3035", "#e3e8ec", "#d5dde3", "#15191c", "#5d6d78",
    "#6b7c88", "#3a434a", "#2e363c", "#37464b", "#24464a", "#1f6f78", "#5fb7c0",
    "#ffffff", "#5fb7c0", "#f0b429", "#8a959d", "#3c454c", "#2a2f33", "#2c5054",
    "#c9d6d8", "#8cbcff", "#2c3a3d", "#46585b", "#3a3f44", "#555c63", "#e3e8ec",
    "#c4ccd2", "#6fbf87", "#15191c", "#8a959d", "#ff9a8f",
};

// One design for every skin: warm paper background, deep teal accents.
const char* const CommonSheet = R"(
QWidget { font-size: 10pt; }
QToolTip { color: @text; background: @dialogPaper; border: 1px solid @buttonBorder; }
QPushButton {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @buttonTop, stop:1 @buttonBottom);
    border: 1px solid @buttonBorder; border-radius: 5px; padding: 4px 12px; color: @text;
}
QPushButton:hover { border-color: @accent; background: @buttonHover; }
QPushButton:pressed { background: @buttonPressed; }
QPushButton:focus { border: 2px solid @focus; }
QPushButton:disabled { color: @disabledText; border-color: @disabledBorder; background: @disabledBack; }
QPushButton:default { border-color: @focus; }
QPushButton[skin="option"] { text-align: center; padding: 6px 10px; }
QPushButton[compact="true"] { padding: 1px 4px; font-size: 9pt; }
QPushButton[skin="option"]:checked {
    background: @accent; color: @onAccent; border: 2px solid @accentEdge;
}
QPushButton[skin="option"]:checked:focus { border: 3px solid @focusOnAccent; }
QPushButton[skin="option"]:checked:disabled { background: @optionDisabledBack; color: @optionDisabledText; }
QPushButton[skin="link"] {
    border: 1px solid transparent; background: transparent; color: @link; text-decoration: underline;
}
QPushButton[skin="link"]:focus { border: 1px solid @focus; border-radius: 3px; }
QLabel { color: @text; }
QLabel[skin="title"] {
    background: @accent; color: @onAccent; font-weight: bold; font-size: 11pt;
    padding: 4px 10px; border-radius: 4px;
}
QLabel[skin="panel"] {
    background: @panel; color: @text; font-weight: bold; border: 1px solid @panelBorder;
    border-radius: 3px; padding: 2px 4px;
}
QLabel[skin="guidance"] { color: @guidance; padding: 2px 2px 6px 2px; }
QLabel[skin="message"] { color: @text; }
QLabel[skin="mark"] { color: @refusal; font-weight: bold; padding: 2px 6px; }
QLabel[skin="place"] { color: @text; font-weight: bold; padding: 0px 2px 4px 2px; }
QLabel[skin="reason"] { color: @text; padding: 2px 6px; }
QLineEdit {
    border: 1px solid @fieldBorder; border-radius: 3px; padding: 2px 4px; background: @base;
    color: @text; selection-background-color: @accent; selection-color: @onAccent;
}
QLineEdit:focus { border: 2px solid @focus; }
QLineEdit[display="true"] {
    background: transparent; border: none; border-bottom: 1px dotted @displayBorder;
    border-radius: 0px; color: @text;
}
QLineEdit[display="true"][best="true"] { background: @best; color: @onBest; }
QLineEdit[display="true"][dimmed="true"] { color: @dimmed; }
QLineEdit[display="true"][tone="total"] { font-weight: bold; }
QLineEdit:disabled { background: @display; color: @displayDisabledText; }
QCheckBox, QRadioButton { color: @text; }
QTableView {
    background: @base; color: @text; gridline-color: @panelBorder; border: 1px solid @fieldBorder;
    selection-background-color: @accent; selection-color: @onAccent;
}
QScrollArea#stepScroller, QScrollArea#stepScroller > QWidget#qt_scrollarea_viewport,
QScrollArea#tabScroller, QScrollArea#tabScroller > QWidget#qt_scrollarea_viewport {
    background: transparent;
}
QHeaderView::section {
    background: @panel; color: @text; font-weight: bold; padding: 3px 6px; border: none;
    border-right: 1px solid @panelBorder; border-bottom: 1px solid @panelBorder;
}
QTableCornerButton::section { background: @panel; border: none; }
)";

const char* const FirstSheet = R"(
QMainWindow, QDialog { background: @paper; }
QMenuBar { background: @menu; color: @text; }
QMenuBar::item:selected { background: @accent; color: @onAccent; }
QMenu { background: @dialogPaper; color: @text; border: 1px solid @buttonBorder; }
QMenu::item:selected { background: @accent; color: @onAccent; }
QMenu::item:disabled { color: @disabledText; }
QDialog#AboutWindow QLabel, QDialog#AboutWindow QPushButton { font-size: 9pt; }
QDialog#AboutWindow QPushButton { padding: 2px 8px; }
QDialog#AboutWindow QPushButton#linkButton_ { text-align: left; padding: 1px 3px; }
QDialog#AboutWindow QLabel#SkinLabel1 { font-family: Verdana, sans-serif; font-size: 14pt; }
QDialog#AboutWindow QLabel#SkinLabel3, QDialog#AboutWindow QLabel#SkinLabel4,
QDialog#AboutWindow QLabel#SkinLabel5 { font-weight: bold; }
QDialog#AboutWindow QLabel#titleLabel_, QDialog#AboutWindow QLabel#makerLabel_ {
    font-family: Verdana, sans-serif;
}
)";

const char* const SecondSheet = R"(
)";

const char* const ThirdSheet = R"(
QDialog { background: @dialogPaper; }
QTabWidget::pane { background: @dialogPaper; border: 1px solid @panelBorder; }
QDialog#MessageBox { border: 2px solid @accent; }
QDialog#InformationWindow QPushButton { font-size: 9pt; padding: 2px 10px; }
QDialog#InformationWindow QLabel#textLabel_ { font-size: 10pt; }
)";

// The sheet with each @name replaced by its colour.
QString coloured(const char* sheet, const Colours& c) {
    const std::pair<const char*, const char*> names[] = {
        {"dialogPaper", c.dialogPaper},
        {"paper", c.paper},
        {"menu", c.menu},
        {"text", c.text},
        {"guidance", c.guidance},
        {"base", c.base},
        {"fieldBorder", c.fieldBorder},
        {"buttonBorder", c.buttonBorder},
        {"buttonTop", c.buttonTop},
        {"buttonBottom", c.buttonBottom},
        {"buttonHover", c.buttonHover},
        {"buttonPressed", c.buttonPressed},
        {"accentEdge", c.accentEdge},
        {"accent", c.accent},
        {"onAccent", c.onAccent},
        {"focusOnAccent", c.focusOnAccent},
        {"focus", c.focus},
        {"disabledText", c.disabledText},
        {"disabledBorder", c.disabledBorder},
        {"disabledBack", c.disabledBack},
        {"optionDisabledBack", c.optionDisabledBack},
        {"optionDisabledText", c.optionDisabledText},
        {"link", c.link},
        {"panelBorder", c.panelBorder},
        {"panel", c.panel},
        {"displayBorder", c.displayBorder},
        {"displayText", c.displayText},
        {"displayDisabledText", c.displayDisabledText},
        {"display", c.display},
        {"best", c.best},
        {"onBest", c.onBest},
        {"dimmed", c.dimmed},
        {"refusal", c.refusal},
    };
    QString out = QString::fromLatin1(sheet);
    // Longer names first where one begins with another (accentEdge before accent).
    for (const auto& [name, colour] : names)
        out.replace(u'@' + QString::fromLatin1(name), QString::fromLatin1(colour));
    return out;
}

const Colours& coloursFor(bool dark) {
    return dark ? Dark : Light;
}

// The palette behind the sheet, for what the sheet does not draw itself
// (scroll bars, tables, combo boxes, the print preview's controls).
QPalette skinPalette(const Colours& c, bool dialog) {
    QPalette palette = QGuiApplication::palette();
    const QColor window(QString::fromLatin1(dialog ? c.dialogPaper : c.paper));
    const QColor text(QString::fromLatin1(c.text));
    const QColor base(QString::fromLatin1(c.base));
    const QColor button(QString::fromLatin1(c.buttonBottom));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, window);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Base, base);
        palette.setColor(group, QPalette::AlternateBase, window);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::Button, button);
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::ToolTipBase, window);
        palette.setColor(group, QPalette::ToolTipText, text);
        palette.setColor(group, QPalette::Highlight, QColor(QString::fromLatin1(c.accent)));
        palette.setColor(group, QPalette::HighlightedText, QColor(QString::fromLatin1(c.onAccent)));
        palette.setColor(group, QPalette::Link, QColor(QString::fromLatin1(c.link)));
        palette.setColor(group, QPalette::PlaceholderText,
                         QColor(QString::fromLatin1(c.disabledText)));
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, window);
    palette.setColor(QPalette::Disabled, QPalette::Base, window);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(QString::fromLatin1(c.disabledText)));
    return palette;
}

// Gives a skinned window its look again when the desktop turns light or dark:
// the application hears of the change first, whichever widget has a palette.
class PaletteFollower : public QObject {
public:
    explicit PaletteFollower(QWidget* window) : QObject(window), window_(window) {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
            applyToWindow(window_,
                          static_cast<Storage>(window_->property(StorageProperty).toInt()));
        return QObject::eventFilter(watched, event);
    }
    static constexpr const char* StorageProperty = "skinStorage";

private:
    QWidget* window_;
};

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
    case Element::Mark:
        return "mark";
    case Element::Place:
        return "place";
    }
    return "label";
}

void repolish(QWidget* widget) {
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

} // namespace

bool desktopIsDark() {
    return QGuiApplication::palette().color(QPalette::Active, QPalette::Window).lightness() < 128;
}

QString storedSkin(Storage storage, bool dark) {
    const Colours& colours = coloursFor(dark);
    QString sheet = coloured(CommonSheet, colours);
    switch (storage) {
    case Storage::First:
        sheet += coloured(FirstSheet, colours);
        break;
    case Storage::Second:
        sheet += coloured(SecondSheet, colours);
        break;
    case Storage::Third:
        sheet += coloured(ThirdSheet, colours);
        break;
    }
    return sheet;
}

void applyToWindow(QWidget* window, Storage storage) {
    const bool dark = desktopIsDark();
    // A step panel lying in the main window takes the window's skin, which is
    // its own: a second copy of the same sheet would only double the work of
    // styling every control.
    if (storage == Storage::Second && !window->isWindow()) {
        window->setProperty(PaletteFollower::StorageProperty, static_cast<int>(storage));
        return;
    }
    const QPalette palette = skinPalette(coloursFor(dark), storage == Storage::Third);
    if (window->palette() != palette)
        window->setPalette(palette);
    const QString sheet = storedSkin(storage, dark);
    if (window->styleSheet() != sheet)
        window->setStyleSheet(sheet);
    const bool following = window->property(PaletteFollower::StorageProperty).isValid();
    window->setProperty(PaletteFollower::StorageProperty, static_cast<int>(storage));
    if (!following)
        new PaletteFollower(window);
}

void applyTo(QWidget* control, Element element) {
    control->setProperty("skin", QString::fromLatin1(elementName(element)));
    if (element == Element::Option) {
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setCheckable(true);
    }
    // A control not yet polished takes its look when it is, once.
    if (control->testAttribute(Qt::WA_WState_Polished))
        repolish(control);
}

void setMarked(QWidget* control, const char* mark, bool on) {
    if (control->property(mark).toBool() == on)
        return;
    control->setProperty(mark, on);
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
