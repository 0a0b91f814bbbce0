#pragma once
// Asks for the name of a new play list or my album. OK hands the name (CP949) to the check
// given; the dialog stays open while the check refuses it (the check tells the user why).

#include "dialogs/skinned_dialog.h"

#include <functional>
#include <string>

class QLineEdit;

namespace kesto {

class NameDialog final : public SkinnedDialog {
public:
    using Check = std::function<bool(const std::string& nameCp949)>;

    NameDialog(QWidget* parent, KestoHostTable skin, std::string_view promptUtf8, std::string_view fieldUtf8,
               Check check);

    // The name the check took, CP949.
    const std::string& name() const { return name_; }

protected:
    bool confirm() override;

private:
    QLineEdit* edit_ = nullptr;
    Check check_;
    std::string name_;
};

} // namespace kesto
