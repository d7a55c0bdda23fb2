#include "iconsmith/engine/page_list_model.h"

#include <algorithm>
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
    for (size_t i = 0; i < n; ++i) {
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
    const Entry& e = entries_[index.row()];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return QString::fromUtf8(e.text.data(), static_cast<qsizetype>(e.text.size()));
        case Qt::CheckStateRole:
            return e.ticked ? Qt::Checked : Qt::Unchecked;
        case SelectedRole:
            return e.selected;
        case PathBytesRole:
            return QByteArray(e.text.data(), static_cast<qsizetype>(e.text.size()));
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
    return rowIndex_.find(text) != rowIndex_.end();
}

int PageListModel::find(const std::string& text) const {
    if (rowIndexStale_) rebuildRowIndex();
    const auto found = rowIndex_.find(text);
    return found == rowIndex_.end() ? -1 : found->second;
}

void PageListModel::rebuildRowIndex() const {
    for (int row = 0; row < count(); ++row) rowIndex_[entries_[row].text] = row;
    rowIndexStale_ = false;
}

bool PageListModel::insertAtTop(const std::string& text, bool ticked) {
    if (contains(text)) return false;
    int row = 0;
    if (sortingEnabled_) {
        const Entry probe{text, ticked, false};
        const auto at =
            sortOrder_ == Qt::AscendingOrder
                ? std::upper_bound(
                      entries_.begin(), entries_.end(), probe,
                      [](const Entry& a, const Entry& b) { return TextLess(a.text, b.text); })
                : std::upper_bound(
                      entries_.begin(), entries_.end(), probe,
                      [](const Entry& a, const Entry& b) { return TextLess(b.text, a.text); });
        row = static_cast<int>(at - entries_.begin());
    }
    beginInsertRows(QModelIndex(), row, row);
    entries_.insert(entries_.begin() + row, Entry{text, ticked, false});
    rowIndex_.emplace(text, row);
    rowIndexStale_ = rowIndexStale_ || row != count() - 1;
    endInsertRows();
    return true;
}

int PageListModel::insertManyAtTop(std::vector<std::string> texts, bool ticked) {
    // Inserting each at the top in turn leaves them in reverse order above the old entries; of
    // texts given twice the first counts, as the second would be found listed already.
    rowIndex_.reserve(rowIndex_.size() + texts.size());
    std::vector<bool> take(texts.size(), false);
    size_t taken = 0;
    for (size_t i = 0; i < texts.size(); ++i) {
        take[i] = rowIndex_.emplace(texts[i], 0).second;
        taken += take[i] ? 1 : 0;
    }
    std::vector<Entry> fresh;
    fresh.reserve(taken + entries_.size());
    for (size_t i = texts.size(); i-- > 0;)
        if (take[i]) fresh.push_back(Entry{std::move(texts[i]), ticked, false});
    if (fresh.empty()) return 0;
    const int added = static_cast<int>(fresh.size());
    beginInsertRows(QModelIndex(), 0, added - 1);
    std::move(entries_.begin(), entries_.end(), std::back_inserter(fresh));
    entries_ = std::move(fresh);
    rowIndexStale_ = true;
    endInsertRows();
    if (sortingEnabled_) sortEntries();
    return added;
}

void PageListModel::clear() {
    if (entries_.empty()) return;
    beginResetModel();
    entries_.clear();
    entries_.shrink_to_fit();
    rowIndex_.clear();
    rowIndexStale_ = false;
    endResetModel();
}

void PageListModel::setTicked(int row, bool ticked) {
    if (row < 0 || row >= count() || entries_[row].ticked == ticked) return;
    entries_[row].ticked = ticked;
    const QModelIndex at = index(row, 0);
    emit dataChanged(at, at, {Qt::CheckStateRole});
}

void PageListModel::setSelected(int row, bool selected) {
    if (row < 0 || row >= count() || entries_[row].selected == selected) return;
    entries_[row].selected = selected;
    const QModelIndex at = index(row, 0);
    emit dataChanged(at, at, {SelectedRole});
    emit selectionFlagsChanged(row, row);
}

void PageListModel::emitWholeColumnChanged(const QList<int>& roles) {
    if (entries_.empty()) return;
    emit dataChanged(index(0, 0), index(count() - 1, 0), roles);
    if (roles.contains(SelectedRole)) emit selectionFlagsChanged(0, count() - 1);
}

void PageListModel::selectAll(bool selected) {
    for (Entry& e : entries_) e.selected = selected;
    emitWholeColumnChanged({SelectedRole});
}

void PageListModel::invertSelection() {
    for (Entry& e : entries_) e.selected = !e.selected;
    emitWholeColumnChanged({SelectedRole});
}

void PageListModel::tickSelectedOnly() {
    for (Entry& e : entries_) e.ticked = e.selected;
    emitWholeColumnChanged({Qt::CheckStateRole});
}

void PageListModel::invertTicksOfSelected() {
    for (Entry& e : entries_)
        if (e.selected) e.ticked = !e.ticked;
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
    // Lower-cased copies compare with memcmp; paths share long prefixes, so this beats lowering
    // byte by byte inside every comparison.
    std::vector<std::string> keys(n);
    for (int i = 0; i < n; ++i) {
        keys[i] = entries_[i].text;
        for (char& c : keys[i]) c = static_cast<char>(LowerAscii(static_cast<unsigned char>(c)));
    }
    const auto less = [&](int a, int b) {
        const int byKey = keys[a].compare(keys[b]);
        return byKey != 0 ? byKey < 0 : entries_[a].text < entries_[b].text;
    };
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    if (sortOrder_ == Qt::AscendingOrder)
        std::sort(order.begin(), order.end(), less);
    else
        std::sort(order.begin(), order.end(), [&](int a, int b) { return less(b, a); });
    keys = {};
    bool moved = false;
    for (int i = 0; i < n && !moved; ++i) moved = order[i] != i;
    if (!moved) return;

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRowOf(n);
    std::vector<Entry> sorted;
    sorted.reserve(n);
    for (int i = 0; i < n; ++i) {
        newRowOf[order[i]] = i;
        sorted.push_back(std::move(entries_[order[i]]));
    }
    entries_ = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before) after.push_back(index(newRowOf[old.row()], old.column()));
    changePersistentIndexList(before, after);
    rowIndexStale_ = true;
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace Module1
