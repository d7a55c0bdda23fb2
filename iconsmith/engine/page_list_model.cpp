#include "iconsmith/engine/page_list_model.h"

namespace Module1 {

PageListModel::PageListModel(QObject* parent) : QAbstractTableModel(parent) {}
int PageListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}
int PageListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}
QVariant PageListModel::data(const QModelIndex&, int) const {
    return {};
}
bool PageListModel::setData(const QModelIndex&, const QVariant&, int) {
    return false;
}
QVariant PageListModel::headerData(int, Qt::Orientation, int) const {
    return {};
}
Qt::ItemFlags PageListModel::flags(const QModelIndex&) const {
    return {};
}
void PageListModel::sort(int, Qt::SortOrder) {}
bool PageListModel::contains(const std::string&) const {
    return false;
}
int PageListModel::find(const std::string&) const {
    return -1;
}
bool PageListModel::insertAtTop(const std::string&, bool) {
    return false;
}
int PageListModel::insertManyAtTop(std::vector<std::string>, bool) {
    return 0;
}
void PageListModel::clear() {}
void PageListModel::setTicked(int, bool) {}
void PageListModel::setSelected(int, bool) {}
void PageListModel::selectAll(bool) {}
void PageListModel::invertSelection() {}
void PageListModel::tickSelectedOnly() {}
void PageListModel::invertTicksOfSelected() {}
bool PageListModel::applySelectionMode(int) {
    return false;
}
void PageListModel::setSortingEnabled(bool) {}
void PageListModel::sortEntries() {}
void PageListModel::rebuildRowIndex() const {}
void PageListModel::emitWholeColumnChanged(const QList<int>&) {}

}  // namespace Module1
