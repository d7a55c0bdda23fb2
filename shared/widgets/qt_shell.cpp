#include "shared/widgets/qt_shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace platform {

QUrl ShellTargetUrl(const std::string& target) {
    const QString text = QString::fromStdString(target).trimmed();
    if (text.isEmpty()) return {};
    const QFileInfo file(text);
    if (file.isAbsolute() && file.exists()) return QUrl::fromLocalFile(file.absoluteFilePath());
    // "scheme:" (two letters at least, so "C:\x" is no scheme) then the rest.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(text).hasMatch()) return QUrl(text, QUrl::TolerantMode);
    if (file.isAbsolute()) return QUrl::fromLocalFile(text);
    return QUrl(QStringLiteral("http://") + text, QUrl::TolerantMode);
}

void QtShell::execute(ShellVerb verb, const std::string& target, int /*showMode*/) {
    // The desktop decides how the opened window looks; nothing here waits for it.
    if (verb == ShellVerb::Open) {
        const QUrl url = ShellTargetUrl(target);
        if (url.isValid()) QDesktopServices::openUrl(url);
        return;
    }
#ifdef _WIN32
    QProcess::startDetached(QStringLiteral("notepad.exe"), {QString::fromStdString(target)});
#else
    // The text editor the desktop has registered, else whatever opens the file; the lookup runs
    // in the detached shell, so the window never waits for it. The file is passed as an argument,
    // never as part of the script.
    static const QString script = QStringLiteral(
        "app=$(xdg-mime query default text/plain 2>/dev/null); "
        "if [ -n \"$app\" ] && command -v gtk-launch >/dev/null 2>&1; then "
        "gtk-launch \"${app%.desktop}\" \"$1\" && exit 0; fi; "
        "exec xdg-open \"$1\"");
    QProcess process;
    process.setProgram(QStringLiteral("/bin/sh"));
    process.setArguments(
        {QStringLiteral("-c"), script, QStringLiteral("sh"), QString::fromStdString(target)});
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.startDetached();
#endif
}

}  // namespace platform
