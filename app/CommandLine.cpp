#include "app/CommandLine.h"

namespace {

std::optional<std::uint32_t> ParseNumber(const QString& text) {
    // Plain decimal only: no sign, no blanks, no hex, nothing beyond 32 bits.
    if (text.isEmpty() || text.size() > 10) return std::nullopt;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    }
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    if (!ok || value > 0xFFFFFFFFull) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

// Options QApplication takes for itself (with one dash or two): how many words each one uses.
// They are left for Qt to read, so they must not be refused here.
int QtOptionWords(const QString& option) {
    static const QStringList withValue = {QStringLiteral("platform"),
                                          QStringLiteral("platformpluginpath"),
                                          QStringLiteral("platformtheme"),
                                          QStringLiteral("plugin"),
                                          QStringLiteral("qwindowgeometry"),
                                          QStringLiteral("qwindowicon"),
                                          QStringLiteral("qwindowtitle"),
                                          QStringLiteral("display"),
                                          QStringLiteral("geometry"),
                                          QStringLiteral("title"),
                                          QStringLiteral("icon"),
                                          QStringLiteral("name"),
                                          QStringLiteral("session"),
                                          QStringLiteral("style"),
                                          QStringLiteral("stylesheet"),
                                          QStringLiteral("qmljsdebugger")};
    static const QStringList flags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                      QStringLiteral("nograb"), QStringLiteral("dograb"),
                                      QStringLiteral("sync")};
    if (!option.startsWith(QLatin1Char('-'))) return 0;
    QString name = option.mid(option.startsWith(QLatin1String("--")) ? 2 : 1);
    const qsizetype equals = name.indexOf(QLatin1Char('='));
    if (equals > 0) return withValue.contains(name.left(equals)) ? 1 : 0;
    if (withValue.contains(name)) return 2;
    return flags.contains(name) ? 1 : 0;
}

// Switches the help trace on (read by the help modules); accepted in any letter case.
bool IsDebugSwitch(const QString& word) {
    return word.compare(QLatin1String("/debug"), Qt::CaseInsensitive) == 0 ||
           word.compare(QLatin1String("-debug"), Qt::CaseInsensitive) == 0;
}

CommandLine Fail(const QString& message) {
    CommandLine line;
    line.action = CommandLine::Action::Error;
    line.error = QStringLiteral("tvdl: %1 (try 'tvdl --help')").arg(message);
    return line;
}

bool TakesValue(const QString& option) {
    static const QStringList options = {QStringLiteral("--deal"),   QStringLiteral("--print-deal"),
                                        QStringLiteral("--solve"),  QStringLiteral("--winnability"),
                                        QStringLiteral("--csv"),    QStringLiteral("--time-limit"),
                                        QStringLiteral("--threads")};
    return options.contains(option);
}

// Reads the value of an option that takes one into line; what is wrong with it, if anything.
std::optional<QString> TakeValue(CommandLine& line, const QString& option, const QString& value) {
    if (option == QLatin1String("--csv")) {
        if (value.isEmpty()) return QStringLiteral("--csv needs a file name");
        line.csvPath = value;
    } else if (option == QLatin1String("--time-limit")) {
        bool ok = false;
        const double seconds = value.toDouble(&ok);
        if (!ok || !(seconds > 0) || seconds > 86400) {
            return QStringLiteral("'%1' is not a time limit in seconds (more than 0, at most 86400)")
                .arg(value);
        }
        line.timeLimit = seconds;
    } else if (option == QLatin1String("--threads")) {
        const std::optional<std::uint32_t> threads = ParseNumber(value);
        if (!threads || *threads < 1 || *threads > 256) {
            return QStringLiteral("'%1' is not a number of threads from 1 to 256").arg(value);
        }
        line.threads = *threads;
    } else if (option == QLatin1String("--winnability")) {
        const qsizetype dash = value.indexOf(QLatin1Char('-'));
        const std::optional<std::uint32_t> firstDeal = ParseNumber(dash < 0 ? value : value.left(dash));
        const std::optional<std::uint32_t> lastDeal = ParseNumber(dash < 0 ? value : value.mid(dash + 1));
        if (!firstDeal || !lastDeal || *lastDeal < *firstDeal) {
            return QStringLiteral("'%1' is not a range of deals A-B with A <= B").arg(value);
        }
        line.action = CommandLine::Action::Winnability;
        line.firstDeal = *firstDeal;
        line.lastDeal = *lastDeal;
    } else {
        const std::optional<std::uint32_t> deal = ParseNumber(value);
        if (!deal) return QStringLiteral("'%1' is not a deal number from 0 to 4294967295").arg(value);
        line.deal = deal;
        if (option == QLatin1String("--print-deal")) line.action = CommandLine::Action::PrintDeal;
        if (option == QLatin1String("--solve")) line.action = CommandLine::Action::Solve;
    }
    return std::nullopt;
}

// Options that only shape another command must not quietly start the game instead.
std::optional<QString> Mismatch(const CommandLine& line) {
    const bool table = line.action == CommandLine::Action::Winnability;
    if (!line.csvPath.isEmpty() && !table) return QStringLiteral("--csv goes with --winnability");
    if (line.threads != 0 && !table) return QStringLiteral("--threads goes with --winnability");
    if (line.timeLimit && !table && line.action != CommandLine::Action::Solve) {
        return QStringLiteral("--time-limit goes with --solve or --winnability");
    }
    return std::nullopt;
}

}  // namespace

CommandLine CommandLine::Parse(const QStringList& arguments) {
    CommandLine line;
    for (int i = 0; i < arguments.size(); ++i) {
        if (IsDebugSwitch(arguments[i])) continue;
        if (const int words = QtOptionWords(arguments[i])) {
            i += words - 1;
            continue;
        }
        QString option = arguments[i];
        QString value;
        bool hasValue = false;
        const qsizetype equals = option.indexOf(QLatin1Char('='));
        if (option.startsWith(QLatin1String("--")) && equals > 0) {
            value = option.mid(equals + 1);
            option = option.left(equals);
            hasValue = true;
        }
        if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
            line.action = Action::Help;
            return line;
        }
        if (option == QLatin1String("--version")) {
            line.action = Action::Version;
            return line;
        }
        if (!TakesValue(option)) return Fail(QStringLiteral("unknown option '%1'").arg(arguments[i]));
        if (!hasValue) {
            if (i + 1 >= arguments.size()) return Fail(QStringLiteral("%1 needs a value").arg(option));
            value = arguments[++i];
        }
        if (const std::optional<QString> wrong = TakeValue(line, option, value)) return Fail(*wrong);
    }
    if (const std::optional<QString> wrong = Mismatch(line)) return Fail(*wrong);
    return line;
}

QString CommandLine::Usage() {
    return QStringLiteral(
        "Usage: tvdl [--deal N | --print-deal N | --solve N [--time-limit S] |\n"
        "             --winnability A-B [--csv FILE] [--threads N] [--time-limit S]]\n"
        "Torvik Vandrel, a patience card game.\n"
        "\n"
        "  --deal N            start with deal number N (0 to 4294967295)\n"
        "  --print-deal N      print deal N after the aces have moved, and exit\n"
        "  --solve N           play deal N with the solver, print its moves and exit\n"
        "  --winnability A-B   play deals A to B with the solver on every core and print\n"
        "                      how many were won; --csv FILE also writes one row per deal\n"
        "  --threads N         play the deals of --winnability on N threads\n"
        "  --time-limit S      also end each round of the solver after S seconds; the\n"
        "                      answers then depend on the machine's speed\n"
        "  --help              show this help and exit\n"
        "  --version           show the version and exit\n"
        "  /debug, -debug      write a trace of the help calls to HHDebug.txt\n"
        "Qt's own options (-platform, -display, -style ...) are passed on to Qt.\n");
}

QString CommandLine::Version() {
    return QStringLiteral("tvdl (Torvik Vandrel) 1.5\n");
}
