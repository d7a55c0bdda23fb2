#include "shared/widgets/qt_dialogs.h"

#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

QString DisplayMessageText(const std::string& text) {
    QString display = QString::fromStdString(text);
    display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    display.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return display;
}

Answer QtDialogs::message(const std::string& text, const std::string& title, MessageButtons buttons,
                          MessageIcon icon, DefaultButton defaultButton) {
    QMessageBox box(parent_.data());
    box.setWindowTitle(QString::fromStdString(title));
    // Shown exactly as written: a text whose first line holds something tag-like (a path, an
    // entry's name) must not be taken for HTML.
    box.setTextFormat(Qt::PlainText);
    box.setText(DisplayMessageText(text));
    switch (icon) {
        case MessageIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MessageIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MessageIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
    }

    QPushButton* first = nullptr;
    QPushButton* second = nullptr;
    Answer firstAnswer = Answer::Ok;
    Answer secondAnswer = Answer::Ok;
    switch (buttons) {
        case MessageButtons::Ok:
            first = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            box.setEscapeButton(first);
            break;
        case MessageButtons::OkCancel:
            first = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            second = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
            firstAnswer = Answer::Ok;
            secondAnswer = Answer::Cancel;
            box.setEscapeButton(second);
            break;
        case MessageButtons::YesNo:
            first = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
            second = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
            firstAnswer = Answer::Yes;
            secondAnswer = Answer::No;
            box.setEscapeButton(second);
            break;
    }
    box.setDefaultButton(defaultButton == DefaultButton::Second && second != nullptr ? second
                                                                                     : first);
    box.exec();
    // Closing the box without a button counts as its escape button.
    if (second != nullptr && box.clickedButton() == second) return secondAnswer;
    if (box.clickedButton() == first) return firstAnswer;
    return second != nullptr ? secondAnswer : firstAnswer;
}

std::string QtDialogs::input(const std::string& prompt, const std::string& title,
                             const std::string& preset) {
    QInputDialog dialog(parent_.data());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(DisplayMessageText(prompt));
    if (auto* label = dialog.findChild<QLabel*>()) label->setTextFormat(Qt::PlainText);
    dialog.setTextValue(QString::fromStdString(preset));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.textValue().toStdString();
}

}  // namespace platform
