#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// A small fixed-size tool dialog with a prompt, one text field and OK / Cancel. Typing accepts
// only the characters the field allows; anything else is refused with a beep. OK closes the
// dialog as accepted only when Check() approves the text.
class TDSEntryDialog : public QDialog {
    Q_OBJECT
public:
    TDSEntryDialog(QWidget *parent, const QString &caption, const QString &prompt, int maxLength,
                   const QString &allowedCharacters);

    QLineEdit *field() const { return edit; }
    QPushButton *Button1() const { return ok; }
    QPushButton *Button2() const { return cancel; }

    void Button1Click();

protected:
    // Answers whether the field's text may be accepted, telling the user why not.
    virtual bool Check() = 0;

private:
    QLabel *label;
    QLineEdit *edit;
    QPushButton *ok;
    QPushButton *cancel;
};
