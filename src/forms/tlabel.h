#pragma once
#include "forms/clickgesture.h"
#include <QLabel>

// A text label that reports a left click, with a tag for shared handlers.
class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent = nullptr, const QString& name = {});

    void setTag(int tag) { m_tag = tag; }
    [[nodiscard]] int tag() const { return m_tag; }

signals:
    void clicked(TLabel* sender);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_tag = 0;
    ClickGesture m_click;
};
