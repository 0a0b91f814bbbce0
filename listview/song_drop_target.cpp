#include "listview/song_drop_target.h"

#include "listview/song_drag_data.h"
#include "listview/song_drag_source.h"
#include "listview/song_list_view.h"

#include <QPoint>

namespace kesto {

DropPlace SongDropTarget::place(const QMimeData& data) const {
    DropPlace here;
    here.pageKind = list_.dropPageKind();
    here.miniList = list_.isMiniList();
    here.startedHere = drag_.startedHere(data);
    return here;
}

DropEffect SongDropTarget::enter(const QMimeData& data) const {
    return DropRules::enter(SongDragData::offer(data));
}

DropEffect SongDropTarget::over(const QMimeData& data, const QPoint& pos) {
    const DropOffer offer = SongDragData::offer(data);
    const DropEffect effect = DropRules::over(offer, place(data));
    if (effect != DropEffect::None && !offer.files)
        drag_.setDropRow(list_.rowAt(pos.y()));
    return effect;
}

DropDecision SongDropTarget::drop(const QMimeData& data, const QPoint& pos) {
    const DropOffer offer = SongDragData::offer(data);
    const DropPlace here = place(data);
    if (DropRules::over(offer, here) == DropEffect::None)
        return {};
    if (!offer.files)
        drag_.setDropRow(list_.rowAt(pos.y()));
    return DropRules::decide(offer, here);
}

} // namespace kesto
