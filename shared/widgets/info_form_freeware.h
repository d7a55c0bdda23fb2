// The info window both programs share: program name, version and description, the maker's
// copyright line, and links to the maker's site, the page about the maker and the support mail.
#pragma once

#include <QPointer>
#include <QSize>
#include <QWidget>
#include <map>
#include <string>

#include "shared/general/program_identity.h"
#include "shared/platform/clock.h"
#include "shared/platform/shell.h"

class QCloseEvent;
class QLabel;
class QPushButton;

namespace RARUVOVOVA {

class InfoFormFreeware final : public QWidget {
    Q_OBJECT

  public:
    // Opens the dialog modeless for the running program (ThisProgram()), or brings the open one
    // forward. A dialog opened after the previous one was closed is built afresh, so placement,
    // text and year are recomputed. shell and clock must outlive the dialog; with an owner the
    // dialog also closes when the owner is destroyed.
    static InfoFormFreeware* ShowInfo(platform::Shell& shell, platform::Clock& clock,
                                      QWidget* owner = nullptr);
    // The open dialog, or nullptr.
    static InfoFormFreeware* OpenInstance();

    // The info text exactly as the program words it: single "\r" line breaks.
    static std::string InfoText(const RARUVOVOVA2DIVFU::ProgramIdentity& program, int year);
    // "mailto:" target whose subject names the program version and the system version.
    static std::string MailTarget(const RARUVOVOVA2DIVFU::ProgramIdentity& program,
                                  const std::string& systemVersion);
    // Small screens get the dialog in their top-left corner, larger ones get it centred.
    static bool PlacesAtTopLeft(QSize screenPixels);

    // The text shown in Label[0] as built when this dialog loaded (with its "\r" breaks).
    const std::string& infoText() const { return infoText_; }

    ~InfoFormFreeware() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    InfoFormFreeware(platform::Shell& shell, platform::Clock& clock, QWidget* owner);
    void onBtnClicked(int index);
    void placeOnScreen();

    platform::Shell& shell_;
    std::string infoText_;
    std::map<int, QPushButton*> Btn;  // indices 0, 1, 3, 4 as the program numbers them
    QLabel* Label0 = nullptr;         // Label[0]

    static QPointer<InfoFormFreeware> openInstance_;
};

}  // namespace RARUVOVOVA
