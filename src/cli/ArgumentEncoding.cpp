#include "cli/ArgumentEncoding.h"

#include "cli/CommandHelp.h"
#include "common/Unicode.h"

namespace ArgumentEncoding {

std::optional<QByteArray> firstInvalidArgument(int argc, const char *const *argv) {
    for (int index = 1; index < argc; ++index) {
        const QByteArray argument(argv[index]);
        if (!Unicode::isValidUtf8(argument)) return argument;
    }
    return std::nullopt;
}

QString invalidPathReport(const QString &what, const QByteArray &path) {
    return CommandHelp::tr(
               "torvane-cli: %1 that is not valid UTF-8: %2\n"
               "  (list its folder instead: items whose names are not valid UTF-8 "
               "are listed but never renamed)\n")
        .arg(what, QString::fromLatin1(path.toPercentEncoding("/")));
}

int refuseInvalidArgument(const QByteArray &argument, QTextStream &err) {
    err << invalidPathReport(CommandHelp::tr("nothing done: an argument"), argument);
    err.flush();
    return 2;
}

}  // namespace ArgumentEncoding
