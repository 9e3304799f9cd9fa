#include "cli/HistoryCommand.h"

#include <QDateTime>

#include "collections/HistoryFile.h"
#include "collections/ZKHistorian.h"
#include "engine/RenamerCollections.h"
#include "engine/ZKRenamer.h"

namespace {

QString dateText(const QVariant &seconds) {
    if (!seconds.isValid()) return QStringLiteral("-");
    return QDateTime::fromMSecsSinceEpoch(qint64(seconds.toDouble() * 1000.0))
        .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

// "Find and Replace, Add Suffix": each step's operation.
QString description(const QVariantList &archives) {
    QStringList names;
    for (const ZKRenamerPtr &renamer : RenamerCollections::renamersFromArchives(archives)) {
        names << renamer->operationName();
    }
    return names.join(QStringLiteral(", "));
}

}  // namespace

int HistoryCommand::execute(const QStringList &arguments) {
    if (!arguments.isEmpty()) {
        err_ << "torvane-cli history: "
             << CommandHelp::tr("unknown option: %1").arg(arguments.first()) << '\n'
             << usage(CommandHelp::Language::Translated);
        err_.flush();
        return 2;
    }
    ZKHistorian &historian = ZKHistorian::historian();
    if (ZKHistorian::historyCapacity() < 0) {
        err_ << CommandHelp::tr("History is disabled.\n");
        err_.flush();
        return 0;
    }
    for (const QVariant &value : historian.history()) {
        const QVariantMap item = value.toMap();
        out_ << QStringLiteral("%1\t%2\t%3\t%4\n")
                    .arg(item.value(HistoryFile::kCounter).toLongLong())
                    .arg(dateText(item.value(HistoryFile::kTimestampFirst)),
                         dateText(item.value(HistoryFile::kTimestampMostRecent)),
                         description(item.value(HistoryFile::kRenamers).toList()));
    }
    out_.flush();
    return 0;
}

QString HistoryCommand::usage(CommandHelp::Language language) {
    return CommandHelp::block(QT_TRANSLATE_NOOP("CommandHelp", "usage: torvane-cli history\n"),
                              language) +
           CommandHelp::block(
               QT_TRANSLATE_NOOP(
                   "CommandHelp",
                   "  one line per configuration used for renaming, oldest first: the number of "
                   "runs,\n"
                   "  the first and the latest use, and the operations of its steps\n"),
               language);
}
