// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

// Runs the gesture on the next modal dialog once its event loop has started; a dialog the
// gesture leaves open is rejected after a while, so a failing test cannot hang.
inline void whenModal(std::function<void(QDialog *)> gesture) {
    QTimer::singleShot(0, [gesture] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        gesture(dialog);
        QTimer::singleShot(2000, dialog, [dialog] {
            if (dialog->isVisible())
                dialog->reject();
        });
    });
}
