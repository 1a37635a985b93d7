#pragma once
class QString;
class QWidget;

// The one way windows show message boxes. The program uses modal message
// boxes; tests install a service that answers and records instead, so no
// test ever waits on a box nobody can click.
class DialogService {
public:
    virtual ~DialogService() = default;

    virtual void information(QWidget* parent, const QString& text) = 0;
    // Yes/No confirmation; true for Yes.
    [[nodiscard]] virtual bool question(QWidget* parent, const QString& text) = 0;
    virtual void error(QWidget* parent, const QString& text) = 0;

    // The installed service, or the message-box one when none is.
    [[nodiscard]] static DialogService& instance();
    // Installs a service the caller keeps alive; nullptr goes back to message
    // boxes. Returns the service it replaces (nullptr for the message boxes).
    static DialogService* install(DialogService* service);
};
