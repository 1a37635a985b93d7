// SPDX-License-Identifier: MIT
#pragma once
class QString;
class QWidget;

// The one way windows show message boxes. Each window that shows one is
// handed the service when it is made: the program hands the modal message
// boxes, tests a service that answers and records, so no test ever waits on
// a box nobody can click.
class DialogService {
public:
    virtual ~DialogService() = default;

    virtual void information(QWidget* parent, const QString& text) = 0;
    // Yes/No confirmation; true for Yes.
    [[nodiscard]] virtual bool question(QWidget* parent, const QString& text) = 0;
    // Yes/No confirmation of something that cannot be undone: No is the
    // default button and Escape answers No.
    [[nodiscard]] virtual bool riskyQuestion(QWidget* parent, const QString& text) = 0;
    virtual void error(QWidget* parent, const QString& text) = 0;

    // The program's modal message boxes.
    [[nodiscard]] static DialogService& messageBoxes();
};
