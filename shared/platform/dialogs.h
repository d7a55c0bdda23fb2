// Message boxes and input boxes, as the engines ask for them.
#pragma once

#include <string>

namespace platform {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageIcon { None, Information, Exclamation, Question, Critical };
enum class DefaultButton { First, Second };
enum class Answer { Ok, Cancel, Yes, No };

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // Shows a modal message box and returns the button the user pressed. Closing the box without
    // a button counts as Cancel (OK+Cancel), No (Yes+No) or Ok (OK alone).
    virtual Answer message(const std::string& text, const std::string& title,
                           MessageButtons buttons, MessageIcon icon,
                           DefaultButton defaultButton = DefaultButton::First) = 0;

    // Asks for one line of text; an aborted box gives the empty text.
    virtual std::string input(const std::string& prompt, const std::string& title,
                              const std::string& preset) = 0;
};

}  // namespace platform
