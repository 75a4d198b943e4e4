// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/export_dialog.h"

#include "exchange/desktop.h"
#include "session/editor_session.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

bool isDirectory(const QString &path) {
    return QFileInfo(path).isDir();
}

QPushButton *browseButton(QWidget *parent, const QString &name) {
    auto *button = new QPushButton(QStringLiteral("Browse..."), parent);
    button->setObjectName(name);
    button->setToolTip(QStringLiteral("Browse"));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

ExportDialog::ExportDialog(QWidget *parent, Desktop &desktop, const QString &heroName,
                           const QString &documents, const QString &save)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_desktop(desktop), m_heroName(heroName) {
    setWindowTitle(QStringLiteral("Tank Creation Parameters"));

    m_source = new QLineEdit(this);
    m_source->setObjectName(QStringLiteral("sourceField"));
    m_output = new QLineEdit(this);
    m_output->setObjectName(QStringLiteral("outputField"));
    m_sourceBrowse = browseButton(this, QStringLiteral("sourceBrowseButton"));
    m_outputBrowse = browseButton(this, QStringLiteral("outputBrowseButton"));
    m_always = new QCheckBox(this);
    m_always->setObjectName(QStringLiteral("alwaysBox"));
    m_always->installEventFilter(this);
    m_export = new QPushButton(QStringLiteral("Export"), this);
    m_export->setObjectName(QStringLiteral("exportButton"));
    m_export->setDefault(true);
    m_export->setToolTip(QStringLiteral("Export ") + heroName);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));

    auto *sourceRow = new QHBoxLayout;
    sourceRow->addWidget(m_source, 1);
    sourceRow->addWidget(m_sourceBrowse);
    auto *outputRow = new QHBoxLayout;
    outputRow->addWidget(m_output, 1);
    outputRow->addWidget(m_outputBrowse);
    auto *bottomRow = new QHBoxLayout;
    auto *always = new QLabel(QStringLiteral("Always use this dialog to export heros?"), this);
    always->setWordWrap(true);
    always->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bottomRow->addWidget(always, 1);
    bottomRow->addWidget(m_always);
    bottomRow->addWidget(m_export);
    bottomRow->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(2);
    layout->addWidget(new QLabel(QStringLiteral("Source folder:"), this));
    layout->addLayout(sourceRow);
    layout->addWidget(new QLabel(QStringLiteral("Output (savegame) folder:"), this));
    layout->addLayout(outputRow);
    layout->addLayout(bottomRow);

    setTabOrder(m_source, m_output);
    setTabOrder(m_output, m_always);
    setTabOrder(m_always, m_export);
    setTabOrder(m_export, m_cancel);

    setMinimumWidth(394);
    setFixedHeight(148);
    resize(394, 148);

    connect(m_export, &QPushButton::clicked, this, &ExportDialog::acceptIfFoldersExist);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_sourceBrowse, &QPushButton::clicked, this, [this, documents] {
        browse(m_source, QStringLiteral("Select ") + m_heroName + QStringLiteral("'s folder:"),
               documents, m_output);
    });
    connect(m_outputBrowse, &QPushButton::clicked, this, [this, save] {
        browse(m_output, QStringLiteral("Select savegame folder:"), save, m_export);
    });
}

bool ExportDialog::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_always && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Y || key == Qt::Key_N) {
            m_always->setChecked(key == Qt::Key_Y);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ExportDialog::acceptIfFoldersExist() {
    if (!isDirectory(m_source->text()))
        m_desktop.show(QStringLiteral("Source directory does not exist!"), MsgType::Error);
    else if (!isDirectory(m_output->text()))
        m_desktop.show(QStringLiteral("Out directory does not exist!"), MsgType::Error);
    else
        accept();
}

void ExportDialog::browse(QLineEdit *field, const QString &label, const QString &fallback,
                          QWidget *next) {
    const QString initial = isDirectory(field->text()) ? field->text() : fallback;
    const QString chosen = m_desktop.pickFolder({label, initial, false});
    if (chosen.isEmpty()) {
        field->setFocus();
        return;
    }
    field->setText(chosen);
    next->setFocus();
}

bool askExportParameters(QWidget *parent, EditorSession &session, ExportParameters &parameters) {
    ExportDialog dialog(parent, session.desktop(), session.heroName(), session.folders().documents,
                        session.saveFolder());
    dialog.sourceField()->setText(parameters.source);
    dialog.outputField()->setText(parameters.output);
    dialog.alwaysBox()->setChecked(parameters.always);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    parameters.source = dialog.sourceField()->text();
    parameters.output = dialog.outputField()->text();
    parameters.always = dialog.alwaysBox()->isChecked();
    return accepted;
}
