#pragma once
// A drag that ends in a drop at one point of a widget, sent as the events Qt would deliver,
// and what the widget answered to each.

#include "tests/integration/panel_host.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>

namespace kesto::test {

struct DropAnswers {
    bool entered = false;
    Qt::DropAction over = Qt::IgnoreAction;
    bool dropped = false;
};

inline DropAnswers dragAndDrop(QWidget* target, const QMimeData& data, QPoint at) {
    DropAnswers answers;
    const auto actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, {});
    enter.ignore();
    QApplication::sendEvent(target, &enter);
    answers.entered = enter.isAccepted();
    if (!answers.entered)
        return answers;
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, {});
    move.ignore();
    QApplication::sendEvent(target, &move);
    answers.over = move.isAccepted() ? move.dropAction() : Qt::IgnoreAction;
    QDropEvent drop(QPointF(at), actions, &data, Qt::LeftButton, {});
    drop.ignore();
    QApplication::sendEvent(target, &drop);
    answers.dropped = drop.isAccepted();
    PanelHost::processPending();
    return answers;
}

} // namespace kesto::test
