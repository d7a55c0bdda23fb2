// The icon picker: every icon of the built-in collection as a numbered picture; OK hands the
// chosen number to the engine.
#pragma once

#include <QDialog>
#include <functional>
#include <map>

#include "shared/platform/event_pump.h"

class QGroupBox;
class QListWidget;
class QPushButton;

class SelIconDialog final : public QDialog {
    Q_OBJECT

  public:
    // takePickedIcon receives the chosen icon's number, or 0 for "no change".
    SelIconDialog(platform::EventPump& pump, std::function<void(int)> takePickedIcon,
                  QWidget* owner = nullptr);

    // Shows the dialog modally: fills the list while it is visible (yielding every 32 icons),
    // then waits for OK, Abbrechen or the close box. Call once per dialog; every opening builds a
    // new dialog, so the list always starts complete and without a selection.
    void openModal();

    // Caption for a collection of n icons: "<program> - Icon-Auswahl (<n> Stück)".
    static QString CaptionFor(int iconCount);

  private:
    void fillIconList();
    void onBtnClicked(int index);
    void done(int result) override;

    platform::EventPump& pump_;
    std::function<void(int)> takePickedIcon_;
    QGroupBox* Frame1 = nullptr;
    QListWidget* IconListView = nullptr;
    std::map<int, QPushButton*> Btn;
    bool closed_ = false;
};
