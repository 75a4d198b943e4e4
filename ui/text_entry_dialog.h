// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class Desktop;
class QLabel;
class QLineEdit;
class QPushButton;
class TypingFilter;

// A small fixed-size tool dialog with a prompt, one text field and OK / Cancel. Typing accepts
// only the characters the field allows, up to its length limit; anything else is refused with a
// beep. A value given by the program shows whole, whatever it holds. OK closes the dialog as
// accepted only when check() approves the text, edited or not; its messages go to the desktop.
class TextEntryDialog : public QDialog {
    Q_OBJECT
public:
    TextEntryDialog(QWidget *parent, Desktop &desktop, const QString &caption,
                    const QString &prompt, int maxLength, const QString &allowedCharacters);

    QLineEdit *field() const { return m_edit; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

    // Shows the value whole and selected, so that typing replaces it.
    void setValue(const QString &value);

protected:
    // Answers whether the field's text may be accepted, telling the user why not.
    virtual bool check() = 0;
    Desktop &desktop() const { return m_desktop; }

private:
    void acceptIfValid();

    Desktop &m_desktop;
    QLabel *m_label;
    QLineEdit *m_edit;
    TypingFilter *m_filter;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    int m_maxLength;
};
