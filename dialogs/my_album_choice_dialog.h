#pragma once
// Chooses the on-line my album that receives the songs: the user's albums from the service,
// "담은 후 현재 앨범에서 삭제" when the songs come from one of them, and "새 마이앨범", which
// asks for a name and has the host make the album. The move variant has its own title.

#include "commands/my_album_put.h"
#include "dialogs/skinned_dialog.h"

#include <optional>

class QCheckBox;
class QComboBox;

namespace kesto {

class MessageBox;

class MyAlbumChoiceDialog final : public SkinnedDialog {
public:
    struct Parts {
        ProtocolContext protocol;
        KestoHostTable skin = nullptr;
        KestoSvcCreateMyAlbumFn createAlbum = nullptr;
        bool move = false;
        bool fromMyAlbum = false; // the songs come from an on-line my album
    };

    MyAlbumChoiceDialog(QWidget* parent, Parts parts);

    // False when the albums could not be read (the user has been told).
    bool load();
    std::optional<MyAlbumChoice> choice() const { return choice_; }

    // Opens the dialog and returns what the user chose.
    static std::optional<MyAlbumChoice> run(QWidget* parent, Parts parts);

protected:
    bool confirm() override;

private:
    void newAlbum();
    bool fill(const std::string& selectName);
    void tell(std::string_view textUtf8) const;

    Parts parts_;
    QComboBox* albums_ = nullptr;
    QCheckBox* leave_ = nullptr;
    std::optional<MyAlbumChoice> choice_;
};

} // namespace kesto
