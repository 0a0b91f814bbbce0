#pragma once
// Buys the chosen songs: their prices, the user's cash and points, the payment (cash, or the
// phone with the code the store sent by SMS), then "buy". A refusal shows the store's message
// and keeps the dialog open; a purchase that is downloaded is handed to the host (table A,
// entry 33) once it is paid, and put into the play list chosen for it.

#include "commands/checkout.h"
#include "dialogs/skinned_dialog.h"

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace kesto {

class DownloadOptions;
class MessageBox;
class MyAlbumDb;
class RegistryKey;

class PurchaseDialog final : public SkinnedDialog {
public:
    struct Parts {
        ProtocolContext protocol;
        KestoHostTable skin = nullptr;
        KestoHostTable serviceA = nullptr;
        RegistryKey* settings = nullptr;
        bool download = false; // hand the songs to the host after paying
        // A download's mode, and the album songs dropped into it go to (DownloadOptions).
        int mode = 0;
        std::string intoAlbum;
        MyAlbumDb* albums = nullptr;
        std::function<void(const std::vector<Song>&)> downloadStarted;
    };

    PurchaseDialog(QWidget* parent, Parts parts, std::vector<Song> songs, const PriceReply& prices);

    // False when the wallet could not be read (the user has been told).
    bool load();
    static bool run(QWidget* parent, Parts parts, std::vector<Song> songs, const PriceReply& prices);

protected:
    bool confirm() override;

private:
    bool tellFailure(const CheckoutResult& result) const;
    void handOver(int writeFlag, const std::string& playList) const;
    void tell(std::string_view cp949, int style) const;

    Parts parts_;
    std::vector<Song> songs_;
    QLabel* wallet_ = nullptr;
    QRadioButton* cash_ = nullptr;
    QRadioButton* phone_ = nullptr;
    QLineEdit* smsCode_ = nullptr;
    DownloadOptions* options_ = nullptr; // a download only
};

} // namespace kesto
