// The icon picker: its caption and list, what OK, Abbrechen and the close box hand to the engine,
// and a fresh list on every opening from the main window.
#include "iconsmith/app/sel_icon_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <functional>

#include "iconsmith/icons/icon_collection.h"
#include "tests/iconsmith/window_fixture.h"

namespace {

using testsupport::WindowFixture;

QListWidget* IconList(QWidget* dialog) {
    return dialog->findChild<QListWidget*>(QStringLiteral("IconListView"));
}
QPushButton* DialogBtn(QWidget* dialog, int index) {
    return dialog->findChild<QPushButton*>(QStringLiteral("Btn[%1]").arg(index));
}

// Runs action on the picker once it waits for the user, then makes sure it closes.
void WhenPickerWaits(QWidget* owner, std::function<void(SelIconDialog&)> action) {
    QTimer::singleShot(0, owner, [owner, action] {
        auto* picker = owner->findChild<SelIconDialog*>();
        ASSERT_NE(picker, nullptr);
        action(*picker);
        if (picker->isVisible()) picker->reject();
    });
}

class SelIconDialogTest : public WindowFixture {
  protected:
    // Opens a picker owned by the main window; returns the numbers handed to the engine.
    std::vector<int> openPicker(std::function<void(SelIconDialog&)> action) {
        std::vector<int> taken;
        SelIconDialog picker(
            pump, [&](int number) { taken.push_back(number); }, form.get());
        WhenPickerWaits(form.get(), std::move(action));
        picker.openModal();
        return taken;
    }
};

TEST_F(SelIconDialogTest, ShowsEveryIconNumberedUnderItsCaption) {
    QString caption;
    int items = 0;
    QStringList firstTexts;
    QString lastText;
    QSize iconSize;
    bool modal = false;
    bool hasSelection = true;
    QString frameTitle;
    const int yieldsBefore = pump.yields;
    openPicker([&](SelIconDialog& picker) {
        caption = picker.windowTitle();
        modal = picker.isModal();
        frameTitle = picker.findChild<QGroupBox*>(QStringLiteral("Frame1"))->title();
        QListWidget* list = IconList(&picker);
        items = list->count();
        for (int i = 0; i < 3; ++i) firstTexts << list->item(i)->text();
        lastText = list->item(list->count() - 1)->text();
        iconSize = list->iconSize();
        hasSelection = !list->selectedItems().isEmpty();
        EXPECT_EQ(list->viewMode(), QListView::IconMode);
        EXPECT_FALSE(list->item(16)->icon().isNull());
        EXPECT_EQ(DialogBtn(&picker, 0)->text(), QStringLiteral("OK"));
        EXPECT_EQ(DialogBtn(&picker, 1)->text(), QStringLiteral("Abbrechen"));
    });
    EXPECT_EQ(caption, QStringLiteral("Iconsmith - Icon-Auswahl (511 St\u00fcck)"));
    EXPECT_TRUE(modal);
    EXPECT_EQ(frameTitle,
              QStringLiteral("Bitte w\u00e4hlen Sie das gew\u00fcnschte Icon aus ... "));
    EXPECT_EQ(items, Module1::IconCount());
    EXPECT_EQ(firstTexts, (QStringList{"1", "2", "3"}));
    EXPECT_EQ(lastText, QStringLiteral("511"));
    EXPECT_EQ(iconSize, QSize(32, 32));
    EXPECT_FALSE(hasSelection);
    // After items 1, 33, 65, ... 481.
    EXPECT_EQ(pump.yields - yieldsBefore, 16);
}

TEST_F(SelIconDialogTest, ButtonsAndCloseBoxHandTheirChoiceToTheEngine) {
    struct Case {
        const char* name;
        int selectRow;  // -1: nothing selected
        std::function<void(SelIconDialog&)> finish;
        std::vector<int> taken;
    };
    const Case cases[] = {
        {"OK with icon 17", 16, [](SelIconDialog& d) { DialogBtn(&d, 0)->click(); }, {17}},
        {"Abbrechen after choosing", 16, [](SelIconDialog& d) { DialogBtn(&d, 1)->click(); }, {0}},
        {"OK without a selection", -1, [](SelIconDialog& d) { DialogBtn(&d, 0)->click(); }, {0}},
        {"close box", 16, [](SelIconDialog& d) { d.close(); }, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bool closed = false;
        const auto taken = openPicker([&](SelIconDialog& picker) {
            if (c.selectRow >= 0) IconList(&picker)->setCurrentRow(c.selectRow);
            c.finish(picker);
            closed = !picker.isVisible();
        });
        EXPECT_EQ(taken, c.taken);
        EXPECT_TRUE(closed);
    }
}

TEST_F(SelIconDialogTest, ChoosingFromTheMainWindowSetsThePreviewAndReopensFresh) {
    loadWindow();
    WhenPickerWaits(form.get(), [](SelIconDialog& picker) {
        IconList(&picker)->setCurrentRow(16);
        DialogBtn(&picker, 0)->click();
    });
    btn(7)->click();
    EXPECT_EQ(form->engineState().CurrentIcon, Module1::IconFileBytes(17));
    EXPECT_TRUE(form->engineState().IconChanged);
    EXPECT_FALSE(control<QLabel>("IconPreviewImg")->pixmap().isNull());

    // The second opening shows the whole list again without the earlier choice; Abbrechen keeps
    // the chosen icon.
    int items = 0;
    bool hasSelection = true;
    WhenPickerWaits(form.get(), [&](SelIconDialog& picker) {
        items = IconList(&picker)->count();
        hasSelection = !IconList(&picker)->selectedItems().isEmpty();
        IconList(&picker)->setCurrentRow(3);
        DialogBtn(&picker, 1)->click();
    });
    btn(7)->click();
    EXPECT_EQ(items, 511);
    EXPECT_FALSE(hasSelection);
    EXPECT_EQ(form->engineState().CurrentIcon, Module1::IconFileBytes(17));
    EXPECT_TRUE(form->engineState().IconChanged);
    EXPECT_TRUE(form->findChildren<SelIconDialog*>().isEmpty()) << "the picker is discarded";
}

}  // namespace
