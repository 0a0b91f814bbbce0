// The song list with 100,000 rows next to a plain QTreeView over a QStandardItemModel holding the
// same texts: filling, sorting by a text and by an integer column, painting one screen.

#include "columns/cell_formatter.h"
#include "columns/default_column_sets.h"
#include "listview/song_list_view.h"
#include "platform/cp949.h"
#include "platform/message_port.h"

#include <QApplication>
#include <QPixmap>
#include <QStandardItemModel>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <span>
#include <vector>

namespace kesto {
namespace {

constexpr int kRows = 100'000;
constexpr int kDistinctRecords = 2'000; // rows share records: 100,000 full records would take 450 MB
constexpr int kPageKind = 4;            // the local album page: text columns and an integer quality column
constexpr int kTextColumn = 4;
constexpr int kIntegerColumn = 9;

QApplication& app() {
    static int argc = 1;
    static char name[] = "listview_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}

class NullPort final : public MessagePort {
public:
    bool post(WindowHandle, unsigned, std::intptr_t, std::intptr_t) override { return true; }
    std::intptr_t send(WindowHandle, unsigned, std::intptr_t, std::intptr_t) override { return 0; }
};

struct Data {
    std::vector<Song> records;
    std::vector<Song*> rows;

    Data() {
        std::mt19937 random(7);
        records.reserve(kDistinctRecords);
        for (int i = 0; i < kDistinctRecords; ++i) {
            Song r;
            r.setText(SongField::Song_Name, Cp949::fromUtf8("노래 ") + std::to_string(random() % 100000));
            r.setText(SongField::Artist_Name, Cp949::fromUtf8("가수 ") + std::to_string(random() % 500));
            r.setText(SongField::Album_Name, "Album " + std::to_string(random() % 900));
            r.setText(SongField::Added_Date, "20240101120000");
            r.Play_Time = static_cast<int>(random() % 600);
            r.Bitrate = static_cast<int>(64 + random() % 256) * 1000;
            r.Has_Lyrics = static_cast<int>(random() % 2);
            records.push_back(r);
        }
        for (int i = 0; i < kRows; ++i)
            rows.push_back(&records[static_cast<std::size_t>(random() % kDistinctRecords)]);
    }
};

const Data& data() {
    static const Data d;
    return d;
}

std::unique_ptr<SongListView> makeControl(NullPort& port) {
    auto list = std::make_unique<SongListView>(port, nullptr);
    list->setColumns(DefaultColumnSets::forPageKind(kPageKind), kPageKind);
    list->resize(1000, 600);
    return list;
}

std::unique_ptr<QStandardItemModel> makeModel(int rowCount = kRows) {
    const auto& columns = DefaultColumnSets::forPageKind(kPageKind);
    auto model = std::make_unique<QStandardItemModel>(0, static_cast<int>(columns.size()));
    const auto& rows = data().rows;
    for (int row = 0; row < rowCount; ++row) {
        QList<QStandardItem*> items;
        const CellContext context{kPageKind, row, false, false};
        for (const ColumnInfo& info : columns)
            items << new QStandardItem(QString::fromStdString(Cp949::toUtf8(
                CellFormatter::format(info.kind, *rows[static_cast<std::size_t>(row)], context))));
        model->appendRow(items);
    }
    return model;
}

void BM_ListControl_Fill(benchmark::State& state) {
    app();
    NullPort port;
    for (auto _ : state) {
        auto list = makeControl(port);
        list->appendRows(data().rows);
        benchmark::DoNotOptimize(list->rowCount());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_TreeView_Fill(benchmark::State& state) {
    app();
    for (auto _ : state) {
        auto model = makeModel();
        QTreeView view;
        view.setModel(model.get());
        benchmark::DoNotOptimize(model->rowCount());
        view.setModel(nullptr);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void controlSort(benchmark::State& state, int column) {
    app();
    NullPort port;
    auto list = makeControl(port);
    const auto rows = static_cast<std::size_t>(state.range(0));
    list->appendRows(std::span(data().rows).first(rows));
    for (auto _ : state)
        list->sortByColumn(column); // each sort reverses the last
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void treeSort(benchmark::State& state, int column) {
    app();
    auto model = makeModel(static_cast<int>(state.range(0)));
    QTreeView view;
    view.setUniformRowHeights(true);
    view.setModel(model.get());
    Qt::SortOrder order = Qt::AscendingOrder;
    for (auto _ : state) {
        model->sort(column, order);
        order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
    view.setModel(nullptr);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ListControl_SortText(benchmark::State& state) {
    controlSort(state, kTextColumn);
}
void BM_TreeView_SortText(benchmark::State& state) {
    treeSort(state, kTextColumn);
}
void BM_ListControl_SortInteger(benchmark::State& state) {
    controlSort(state, kIntegerColumn);
}
// The model sorts the quality texts as text: the plain view has no integer rule to pay for.
void BM_TreeView_SortInteger(benchmark::State& state) {
    treeSort(state, kIntegerColumn);
}

void BM_ListControl_PaintScreen(benchmark::State& state) {
    app();
    NullPort port;
    auto list = makeControl(port);
    list->appendRows(data().rows);
    list->show();
    QPixmap target(list->viewport()->size());
    for (auto _ : state)
        list->viewport()->render(&target);
}

void BM_TreeView_PaintScreen(benchmark::State& state) {
    app();
    auto model = makeModel();
    QTreeView view;
    view.setModel(model.get());
    view.setUniformRowHeights(true);
    view.resize(1000, 600);
    view.show();
    QPixmap target(view.viewport()->size());
    for (auto _ : state)
        view.viewport()->render(&target);
    view.setModel(nullptr);
}

BENCHMARK(BM_ListControl_Fill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeView_Fill)->Unit(benchmark::kMillisecond);
// The plain view's sort of all 100,000 rows runs for minutes, so both sides are also measured on
// the first 10,000 and 30,000 rows.
BENCHMARK(BM_ListControl_SortText)->Arg(10'000)->Arg(30'000)->Arg(kRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeView_SortText)->Arg(10'000)->Arg(30'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListControl_SortInteger)->Arg(10'000)->Arg(30'000)->Arg(kRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeView_SortInteger)->Arg(10'000)->Arg(30'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListControl_PaintScreen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TreeView_PaintScreen)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kesto
