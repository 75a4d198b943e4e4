// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_preview.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int PaneSide = 128;
}

TPicturePreview::TPicturePreview(QFileDialog *dialog) : QWidget(dialog) {
    setObjectName(QStringLiteral("picturePreview"));
    picture = new QLabel(this);
    picture->setFixedSize(PaneSide, PaneSide);
    picture->setAlignment(Qt::AlignCenter);
    picture->setFrameShape(QFrame::StyledPanel);
    size = new QLabel(this);
    size->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(picture);
    column->addWidget(size);
    column->addStretch();

    // Qt's own file dialog lays its file list out in row 1 of a grid, over three columns.
    if (auto *grid = qobject_cast<QGridLayout *>(dialog->layout()))
        grid->addWidget(this, 1, grid->columnCount());
    connect(dialog, &QFileDialog::currentChanged, this, &TPicturePreview::ShowFile);
}

void TPicturePreview::ShowFile(const QString &path) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        picture->clear();
        size->clear();
        return;
    }
    QPixmap shown = QPixmap::fromImage(image);
    if (shown.width() > PaneSide - 4 || shown.height() > PaneSide - 4)
        shown =
            shown.scaled(PaneSide - 4, PaneSide - 4, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture->setPixmap(shown);
    size->setText(QStringLiteral("%1 x %2").arg(image.width()).arg(image.height()));
}
