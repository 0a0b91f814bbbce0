#pragma once
// The panel messages of a list row that open a page of the service's web site through the
// host: music video, music video download and the phone decoration of a purchase. wParam is
// the row.

#include "pages/page_controller.h"

namespace kesto {

class RowPages : public PageController {
public:
    using PageController::PageController;

    void rowMusicVideo(W row, L) override;
    void phoneDecoWithTransaction(W row, L) override;
    void musicVideoPage(W row, L) override;
    void musicVideoDownloadPage(W row, L) override;
};

} // namespace kesto
