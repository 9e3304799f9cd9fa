#include "cli/CommandHelp.h"

namespace CommandHelp {

QString block(const char *english, Language language) {
    if (language == Language::English) return QString::fromUtf8(english);
    return QCoreApplication::translate("CommandHelp", english);
}

QString versionLine() { return QStringLiteral("torvane-cli " TORVANE_VERSION); }

bool asksForHelp(const QStringList &arguments) {
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--")) return false;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) return true;
    }
    return false;
}

QString usageLines(const QString &usage) {
    QString lines;
    for (const QString &line : usage.split(u'\n')) {
        // A usage line is continued by lines indented deeper than the options below it, or
        // followed by another form of the command.
        const bool continued =
            !lines.isEmpty() && (line.startsWith(QLatin1String("          ")) ||
                                 line.trimmed().startsWith(QLatin1String("torvane-cli ")));
        if (!line.startsWith(QLatin1String("usage:")) && !continued) {
            if (!lines.isEmpty()) break;
            continue;
        }
        lines += line + u'\n';
    }
    return lines;
}

QString translatedUsageLines(const QString &usage) {
    return block(usageLines(usage).toUtf8().constData(), Language::Translated);
}

int reportBadInput(QTextStream &err, const QString &command, const QString &message,
                   const QString &usage) {
    err << "torvane-cli " << command << ": " << message << '\n'
        << translatedUsageLines(usage)
        << tr("Try 'torvane-cli %1 --help' for more.\n").arg(command);
    err.flush();
    return kBadInput;
}

}  // namespace CommandHelp
