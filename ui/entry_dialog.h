// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class TTypingFilter;

// A small fixed-size tool dialog with a prompt, one text field and OK / Cancel. Typing accepts
// only the characters the field allows, up to its length limit; anything else is refused with a
// beep. A value given by the program shows whole, whatever it holds. OK closes the dialog as
// accepted when the given value is left unedited or when Check() approves the text.
class TDSEntryDialog : public QDialog {
    Q_OBJECT
public:
    TDSEntryDialog(QWidget *parent, const QString &caption, const QString &prompt, int maxLength,
                   const QString &allowedCharacters);

    QLineEdit *field() const { return edit; }
    QPushButton *Button1() const { return ok; }
    QPushButton *Button2() const { return cancel; }

    // Shows the value whole and selected, so that typing replaces it.
    void SetValue(const QString &value);
    // The field still holds the value given with SetValue.
    bool Unedited() const;

    void Button1Click();

protected:
    // Answers whether the field's text may be accepted, telling the user why not.
    virtual bool Check() = 0;

private:
    QLabel *label;
    QLineEdit *edit;
    TTypingFilter *filter;
    QPushButton *ok;
    QPushButton *cancel;
    int maxLength;
    std::optional<QString> given;
};
