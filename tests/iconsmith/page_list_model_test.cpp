#include "iconsmith/engine/page_list_model.h"

#include <gtest/gtest.h>
#include <QAbstractItemModelTester>
#include <QPersistentModelIndex>
#include <QSignalSpy>

#include <string>
#include <vector>

namespace {

using Module1::PageListModel;

std::vector<std::string> Texts(const PageListModel& model) {
    std::vector<std::string> texts;
    for (int row = 0; row < model.count(); ++row) texts.push_back(model.text(row));
    return texts;
}

std::string Flags(const PageListModel& model, bool selected) {
    std::string flags;
    for (int row = 0; row < model.count(); ++row)
        flags += (selected ? model.isSelected(row) : model.isTicked(row)) ? '1' : '0';
    return flags;
}

// Sets ticks and selection marks from strings of '0'/'1', one character per row.
void SetFlags(PageListModel& model, const std::string& ticks, const std::string& selection) {
    for (int row = 0; row < model.count(); ++row) {
        model.setTicked(row, ticks[row] == '1');
        model.setSelected(row, selection[row] == '1');
    }
}

TEST(PageListModel, StaysConsistentForItemViewsThroughEveryOperation) {
    PageListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.insertAtTop("/w/b.htm");
    model.insertManyAtTop({"/w/c.htm", "/w/a.htm", "/w/b.htm"});
    QPersistentModelIndex kept(model.index(model.find("/w/a.htm"), 0));
    model.sort(0, Qt::DescendingOrder);
    EXPECT_EQ(model.data(kept).toString(), "/w/a.htm");
    model.insertAtTop("/w/d.htm");
    model.setData(model.index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
    model.applySelectionMode(1);
    model.applySelectionMode(102);
    model.setSortingEnabled(false);
    model.insertManyAtTop({"/w/e.htm"});
    model.setSortingEnabled(true);
    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(PageListModel, ShowsPathTickHeaderAndCheckable) {
    PageListModel model;
    model.insertAtTop("/web/Übersicht.htm", true);
    const QModelIndex at = model.index(0, 0);
    EXPECT_EQ(model.data(at).toString(), QString::fromUtf8("/web/Übersicht.htm"));
    EXPECT_EQ(model.data(at, Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Gefundene Web-Seiten");
    EXPECT_TRUE(model.flags(at) & Qt::ItemIsUserCheckable);

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    EXPECT_TRUE(model.setData(at, Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_FALSE(model.isTicked(0));
    EXPECT_EQ(changed.count(), 1);
}

TEST(PageListModel, BytesThatAreNoUtf8StayExactAsEntryText) {
    PageListModel model;
    const std::string latin1Name = "/web/gr\xFC\xDF.htm";  // a name written by an old program
    model.insertAtTop(latin1Name);
    EXPECT_EQ(model.text(0), latin1Name);
    EXPECT_EQ(model.data(model.index(0, 0), PageListModel::PathBytesRole).toByteArray(),
              QByteArray::fromStdString(latin1Name));
    EXPECT_EQ(model.find(latin1Name), 0);
}

TEST(PageListModel, BulkInsertPutsTheLastFoundFirstAndSkipsListedTexts) {
    PageListModel model;
    model.insertAtTop("/w/x.htm");
    EXPECT_FALSE(model.insertAtTop("/w/x.htm"));
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    EXPECT_EQ(model.insertManyAtTop({"/w/a.htm", "/w/x.htm", "/w/b.htm", "/w/a.htm", "/w/c.htm"}),
              3);
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(Texts(model),
              (std::vector<std::string>{"/w/c.htm", "/w/b.htm", "/w/a.htm", "/w/x.htm"}));
}

TEST(PageListModel, FindsEveryTextAfterInsertsAndSorts) {
    PageListModel model;
    std::vector<std::string> texts;
    for (int i = 0; i < 500; ++i) texts.push_back("/w/" + std::to_string(i * 7919 % 500) + ".htm");
    model.insertManyAtTop(texts);
    model.insertAtTop("/w/extra.htm");
    model.sort(0, Qt::DescendingOrder);
    model.insertAtTop("/w/0a.htm");  // sorting is on: goes to its place
    for (const std::string& text : texts) {
        const int row = model.find(text);
        ASSERT_GE(row, 0) << text;
        EXPECT_EQ(model.text(row), text);
    }
    EXPECT_EQ(model.find("/w/missing.htm"), -1);
    EXPECT_FALSE(model.contains("/w/missing.htm"));
    model.clear();
    EXPECT_EQ(model.find(texts[0]), -1);
    EXPECT_TRUE(model.insertAtTop(texts[0]));  // listed again after clearing
}

TEST(PageListModel, SortsByTextIgnoringCaseInBothOrders) {
    PageListModel model;
    model.insertManyAtTop({"/w/b.htm", "/w/C.htm", "/w/a.htm", "/w/B.htm"});
    EXPECT_FALSE(model.isSortingEnabled());
    model.sort(0, Qt::AscendingOrder);
    EXPECT_TRUE(model.isSortingEnabled());
    EXPECT_EQ(Texts(model),
              (std::vector<std::string>{"/w/a.htm", "/w/B.htm", "/w/b.htm", "/w/C.htm"}));
    model.sort(0, Qt::DescendingOrder);
    EXPECT_EQ(Texts(model),
              (std::vector<std::string>{"/w/C.htm", "/w/b.htm", "/w/B.htm", "/w/a.htm"}));
}

TEST(PageListModel, FillWithSortingOffEndsSortedInTheKeptOrder) {
    PageListModel model;
    model.sort(0, Qt::DescendingOrder);
    model.setSortingEnabled(false);
    model.insertAtTop("/w/a.htm");
    model.insertManyAtTop({"/w/b.htm", "/w/c.htm"});
    EXPECT_EQ(Texts(model), (std::vector<std::string>{"/w/c.htm", "/w/b.htm", "/w/a.htm"}));
    model.insertAtTop("/w/d.htm");
    EXPECT_EQ(model.text(0), "/w/d.htm");  // at the top while sorting is off
    model.insertAtTop("/w/0.htm");
    EXPECT_EQ(model.text(0), "/w/0.htm");
    model.setSortingEnabled(true);
    EXPECT_EQ(model.sortOrder(), Qt::DescendingOrder);
    EXPECT_EQ(Texts(model), (std::vector<std::string>{"/w/d.htm", "/w/c.htm", "/w/b.htm",
                                                      "/w/a.htm", "/w/0.htm"}));
    // Ticks and selection travel with their entries.
    model.setTicked(model.find("/w/b.htm"), false);
    model.sort(0, Qt::AscendingOrder);
    EXPECT_EQ(Flags(model, false), "11011");
}

TEST(PageListModel, SelectionModesChangeEveryEntryWithOneNotification) {
    struct Case {
        int mode;
        const char* ticks;
        const char* selection;
        const char* ticksAfter;
        const char* selectionAfter;
    };
    const Case cases[] = {
        {0, "1010", "1100", "1010", "0000"},   {1, "1010", "1100", "1010", "1111"},
        {2, "1010", "1100", "1010", "0011"},   {101, "1010", "1100", "1100", "1100"},
        {102, "1000", "1110", "0110", "1110"},  // selected: inverted; others keep theirs
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        PageListModel model;
        model.insertManyAtTop({"/w/4.htm", "/w/3.htm", "/w/2.htm", "/w/1.htm"});
        SetFlags(model, c.ticks, c.selection);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy selectionChanged(&model, &PageListModel::selectionFlagsChanged);
        EXPECT_TRUE(model.applySelectionMode(c.mode));
        EXPECT_EQ(Flags(model, false), c.ticksAfter);
        EXPECT_EQ(Flags(model, true), c.selectionAfter);
        ASSERT_EQ(changed.count(), 1);
        EXPECT_EQ(changed.at(0).at(0).toModelIndex().row(), 0);
        EXPECT_EQ(changed.at(0).at(1).toModelIndex().row(), 3);
        EXPECT_EQ(selectionChanged.count(), c.mode < 100 ? 1 : 0);
    }
}

TEST(PageListModel, InvertingSelectionTwiceRestoresIt) {
    PageListModel model;
    model.insertManyAtTop({"/w/3.htm", "/w/2.htm", "/w/1.htm"});
    SetFlags(model, "111", "010");
    model.applySelectionMode(2);
    model.applySelectionMode(2);
    EXPECT_EQ(Flags(model, true), "010");
}

TEST(PageListModel, UnknownSelectionModeChangesNothing) {
    PageListModel model;
    model.insertManyAtTop({"/w/2.htm", "/w/1.htm"});
    SetFlags(model, "10", "01");
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    EXPECT_FALSE(model.applySelectionMode(7));
    EXPECT_EQ(Flags(model, false), "10");
    EXPECT_EQ(Flags(model, true), "01");
    EXPECT_EQ(changed.count(), 0);
}

TEST(PageListModel, HoldsMoreEntriesThanASixteenBitIndexReaches) {
    PageListModel model;
    std::vector<std::string> texts;
    for (int i = 0; i < 40000; ++i) texts.push_back("/w/p" + std::to_string(i) + ".htm");
    EXPECT_EQ(model.insertManyAtTop(texts), 40000);
    model.setSortingEnabled(true);
    EXPECT_EQ(model.rowCount(), 40000);
    EXPECT_EQ(model.text(model.find("/w/p39999.htm")), "/w/p39999.htm");
    model.applySelectionMode(1);
    EXPECT_TRUE(model.isSelected(39999));
}

}  // namespace
