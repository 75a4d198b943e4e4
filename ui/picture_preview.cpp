// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_preview.h"

#include "ui/portrait_picture.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeView>
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
    m_size->setFixedWidth(paneSide);
    m_size->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_picture);
    column->addWidget(m_size);
    column->addStretch();

    setFixedWidth(paneSide);
    // Qt's own file dialog lays its file list out in row 1 of a grid, over three columns. The
    // pane takes a column of its own width, so the list keeps the room it had.
    if (auto *grid = qobject_cast<QGridLayout *>(dialog->layout())) {
        const int column = grid->columnCount();
        grid->addWidget(this, 1, column);
        grid->setColumnStretch(column, 0);
        dialog->resize(dialog->width() + paneSide + grid->horizontalSpacing(), dialog->height());
    }
    // The list's columns take the width their texts need once the folder is read.
    auto *model = dialog->findChild<QFileSystemModel *>();
    auto *list = dialog->findChild<QTreeView *>();
    if (model && list)
        connect(model, &QFileSystemModel::directoryLoaded, list, [list] {
            for (int column = 1; column < list->header()->count(); ++column)
                list->resizeColumnToContents(column);
        });
    connect(dialog, &QFileDialog::currentChanged, this, &PicturePreview::showFile);
}

void PicturePreview::showFile(const QString &path) {
    const std::optional<ImageBytes> portrait = portraitFromFile(path);
    const QImage image = portrait ? portraitPicture(*portrait) : QImage();
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
