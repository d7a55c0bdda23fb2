// Iconsmith's main window: the web root, the current icon, the two modes, the page list and the
// commands that drive the favicon engine.
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "iconsmith/engine/engine_context.h"
#include "iconsmith/engine/engine_state.h"
#include "iconsmith/engine/engine_view.h"
#include "iconsmith/engine/folder_chooser.h"
#include "iconsmith/engine/page_list_model.h"
#include "shared/platform/clock.h"
#include "shared/platform/dialogs.h"
#include "shared/platform/event_pump.h"
#include "shared/platform/settings_store.h"
#include "shared/platform/shell.h"

class QGroupBox;
class QItemSelection;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeView;

namespace RARUVOVOVA {
class PictureLink;
}

// What the window works with; all of it must outlive the window.
struct Form1Services {
    platform::Dialogs& dialogs;
    platform::Shell& shell;
    platform::SettingsStore& settings;
    platform::Clock& clock;
    platform::EventPump& pump;
    Module1::FolderChooser& folderChooser;
    // Folder holding options.ini and the help page; empty means the program's own folder.
    std::string programFolder;
    // Ends the program for "&Ende"; workInProgress tells whether a fill or a run is under way.
    // Empty means EndProgramNow.
    std::function<void(bool workInProgress)> endProgram;
};

class Form1 final : public QMainWindow, private Module1::EngineView {
    Q_OBJECT

  public:
    explicit Form1(Form1Services services, QWidget* parent = nullptr);
    ~Form1() override;

    // Start of the program: caption, empty list, page extensions, window shown, and once the
    // window is on the screen the one-time backup warning.
    void Load();

    // Changes the selection or the ticks of every entry: 0 none, 1 all, 2 inverted selection,
    // 101 ticks = selection, 102 ticks of the selected entries inverted.
    void ListeSelect(int32_t mode);

    // Opens path in the desktop's editor for its type.
    void EditFile(const std::string& path);

    // The default "&Ende": closes every window and leaves the event loop, or, while engine work
    // is running inside the event loop, ends the process at once (pages are replaced atomically,
    // so no page is left half written).
    static void EndProgramNow(bool workInProgress);

    Module1::EngineState& engineState() { return state_; }
    Module1::PageListModel& pageList() { return list_; }
    bool isWorkInProgress() const { return busy_; }
    int lastSortColumn() const { return LastSortColumn; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // EngineView
    void showStatusText(const std::string& text) override;
    void showFileCountText(const std::string& text) override;
    void setProgressRange(int minimum, int maximum) override;
    void setProgressValue(int value) override;
    void setBusy(bool busy) override;
    void enableRunCommands() override;
    void showWebRoot(const std::string& text) override;
    void showIcon(const std::string& icoBytes) override;

    std::string programFolder() const;
    void buildControls();
    QPushButton* makeBtn(int index, const QString& caption, QWidget* parent);
    void onBtnClicked(int index);
    void onOptionClicked();
    void onHeaderClicked(int column);
    void onListDoubleClicked();
    void showIconPicker();
    // Runs a fill or a batch run with the interfering commands disabled; a second start while one
    // runs does nothing.
    void runExclusive(const std::function<void()>& work);
    void updateCommandStates();

    // The view's selection and the model's selection marks are kept equal.
    void mirrorViewSelectionToModel(const QItemSelection& selected,
                                    const QItemSelection& deselected);
    void mirrorModelSelectionToView(int first, int last);

    Form1Services services_;
    Module1::EngineState state_;
    Module1::PageListModel list_;
    Module1::EngineContext context_;

    std::map<int, QPushButton*> Btn;
    std::array<QRadioButton*, 2> SetUnsetFaviconOPT{};
    QGroupBox* FaviconSelFrame = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QLabel* IconPreviewImg = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* LocalWebRootLBL = nullptr;
    RARUVOVOVA::PictureLink* Picture1 = nullptr;
    RARUVOVOVA::PictureLink* Image1 = nullptr;
    RARUVOVOVA::PictureLink* Image2 = nullptr;
    QProgressBar* Bar = nullptr;
    QLabel* statusPanel1_ = nullptr;
    QLabel* statusPanel2_ = nullptr;
    QTreeView* Liste = nullptr;

    // Column (from 1) the list was last sorted by; 0 until the first header click.
    int LastSortColumn = 0;
    bool runCommandsEnabled_ = false;
    bool busy_ = false;
    bool pickerOpen_ = false;
    bool mirroring_ = false;
};
