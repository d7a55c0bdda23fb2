// The page list "Liste": one entry per found web page with its full path, a tick (processed by the
// next batch run) and a selection mark. A table model with one column that the window shows as is.
//
// Rows are numbered from 0 here (the first entry shown is row 0).
//
// Selection: the model owns the entries' selection marks, because the engine and ListeSelect work
// on them without a view. The window mirrors them into its QItemSelectionModel: it listens to
// selectionFlagsChanged() (and to modelReset / rowsInserted / layoutChanged) to copy the marks into
// the view, and calls setSelected() when the user selects in the view. selectionFlagsChanged() is
// emitted only by the model's own selection operations, never by data(), so a window that ignores
// the signal while it is copying view -> model does not loop.
#pragma once

#include <QAbstractTableModel>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace Module1 {

class PageListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // data(index, SelectedRole) gives the entry's selection mark as a bool.
    static constexpr int SelectedRole = Qt::UserRole + 1;
    // data(index, PathBytesRole) gives the entry's text as the raw bytes (QByteArray).
    static constexpr int PathBytesRole = Qt::UserRole + 2;

    explicit PageListModel(QObject* parent = nullptr);

    // QAbstractItemModel
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Sorts by entry text and switches sorting on with that order (column must be 0).
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    int count() const { return static_cast<int>(rows_.size()); }
    // The page's full path, bytes as on disk.
    const std::string& text(int row) const { return *rows_[row].text; }

    // O(1): whether an entry has exactly this text.
    bool contains(const std::string& text) const;
    // Row of the entry with exactly this text, or -1. O(1) unless rows moved since the last call.
    int find(const std::string& text) const;

    // Inserts one entry at the top (or, with sorting on, at its sorted place). False when the text
    // is already listed.
    bool insertAtTop(const std::string& text, bool ticked = true);
    // One fill: texts in the order they were found; each inserted at the top as if one by one
    // (so the last one ends up first), skipping texts already listed. One insertion for all of
    // them, then one sort when sorting is on. Returns the number inserted.
    int insertManyAtTop(std::vector<std::string> texts, bool ticked = true);
    void clear();

    bool isTicked(int row) const { return rows_[row].ticked; }
    void setTicked(int row, bool ticked);
    bool isSelected(int row) const { return rows_[row].selected; }
    void setSelected(int row, bool selected);

    // Bulk operations on every entry; each emits one dataChanged for the whole list.
    void selectAll(bool selected);  // ListeSelect 1 (true) and 0 (false)
    void invertSelection();         // ListeSelect 2
    void tickSelectedOnly();        // ListeSelect 101: tick = selected
    void invertTicksOfSelected();   // ListeSelect 102
    // ListeSelect's table: 0, 1, 2, 101, 102. Returns false (changing nothing) for any other mode;
    // the caller reports it.
    bool applySelectionMode(int mode);

    // Sorting by entry text. Off when the model is created. Switching it on sorts at once with the
    // kept order; while it is on, new entries go to their sorted place. A fill switches it off and
    // on again, so the list is sorted once at the end.
    void setSortingEnabled(bool enabled);
    bool isSortingEnabled() const { return sortingEnabled_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }

  signals:
    // The selection marks of rows first .. last changed through the model's own operations.
    void selectionFlagsChanged(int first, int last);

  private:
    struct Row {
        const std::string* text;  // into texts_
        bool ticked = true;
        bool selected = false;
    };

    void sortEntries();
    void rebuildRowIndex() const;
    void emitWholeColumnChanged(const QList<int>& roles);
    // Stores text for good and indexes it; false (storing nothing) when it is listed already.
    const std::string* storeNewText(std::string&& text);

    // The entries' texts at fixed addresses (a deque never moves its elements), so rows can be
    // moved about cheaply and the index can point into them. Only clear() removes texts.
    std::deque<std::string> texts_;
    std::vector<Row> rows_;
    bool sortingEnabled_ = false;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    // Text -> row. The keys always match the entries; the rows are recomputed lazily after
    // insertions at the top and sorts moved them.
    mutable std::unordered_map<std::string_view, int> rowIndex_;
    mutable bool rowIndexStale_ = false;
};

}  // namespace Module1
