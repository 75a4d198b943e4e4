// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QFileDialog;
class QLabel;

// The portrait preview beside a file dialog's list: the portrait the file under the selection
// makes (see portraitFromFile), scaled down only when it is larger than the pane, with its size
// in pixels below it.
class PicturePreview : public QWidget {
    Q_OBJECT
public:
    // Adds the pane to the right of the dialog's file list, widening the dialog by as much, and
    // follows its selection. The dialog must be Qt's own (DontUseNativeDialog).
    explicit PicturePreview(QFileDialog *dialog);

    // Shows the portrait the file makes, or nothing when it is no picture.
    void showFile(const QString &path);

    const QLabel *picture() const { return m_picture; }
    const QLabel *sizeLabel() const { return m_size; }

private:
    QLabel *m_picture;
    QLabel *m_size;
};
