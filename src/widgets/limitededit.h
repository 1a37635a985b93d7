// SPDX-License-Identifier: MIT
#pragma once
#include <QLineEdit>

#include "widgets/focusmark.h"

// A one-line edit field whose length limit holds for what the player types
// or pastes, not for text the program puts in: a longer name read from the
// settings file stays whole. It shows the focus ring like every control:
// the field's own look shows no focus once it is given colours.
class LimitedEdit : public FocusMarked<QLineEdit> {
    Q_OBJECT
public:
    explicit LimitedEdit(QWidget* parent = nullptr, const QString& name = {});

    void setTypingLimit(int limit) { m_limit = limit; }
    [[nodiscard]] int typingLimit() const { return m_limit; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_limit = 32767;
};
