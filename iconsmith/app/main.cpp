// Iconsmith: writes a favicon into a local web site and links it from every page.
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "iconsmith/app/form1.h"
#include "iconsmith/app/qt_folder_chooser.h"
#include "iconsmith/engine/iconsmith_identity.h"
#include "shared/general/program_identity.h"
#include "shared/widgets/qt_clock.h"
#include "shared/widgets/qt_dialogs.h"
#include "shared/widgets/qt_event_pump.h"
#include "shared/widgets/qt_settings_store.h"
#include "shared/widgets/qt_shell.h"

int main(int argc, char* argv[]) {
    RARUVOVOVA2DIVFU::UseProgramIdentity(Module1::kIconsmith);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Iconsmith"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/iconsmith/iconsmith.ico")));
    // The program speaks German, so Qt's own dialogs (the folder chooser) do too, where the
    // translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    platform::QtDialogs dialogs;
    platform::QtShell shell;
    platform::QtSettingsStore settings;
    platform::QtClock clock;
    platform::QtEventPump pump;
    QtFolderChooser folderChooser;

    Form1 form(Form1Services{dialogs, shell, settings, clock, pump, folderChooser, {}, {}});
    dialogs = platform::QtDialogs(&form);
    folderChooser.setOwner(&form);
    form.Load();
    return app.exec();
}
