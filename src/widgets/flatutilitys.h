// SPDX-License-Identifier: MIT
#pragma once

class QPainter;
class QWidget;

// Paints what control's parent shows at control's place onto canvas, whose
// origin is control's top-left: the parent's background and own drawing,
// then the siblings stacked below control. control itself and whatever lies
// above it are left out, so a control may call this from its own paint
// without recursing. Does nothing when control has no parent.
void DrawParentBackground(const QWidget* control, QPainter& canvas);
