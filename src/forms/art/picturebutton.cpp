// SPDX-License-Identifier: MIT
#include "forms/art/picturebutton.h"

#include "forms/art/artwork.h"
#include "widgets/picturebox.h"

PictureBox* placePictureButton(QWidget* parent, const QString& name, QPoint at, const QString& caption)
{
    auto* button = new PictureBox(parent, name);
    button->setGeometry(QRect(at, artwork::kButtonSize));
    button->setPictureSource([caption] { return artwork::buttonPicture(caption); });
    button->setAccessibleName(caption);
    return button;
}
