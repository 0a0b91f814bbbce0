#pragma once
// Drives the module's modal dialogs in a test: steps keyed by a dialog's object name run in
// order, each once, through queued calls, so that no nested loop waits inside the host's
// watch. A window the script acted on is left alone until what the step queued on it has run.

#include <QPointer>
#include <QString>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>

namespace kesto::test {

class DialogScript {
public:
    using Act = std::function<void(QWidget*)>;

    // Installed in the host from its making until it is destroyed, with its first step if given.
    DialogScript();
    DialogScript(const QString& objectName, Act act);
    Q_DISABLE_COPY_MOVE(DialogScript)
    ~DialogScript();

    DialogScript& then(const QString& objectName, Act act);
    // Installs the script again, in case another took its place.
    void install();

    bool done() const { return steps_.empty(); }
    int opened(const QString& objectName) const;

    // Helpers for steps: a queued click of a named button, text of a named line edit.
    static void click(QWidget* dialog, const QString& buttonName);
    static void type(QWidget* dialog, const QString& editName, const QString& text);
    static void check(QWidget* dialog, const QString& buttonName, bool on); // a check box or radio button
    static bool select(QWidget* dialog, const QString& comboName, const QString& text);

private:
    bool handle(QWidget* modal);

    struct Step {
        QString name;
        Act act;
    };
    std::deque<Step> steps_;
    std::vector<QString> seen_;
    QPointer<QWidget> last_;
    // Set while the last step's queued calls are still to run; shared with the call that clears it.
    std::shared_ptr<bool> acting_ = std::make_shared<bool>(false);
};

} // namespace kesto::test
