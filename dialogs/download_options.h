#pragma once
// What a download shows beside its payment: the folder the files go to (LastSaveFolder),
// whether files already there are skipped (FileSkipWrite), and the play list the songs go into.
// The play list box is open in the user's own download ("(none)" and every local album, the one
// named in PlayListSave chosen), fixed on the album that songs were dropped into, and not shown
// in a download the host asked for: the user chose no songs on a list there.

#include <QWidget>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QVBoxLayout;

namespace kesto {

class MyAlbumDb;
class RegistryKey;

class DownloadOptions final : public QWidget {
public:
    struct Parts {
        RegistryKey* settings = nullptr;
        MyAlbumDb* albums = nullptr;
        int mode = 0;          // the download request's mode
        std::string intoAlbum; // the album that songs were dropped into
    };

    DownloadOptions(Parts parts, QWidget* parent);

    // Keeps the choices in FileSkipWrite and PlayListSave (a choice the user made); the host's
    // write flag that follows (0 skips).
    int store() const;
    // The album id the downloaded songs go into; empty for none.
    std::string playList() const;
    const std::string& folder() const { return folder_; }

private:
    void addPlayLists(QVBoxLayout* column);
    void addOpenPlayLists();

    Parts parts_;
    std::string folder_;
    QCheckBox* skip_ = nullptr;
    QComboBox* playLists_ = nullptr; // none in a download the host asked for
    std::vector<std::string> names_; // CP949, by the box's index
};

} // namespace kesto
