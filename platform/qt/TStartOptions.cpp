// Reads the command line of a start.
#include "TStartOptions.h"

namespace sudoku {

TStartOptions TStartOptions::Parse(const QStringList& arguments) {
    TStartOptions options;
    const QString first = arguments.value(0).toLower();
    options.Uninstall = first == QStringLiteral("uninstall");
    options.QuitAtStart = first == QStringLiteral("/s");
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--screenshot")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                options.Error = QStringLiteral("--screenshot needs a file name");
                return options;
            }
            options.ScreenshotFile = arguments[++i];
        } else if (argument == QStringLiteral("--screen-size")) {
            bool ok = false;
            const int size = arguments.value(i + 1).toInt(&ok);
            if (!ok || size < 0 || size > 4) {
                options.Error = QStringLiteral("--screen-size needs a number from 0 to 4");
                return options;
            }
            options.ScreenSize = size;
            ++i;
        } else if (argument == QStringLiteral("--page")) {
            bool ok = false;
            const int page = arguments.value(i + 1).toInt(&ok);
            if (!ok || page < 0 || page > 3) {
                options.Error = QStringLiteral("--page needs a number from 0 to 3");
                return options;
            }
            options.Page = page;
            ++i;
        } else if (argument.startsWith(QLatin1Char('-'))) {
            options.Error = QStringLiteral("unknown option ") + argument;
            return options;
        }
    }
    return options;
}

} // namespace sudoku
