// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// "Tank Creation Parameters": the source and output folders of a manual export, and whether to
// always export this way. Accepted only when both folders exist.
class TfrmTank : public QDialog {
    Q_OBJECT
public:
    // documents and save are the browsers' fallbacks when a field names no folder.
    TfrmTank(QWidget *parent, const QString &heroName, const QString &documents,
             const QString &save);

    QLineEdit *edtSource;
    QLineEdit *edtOut;
    QCheckBox *ckbAlways;
    QPushButton *btnSourceBrowse;
    QPushButton *btnOutBrowse;
    QPushButton *Button1; // Export
    QPushButton *Button2; // Cancel

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Button1Click();
    void browse(QLineEdit *field, const QString &label, const QString &fallback, QWidget *next);

    QString heroName;
};
