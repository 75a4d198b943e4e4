// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/party_exporter.h"

#include <QDialog>

class Desktop;
class EditorSession;
class QCheckBox;
class QLineEdit;
class QPushButton;

// "Tank Creation Parameters": the source and output folders of a manual export, and whether to
// always export this way. Accepted only when both folders exist.
class ExportDialog : public QDialog {
    Q_OBJECT
public:
    // documents and save are the browsers' fallbacks when a field names no folder.
    ExportDialog(QWidget *parent, Desktop &desktop, const QString &heroName,
                 const QString &documents, const QString &save);

    QLineEdit *sourceField() const { return m_source; }
    QLineEdit *outputField() const { return m_output; }
    QCheckBox *alwaysBox() const { return m_always; }
    QPushButton *sourceBrowseButton() const { return m_sourceBrowse; }
    QPushButton *outputBrowseButton() const { return m_outputBrowse; }
    QPushButton *exportButton() const { return m_export; }
    QPushButton *cancelButton() const { return m_cancel; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void acceptIfFoldersExist();
    void browse(QLineEdit *field, const QString &label, const QString &fallback, QWidget *next);

    Desktop &m_desktop;
    QString m_heroName;
    QLineEdit *m_source;
    QLineEdit *m_output;
    QCheckBox *m_always;
    QPushButton *m_sourceBrowse;
    QPushButton *m_outputBrowse;
    QPushButton *m_export;
    QPushButton *m_cancel;
};

// Shows the dialog over the parent with the parameters, for the session's hero; true when the
// user pressed Export and both folders exist. The parameters take what the dialog shows.
bool askExportParameters(QWidget *parent, EditorSession &session, ExportParameters &parameters);
