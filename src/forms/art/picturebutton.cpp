// SPDX-License-Identifier: MIT
#include "forms/art/picturebutton.h"

#include "forms/art/artwork.h"
#include "widgets/timage.h"

TImage* placePictureButton(QWidget* parent, const QString& name, QPoint at, const QString& caption)
{
    auto* button = new TImage(parent, name);
    button->setGeometry(QRect(at, artwork::kButtonSize));
    button->setPictureSource([caption] { return artwork::buttonPicture(caption); });
    button->setAccessibleName(caption);
    return button;
}
