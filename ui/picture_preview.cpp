// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_preview.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int paneSide = 128;
}

PicturePreview::PicturePreview(QFileDialog *dialog) : QWidget(dialog) {
    setObjectName(QStringLiteral("picturePreview"));
    m_picture = new QLabel(this);
    m_picture->setFixedSize(paneSide, paneSide);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setFrameShape(QFrame::StyledPanel);
    m_size = new QLabel(this);
    m_size->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_picture);
    column->addWidget(m_size);
    column->addStretch();

    // Qt's own file dialog lays its file list out in row 1 of a grid, over three columns.
    if (auto *grid = qobject_cast<QGridLayout *>(dialog->layout()))
        grid->addWidget(this, 1, grid->columnCount());
    connect(dialog, &QFileDialog::currentChanged, this, &PicturePreview::showFile);
}

void PicturePreview::showFile(const QString &path) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        m_picture->clear();
        m_size->clear();
        return;
    }
    QPixmap shown = QPixmap::fromImage(image);
    if (shown.width() > paneSide - 4 || shown.height() > paneSide - 4)
        shown =
            shown.scaled(paneSide - 4, paneSide - 4, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_picture->setPixmap(shown);
    m_size->setText(QStringLiteral("%1 x %2").arg(image.width()).arg(image.height()));
}
