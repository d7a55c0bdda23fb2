#include "iconsmith/cli/cli_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace IconsmithCli {
namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::string Quoted(std::string_view text) {
    return "»" + std::string(text) + "«";
}

// The options that take a value, in both spellings "--name VALUE" and "--name=VALUE".
constexpr std::string_view kValueOptions[] = {"--icon", "--icon-file", "--extensions"};

bool TakesValue(std::string_view name) {
    return std::find(std::begin(kValueOptions), std::end(kValueOptions), name) !=
           std::end(kValueOptions);
}

}  // namespace

std::vector<std::string> ParseExtensionList(std::string_view list) {
    std::vector<std::string> extensions;
    while (true) {
        const auto comma = list.find(',');
        auto element = Trimmed(list.substr(0, comma));
        if (!element.empty() && element.front() == '.') element.remove_prefix(1);
        if (!element.empty()) {
            std::string extension = ".";
            for (const char c : element)
                extension += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            extensions.push_back(std::move(extension));
        }
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    return extensions;
}

ParseResult ParseCliOptions(const std::vector<std::string>& args, int iconCount) {
    ParseResult result;
    auto fail = [&result](std::string reason) {
        result.outcome = ParseOutcome::UsageError;
        result.error = std::move(reason);
        return result;
    };
    std::vector<std::string> roots;
    std::vector<std::string> seen;
    bool optionsEnded = false;

    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            roots.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = arg;
        std::optional<std::string> value;
        if (const auto equals = arg.find('='); arg.starts_with("--") && equals != arg.npos) {
            name = arg.substr(0, equals);
            value = arg.substr(equals + 1);
        }
        if (name == "--help" || name == "-h") {
            result.outcome = ParseOutcome::ShowHelp;
            return result;
        }
        if (name == "--version") {
            result.outcome = ParseOutcome::ShowVersion;
            return result;
        }
        const bool knownFlag = name == "--remove" || name == "--dry-run" || name == "--yes";
        if (!knownFlag && !TakesValue(name)) return fail("Unbekannte Option " + Quoted(name) + ".");
        if (std::find(seen.begin(), seen.end(), name) != seen.end())
            return fail("Die Option " + name + " ist mehrfach angegeben.");
        seen.push_back(name);

        if (knownFlag) {
            if (value) return fail("Die Option " + name + " nimmt keinen Wert an.");
            if (name == "--remove") result.options.removeMode = true;
            if (name == "--dry-run") result.options.dryRun = true;
            if (name == "--yes") result.options.yes = true;
            continue;
        }
        if (!value) {
            if (i + 1 >= args.size()) return fail("Die Option " + name + " braucht einen Wert.");
            value = args[++i];
        }
        if (name == "--icon") {
            int number = 0;
            const char* first = value->data();
            const char* last = first + value->size();
            const auto [end, error] = std::from_chars(first, last, number);
            if (value->empty() || error != std::errc() || end != last || number < 1 ||
                number > iconCount)
                return fail("--icon erwartet eine Icon-Nummer von 1 bis " +
                            std::to_string(iconCount) + ", nicht " + Quoted(*value) + ".");
            result.options.iconNumber = number;
        } else if (name == "--icon-file") {
            if (value->empty()) return fail("--icon-file braucht einen Dateinamen.");
            result.options.iconFile = *value;
        } else {
            auto extensions = ParseExtensionList(*value);
            if (extensions.empty())
                return fail(
                    "--extensions braucht mindestens eine Endung, zum Beispiel "
                    "»htm,html«.");
            result.options.extensions = std::move(extensions);
        }
    }

    const auto& options = result.options;
    if (options.iconNumber != 0 && !options.iconFile.empty())
        return fail("--icon und --icon-file schließen einander aus.");
    if (options.removeMode && (options.iconNumber != 0 || !options.iconFile.empty()))
        return fail("--remove schreibt kein Icon; --icon und --icon-file passen nicht dazu.");
    if (roots.empty()) return fail("Das Hauptverzeichnis der Web-Seiten fehlt.");
    if (roots.size() > 1)
        return fail("Nur ein Hauptverzeichnis ist erlaubt, angegeben sind " +
                    std::to_string(roots.size()) + ".");
    if (roots.front().empty()) return fail("Das Hauptverzeichnis ist leer angegeben.");
    result.options.root = roots.front();
    result.outcome = ParseOutcome::Run;
    return result;
}

std::string UsageLine() {
    return "Aufruf: iconsmith-cli [--remove] [--icon N | --icon-file DATEI] [--extensions LISTE]\n"
           "                     [--dry-run] [--yes] HAUPTVERZEICHNIS\n";
}

std::string HelpText(int iconCount) {
    const std::string count = std::to_string(iconCount);
    return UsageLine() +
           "\n"
           "Trägt das Favicon in alle Web-Seiten unterhalb von HAUPTVERZEICHNIS ein (wie der\n"
           "Start-Knopf von Iconsmith): schreibt favicon.ico ins Hauptverzeichnis und setzt in "
           "jede\n"
           "Seite mit <head> das Element <link rel=\"SHORTCUT ICON\" href=\"…favicon.ico\"> mit "
           "dem\n"
           "relativen Pfad zum Hauptverzeichnis ein oder frischt es auf. Nur Seiten, deren Text "
           "sich\n"
           "ändert, werden neu geschrieben; jede wird sicher ersetzt (erst vollständig neu\n"
           "geschrieben, dann umbenannt).\n"
           "\n"
           "Optionen:\n"
           "  --remove            Entfernt das Favicon-Element aus den Seiten, statt es "
           "einzusetzen.\n"
           "                      favicon.ico bleibt, wie es ist.\n"
           "  --icon N            Schreibt Icon Nummer N (1 bis " +
           count +
           ") der eingebauten Sammlung als\n"
           "                      favicon.ico. Ohne --icon und --icon-file wird das Standard-Icon\n"
           "                      geschrieben, wenn das Hauptverzeichnis noch kein favicon.ico "
           "hat.\n"
           "  --icon-file DATEI   Schreibt DATEI als favicon.ico; sie muss eine gültige "
           "Icon-Datei\n"
           "                      (.ico) sein.\n"
           "  --extensions LISTE  Endungen der Web-Seiten, durch Kommas getrennt (etwa\n"
           "                      \"htm,html,php\"). Ohne diese Option gelten die Endungen aus\n"
           "                      options.ini neben dem Programm, sonst \"htm,html,shtml,asp\".\n"
           "  --dry-run           Probelauf: nennt die Seiten, die sich ändern würden, und "
           "schreibt\n"
           "                      nichts (kein favicon.ico, keine Seite, kein Protokoll).\n"
           "  --yes               Ersetzt ein vorhandenes favicon.ico durch das gewählte Icon. "
           "Ohne\n"
           "                      --yes bleibt ein vorhandenes favicon.ico erhalten.\n"
           "  --help, -h          Zeigt diese Hilfe.\n"
           "  --version           Zeigt die Programmversion.\n"
           "\n"
           "Seiten in Ordnern namens _vti_… und Dateien oder Ordner, deren Name mit einem Punkt\n"
           "beginnt, werden übergangen.\n"
           "\n"
           "Ausgabe: jede geänderte Seite als Zeile \"N: Pfad\", ein geschriebenes favicon.ico "
           "als\n"
           "\"favicon.ico geschrieben: Pfad\", am Ende \"Ersetzen beendet: N Dateien verändert.\"\n"
           "(beim Probelauf \"Probelauf beendet: N Dateien würden verändert.\"). Hinweise und\n"
           "Fehler gehen auf die Standardfehlerausgabe, auf einem Terminal auch ein\n"
           "Fortschrittsbalken. Jeder Lauf außer dem Probelauf wird in Application.log neben dem\n"
           "Programm protokolliert.\n"
           "\n"
           "Rückgabewerte:\n"
           "  0  Alle Seiten wurden bearbeitet.\n"
           "  1  Mindestens eine Seite (oder favicon.ico) ließ sich nicht bearbeiten; die übrigen\n"
           "     wurden trotzdem bearbeitet, jeder Fehler ist auf der Standardfehlerausgabe "
           "genannt.\n"
           "  2  Falscher Aufruf, ungültige Icon-Datei oder unbrauchbares Hauptverzeichnis "
           "(fehlt,\n"
           "     ist eine Datei, oder es oder ein Ordner darin lässt sich nicht lesen); dann wird\n"
           "     nichts geschrieben.\n"
           "  130 Mit Strg+C abgebrochen: die gerade bearbeitete Seite wird fertig, die übrigen\n"
           "     bleiben unverändert. Ein zweites Strg+C beendet das Programm sofort.\n";
}

}  // namespace IconsmithCli
