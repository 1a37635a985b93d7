// SPDX-License-Identifier: MIT
#pragma once
#include "widgets/clickable.h"
#include <QLabel>

// A text label that reports a left click, with a tag for shared handlers.
// Given a focus policy (a link), it is pressed by Space or Return too.
class ClickableLabel : public Clickable<QLabel> {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr, const QString& name = {});

    void setTag(int tag) { m_tag = tag; }
    [[nodiscard]] int tag() const { return m_tag; }

    // A click without the pointer; only a shown label reports it.
    bool press() override;

signals:
    void clicked(ClickableLabel* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void clickCompleted() override;

private:
    int m_tag = 0;
};
