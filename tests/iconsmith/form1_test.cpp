// Iconsmith's main window with real widgets: its controls, every button, ListeSelect, sorting,
// the mode options, double-click, the start-up sequence and the commands locked during work.
#include "iconsmith/app/form1.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QTreeView>
#include <algorithm>
#include <optional>

#include "iconsmith/engine/batch_run.h"
#include "iconsmith/icons/icon_collection.h"
#include "tests/iconsmith/window_fixture.h"

namespace {

using testsupport::WindowFixture;

class Form1Test : public WindowFixture {
  protected:
    QTreeView* liste() const { return control<QTreeView>("Liste"); }
    QString panel(int number) const {
        return control<QLabel>(number == 1 ? "Status.Panel1" : "Status.Panel2")->text();
    }
    Module1::PageListModel& list() { return form->pageList(); }

    // Entries "/w/a.htm" ... in the order given, as a fill would leave them.
    void listEntries(const std::vector<std::string>& texts) {
        std::vector<std::string> reversed(texts.rbegin(), texts.rend());
        list().insertManyAtTop(reversed);
        ASSERT_EQ(list().count(), int(texts.size()));
        for (int row = 0; row < int(texts.size()); ++row) ASSERT_EQ(list().text(row), texts[row]);
    }

    // Selects rows the way the user does, through the view.
    void selectInView(const std::vector<int>& rows) {
        auto* selection = liste()->selectionModel();
        selection->clearSelection();
        for (int row : rows)
            selection->select(list().index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    std::vector<bool> modelSelection() {
        std::vector<bool> marks;
        for (int row = 0; row < list().count(); ++row) marks.push_back(list().isSelected(row));
        return marks;
    }
    std::vector<bool> viewSelection() {
        std::vector<bool> marks;
        for (int row = 0; row < list().count(); ++row)
            marks.push_back(liste()->selectionModel()->isRowSelected(row, QModelIndex()));
        return marks;
    }
    std::vector<bool> ticks() {
        std::vector<bool> marks;
        for (int row = 0; row < list().count(); ++row) marks.push_back(list().isTicked(row));
        return marks;
    }
    std::vector<std::string> texts() {
        std::vector<std::string> all;
        for (int row = 0; row < list().count(); ++row) all.push_back(list().text(row));
        return all;
    }

    void clickHeader() {
        QHeaderView* header = liste()->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionPosition(0) + 10, header->height() / 2));
    }
};

TEST_F(Form1Test, OpensWithItsControlsInTheirFirstState) {
    loadWindow();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Iconsmith"));

    struct Caption {
        const char* control;
        QString text;
    };
    const Caption buttons[] = {
        {"Btn[0]", QStringLiteral("Liste l&\u00f6schen")},
        {"Btn[1]", QStringLiteral("&Alle ausw\u00e4hlen")},
        {"Btn[2]", QStringLiteral("Auswahl &l\u00f6schen")},
        {"Btn[3]", QStringLiteral("Auswahl &umkehren")},
        {"Btn[4]", QStringLiteral("&Pfad")},
        {"Btn[5]", QStringLiteral("Auswahl als &Markierung \u00fcbernehmen")},
        {"Btn[6]", QStringLiteral("Auswahl auf Mar&kierung anwenden")},
        {"Btn[7]", QStringLiteral("&W\u00e4hlen ...")},
        {"Btn[8]", QStringLiteral("&Start")},
        {"Btn[9]", QStringLiteral("&Ende")},
        {"Btn[10]", QStringLiteral("&Hilfe")},
        {"Btn[11]", QString()},
        {"Btn[25]", QStringLiteral("&Info")},
    };
    for (const auto& c : buttons) {
        SCOPED_TRACE(c.control);
        auto* button = control<QPushButton>(c.control);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), c.text);
    }
    const Caption frames[] = {
        {"FaviconSelFrame", QStringLiteral("Favicon")},
        {"Frame4", QStringLiteral("Wie sollen die markierten [v] Dateien bearbeitet werden?")},
        {"Frame2", QStringLiteral("Steuerung")},
        {"Frame1", QStringLiteral("Vorgaben")},
    };
    for (const auto& c : frames) {
        SCOPED_TRACE(c.control);
        ASSERT_NE(control<QGroupBox>(c.control), nullptr);
        EXPECT_EQ(control<QGroupBox>(c.control)->title(), c.text);
    }
    const Caption tips[] = {
        {"Btn[11]", QStringLiteral("Aktuelles Favicon im oben eingestellten Pfad")},
        {"IconPreviewImg",
         QStringLiteral("Dies ist das zurzeit festgelegte Icon. Die Anzeige kann von der "
                        "tats\u00e4chlichen Gr\u00f6\u00dfe abweichen.")},
        {"Image2", QStringLiteral("Klicken Sie hier, um noch mehr interessante Corvale-Programme "
                                  "kennenzulernen ...")},
    };
    for (const auto& c : tips) {
        SCOPED_TRACE(c.control);
        EXPECT_EQ(control<QWidget>(c.control)->toolTip(), c.text);
    }
    EXPECT_FALSE(control<QWidget>("Image1")->toolTip().isEmpty());
    for (const char* picture : {"Picture1", "Image1", "Image2"}) {
        SCOPED_TRACE(picture);
        EXPECT_FALSE(control<QLabel>(picture)->pixmap().isNull());
    }
    EXPECT_EQ(control<QLabel>("Label1")->text(), QStringLiteral("Favicon-Verweise"));
    EXPECT_EQ(control<QRadioButton>("SetUnsetFaviconOPT[0]")->text(),
              QStringLiteral("einse&tzen / auffrischen"));
    EXPECT_EQ(control<QRadioButton>("SetUnsetFaviconOPT[1]")->text(),
              QStringLiteral("l\u00f6s&chen"));
    EXPECT_EQ(list().headerData(0, Qt::Horizontal).toString(),
              QStringLiteral("Gefundene Web-Seiten"));

    EXPECT_TRUE(control<QRadioButton>("SetUnsetFaviconOPT[0]")->isChecked());
    EXPECT_TRUE(control<QGroupBox>("FaviconSelFrame")->isEnabled());
    EXPECT_TRUE(control<QLabel>("IconPreviewImg")->pixmap().isNull());
    EXPECT_EQ(list().count(), 0);
    EXPECT_EQ(control<QLabel>("LocalWebRootLBL")->text(),
              QStringLiteral("(Bitte Pfad angeben ...)"));
    EXPECT_EQ(panel(1), QStringLiteral("0 Dateien"));
    EXPECT_FALSE(btn(8)->isEnabled());
    EXPECT_FALSE(btn(11)->isEnabled());
    EXPECT_EQ(form->lastSortColumn(), 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Form1Test, LayoutGivesExtraRoomToTheList) {
    loadWindow();
    const QSize listBefore = liste()->size();
    const QPoint startBefore = btn(8)->mapTo(form.get(), QPoint());
    form->resize(form->width() + 200, form->height() + 150);
    QCoreApplication::processEvents();
    EXPECT_EQ(liste()->width(), listBefore.width() + 200);
    EXPECT_GE(liste()->height(), listBefore.height() + 150);
    EXPECT_EQ(btn(8)->mapTo(form.get(), QPoint()).y(), startBefore.y())
        << "the command groups keep their place";
}

TEST_F(Form1Test, ListeSelectModesOnSelectionAndTicks) {
    const std::vector<bool> selected = {true, true, false, true, false};
    const std::vector<bool> ticked = {true, false, false, true, true};
    struct Case {
        int mode;
        std::vector<bool> selected;
        std::vector<bool> ticked;
    };
    const Case cases[] = {
        {0, {false, false, false, false, false}, ticked},
        {1, {true, true, true, true, true}, ticked},
        {2, {false, false, true, false, true}, ticked},
        {101, selected, {true, true, false, true, false}},
        {102, selected, {false, true, false, false, true}},
    };
    listEntries({"/w/a.htm", "/w/b.htm", "/w/c.htm", "/w/d.htm", "/w/e.htm"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        for (int row = 0; row < 5; ++row) list().setTicked(row, ticked[row]);
        selectInView({0, 1, 3});
        ASSERT_EQ(modelSelection(), selected) << "the view's selection reaches the model";

        form->ListeSelect(c.mode);
        EXPECT_EQ(modelSelection(), c.selected);
        EXPECT_EQ(viewSelection(), c.selected) << "the view shows the model's selection";
        EXPECT_EQ(ticks(), c.ticked);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Form1Test, ListeSelectReportsAnUnknownModeOnlyWhenThereAreEntries) {
    form->ListeSelect(7);
    EXPECT_TRUE(dialogs.messages.empty()) << "an empty list never tests the mode";

    listEntries({"/w/a.htm", "/w/b.htm"});
    selectInView({1});
    form->ListeSelect(7);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Unknown Mode 7 in ListeSelect(Mode)");
    EXPECT_EQ(dialogs.messages[0].title, "Iconsmith");
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Critical);
    EXPECT_EQ(dialogs.messages[0].buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(modelSelection(), (std::vector<bool>{false, true}));
}

TEST_F(Form1Test, SelectionButtonsChangeTheListAndGiveItTheFocus) {
    loadWindow();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    listEntries({"/w/a.htm", "/w/b.htm", "/w/c.htm"});
    struct Step {
        int btn;
        std::vector<int> selectFirst;
        std::vector<bool> selected;
        std::vector<bool> ticked;
    };
    const Step steps[] = {
        {1, {}, {true, true, true}, {true, true, true}},         // "&Alle auswählen"
        {2, {0, 2}, {false, false, false}, {true, true, true}},  // "Auswahl &löschen"
        {3, {1}, {true, false, true}, {true, true, true}},       // "Auswahl &umkehren"
        {5, {0}, {true, false, false}, {true, false, false}},  // "... als &Markierung übernehmen"
        {6, {0, 1}, {true, true, false}, {false, true, false}},  // "... auf Mar&kierung anwenden"
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.btn);
        selectInView(step.selectFirst);
        btn(0)->setFocus();
        btn(step.btn)->click();
        EXPECT_EQ(modelSelection(), step.selected);
        EXPECT_EQ(viewSelection(), step.selected);
        EXPECT_EQ(ticks(), step.ticked);
        EXPECT_TRUE(liste()->hasFocus());
    }
}

TEST_F(Form1Test, SelectAllThenTakeOverTicksEverythingAndClearThenTakeOverTicksNothing) {
    listEntries({"/w/a.htm", "/w/b.htm", "/w/c.htm"});
    list().setTicked(1, false);
    btn(1)->click();
    btn(5)->click();
    EXPECT_EQ(ticks(), (std::vector<bool>{true, true, true}));
    btn(2)->click();
    btn(5)->click();
    EXPECT_EQ(ticks(), (std::vector<bool>{false, false, false}));
}

TEST_F(Form1Test, SelectingInTheListReachesTheSelectionMarks) {
    loadWindow();
    listEntries({"/w/a.htm", "/w/b.htm", "/w/c.htm"});
    liste()->setFocus();
    QTest::keyClick(liste(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(modelSelection(), (std::vector<bool>{true, true, true}));

    QWidget* viewport = liste()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {},
                      liste()->visualRect(list().index(1, 0)).center());
    EXPECT_EQ(modelSelection(), (std::vector<bool>{false, true, false}));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier,
                      liste()->visualRect(list().index(2, 0)).center());
    EXPECT_EQ(modelSelection(), (std::vector<bool>{false, true, true}));

    liste()->clearSelection();
    EXPECT_EQ(modelSelection(), (std::vector<bool>{false, false, false}));
}

TEST_F(Form1Test, InvertingTheSelectionTwiceRestoresIt) {
    listEntries({"/w/a.htm", "/w/b.htm", "/w/c.htm", "/w/d.htm"});
    selectInView({0, 2});
    btn(3)->click();
    EXPECT_EQ(viewSelection(), (std::vector<bool>{false, true, false, true}));
    btn(3)->click();
    EXPECT_EQ(viewSelection(), (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(modelSelection(), (std::vector<bool>{true, false, true, false}));
}

TEST_F(Form1Test, HeaderClicksSortAscendingDescendingAscendingAndSelectionFollows) {
    loadWindow();
    listEntries({"/w/b.htm", "/w/c.htm", "/w/a.htm"});
    selectInView({0});  // b
    const std::vector<std::string> ascending = {"/w/a.htm", "/w/b.htm", "/w/c.htm"};
    const std::vector<std::string> descending = {"/w/c.htm", "/w/b.htm", "/w/a.htm"};
    const std::vector<std::string>* expected[] = {&ascending, &descending, &ascending};
    for (int click = 0; click < 3; ++click) {
        SCOPED_TRACE(click + 1);
        clickHeader();
        EXPECT_EQ(texts(), *expected[click]);
        EXPECT_EQ(form->lastSortColumn(), 1);
        EXPECT_EQ(liste()->header()->sortIndicatorOrder(),
                  click == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
        // "b" stays the selected entry wherever it moves.
        const std::vector<bool> selectedB = {false, true, false};
        EXPECT_EQ(modelSelection(), selectedB);
        EXPECT_EQ(viewSelection(), selectedB);
    }
}

TEST_F(Form1Test, RemoveModeGreysOutTheFaviconFrame) {
    loadWindow();
    writePage("index.htm", "<html><head></head></html>");
    choose(site);
    auto* insert = control<QRadioButton>("SetUnsetFaviconOPT[0]");
    auto* remove = control<QRadioButton>("SetUnsetFaviconOPT[1]");
    QWidget* frameControls[] = {control<QWidget>("FaviconSelFrame"),
                                control<QWidget>("IconPreviewImg"), btn(7), btn(11)};

    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_TRUE(form->engineState().removeMode);
    for (QWidget* widget : frameControls)
        EXPECT_FALSE(widget->isEnabled()) << widget->objectName().toStdString();

    QTest::mouseClick(insert, Qt::LeftButton);
    EXPECT_FALSE(form->engineState().removeMode);
    for (QWidget* widget : frameControls)
        EXPECT_TRUE(widget->isEnabled()) << widget->objectName().toStdString();
}

TEST_F(Form1Test, PathFillsTheListAndEnablesTheRunCommands) {
    loadWindow();
    const std::string index = writePage("index.htm", "<html><head></head></html>");
    const std::string page = writePage("sub/seite.html", "<html><head></head></html>");
    writePage("bild.png", "png");

    choose(site);
    ASSERT_EQ(chooser.prompts.size(), 1u);
    EXPECT_EQ(chooser.prompts[0], "Wo liegt das Hauptverzeichnis Ihrer lokalen Web-Dateien?");
    EXPECT_EQ(texts(), (std::vector<std::string>{index, page}));
    EXPECT_EQ(ticks(), (std::vector<bool>{true, true}));
    EXPECT_EQ(control<QLabel>("LocalWebRootLBL")->text(), QString::fromStdString(site + "/"));
    EXPECT_EQ(panel(1), QStringLiteral("2 Dateien"));
    EXPECT_EQ(panel(2), QStringLiteral("Eintragung beendet"));
    EXPECT_TRUE(btn(8)->isEnabled());
    EXPECT_TRUE(btn(11)->isEnabled());
    EXPECT_FALSE(control<QLabel>("IconPreviewImg")->pixmap().isNull());
    EXPECT_EQ(form->engineState().CurrentIcon, Module1::DefaultIconBytes());
    EXPECT_EQ(control<QProgressBar>("Bar")->value(), 0);
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);

    // Cancelling the chooser changes nothing.
    choose("");
    EXPECT_EQ(list().count(), 2);
    EXPECT_EQ(control<QLabel>("LocalWebRootLBL")->text(), QString::fromStdString(site + "/"));
}

TEST_F(Form1Test, ClearListEmptiesItButStartStaysEnabled) {
    loadWindow();
    writePage("index.htm", "<html><head></head></html>");
    choose(site);
    ASSERT_EQ(list().count(), 1);
    btn(0)->click();
    EXPECT_EQ(list().count(), 0);
    EXPECT_EQ(control<QLabel>("LocalWebRootLBL")->text(),
              QStringLiteral("(Bitte Pfad angeben ...)"));
    EXPECT_EQ(panel(1), QStringLiteral("0 Dateien"));
    EXPECT_TRUE(btn(8)->isEnabled());

    // A Start on the empty list reports it, then finishes as always.
    btn(8)->click();
    ASSERT_GE(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[dialogs.messages.size() - 2].text,
              "Bitte legen Sie zun\u00e4chst das Hauptverzeichnis Ihrer lokalen Web-Seiten fest.");
    EXPECT_EQ(dialogs.messages.back().text, "Fertig: Alle Eintragungen abgeschlossen.");
}

TEST_F(Form1Test, StartWritesTheFaviconAndTheTickedPages) {
    loadWindow();
    const std::string index = writePage("index.htm", "<html><head><title>A</title></head></html>");
    const std::string sub = writePage("sub/b.htm", "<html><head><title>B</title></head></html>");
    choose(site);
    list().setTicked(list().find(sub), false);

    // While the run works, the list commands and the mode options are locked.
    int yieldsWhileLocked = 0;
    pump.onYield = [&] {
        if (!btn(0)->isEnabled() && !btn(8)->isEnabled() &&
            !control<QWidget>("Frame4")->isEnabled() && btn(9)->isEnabled())
            ++yieldsWhileLocked;
    };
    btn(8)->click();
    pump.onYield = nullptr;
    EXPECT_GT(yieldsWhileLocked, 0);
    EXPECT_EQ(testsupport::ReadBytes(site + "/favicon.ico"), Module1::DefaultIconBytes());
    EXPECT_EQ(testsupport::ReadBytes(index),
              "<html><head><link rel=\"SHORTCUT ICON\" href=\"./favicon.ico\"><title>A</title>"
              "</head></html>");
    EXPECT_EQ(testsupport::ReadBytes(sub), "<html><head><title>B</title></head></html>")
        << "unticked";
    EXPECT_EQ(panel(2), QStringLiteral("Ersetzen beendet: 1 Dateien ver\u00e4ndert."));
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().text, "Fertig: Alle Eintragungen abgeschlossen.");
    EXPECT_FALSE(form->engineState().IconChanged) << "the preview now shows the written file";
    EXPECT_TRUE(btn(4)->isEnabled()) << "commands come back after the run";

    // Remove mode takes the element out again and leaves favicon.ico alone.
    QTest::mouseClick(control<QRadioButton>("SetUnsetFaviconOPT[1]"), Qt::LeftButton);
    btn(8)->click();
    EXPECT_EQ(testsupport::ReadBytes(index), "<html><head><title>A</title></head></html>");
    EXPECT_TRUE(std::filesystem::exists(site + "/favicon.ico"));
}

TEST_F(Form1Test, ReloadButtonShowsTheRootsFavicon) {
    loadWindow();
    writePage("index.htm", "<html><head></head></html>");
    choose(site);
    ASSERT_TRUE(form->engineState().IconChanged);
    const std::string icon = Module1::IconFileBytes(5);
    writePage("favicon.ico", icon);

    btn(11)->click();
    EXPECT_FALSE(form->engineState().IconChanged);
    EXPECT_EQ(form->engineState().CurrentIcon, icon);
}

TEST_F(Form1Test, EndHelpAndInfoButtons) {
    loadWindow();
    btn(9)->click();
    EXPECT_EQ(endRequests, std::vector<bool>{false});

    // Without a help page the user is told; with one it opens.
    btn(10)->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Die Online-Hilfe konnte leider nicht gefunden werden ...");
    EXPECT_TRUE(shell.requests.empty());
    testsupport::WriteBytes(programFolder + "hilfe.htm", "<html></html>");
    btn(10)->click();
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0].verb, platform::ShellVerb::Open);
    EXPECT_EQ(shell.requests[0].target, programFolder + "hilfe.htm");

    btn(25)->click();
    auto* info = RARUVOVOVA::InfoFormFreeware::OpenInstance();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    EXPECT_FALSE(info->isModal());
    EXPECT_EQ(info->windowTitle(), QStringLiteral("Info \u00fcber Iconsmith"));
    EXPECT_FALSE(info->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull())
        << "the banner is among the program's pictures";
    btn(25)->click();
    EXPECT_EQ(RARUVOVOVA::InfoFormFreeware::OpenInstance(), info) << "single instance";

    // "&Ende" also works while the info dialog is open.
    btn(9)->click();
    EXPECT_EQ(endRequests, (std::vector<bool>{false, false}));
}

TEST_F(Form1Test, PictureLinksOpenTheMakerAndMagazineSites) {
    loadWindow();
    struct Case {
        const char* picture;
        std::string target;
    };
    const Case cases[] = {{"Picture1", "https://www.corvale.example/"},
                          {"Image2", "https://www.corvale.example/"},
                          {"Image1", "https://www.webmagazin.example/"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picture);
        shell.requests.clear();
        QTest::mouseClick(control<QWidget>(c.picture), Qt::LeftButton);
        ASSERT_EQ(shell.requests.size(), 1u);
        EXPECT_EQ(shell.requests[0].verb, platform::ShellVerb::Open);
        EXPECT_EQ(shell.requests[0].target, c.target);
    }
}

TEST_F(Form1Test, DoubleClickEditsTheSelectedEntryAndNothingWithoutOne) {
    loadWindow();
    QWidget* viewport = liste()->viewport();
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(shell.requests.empty()) << "empty list";

    listEntries({"/w/a.htm", "/w/b.htm"});
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(20, viewport->height() - 5));
    EXPECT_TRUE(shell.requests.empty()) << "below the entries, nothing selected";

    const QRect second = liste()->visualRect(list().index(1, 0));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, second.center());
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0].verb, platform::ShellVerb::Edit);
    EXPECT_EQ(shell.requests[0].target, "/w/b.htm");
}

TEST_F(Form1Test, BackupWarningComesOnceTheWindowIsShown) {
    const std::string key =
        testsupport::FakeSettingsStore::address("Corvale Software", "Iconsmith", "ShowOnceWarning");
    struct Case {
        const char* name;
        std::optional<std::string> stored;
        bool shown;
    };
    const Case cases[] = {
        {"first start", std::nullopt, true},
        {"same version", "2.1.202", false},
        {"older version", "2.1.201", true},
        {"trailing blank", "2.1.202 ", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.messages.clear();
        settings.values.clear();
        if (c.stored) settings.values[key] = *c.stored;
        Form1 window(Form1Services{dialogs, shell, settings, clock, pump, chooser, programFolder,
                                   [](bool) {}});
        window.Load();
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(dialogs.messages.empty()) << "not before the window is on the screen";
        QCoreApplication::processEvents();
        ASSERT_EQ(dialogs.messages.size(), c.shown ? 1u : 0u);
        if (c.shown) {
            EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Exclamation);
            EXPECT_EQ(dialogs.messages[0].title, "Iconsmith");
            EXPECT_EQ(
                dialogs.messages[0].text.rfind(
                    "BITTE UNBEDINGT LESEN - dieser Dialog erscheint nur ein einziges Mal!", 0),
                0u);
        }
        EXPECT_EQ(settings.values[key], "2.1.202");
    }
}

TEST_F(Form1Test, CommandsThatWouldInterfereAreLockedDuringAFill) {
    loadWindow();
    writePage("a.htm", "<html><head></head></html>");
    writePage("sub/b.htm", "<html><head></head></html>");
    std::vector<int> enabledDuringFill;
    bool checked = false;
    pump.onYield = [&] {
        if (checked) return;
        checked = true;
        for (int index : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 25})
            if (btn(index)->isEnabled()) enabledDuringFill.push_back(index);
        EXPECT_EQ(form->cursor().shape(), Qt::WaitCursor);
        // A second "&Pfad" and a header click from inside the running fill do nothing.
        chooser.answers.push_back(site);
        btn(4)->click();
        QTest::mouseClick(liste()->header()->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
        EXPECT_EQ(form->lastSortColumn(), 0);
        // "&Ende" works at once and knows the work is still running.
        btn(9)->click();
    };
    choose(site);
    EXPECT_EQ(enabledDuringFill, (std::vector<int>{9, 10, 25}));
    EXPECT_EQ(chooser.prompts.size(), 1u) << "no second fill started";
    EXPECT_EQ(endRequests, std::vector<bool>{true});
    EXPECT_EQ(list().count(), 2);
    for (int index : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 25})
        EXPECT_TRUE(btn(index)->isEnabled()) << index;
    EXPECT_TRUE(control<QWidget>("Frame4")->isEnabled());
}

TEST_F(Form1Test, CommandsComeBackAfterAFailedFill) {
    loadWindow();
    writePage("a.htm", "<html><head></head></html>");
    choose(site);
    ASSERT_EQ(list().count(), 1);

    choose(root + "does-not-exist");
    ASSERT_EQ(dialogs.messages.size(), 1u) << "the failed walk is reported";
    EXPECT_EQ(list().count(), 1) << "the list keeps what it held";
    for (int index : {0, 4, 7, 8, 11}) EXPECT_TRUE(btn(index)->isEnabled()) << index;
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);
    EXPECT_FALSE(form->isWorkInProgress());
}

}  // namespace
