// Message boxes and input boxes with Qt, German button texts and the caller's window as parent.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "shared/platform/dialogs.h"

namespace platform {

class QtDialogs final : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    Answer message(const std::string& text, const std::string& title, MessageButtons buttons,
                   MessageIcon icon, DefaultButton defaultButton = DefaultButton::First) override;
    std::string input(const std::string& prompt, const std::string& title,
                      const std::string& preset) override;

  private:
    QPointer<QWidget> parent_;
};

// Engine texts break paragraphs with carriage returns; a message box breaks lines at "\n".
QString DisplayMessageText(const std::string& text);

}  // namespace platform
