#include "iconsmith/engine/page_list_model.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>

namespace Module1 {

namespace {

unsigned char LowerAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

// Paths sort ignoring ASCII letter case, as the desktop's file lists do; texts that differ only in
// case keep a fixed byte order so the result never depends on where the entries came from.
bool TextLess(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    size_t i = 0;
    // Paths share long prefixes; equal bytes are equal ignoring case too, so skip them by words.
    for (; i + 8 <= n; i += 8) {
        uint64_t wordA, wordB;
        std::memcpy(&wordA, a.data() + i, 8);
        std::memcpy(&wordB, b.data() + i, 8);
        if (wordA != wordB) break;
    }
    for (; i < n; ++i) {
        const unsigned char ca = LowerAscii(static_cast<unsigned char>(a[i]));
        const unsigned char cb = LowerAscii(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

}  // namespace

PageListModel::PageListModel(QObject* parent) : QAbstractTableModel(parent) {}

int PageListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

int PageListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

QVariant PageListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.column() != 0 || index.row() < 0 || index.row() >= count())
        return {};
    const Row& row = rows_[index.row()];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return QString::fromUtf8(row.text->data(), static_cast<qsizetype>(row.text->size()));
        case Qt::CheckStateRole:
            return row.ticked ? Qt::Checked : Qt::Unchecked;
        case SelectedRole:
            return row.selected;
        case PathBytesRole:
            return QByteArray(row.text->data(), static_cast<qsizetype>(row.text->size()));
        default:
            return {};
    }
}

bool PageListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != 0 || index.row() < 0 || index.row() >= count())
        return false;
    if (role == Qt::CheckStateRole) {
        setTicked(index.row(), value.toInt() == Qt::Checked);
        return true;
    }
    if (role == SelectedRole) {
        setSelected(index.row(), value.toBool());
        return true;
    }
    return false;
}

QVariant PageListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole)
        return QStringLiteral("Gefundene Web-Seiten");
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags PageListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
           Qt::ItemNeverHasChildren;
}

bool PageListModel::contains(const std::string& text) const {
    return rowIndex_.find(std::string_view(text)) != rowIndex_.end();
}

int PageListModel::find(const std::string& text) const {
    if (rowIndexStale_) rebuildRowIndex();
    const auto found = rowIndex_.find(std::string_view(text));
    return found == rowIndex_.end() ? -1 : found->second;
}

void PageListModel::rebuildRowIndex() const {
    for (int row = 0; row < count(); ++row) rowIndex_[std::string_view(*rows_[row].text)] = row;
    rowIndexStale_ = false;
}

const std::string* PageListModel::storeNewText(std::string&& text) {
    // The key must point into the stored copy: a moved short string changes its address.
    texts_.push_back(std::move(text));
    if (!rowIndex_.try_emplace(std::string_view(texts_.back()), 0).second) {
        texts_.pop_back();
        return nullptr;
    }
    return &texts_.back();
}

bool PageListModel::insertAtTop(const std::string& text, bool ticked) {
    if (contains(text)) return false;
    int row = 0;
    if (sortingEnabled_) {
        const auto before = [this](const std::string& a, const Row& b) {
            return sortOrder_ == Qt::AscendingOrder ? TextLess(a, *b.text) : TextLess(*b.text, a);
        };
        row = static_cast<int>(std::upper_bound(rows_.begin(), rows_.end(), text, before) -
                               rows_.begin());
    }
    beginInsertRows(QModelIndex(), row, row);
    const std::string* stored = storeNewText(std::string(text));
    rows_.insert(rows_.begin() + row, Row{stored, ticked, false});
    rowIndex_[std::string_view(*stored)] = row;
    rowIndexStale_ = rowIndexStale_ || row != count() - 1;
    endInsertRows();
    return true;
}

int PageListModel::insertManyAtTop(std::vector<std::string> texts, bool ticked) {
    // Inserting each at the top in turn leaves them in reverse order above the old entries; of
    // texts given twice the first counts, as the second would be found listed already.
    rowIndex_.reserve(rowIndex_.size() + texts.size());
    std::vector<Row> fresh;
    fresh.reserve(texts.size());
    for (std::string& text : texts)
        if (const std::string* stored = storeNewText(std::move(text)))
            fresh.push_back(Row{stored, ticked, false});
    if (fresh.empty()) return 0;
    const int added = static_cast<int>(fresh.size());
    std::reverse(fresh.begin(), fresh.end());
    beginInsertRows(QModelIndex(), 0, added - 1);
    rows_.insert(rows_.begin(), fresh.begin(), fresh.end());
    rowIndexStale_ = true;
    endInsertRows();
    if (sortingEnabled_) sortEntries();
    return added;
}

void PageListModel::clear() {
    if (rows_.empty()) return;
    beginResetModel();
    rows_ = {};
    rowIndex_ = {};
    texts_ = {};
    rowIndexStale_ = false;
    endResetModel();
}

void PageListModel::setTicked(int row, bool ticked) {
    if (row < 0 || row >= count() || rows_[row].ticked == ticked) return;
    rows_[row].ticked = ticked;
    const QModelIndex at = index(row, 0);
    emit dataChanged(at, at, {Qt::CheckStateRole});
}

void PageListModel::setSelected(int row, bool selected) {
    if (row < 0 || row >= count() || rows_[row].selected == selected) return;
    rows_[row].selected = selected;
    const QModelIndex at = index(row, 0);
    emit dataChanged(at, at, {SelectedRole});
    emit selectionFlagsChanged(row, row);
}

void PageListModel::emitWholeColumnChanged(const QList<int>& roles) {
    if (rows_.empty()) return;
    emit dataChanged(index(0, 0), index(count() - 1, 0), roles);
    if (roles.contains(SelectedRole)) emit selectionFlagsChanged(0, count() - 1);
}

void PageListModel::selectAll(bool selected) {
    for (Row& row : rows_) row.selected = selected;
    emitWholeColumnChanged({SelectedRole});
}

void PageListModel::invertSelection() {
    for (Row& row : rows_) row.selected = !row.selected;
    emitWholeColumnChanged({SelectedRole});
}

void PageListModel::tickSelectedOnly() {
    for (Row& row : rows_) row.ticked = row.selected;
    emitWholeColumnChanged({Qt::CheckStateRole});
}

void PageListModel::invertTicksOfSelected() {
    for (Row& row : rows_)
        if (row.selected) row.ticked = !row.ticked;
    emitWholeColumnChanged({Qt::CheckStateRole});
}

bool PageListModel::applySelectionMode(int mode) {
    switch (mode) {
        case 0:
            selectAll(false);
            return true;
        case 1:
            selectAll(true);
            return true;
        case 2:
            invertSelection();
            return true;
        case 101:
            tickSelectedOnly();
            return true;
        case 102:
            invertTicksOfSelected();
            return true;
        default:
            return false;
    }
}

void PageListModel::setSortingEnabled(bool enabled) {
    if (enabled == sortingEnabled_) return;
    sortingEnabled_ = enabled;
    if (enabled) sortEntries();
}

void PageListModel::sort(int column, Qt::SortOrder order) {
    if (column != 0) return;
    sortOrder_ = order;
    sortingEnabled_ = true;
    sortEntries();
}

void PageListModel::sortEntries() {
    const int n = count();
    if (n < 2) return;
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    if (sortOrder_ == Qt::AscendingOrder)
        std::sort(order.begin(), order.end(),
                  [this](int a, int b) { return TextLess(*rows_[a].text, *rows_[b].text); });
    else
        std::sort(order.begin(), order.end(),
                  [this](int a, int b) { return TextLess(*rows_[b].text, *rows_[a].text); });
    bool moved = false;
    for (int i = 0; i < n && !moved; ++i) moved = order[i] != i;
    if (!moved) return;

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRowOf(n);
    std::vector<Row> sorted(n);
    for (int i = 0; i < n; ++i) {
        newRowOf[order[i]] = i;
        sorted[i] = rows_[order[i]];
    }
    rows_ = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before) after.push_back(index(newRowOf[old.row()], old.column()));
    changePersistentIndexList(before, after);
    rowIndexStale_ = true;
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace Module1
