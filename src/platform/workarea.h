#pragma once
#include <QRect>

class QWidget;

// The desktop area a window may use: its screen less panels and task bars.
class WorkArea {
public:
    // For the screen the widget is on; the primary screen when it has none
    // yet; an empty rectangle when there is no screen at all.
    [[nodiscard]] static QRect of(const QWidget* widget);
};
